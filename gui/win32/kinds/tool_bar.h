// The Win32 tool bar kind: its class stays inside its file; the factory makes one here.
#pragma once

#include "gui/win32/native/vell.h"

// A new tool bar in the group's client area, hidden, with the style's options.
VellToolBar* NewWin32ToolBar(VellGroup* group, int32_t style);
