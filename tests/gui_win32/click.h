// Mouse input for the driver tests: clicks at a point of a window, as hardware input.
#pragma once

#include <windows.h>

// Moves the pointer to `at` (client coordinates of `hwnd`) and clicks there `times` times with the
// left button, or the right button when `right` is set, then pumps the results through.
void ClickAt(HWND hwnd, POINT at, int times = 1, bool right = false);
// The middle of a rectangle.
POINT Middle(const RECT& r);
