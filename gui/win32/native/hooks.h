// The driver's thread hooks: the mouse wheel goes to the window under the pointer, and hot keys.
#pragma once

#include <cstdint>

// Installs the message and keyboard hooks on the current thread once; an exit handler removes
// both.
void InstallDriverHooks();
// The modifier bits of the keyboard right now: 1 shift, 2 control, 4 alt, 8 a Windows key.
int32_t CurrentModifiers();
