// Native menus of the Win32 driver: menu bars and popup menus built from the item tree.
#pragma once

#include <windows.h>

#include "gui/win32/native/vell.h"

// A native menu (a popup menu, or a menu bar) of the item's children.
HMENU BuildNativeMenu(const VellMenu* node, bool popup);
// Shows a popup menu of the root's children at the pointer and waits for the user; `own` owns it
// when this thread made it, a hidden window of this thread otherwise. Answers the native tag of the
// item chosen, 0 for none.
int32_t TrackNativePopup(const VellMenu* root, HWND own);
