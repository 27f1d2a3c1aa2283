// Menu items of the Win32 driver: the item tree, native menus built from it, and the popup extra.
#pragma once

#include <windows.h>

#include <string>

#include "gui/win32/native/vell.h"
#include "runtime/object.h"

class TGadget;
class TWin32Gadget;

// A new item (count 1, held by its creator) appended as the last child of `parent`; the parent's
// chain takes a reference of its own.
VellMenu* NewMenu(const std::u16string& text, int32_t tag, VellMenu* parent);
// The menu that items created in `group` hang below: a window's root, an item's submenu; none for
// the desktop and every other gadget.
VellMenu* MenuParentOf(TWin32Gadget* group);
// The user's tag of an item, as recorded when it was created (0 when unknown).
int32_t MenuUserTag(const VellMenu* item);
// Raises "Unable to release menu child" when freeing `gadget`, with every gadget below it, would
// destroy an item while an item below it is still held by a gadget that stays.
void CheckMenuFree(TGadget* gadget);
// Drops the gadget's hold on an item: its map entries, its place in the parent's chain and the
// gadget's reference.
void DropMenuItem(VellMenu* item);
// A native menu (a popup menu, or a menu bar) of the item's children.
HMENU BuildNativeMenu(const VellMenu* node, bool popup);

// The object the choice in the popup menu being shown carries; null while none is shown.
extern Ref<TObject>& PopupExtra;
