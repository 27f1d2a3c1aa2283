// The toolkit functions' guard against a Null gadget argument, and their activation shorthand.
#pragma once

#include "gui/gadget.h"

// The gadget behind `g`; a Null one raises "Gadget function called with a Null gadget" instead of
// crashing on it.
TGadget& NeedGadget(const Ref<TGadget>& g);

// Sends activation `command` to the gadget behind `g` and returns 0, as the toolkit functions that
// only activate do; a Null `g` raises as NeedGadget does.
inline int32_t Act(const Ref<TGadget>& g, int32_t command) {
  NeedGadget(g).Activate(command);
  return 0;
}
