// The toolkit functions' guard against a Null gadget argument.
#pragma once

#include "gui/gadget.h"

// The gadget behind `g`; a Null one raises "Gadget function called with a Null gadget" instead of
// crashing on it.
TGadget& NeedGadget(const Ref<TGadget>& g);
