// The Win32 tabber kind: its class stays inside its file; the factory makes one here.
#pragma once

#include "gui/win32/native/vell.h"

// A new tabber in the group's client area, hidden, with the style's options.
VellTabber* NewWin32Tabber(VellGroup* group, int32_t style);
