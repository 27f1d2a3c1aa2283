// A window's gadgets taking a new DPI: their fonts and icon lists made again for it.
#pragma once

#include "gui/win32/native/vell.h"

// Gives the gadget and every gadget below it its font and icon strip again, so that each window
// takes the font's handle and the strip's image list for the DPI it is shown at now.
void RefitForDpi(VellGadget* gadget);
