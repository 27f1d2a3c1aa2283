// The modifier keys held now: the one reading of them, for the pump and for the gadget kinds' key
// filters; and which messages carry a key.
#pragma once

#include <windows.h>

#include <cstdint>

// True for a key going down or coming up, system keys (with Alt) included.
inline bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

// The modifier keys held as the thread's keyboard state has them right now, as event mods (1 shift,
// 2 control, 4 alt, 8 either Windows key); the one reading of them for the pump and the gadgets.
int32_t CurrentModifiers();
