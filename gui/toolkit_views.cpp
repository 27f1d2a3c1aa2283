// Tree view, HTML view, slider, progress bar and canvas functions.
#include "gui/need.h"
#include "gui/toolkit.h"

Ref<TGadget> GetTreeRoot(const Ref<TGadget>& treeview) { return NeedGadget(treeview).RootNode(); }

Ref<TGadget> AppendTreeNode(const std::u16string& text, const Ref<TGadget>& node, int32_t icon) {
  return NeedGadget(node).InsertNode(-1, text, icon);
}

Ref<TGadget> InsertTreeNode(int32_t index, const std::u16string& text, const Ref<TGadget>& node,
                            int32_t icon) {
  return NeedGadget(node).InsertNode(index, text, icon);
}

int32_t ChangeTreeNode(const Ref<TGadget>& node, const std::u16string& text, int32_t icon) {
  NeedGadget(node).ModifyNode(text, icon);
  return 0;
}

Ref<TGadget> GetSelectedTreeNode(const Ref<TGadget>& treeview) { return NeedGadget(treeview).SelectedNode(); }
int32_t CountTreeNodes(const Ref<TGadget>& node) { return NeedGadget(node).CountKids(); }

int32_t SelectTreeNode(const Ref<TGadget>& node) { return Act(node, ActivateCommand::Select); }
int32_t ExpandTreeNode(const Ref<TGadget>& node) { return Act(node, ActivateCommand::Expand); }
int32_t CollapseTreeNode(const Ref<TGadget>& node) { return Act(node, ActivateCommand::Collapse); }
int32_t DestroyTreeNode(const Ref<TGadget>& node) { return DestroyGadget(node); }

int32_t NavigateHtmlView(const Ref<TGadget>& view, const std::u16string& url) {
  return ChangeGadgetText(view, url);
}
int32_t HtmlViewGoBack(const Ref<TGadget>& view) { return Act(view, ActivateCommand::Back); }
int32_t HtmlViewGoForward(const Ref<TGadget>& view) { return Act(view, ActivateCommand::Forward); }
int32_t GetHtmlViewState(const Ref<TGadget>& view) { return NeedGadget(view).State(); }
std::u16string GetHtmlViewAddress(const Ref<TGadget>& view) { return NeedGadget(view).GetText(); }

std::u16string RunHtmlViewScript(const Ref<TGadget>& view, const std::u16string& script) {
  return NeedGadget(view).Run(script);
}

int32_t ChangeSliderRange(const Ref<TGadget>& slider, int32_t a, int32_t b) {
  NeedGadget(slider).SetRange(a, b);
  return 0;
}

int32_t ChangeSliderPosition(const Ref<TGadget>& slider, int32_t value) {
  NeedGadget(slider).SetProp(value);
  return 0;
}

int32_t GetSliderPosition(const Ref<TGadget>& slider) { return NeedGadget(slider).GetProp(); }

int32_t ChangeProgressValue(const Ref<TGadget>& bar, float value) {
  NeedGadget(bar).SetValue(value);
  return 0;
}

Ref<TGraphics> CanvasGraphics(const Ref<TGadget>& canvas) { return NeedGadget(canvas).CanvasGraphics(); }

float GadgetScale(const Ref<TGadget>& g) { return NeedGadget(g).Scale(); }
