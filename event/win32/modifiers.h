// The modifier keys held now: the one reading of them, for the pump and for the gadget kinds' key
// filters.
#pragma once

#include <cstdint>

// The modifier keys held as the thread's keyboard state has them right now, as event mods (1 shift,
// 2 control, 4 alt, 8 either Windows key); the one reading of them for the pump and the gadgets.
int32_t CurrentModifiers();
