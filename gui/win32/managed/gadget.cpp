// The Win32 driver's gadget: every operation forwarded to its native gadget, freeing, and the
// gadget map.
#include "gui/win32/managed/gadget.h"

#include <windows.h>

#include "event/win32/system_win32.h"
#include "gui/win32/managed/menus.h"
#include "gui/win32/native/dpi.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/vell.h"
#include "runtime/text.h"

// The toolkit's slider operations share their names with platform macros.
#undef SetProp
#undef GetProp

std::map<Ref<TIntWrapper>, TWin32Gadget*, TIntWrapperLess>& GadgetMap =
    *new std::map<Ref<TIntWrapper>, TWin32Gadget*, TIntWrapperLess>();
Ref<TWin32Gadget>& DesktopGadget = *new Ref<TWin32Gadget>();
std::map<std::u16string, std::u16string, std::less<>>& MenuTagMap =
    *new std::map<std::u16string, std::u16string, std::less<>>();
std::map<std::u16string, TWin32Gadget*, std::less<>>& MenuGadgetMap =
    *new std::map<std::u16string, TWin32Gadget*, std::less<>>();
int32_t NextMenuTag = MenuTag::First;

Ref<TIntWrapper> TIntWrapper::Create(intptr_t i) {
  auto w = New<TIntWrapper>();
  w->value = i;
  return w;
}

int TIntWrapper::Compare(const TObject* other) const {
  auto* o = dynamic_cast<const TIntWrapper*>(other);
  if (!o) return TObject::Compare(other);
  // Addresses do not fit a difference in an int; their order does.
  return value < o->value ? -1 : value > o->value ? 1 : 0;
}

