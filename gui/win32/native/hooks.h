// The driver's thread hooks: the mouse wheel goes to the window under the pointer, and hot keys.
#pragma once

#include <cstdint>

// CurrentModifiers, the modifier bits the hooks and the key filters report, comes from the event
// system's platform layer.
#include "event/win32/system_win32.h"

// Installs the driver's thread hooks once, on the thread that makes the gadgets (the main thread,
// whose message hook the event system owns): the wheel redirection and the navigation keys
// (TakeNavigationKey) become that hook's job, and a keyboard hook looks up hot keys and ends
// entries with Enter. An exit handler removes both.
void InstallThreadHooks();
