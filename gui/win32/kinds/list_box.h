// The Win32 list box kind: its class stays inside its file; the factory makes one here.
#pragma once

#include "gui/win32/native/vell.h"

// A new list box in the group's client area, hidden, with the style's options.
VellListBox* NewWin32ListBox(VellGroup* group, int32_t style);
