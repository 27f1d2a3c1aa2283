// Menu items: the counted item tree, native menu bars and popup menus built from it, and the
// menu operations of the driver's gadgets.
#include "gui/win32/kinds/menu.h"

#include <set>

#include "gui/constants.h"
#include "gui/shortcut.h"
#include "gui/win32/kinds/window.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"

Ref<TObject>& PopupExtra = *new Ref<TObject>();

namespace {

// The items of the menu gadgets among `g` and every gadget below it: what freeing `g` lets go.
void CollectFreedItems(TGadget* g, std::set<const VellMenu*>& items) {
  if (auto* w = dynamic_cast<TWin32Gadget*>(g)) {
    if (auto* item = dynamic_cast<const VellMenu*>(w->handle)) items.insert(item);
  }
  for (const Ref<TObject>& k : *g->kids) {
    if (auto* kid = dynamic_cast<TGadget*>(k.get())) CollectFreedItems(kid, items);
  }
}

// True when an item below `node` is still held once the free is done: beyond its place in the
// chain and a gadget that goes with the free. An item that is not freed itself goes with `node`,
// so what is below it counts too.
bool HeldBelow(const VellMenu* node, const std::set<const VellMenu*>& freed) {
  for (const VellMenu* c = node->firstchild; c; c = c->next) {
    bool goes = freed.count(c) != 0;
    if (c->RefCount() - 1 - (goes ? 1 : 0) > 0) return true;
    if (!goes && HeldBelow(c, freed)) return true;
  }
  return false;
}

// Takes an item out of its parent's chain; the chain's reference goes with it.
void Unlink(VellMenu* item) {
  VellMenu* parent = item->parent;
  if (!parent) return;
  VellMenu** link = &parent->firstchild;
  while (*link && *link != item) link = &(*link)->next;
  if (*link) *link = item->next;
  item->next = nullptr;
  item->parent = nullptr;
  item->Release();
}

// The window a popup menu belongs to: the gadget's own when this thread made it; otherwise (the
// desktop's window is another thread's, a menu item has none) a hidden one of this thread, made
// for the popup and destroyed after it.
struct PopupOwner {
  HWND hwnd;
  bool made = false;
  explicit PopupOwner(HWND own) : hwnd(own) {
    if (hwnd && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) return;
    hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
    made = true;
  }
  ~PopupOwner() {
    if (made && hwnd) DestroyWindow(hwnd);
  }
  PopupOwner(const PopupOwner&) = delete;
  PopupOwner& operator=(const PopupOwner&) = delete;
};

UINT ItemState(const VellMenu* item) {
  return (item->checked ? MF_CHECKED : 0) | (item->enabled ? 0 : MF_GRAYED);
}

}  // namespace

// Children go first. One still held by its gadget is only let go: it stays alive, without parent.
VellMenu::~VellMenu() {
  VellMenu* c = firstchild;
  firstchild = nullptr;
  while (c) {
    VellMenu* next = c->next;
    c->next = nullptr;
    c->parent = nullptr;
    c->Release();
    c = next;
  }
}

VellMenu* NewMenu(const std::u16string& text, int32_t tag, VellMenu* parent) {
  auto* item = new VellMenu();
  item->text = text;
  item->tag = tag;
  if (parent) {
    item->Retain();
    item->parent = parent;
    VellMenu** link = &parent->firstchild;
    while (*link) link = &(*link)->next;
    *link = item;
  }
  return item;
}

VellMenu* MenuParentOf(TWin32Gadget* group) {
  if (!group) return nullptr;
  if (auto* w = dynamic_cast<VellWindow*>(group->handle)) return w->RootMenu();
  return dynamic_cast<VellMenu*>(group->handle);
}

int32_t MenuUserTag(const VellMenu* item) {
  auto it = MenuTagMap.find(IntText(item->tag));
  if (it == MenuTagMap.end()) return 0;
  return static_cast<int32_t>(std::stol(std::string(it->second.begin(), it->second.end())));
}

void CheckMenuFree(TGadget* gadget) {
  std::set<const VellMenu*> freed;
  CollectFreedItems(gadget, freed);
  for (const VellMenu* item : freed) {
    // An item held beyond its chain and its gadget outlives the free, and so does what is below it.
    int32_t chain = item->parent ? 1 : 0;
    if (item->RefCount() - chain <= 1 && HeldBelow(item, freed))
      RuntimeError(u"Unable to release menu child");
  }
}

void DropMenuItem(VellMenu* item) {
  std::u16string key = IntText(item->tag);
  MenuTagMap.erase(key);
  MenuGadgetMap.erase(key);
  Unlink(item);
  item->Release();
}

HMENU BuildNativeMenu(const VellMenu* node, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  for (const VellMenu* c = node->firstchild; c; c = c->next) {
    // Only what can show is narrowed: a label never holds more than its buffer.
    std::string text = NarrowCut(c->text, MenuLabelBuffer - 1);
    if (c->firstchild) {
      AppendMenuA(menu, MF_POPUP | ItemState(c), reinterpret_cast<UINT_PTR>(BuildNativeMenu(c, true)),
                  text.c_str());
    } else if (c->text.empty()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuA(menu, MF_STRING | ItemState(c), static_cast<UINT_PTR>(c->tag + MenuTag::CommandOffset),
                  ComposeMenuLabel(text, c->hotkey, c->hotkeymods).c_str());
    }
  }
  return menu;
}

VellMenu* Win32Window::RootMenu() { return rootmenu; }

void Win32Window::UpdateMenu() {
  if (!rootmenu) return;
  HMENU old = ::GetMenu(outer.hwnd);
  HMENU bar = BuildNativeMenu(rootmenu, false);
  // A child window cannot have a bar; its geometry must not count one either.
  if (!SetMenu(outer.hwnd, bar)) {
    DestroyMenu(bar);
    return;
  }
  menubar = bar;
  if (old) DestroyMenu(old);
}

// A window stands for its own menu root: items created in it hang in its menu bar.
Ref<TGadget> TWin32Gadget::GetMenu() {
  if (cls == GadgetClass::Window && handle) return Ref<TGadget>(this);
  return nullptr;
}

void TWin32Gadget::UpdateMenu() {
  if (auto* w = dynamic_cast<VellWindow*>(handle)) w->UpdateMenu();
}

void TWin32Gadget::PopupMenu(Ref<TGadget> menu, Ref<TObject> extra) {
  VellMenu* root = MenuParentOf(dynamic_cast<TWin32Gadget*>(menu.get()));
  if (!root) return;
  PopupOwner owner(reinterpret_cast<HWND>(Query(QueryKind::NativeHandle)));
  HMENU popup = BuildNativeMenu(root, true);
  POINT at{};
  ::GetCursorPos(&at);
  PopupExtra = std::move(extra);
  // The choice comes back from the call rather than as a posted command: a pump that is already
  // running (a hook that opens the popup) would handle that only after the extra is gone.
  UINT chosen = TrackPopupMenu(popup, TPM_RETURNCMD, at.x, at.y, 0, owner.hwnd, nullptr);
  DestroyMenu(popup);
  if (chosen > MenuTag::CommandOffset)
    PostNativeGuiEvent(MenuAction, nullptr, static_cast<int32_t>(chosen - MenuTag::CommandOffset), 0, 0, 0,
                       nullptr);
  PopupExtra = nullptr;
}