namespace {

// True while a Free runs: the gadgets freed below it were checked with it.
bool freeing = false;

template <class T>
T* NativeAs(VellResource* g) {
  return dynamic_cast<T*>(g);
}

// The window that holds all of a native gadget's windows: its main HWND may lie inside another
// of its own (a tabber's page inside its tab control).
HWND OutermostHwnd(VellGadget* native) {
  HWND h = reinterpret_cast<HWND>(native->Query(QueryKind::NativeHandle));
  while (h && (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) {
    Win32Hwnd* up = FindHwnd(GetParent(h));
    if (!up || up->gadget != native) break;
    h = up->hwnd;
  }
  return h;
}

}  // namespace

TWin32Gadget::~TWin32Gadget() { ReleaseNative(); }

TWin32IconStrip::~TWin32IconStrip() {
  if (handle) handle->Release();
}

void TWin32Gadget::ReleaseNative() {
  if (!handle) return;
  VellResource* native = handle;
  handle = nullptr;
  if (auto it = GadgetMap.find(reinterpret_cast<intptr_t>(native)); it != GadgetMap.end())
    GadgetMap.erase(it);
  if (auto* item = dynamic_cast<VellMenu*>(native)) {
    DropMenuItem(item);
    return;
  }
  native->Release();
}

Ref<TWin32Gadget> TWin32Gadget::Create(int32_t cls, VellResource* native, Ref<TGadget> group) {
  if (native && GadgetMap.count(reinterpret_cast<intptr_t>(native))) {
    RuntimeError(u"Gadget handle already in map!");
  }
  auto g = New<TWin32Gadget>();
  g->cls = cls;
  g->handle = native;
  if (group) g->_setparent(group, -1);
  g->UpdateSize();
  if (native) GadgetMap[TIntWrapper::Create(reinterpret_cast<intptr_t>(native))] = g.get();
  if (cls == GadgetClass::Slider) {
    g->SetRange(1, 10);
    g->SetProp(0);
  }
  if (cls == GadgetClass::ToolBar && native) {
    g->SetLayout(EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
  }
  return g;
}

intptr_t TWin32Gadget::findowner() {
  for (TGadget* g = this; g; g = g->parent.get()) {
    auto* w = dynamic_cast<TWin32Gadget*>(g);
    if (w && w->cls == GadgetClass::Window) return w->Query(QueryKind::NativeHandle);
  }
  return 0;
}

VellGadget* TWin32Gadget::native() const { return dynamic_cast<VellGadget*>(handle); }

void TWin32Gadget::UpdateSize() {
  VellGadget* n = native();
  if (!n) return;
  SetRect(n->x, n->y, n->width, n->height);
  for (const Ref<TObject>& k : *kids) {
    if (auto* w = dynamic_cast<TWin32Gadget*>(k.get())) w->UpdateSize();
  }
}

void TWin32Gadget::UpdatePos() {
  VellGadget* n = native();
  if (!n) return;
  xpos = n->x;
  ypos = n->y;
}

void TWin32Gadget::SetShape(int32_t x, int32_t y, int32_t w, int32_t h) {
  VellGadget* n = native();
  if (!n) return;
  n->SetShape(x, y, w, h);
  n->LockLayout();
  UpdateSize();
}

void TWin32Gadget::SetLayout(int32_t left, int32_t right, int32_t top, int32_t bottom) {
  if (VellGadget* n = native()) n->SetLayout(left, right, top, bottom);
}

void TWin32Gadget::Rethink() {
  if (VellGadget* n = native()) n->SetShape(xpos, ypos, width, height);
}

void TWin32Gadget::Insert(Ref<TGadget> gadget, int32_t index) {
  auto* kid = dynamic_cast<TWin32Gadget*>(gadget.get());
  auto* group = dynamic_cast<VellGroup*>(handle);
  VellGadget* moved = kid ? kid->native() : nullptr;
  if (moved && group) {
    moved->MoveToGroup(group);
    // A child control must also move into the new container's window to be shown there, with
    // every window of its own that it lies in.
    HWND h = OutermostHwnd(moved);
    HWND into = reinterpret_cast<HWND>(group->Query(QueryKind::ClientHandle));
    if (h && into && (GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) SetParent(h, into);
  }
  gadget->_setparent(Ref<TGadget>(this), index);
}

intptr_t TWin32Gadget::Query(int32_t kind) {
  VellGadget* n = native();
  return n ? n->Query(kind) : 0;
}

void TWin32Gadget::Free() {
  Ref<TWin32Gadget> keep(this);  // the parent's kids list may hold the last reference
  // A free that cannot complete must change nothing: the whole subtree is checked before the
  // first step, so the kids freed below need no check of their own.
  const bool outermost = !freeing;
  if (outermost) CheckMenuFree(this);
  freeing = true;
  struct EndOfFree {
    bool outermost;
    ~EndOfFree() {
      if (outermost) freeing = false;
    }
  } end{outermost};
  if (parent) _setparent(nullptr, -1);
  std::vector<Ref<TObject>> now(kids->begin(), kids->end());
  for (const Ref<TObject>& k : now) {
    if (auto* g = dynamic_cast<TGadget*>(k.get())) g->Free();
  }
  if (canvas) {
    canvas->Close();
    canvas = nullptr;
  }
  // A freed gadget's key would keep firing for it (and its event would keep it alive).
  DropHotKey();
  // Its windows go without the platform's word that the pointer left them: the pointer leaves
  // now, while the window still answers where it is, and shows again if it was hidden in it.
  if (TrackedSource.get() == this) TrackPointer(nullptr, 0, 0, nullptr);
  ReleaseNative();
}

float TWin32Gadget::Scale() {
  VellGadget* n = native();
  HWND hwnd = n ? reinterpret_cast<HWND>(n->Query(QueryKind::NativeHandle)) : nullptr;
  // The desktop and gadgets without a window of their own are at the screen's scale.
  return static_cast<float>(hwnd ? DpiOf(hwnd) : SystemDpi()) / ProgramDpi;
}

int32_t TWin32Gadget::ClientWidth() {
  auto* g = dynamic_cast<VellGroup*>(handle);
  return g ? g->clientwidth : 0;
}

int32_t TWin32Gadget::ClientHeight() {
  auto* g = dynamic_cast<VellGroup*>(handle);
  return g ? g->clientheight : 0;
}

void TWin32Gadget::Activate(int32_t command) {
  // A node has no window of its own: its tree view selects, expands or collapses it.
  if (auto* node = NativeAs<VellTreeViewNode>(handle)) {
    if (node->tree) node->tree->ActivateNode(node, command);
    return;
  }
  if (VellGadget* n = native()) n->Activate(command);
}

int32_t TWin32Gadget::State() {
  int32_t s = 0;
  if (auto* w = NativeAs<VellWindow>(handle)) s |= w->SizeState();
  if (auto* b = NativeAs<VellButton>(handle)) s |= b->Checked() ? GadgetState::Selected : 0;
  if (auto* m = NativeAs<VellMenu>(handle)) s |= m->checked ? GadgetState::Selected : 0;
  if (auto* h = NativeAs<VellHtmlView>(handle)) s |= h->ReadyState();
  if (!IsWindowVisible(reinterpret_cast<HWND>(Query(QueryKind::NativeHandle)))) s |= GadgetState::Hidden;
  if (disabled) s |= GadgetState::Disabled;
  return s;
}

void TWin32Gadget::SetText(const std::u16string& text) {
  if (auto* m = NativeAs<VellMenu>(handle)) m->text = text;
  if (VellGadget* n = native()) n->SetText(text);
}

std::u16string TWin32Gadget::GetText() {
  if (cls == GadgetClass::Node) return name;
  if (auto* f = NativeAs<VellTextField>(handle)) return f->CurrentText();
  if (auto* c = NativeAs<VellComboBox>(handle)) return c->CurrentText();
  if (auto* m = NativeAs<VellMenu>(handle)) return m->text;
  VellGadget* n = native();
  return n ? n->text : u"";
}

void TWin32Gadget::SetFont(Ref<TGuiFont> font) {
  if (VellGadget* n = native()) n->SetFont(font ? reinterpret_cast<VellFont*>(font->handle) : nullptr);
}

void TWin32Gadget::SetColor(int32_t r, int32_t g, int32_t b) {
  if (VellGadget* n = native()) n->SetColor(r, g, b);
}

void TWin32Gadget::SetTextColor(int32_t r, int32_t g, int32_t b) {
  if (VellGadget* n = native()) n->SetTextColor(r, g, b);
}

void TWin32Gadget::SetShow(int32_t flag) {
  if (VellGadget* n = native()) n->SetShow(flag ? 1 : 0);
}

void TWin32Gadget::SetEnabled(int32_t flag) {
  disabled = flag ? 0 : 1;
  if (auto* m = NativeAs<VellMenu>(handle)) m->enabled = flag ? 1 : 0;
  if (VellGadget* n = native()) n->SetEnabled(flag ? 1 : 0);
}

void TWin32Gadget::SetSelected(int32_t flag) {
  if (auto* b = NativeAs<VellButton>(handle)) b->SetSelected(flag);
  if (auto* m = NativeAs<VellMenu>(handle)) m->checked = flag ? 1 : 0;
}

void TWin32Gadget::DropHotKey() {
  if (!hotkey) return;
  // A key and modifier pair has one registry entry: a gadget that bound the same pair since has
  // taken the entry over, and the key must go on firing for that one.
  if (hotkey->event && hotkey->event->source.get() == this) UnregisterHotKey(hotkey);
  hotkey = nullptr;
}

void TWin32Gadget::SetHotKey(int32_t key, int32_t modifiers) {
  DropHotKey();
  // Key 0 is no key: the old one is gone, nothing new is bound.
  Ref<TEvent> event = MakeEvent(GadgetAction, Ref<TObject>(this), 0, 0, 0, 0, nullptr);
  if (auto* m = NativeAs<VellMenu>(handle)) {
    // The item shows its shortcut from the next build of its menu on.
    m->hotkey = key;
    m->hotkeymods = modifiers;
    event = MakeEvent(MenuAction, Ref<TObject>(this), MenuUserTag(m->tag), 0, 0, 0, nullptr);
  }
  // Bound to the gadget's window; without one (a popup's item) it works in every window.
  if (key != 0) hotkey = RegisterHotKeyEvent(key, modifiers, event, findowner());
}

void TWin32Gadget::SetStatus(const std::u16string& text) {
  if (auto* w = NativeAs<VellWindow>(handle)) w->SetStatusText(text);
}

void TWin32Gadget::SetMinimumSize(int32_t w, int32_t h) {
  if (auto* win = NativeAs<VellWindow>(handle)) win->SetMinimumSize(w, h);
}

// Text area operations; other kinds ignore them.
void TWin32Gadget::ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) {
  if (auto* t = NativeAs<VellTextArea>(handle)) t->ReplaceText(pos, length, text, units);
}
void TWin32Gadget::AddText(const std::u16string& text) {
  if (auto* t = NativeAs<VellTextArea>(handle)) t->AddText(text);
}
std::u16string TWin32Gadget::AreaText(int32_t pos, int32_t length, int32_t units) {
  auto* t = NativeAs<VellTextArea>(handle);
  return t ? t->AreaText(pos, length, units) : u"";
}
int32_t TWin32Gadget::AreaLen(int32_t units) {
  auto* t = NativeAs<VellTextArea>(handle);
  return t ? t->AreaLen(units) : 0;
}
void TWin32Gadget::LockText() {
  if (auto* t = NativeAs<VellTextArea>(handle)) t->LockText();
}
void TWin32Gadget::UnlockText() {
  if (auto* t = NativeAs<VellTextArea>(handle)) t->UnlockText();
}
void TWin32Gadget::SetTabs(int32_t width) {
  if (auto* t = NativeAs<VellTextArea>(handle)) t->SetTabs(width);
}
int32_t TWin32Gadget::GetCursorPos(int32_t units) {
  if (auto* f = NativeAs<VellTextField>(handle)) return f->CursorPos(units);
  auto* t = NativeAs<VellTextArea>(handle);
  return t ? t->GetCursorPos(units) : 0;
}
int32_t TWin32Gadget::GetSelectionLength(int32_t units) {
  if (auto* f = NativeAs<VellTextField>(handle)) return f->SelectionLength(units);
  auto* t = NativeAs<VellTextArea>(handle);
  return t ? t->GetSelectionLength(units) : 0;
}
void TWin32Gadget::SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                            int32_t units) {
  if (auto* t = NativeAs<VellTextArea>(handle)) t->SetStyle(r, g, b, flags, pos, length, units);
}
void TWin32Gadget::SetSelection(int32_t pos, int32_t length, int32_t units) {
  if (auto* f = NativeAs<VellTextField>(handle)) f->SelectRange(pos, length, units);
  if (auto* t = NativeAs<VellTextArea>(handle)) t->SetSelection(pos, length, units);
}
int32_t TWin32Gadget::CharAt(int32_t line) {
  auto* t = NativeAs<VellTextArea>(handle);
  return t ? t->CharAt(line) : 0;
}
int32_t TWin32Gadget::LineAt(int32_t index) {
  auto* t = NativeAs<VellTextArea>(handle);
  return t ? t->LineAt(index) : 0;
}

void TWin32Gadget::SetIconStrip(Ref<TIconStrip> strip) {
  VellGadget* n = native();
  if (!n) return;
  VellIconStrip* native = nullptr;
  if (auto* s = dynamic_cast<TWin32IconStrip*>(strip.get())) native = s->handle;
  n->SetIconStrip(native);
}

// Item operations of the item kinds; other kinds ignore them. The extra object stays with the
// toolkit's item.
void TWin32Gadget::ClearListItems() {
  if (auto* l = NativeAs<VellItemList>(handle)) l->ClearItems();
}
void TWin32Gadget::InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                                  int32_t icon, Ref<TObject>) {
  if (auto* l = NativeAs<VellItemList>(handle)) l->InsertItem(index, text, tip, icon);
}
void TWin32Gadget::SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                               int32_t icon, Ref<TObject>) {
  if (auto* l = NativeAs<VellItemList>(handle)) l->SetItem(index, text, tip, icon);
}
void TWin32Gadget::RemoveListItem(int32_t index) {
  if (auto* l = NativeAs<VellItemList>(handle)) l->RemoveItem(index);
}
void TWin32Gadget::SetListItemState(int32_t index, int32_t state) {
  if (auto* l = NativeAs<VellItemList>(handle)) l->SetItemState(index, state);
}
int32_t TWin32Gadget::ListItemState(int32_t index) {
  auto* l = NativeAs<VellItemList>(handle);
  return l ? l->ItemState(index) : 0;
}

// Sliders and progress bars.
void TWin32Gadget::SetValue(float value) {
  if (auto* p = NativeAs<VellProgBar>(handle)) p->SetValue(value);
}
void TWin32Gadget::SetRange(int32_t a, int32_t b) {
  if (auto* s = NativeAs<VellSlider>(handle)) s->SetRange(a, b);
}
void TWin32Gadget::SetProp(int32_t value) {
  if (auto* s = NativeAs<VellSlider>(handle)) s->SetProp(value);
}
int32_t TWin32Gadget::GetProp() {
  auto* s = NativeAs<VellSlider>(handle);
  return s ? s->GetProp() : 0;
}

std::u16string TWin32Gadget::Run(const std::u16string& script) {
  auto* view = dynamic_cast<VellHtmlView*>(handle);
  return view ? view->Run(script) : u"";
}

Ref<TWin32Gadget> TWin32GUIDriver::GadgetFromHandle(const VellResource* native) {
  if (!native) return nullptr;
  auto it = GadgetMap.find(reinterpret_cast<intptr_t>(native));
  return it == GadgetMap.end() ? nullptr : Ref<TWin32Gadget>(it->second);
}
