// The toolkit functions' guards: a Null or freed gadget argument, a call from another thread, and
// their activation shorthand.
#pragma once

#include <string>

#include "gui/gadget.h"

// A function's name ("AppendGadgetEntry") as a text for error messages. The guards below take the
// calling toolkit function's name from the default argument `__builtin_FUNCTION()`, evaluated at
// the call site by both compilers the project builds with (the fuzzing build's clang has no
// std::source_location).
std::u16string FunctionName(const char* function);

// The gadget behind `g`. Every toolkit function that takes a gadget passes here, so this is where
// a call from a thread other than the main one is refused (the runtime error names the calling
// toolkit function and PostMainThreadCall); a Null `g` raises "Gadget function called with a Null
// gadget" instead of crashing on it.
TGadget& NeedGadget(const Ref<TGadget>& g, const char* caller = __builtin_FUNCTION());

// Like NeedGadget, but Null for a freed gadget: the entry functions change nothing on a freed
// list and read it as empty, as every operation on a freed gadget does nothing and answers 0.
TGadget* LiveGadget(const Ref<TGadget>& g, const char* caller = __builtin_FUNCTION());

// Sends activation `command` to the gadget behind `g` and returns 0, as the toolkit functions that
// only activate do; a Null `g` raises as NeedGadget does.
inline int32_t Act(const Ref<TGadget>& g, int32_t command, const char* caller = __builtin_FUNCTION()) {
  NeedGadget(g, caller).Activate(command);
  return 0;
}
