// The gadget's fields, its place in the tree, the key filter, event posting and the driver hooks
// that do nothing until a driver overrides them.
#include "gui/gadget.h"

#include "event/event.h"

Ref<TGadget> nullGadget;

int32_t NullEventFilter(const Ref<TEvent>&, const Ref<TObject>&) { ThrowNullFunction(); }

TGadget::TGadget() : kids(New<TList>()), items(New<TGadgetItemArray>()) {}

TGadget::~TGadget() = default;

void TGadget::SetFilter(TEventFilter filter, Ref<TObject> ctx) {
  // A driver calls any filter that is not the null function, so a plain null pointer must not
  // slip through as "a filter".
  eventfilter = filter ? filter : NullEventFilter;
  context = std::move(ctx);
}

void TGadget::_setparent(Ref<TGadget> newParent, int32_t index) {
  // The old parent's kids list may hold the last reference to this gadget.
  Ref<TGadget> self(this);
  for (TGadget* g = newParent.get(); g; g = g->parent.get()) {
    // Layout walks kids recursively; a loop in the tree would never end.
    if (g == this) RuntimeError(u"A gadget cannot become a kid of itself or of its own kids");
  }
  if (parent) parent->kids->Remove(this);
  parent = std::move(newParent);
  if (!parent) return;
  TList& list = *parent->kids;
  const auto count = static_cast<int64_t>(list.Count());
  if (index < 0 || index >= count) {
    list.AddLast(self);
  } else if (index == 0) {
    list.AddFirst(self);
  } else {
    list.InsertAt(static_cast<std::size_t>(index), self);
  }
}

Ref<TGadget> TGadget::Handle() { return Ref<TGadget>(this); }

void TGadget::Insert(Ref<TGadget>, int32_t) {}
intptr_t TGadget::Query(int32_t) { return 0; }
void TGadget::Free() {}
bool TGadget::IsFreed() { return false; }
void TGadget::Rethink() {}
int32_t TGadget::ClientWidth() { return 0; }
int32_t TGadget::ClientHeight() { return 0; }
float TGadget::Scale() { return 1.0f; }
void TGadget::Activate(int32_t) {}
int32_t TGadget::State() { return 0; }
void TGadget::SetText(const std::u16string&) {}
std::u16string TGadget::GetText() { return {}; }
void TGadget::SetFont(Ref<TGuiFont>) {}
void TGadget::SetColor(int32_t, int32_t, int32_t) {}
void TGadget::SetAlpha(float) {}
void TGadget::SetTextColor(int32_t, int32_t, int32_t) {}
void TGadget::SetIconStrip(Ref<TIconStrip>) {}
void TGadget::SetShow(int32_t) {}
void TGadget::SetEnabled(int32_t) {}
void TGadget::SetSelected(int32_t) {}
void TGadget::SetHotKey(int32_t, int32_t) {}
void TGadget::SetStatus(const std::u16string&) {}
Ref<TGadget> TGadget::GetMenu() { return nullptr; }
void TGadget::PopupMenu(Ref<TGadget>, Ref<TObject>) {}
void TGadget::UpdateMenu() {}
void TGadget::SetMinimumSize(int32_t, int32_t) {}
void TGadget::ClearListItems() {}
void TGadget::InsertListItem(int32_t, const std::u16string&, const std::u16string&, int32_t, Ref<TObject>) {}
void TGadget::SetListItem(int32_t, const std::u16string&, const std::u16string&, int32_t, Ref<TObject>) {}
void TGadget::RemoveListItem(int32_t) {}
void TGadget::SetListItemState(int32_t, int32_t) {}
int32_t TGadget::ListItemState(int32_t) { return 0; }
Ref<TGadget> TGadget::RootNode() { return nullptr; }
Ref<TGadget> TGadget::InsertNode(int32_t, const std::u16string&, int32_t) { return nullptr; }
void TGadget::ModifyNode(const std::u16string&, int32_t) {}
Ref<TGadget> TGadget::SelectedNode() { return nullptr; }
int32_t TGadget::CountKids() { return 0; }
void TGadget::ReplaceText(int32_t, int32_t, const std::u16string&, int32_t) {}
void TGadget::AddText(const std::u16string&) {}
std::u16string TGadget::AreaText(int32_t, int32_t, int32_t) { return {}; }
int32_t TGadget::AreaLen(int32_t) { return 0; }
void TGadget::LockText() {}
void TGadget::UnlockText() {}
void TGadget::SetTabs(int32_t) {}
int32_t TGadget::GetCursorPos(int32_t) { return 0; }
int32_t TGadget::GetSelectionLength(int32_t) { return 0; }
void TGadget::SetStyle(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void TGadget::SetSelection(int32_t, int32_t, int32_t) {}
int32_t TGadget::CharAt(int32_t) { return 0; }
int32_t TGadget::LineAt(int32_t) { return 0; }
void TGadget::SetValue(float) {}
void TGadget::SetRange(int32_t, int32_t) {}
void TGadget::SetProp(int32_t) {}
int32_t TGadget::GetProp() { return 0; }
void TGadget::SetPixmap(Ref<TPixmap>, int32_t) {}
Ref<TGraphics> TGadget::AttachGraphics(int32_t) { return nullptr; }
Ref<TGraphics> TGadget::CanvasGraphics() { return nullptr; }
std::u16string TGadget::Run(const std::u16string&) { return {}; }

int32_t PostGadgetEvent(int32_t id, Ref<TGadget> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                        Ref<TObject> extra) {
  // A gadget standing in for another (a proxy) owns the other's events; the rule is applied once,
  // so a chain of stand-ins is not followed.
  Ref<TObject> reported = source;
  if (source && source->source) reported = Ref<TObject>(source->source);
  MakeEvent(id, std::move(reported), data, mods, x, y, std::move(extra))->Emit();
  return 0;
}

int32_t ConsultEventFilter(const Ref<TGadget>& gadget, int32_t id, int32_t code, int32_t mods) {
  if (!gadget || !gadget->HasEventFilter()) return 1;
  Ref<TEvent> event = MakeEvent(id, gadget, code, mods, 0, 0, nullptr);
  // Keep filter and context alive even if the filter replaces them while it runs.
  const TEventFilter filter = gadget->eventfilter;
  const Ref<TObject> context = gadget->context;
  return filter(event, context) != 0 ? 1 : 0;
}
