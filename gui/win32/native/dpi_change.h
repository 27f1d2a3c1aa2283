// A window's gadgets taking a new DPI: their fonts made again for it.
#pragma once

#include "gui/win32/native/vell.h"

// Gives the gadget and every gadget below it its font again, so that each window takes the
// font's handle for the DPI it is shown at now.
void RefontForDpi(VellGadget* gadget);
