// The driver's thread hooks: the mouse wheel goes to the window under the pointer, and hot keys.
#pragma once

#include <cstdint>

// CurrentModifiers, the modifier bits the hooks and the key filters report, comes from the event
// system's platform layer.
#include "event/win32/system_win32.h"

// Installs the message and keyboard hooks on the current thread once; an exit handler removes
// both.
void InstallDriverHooks();
