// The proxy gadget: forwards every platform operation to another gadget and takes over its events.
#pragma once

#include "gui/gadget.h"

// Its own rectangle, layout, items and data source live in the proxy itself (operations
// SetFilter ... Insert keep the gadget behaviour); every later operation is forwarded to `proxy`
// with the same arguments and answers its result.
class TProxyGadget : public TGadget {
 public:
  TProxyGadget();
  ~TProxyGadget() override;

  Ref<TGadget> proxy;  // nullGadget until SetProxy

  intptr_t Query(int32_t kind) override;
  void Free() override;
  bool IsFreed() override;
  void Rethink() override;
  int32_t ClientWidth() override;
  int32_t ClientHeight() override;
  float Scale() override;
  void Activate(int32_t command) override;
  int32_t State() override;
  void SetText(const std::u16string& text) override;
  std::u16string GetText() override;
  void SetFont(Ref<TGuiFont> font) override;
  void SetColor(int32_t r, int32_t g, int32_t b) override;
  void SetAlpha(float alpha) override;
  void SetTextColor(int32_t r, int32_t g, int32_t b) override;
  void SetIconStrip(Ref<TIconStrip> strip) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  void SetSelected(int32_t flag) override;
  void SetHotKey(int32_t key, int32_t modifiers) override;
  void SetStatus(const std::u16string& text) override;
  Ref<TGadget> GetMenu() override;
  void PopupMenu(Ref<TGadget> menu, Ref<TObject> extra) override;
  void UpdateMenu() override;
  void SetMinimumSize(int32_t w, int32_t h) override;
  void ClearListItems() override;
  void InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                      Ref<TObject> extra) override;
  void SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                   Ref<TObject> extra) override;
  void RemoveListItem(int32_t index) override;
  void SetListItemState(int32_t index, int32_t state) override;
  int32_t ListItemState(int32_t index) override;
  Ref<TGadget> RootNode() override;
  Ref<TGadget> InsertNode(int32_t index, const std::u16string& text, int32_t icon) override;
  void ModifyNode(const std::u16string& text, int32_t icon) override;
  Ref<TGadget> SelectedNode() override;
  int32_t CountKids() override;
  void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) override;
  void AddText(const std::u16string& text) override;
  std::u16string AreaText(int32_t pos, int32_t length, int32_t units) override;
  int32_t AreaLen(int32_t units) override;
  void LockText() override;
  void UnlockText() override;
  void SetTabs(int32_t width) override;
  int32_t GetCursorPos(int32_t units) override;
  int32_t GetSelectionLength(int32_t units) override;
  void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                int32_t units) override;
  void SetSelection(int32_t pos, int32_t length, int32_t units) override;
  int32_t CharAt(int32_t line) override;
  int32_t LineAt(int32_t index) override;
  void SetValue(float value) override;
  void SetRange(int32_t a, int32_t b) override;
  void SetProp(int32_t value) override;
  int32_t GetProp() override;
  void SetPixmap(Ref<TPixmap> pixmap, int32_t flags) override;
  Ref<TGraphics> AttachGraphics(int32_t flags) override;
  Ref<TGraphics> CanvasGraphics() override;
  std::u16string Run(const std::u16string& script) override;

  // Forwards to `gadget` from now on and makes its events arrive as events of this proxy; the
  // gadget it forwarded to before reports its events as its own again. Null points the proxy back
  // at nullGadget. Refuses the proxy itself (runtime error).
  virtual void SetProxy(Ref<TGadget> gadget);

 private:
  // Gives the target back its own events, unless another proxy took it over since.
  void LetGo();
};
