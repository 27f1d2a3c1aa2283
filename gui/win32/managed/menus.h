// The menu operations of the driver's gadgets: items' user tags, freeing checks and popup choices.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class TGadget;
class TWin32Gadget;
class VellMenu;

// The menu that items created in `group` hang below: a window's root, an item's submenu; none for
// the desktop and every other gadget.
VellMenu* MenuParentOf(const TWin32Gadget* group);
// The user's tag of the item with this native tag, as recorded when it was created (0 when
// unknown). Neither lookup makes a key object.
int32_t MenuUserTag(int32_t nativeTag);
// The gadget of the item with this native tag; none once the item is freed.
TWin32Gadget* MenuItemGadget(int32_t nativeTag);
// Raises "Unable to release menu child" when freeing `gadget`, with every gadget below it, would
// destroy an item while an item below it is still held by a gadget that stays.
void CheckMenuFree(TGadget* gadget);
// Drops the gadget's hold on an item: its map entries, its place in the parent's chain and the
// gadget's reference.
void DropMenuItem(VellMenu* item);

// The object the choice in the popup menu being shown carries; null while none is shown.
extern Ref<TObject>& PopupExtra;
