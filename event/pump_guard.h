// The refusal of a wait asked for inside the message pump, shared by every call that waits for input.
#pragma once

// Raises a TRuntimeError naming `function` when called while the system driver pumps (from a hook,
// an event filter or a window procedure): no new platform message can arrive there, so a wait for
// one would spin for ever. Returns quietly outside a pump.
void RefuseInsidePump(const char16_t* function);
