// The frame and title of a coloured group box, drawn by the driver instead of the control.
#pragma once

#include <windows.h>

// Fills the box with `fill` and draws the etched frame and the title over it, as the classic
// control lays them out, at the box's DPI. The current controls' themed group box paints its
// parent's background over its whole inside, so a coloured box cannot leave that to them.
void PaintGroupFrame(HWND box, HDC dc, HBRUSH fill);
