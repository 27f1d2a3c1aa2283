// The Win32 combo box kind: its class stays inside its file; the factory makes one here.
#pragma once

#include "gui/win32/native/vell.h"

// A new combo box in the group's client area, hidden, with the style's options.
VellComboBox* NewWin32ComboBox(VellGroup* group, int32_t style);
