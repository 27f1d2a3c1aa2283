// Gadget functions for every kind, and those of windows, menus, buttons, panels and text fields.
#include "gui/need.h"
#include "gui/toolkit.h"

namespace {

int32_t Has(int32_t state, int32_t bit) { return (state & bit) != 0 ? 1 : 0; }

}  // namespace

int32_t DestroyGadget(const Ref<TGadget>& g) {
  NeedGadget(g).Free();
  return 0;
}

intptr_t QueryGadgetHandle(const Ref<TGadget>& g, int32_t kind) { return NeedGadget(g).Query(kind); }
int32_t ClientWidth(const Ref<TGadget>& g) { return NeedGadget(g).ClientWidth(); }
int32_t ClientHeight(const Ref<TGadget>& g) { return NeedGadget(g).ClientHeight(); }
int32_t GetGadgetX(const Ref<TGadget>& g) { return NeedGadget(g).xpos; }
int32_t GetGadgetY(const Ref<TGadget>& g) { return NeedGadget(g).ypos; }
int32_t GetGadgetWidth(const Ref<TGadget>& g) { return NeedGadget(g).width; }
int32_t GetGadgetHeight(const Ref<TGadget>& g) { return NeedGadget(g).height; }
Ref<TGadget> GetGadgetParent(const Ref<TGadget>& g) { return NeedGadget(g).parent; }

int32_t ReshapeGadget(const Ref<TGadget>& g, int32_t x, int32_t y, int32_t w, int32_t h) {
  NeedGadget(g).SetShape(x, y, w, h);
  return 0;
}

int32_t SetGadgetEdges(const Ref<TGadget>& g, int32_t left, int32_t right, int32_t top, int32_t bottom) {
  NeedGadget(g).SetLayout(left, right, top, bottom);
  return 0;
}

int32_t RevealGadget(const Ref<TGadget>& g) {
  NeedGadget(g).SetShow(1);
  return 0;
}

int32_t ConcealGadget(const Ref<TGadget>& g) {
  NeedGadget(g).SetShow(0);
  return 0;
}

int32_t EnableGadgetInput(const Ref<TGadget>& g) {
  NeedGadget(g).SetEnabled(1);
  return 0;
}

int32_t DisableGadgetInput(const Ref<TGadget>& g) {
  NeedGadget(g).SetEnabled(0);
  return 0;
}

int32_t IsGadgetHidden(const Ref<TGadget>& g) { return Has(NeedGadget(g).State(), GadgetState::Hidden); }
int32_t IsGadgetDisabled(const Ref<TGadget>& g) { return Has(NeedGadget(g).State(), GadgetState::Disabled); }

int32_t FocusGadget(const Ref<TGadget>& g) { return Act(g, ActivateCommand::Focus); }
int32_t CutFromGadget(const Ref<TGadget>& g) { return Act(g, ActivateCommand::Cut); }
int32_t CopyFromGadget(const Ref<TGadget>& g) { return Act(g, ActivateCommand::Copy); }
int32_t PasteIntoGadget(const Ref<TGadget>& g) { return Act(g, ActivateCommand::Paste); }
int32_t PrintGadget(const Ref<TGadget>& g) { return Act(g, ActivateCommand::Print); }
int32_t RepaintGadget(const Ref<TGadget>& g) { return Act(g, ActivateCommand::Redraw); }

int32_t ChangeGadgetText(const Ref<TGadget>& g, const std::u16string& text) {
  NeedGadget(g).SetText(text);
  return 0;
}

std::u16string GetGadgetText(const Ref<TGadget>& g) { return NeedGadget(g).GetText(); }

int32_t ChangeGadgetFont(const Ref<TGadget>& g, const Ref<TGuiFont>& font) {
  NeedGadget(g).SetFont(font);
  return 0;
}

int32_t ChangeGadgetColor(const Ref<TGadget>& g, int32_t r, int32_t gr, int32_t b, int32_t background) {
  if (background != 0) {
    NeedGadget(g).SetColor(r, gr, b);
  } else {
    NeedGadget(g).SetTextColor(r, gr, b);
  }
  return 0;
}

int32_t ChangeGadgetTextColor(const Ref<TGadget>& g, int32_t r, int32_t gr, int32_t b) {
  NeedGadget(g).SetTextColor(r, gr, b);
  return 0;
}

