// The menu operations of the driver's gadgets: the menu root of a window, popups and their extra,
// user tags and the check that keeps a failing free from changing anything.
#include "gui/win32/managed/menus.h"

#include <charconv>
#include <set>
#include <string_view>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/factory.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/common.h"
#include "runtime/scoped_value.h"
#include "runtime/text.h"

Ref<TObject>& PopupExtra = *new Ref<TObject>();

namespace {

// True while a popup menu is shown.
bool popupShown = false;

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

// The decimal text IntText gives for `value`, written into `buffer` (room for any 32-bit value):
// the maps' key for a native tag without a string made per menu action.
std::u16string_view DecimalKey(int32_t value, char16_t (&buffer)[12]) {
  char digits[12];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  size_t length = static_cast<size_t>(end - digits);
  for (size_t i = 0; i < length; ++i) buffer[i] = static_cast<char16_t>(digits[i]);
  return {buffer, length};
}

// The value of a decimal text as IntText writes it.
int32_t DecimalValue(const std::u16string& text) {
  int64_t v = 0;
  bool negative = !text.empty() && text[0] == u'-';
  for (size_t i = negative ? 1 : 0; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    v = v * 10 + (text[i] - u'0');
  }
  return static_cast<int32_t>(negative ? -v : v);
}

}  // namespace

VellMenu* MenuParentOf(const TWin32Gadget* group) {
  if (!group) return nullptr;
  if (auto* w = dynamic_cast<VellWindow*>(group->handle)) return w->RootMenu();
  return dynamic_cast<VellMenu*>(group->handle);
}

int32_t MenuUserTag(int32_t nativeTag) {
  char16_t buffer[12];
  auto it = MenuTagMap.find(DecimalKey(nativeTag, buffer));
  return it == MenuTagMap.end() ? 0 : DecimalValue(it->second);
}

TWin32Gadget* MenuItemGadget(int32_t nativeTag) {
  char16_t buffer[12];
  auto it = MenuGadgetMap.find(DecimalKey(nativeTag, buffer));
  return it == MenuGadgetMap.end() ? nullptr : it->second;
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
  item->Unlink();
  item->Release();
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
  // The platform shows one popup at a time: one asked for while another is shown (from a hook or
  // timer that the shown one's menu loop runs) is refused, and the shown one keeps its extra.
  if (!root || popupShown) return;
  ScopedValue<bool> shown(popupShown, true);
  ScopedValue<Ref<TObject>> carried(PopupExtra, std::move(extra));
  // The action is posted at once, with the extra still set, whatever pump is running.
  if (int32_t tag = NativeGuiDriver->TrackPopup(root, Query(QueryKind::NativeHandle)))
    PostNativeGuiEvent(MenuAction, nullptr, tag, 0, 0, 0, nullptr);
}
