// The proxy gadget: forwarding of the platform operations, and taking over the real gadget's
// events.
#include "gui/proxy.h"

TProxyGadget::TProxyGadget() {
  // The inert target is made by the toolkit's start-up; a proxy made before it starts it.
  if (!nullGadget) GuiModuleStart();
  proxy = nullGadget;
}

// Each forwarded call holds the target for its duration, so SetProxy from inside a call cannot
// pull the gadget away underneath it.
TProxyGadget::~TProxyGadget() {
  LetGo();
  proxy = nullptr;
}

void TProxyGadget::LetGo() {
  // Another proxy may have taken the target over since; its claim stays.
  if (proxy && proxy->source == this) proxy->source = nullptr;
}

void TProxyGadget::SetProxy(Ref<TGadget> gadget) {
  // Forwarding to itself would never end.
  if (gadget.get() == this) RuntimeError(u"A proxy gadget cannot stand in for itself");
  // The old target's events are its own again.
  LetGo();
  if (!gadget) {
    proxy = nullGadget;
    return;
  }
  gadget->source = this;
  proxy = std::move(gadget);
}

intptr_t TProxyGadget::Query(int32_t kind) { return Ref<TGadget>(proxy)->Query(kind); }
void TProxyGadget::Free() { Ref<TGadget>(proxy)->Free(); }
bool TProxyGadget::IsFreed() { return Ref<TGadget>(proxy)->IsFreed(); }
void TProxyGadget::Rethink() { Ref<TGadget>(proxy)->Rethink(); }
int32_t TProxyGadget::ClientWidth() { return Ref<TGadget>(proxy)->ClientWidth(); }
int32_t TProxyGadget::ClientHeight() { return Ref<TGadget>(proxy)->ClientHeight(); }
float TProxyGadget::Scale() { return Ref<TGadget>(proxy)->Scale(); }
void TProxyGadget::Activate(int32_t command) { Ref<TGadget>(proxy)->Activate(command); }
int32_t TProxyGadget::State() { return Ref<TGadget>(proxy)->State(); }
void TProxyGadget::SetText(const std::u16string& text) { Ref<TGadget>(proxy)->SetText(text); }
std::u16string TProxyGadget::GetText() { return Ref<TGadget>(proxy)->GetText(); }
void TProxyGadget::SetFont(Ref<TGuiFont> font) { Ref<TGadget>(proxy)->SetFont(font); }
void TProxyGadget::SetColor(int32_t r, int32_t g, int32_t b) { Ref<TGadget>(proxy)->SetColor(r, g, b); }
void TProxyGadget::SetAlpha(float alpha) { Ref<TGadget>(proxy)->SetAlpha(alpha); }
void TProxyGadget::SetTextColor(int32_t r, int32_t g, int32_t b) {
  Ref<TGadget>(proxy)->SetTextColor(r, g, b);
}
void TProxyGadget::SetIconStrip(Ref<TIconStrip> strip) { Ref<TGadget>(proxy)->SetIconStrip(strip); }
void TProxyGadget::SetShow(int32_t flag) { Ref<TGadget>(proxy)->SetShow(flag); }
void TProxyGadget::SetEnabled(int32_t flag) { Ref<TGadget>(proxy)->SetEnabled(flag); }
void TProxyGadget::SetSelected(int32_t flag) { Ref<TGadget>(proxy)->SetSelected(flag); }
void TProxyGadget::SetHotKey(int32_t key, int32_t modifiers) {
  Ref<TGadget>(proxy)->SetHotKey(key, modifiers);
}
void TProxyGadget::SetStatus(const std::u16string& text) { Ref<TGadget>(proxy)->SetStatus(text); }
Ref<TGadget> TProxyGadget::GetMenu() { return Ref<TGadget>(proxy)->GetMenu(); }
void TProxyGadget::PopupMenu(Ref<TGadget> menu, Ref<TObject> extra) {
  Ref<TGadget>(proxy)->PopupMenu(menu, extra);
}
void TProxyGadget::UpdateMenu() { Ref<TGadget>(proxy)->UpdateMenu(); }
void TProxyGadget::SetMinimumSize(int32_t w, int32_t h) { Ref<TGadget>(proxy)->SetMinimumSize(w, h); }
void TProxyGadget::ClearListItems() { Ref<TGadget>(proxy)->ClearListItems(); }
void TProxyGadget::InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                                  int32_t icon, Ref<TObject> extra) {
  Ref<TGadget>(proxy)->InsertListItem(index, text, tip, icon, extra);
}
void TProxyGadget::SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                               int32_t icon, Ref<TObject> extra) {
  Ref<TGadget>(proxy)->SetListItem(index, text, tip, icon, extra);
}
void TProxyGadget::RemoveListItem(int32_t index) { Ref<TGadget>(proxy)->RemoveListItem(index); }
void TProxyGadget::SetListItemState(int32_t index, int32_t state) {
  Ref<TGadget>(proxy)->SetListItemState(index, state);
}
int32_t TProxyGadget::ListItemState(int32_t index) { return Ref<TGadget>(proxy)->ListItemState(index); }
Ref<TGadget> TProxyGadget::RootNode() { return Ref<TGadget>(proxy)->RootNode(); }
Ref<TGadget> TProxyGadget::InsertNode(int32_t index, const std::u16string& text, int32_t icon) {
  return Ref<TGadget>(proxy)->InsertNode(index, text, icon);
}
void TProxyGadget::ModifyNode(const std::u16string& text, int32_t icon) {
  Ref<TGadget>(proxy)->ModifyNode(text, icon);
}
Ref<TGadget> TProxyGadget::SelectedNode() { return Ref<TGadget>(proxy)->SelectedNode(); }
int32_t TProxyGadget::CountKids() { return Ref<TGadget>(proxy)->CountKids(); }
void TProxyGadget::ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) {
  Ref<TGadget>(proxy)->ReplaceText(pos, length, text, units);
}
void TProxyGadget::AddText(const std::u16string& text) { Ref<TGadget>(proxy)->AddText(text); }
std::u16string TProxyGadget::AreaText(int32_t pos, int32_t length, int32_t units) {
  return Ref<TGadget>(proxy)->AreaText(pos, length, units);
}
int32_t TProxyGadget::AreaLen(int32_t units) { return Ref<TGadget>(proxy)->AreaLen(units); }
void TProxyGadget::LockText() { Ref<TGadget>(proxy)->LockText(); }
void TProxyGadget::UnlockText() { Ref<TGadget>(proxy)->UnlockText(); }
void TProxyGadget::SetTabs(int32_t width) { Ref<TGadget>(proxy)->SetTabs(width); }
int32_t TProxyGadget::GetCursorPos(int32_t units) { return Ref<TGadget>(proxy)->GetCursorPos(units); }
int32_t TProxyGadget::GetSelectionLength(int32_t units) {
  return Ref<TGadget>(proxy)->GetSelectionLength(units);
}
void TProxyGadget::SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                            int32_t units) {
  Ref<TGadget>(proxy)->SetStyle(r, g, b, flags, pos, length, units);
}
void TProxyGadget::SetSelection(int32_t pos, int32_t length, int32_t units) {
  Ref<TGadget>(proxy)->SetSelection(pos, length, units);
}
int32_t TProxyGadget::CharAt(int32_t line) { return Ref<TGadget>(proxy)->CharAt(line); }
int32_t TProxyGadget::LineAt(int32_t index) { return Ref<TGadget>(proxy)->LineAt(index); }
void TProxyGadget::SetValue(float value) { Ref<TGadget>(proxy)->SetValue(value); }
void TProxyGadget::SetRange(int32_t a, int32_t b) { Ref<TGadget>(proxy)->SetRange(a, b); }
void TProxyGadget::SetProp(int32_t value) { Ref<TGadget>(proxy)->SetProp(value); }
int32_t TProxyGadget::GetProp() { return Ref<TGadget>(proxy)->GetProp(); }
void TProxyGadget::SetPixmap(Ref<TPixmap> pixmap, int32_t flags) {
  Ref<TGadget>(proxy)->SetPixmap(pixmap, flags);
}
Ref<TGraphics> TProxyGadget::AttachGraphics(int32_t flags) {
  return Ref<TGadget>(proxy)->AttachGraphics(flags);
}
Ref<TGraphics> TProxyGadget::CanvasGraphics() { return Ref<TGadget>(proxy)->CanvasGraphics(); }
std::u16string TProxyGadget::Run(const std::u16string& script) { return Ref<TGadget>(proxy)->Run(script); }