int32_t ChangeGadgetAlpha(const Ref<TGadget>& g, float alpha) {
  NeedGadget(g).SetAlpha(alpha);
  return 0;
}

int32_t BindGadgetHotKey(const Ref<TGadget>& g, int32_t key, int32_t modifiers) {
  NeedGadget(g).SetHotKey(key, modifiers);
  return 0;
}

int32_t InstallGadgetFilter(const Ref<TGadget>& g, TEventFilter filter, const Ref<TObject>& context) {
  NeedGadget(g).SetFilter(filter, context);
  return 0;
}

int32_t ChangeGadgetIconStrip(const Ref<TGadget>& g, const Ref<TIconStrip>& strip) {
  NeedGadget(g).SetIconStrip(strip);
  return 0;
}

Ref<TGadget> GetWindowMenuRoot(const Ref<TGadget>& window) { return NeedGadget(window).GetMenu(); }

int32_t RebuildWindowMenu(const Ref<TGadget>& window) {
  NeedGadget(window).UpdateMenu();
  return 0;
}

int32_t ShowPopupMenu(const Ref<TGadget>& window, const Ref<TGadget>& menu, const Ref<TObject>& extra) {
  NeedGadget(window).PopupMenu(menu, extra);
  return 0;
}

int32_t FocusWindow(const Ref<TGadget>& window) { return Act(window, ActivateCommand::Focus); }

int32_t ChangeStatusText(const Ref<TGadget>& window, const std::u16string& text) {
  NeedGadget(window).SetStatus(text);
  return 0;
}

int32_t SetWindowMinimumSize(const Ref<TGadget>& window, int32_t w, int32_t h) {
  NeedGadget(window).SetMinimumSize(w, h);
  return 0;
}

int32_t WindowToMinimized(const Ref<TGadget>& window) { return Act(window, ActivateCommand::Minimize); }
int32_t WindowToMaximized(const Ref<TGadget>& window) { return Act(window, ActivateCommand::Maximize); }
int32_t WindowToNormal(const Ref<TGadget>& window) { return Act(window, ActivateCommand::Restore); }

int32_t IsWindowMinimized(const Ref<TGadget>& window) {
  return Has(NeedGadget(window).State(), GadgetState::Minimized);
}

int32_t IsWindowMaximized(const Ref<TGadget>& window) {
  return Has(NeedGadget(window).State(), GadgetState::Maximized);
}

int32_t DestroyMenuEntry(const Ref<TGadget>& menu) { return DestroyGadget(menu); }
int32_t ChangeMenuText(const Ref<TGadget>& menu, const std::u16string& text) {
  return ChangeGadgetText(menu, text);
}
std::u16string GetMenuText(const Ref<TGadget>& menu) { return NeedGadget(menu).GetText(); }

int32_t TickMenuEntry(const Ref<TGadget>& menu) {
  NeedGadget(menu).SetSelected(1);
  return 0;
}

int32_t UntickMenuEntry(const Ref<TGadget>& menu) {
  NeedGadget(menu).SetSelected(0);
  return 0;
}

int32_t EnableMenuEntry(const Ref<TGadget>& menu) { return EnableGadgetInput(menu); }
int32_t DisableMenuEntry(const Ref<TGadget>& menu) { return DisableGadgetInput(menu); }
int32_t IsMenuTicked(const Ref<TGadget>& menu) {
  return Has(NeedGadget(menu).State(), GadgetState::Selected);
}
int32_t IsMenuEnabled(const Ref<TGadget>& menu) {
  return 1 - Has(NeedGadget(menu).State(), GadgetState::Disabled);
}

int32_t ChangeButtonCheck(const Ref<TGadget>& button, int32_t checked) {
  NeedGadget(button).SetSelected(checked);
  return 0;
}

int32_t GetButtonCheck(const Ref<TGadget>& button) {
  return Has(NeedGadget(button).State(), GadgetState::Selected);
}

int32_t ChangePanelColor(const Ref<TGadget>& panel, int32_t r, int32_t g, int32_t b) {
  NeedGadget(panel).SetColor(r, g, b);
  return 0;
}

int32_t ChangePanelPixmap(const Ref<TGadget>& panel, const Ref<TPixmap>& pixmap, int32_t flags) {
  NeedGadget(panel).SetPixmap(pixmap, flags);
  return 0;
}

std::u16string GetTextFieldText(const Ref<TGadget>& field) { return NeedGadget(field).GetText(); }
