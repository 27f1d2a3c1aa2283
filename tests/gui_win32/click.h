// Mouse input for the driver tests: clicks at a point of a window, as hardware input.
#pragma once

#include <windows.h>

// Moves the pointer to `at` (client coordinates of `hwnd`) and clicks there `times` times with the
// left button, or the right button when `right` is set, then pumps the results through.
void ClickAt(HWND hwnd, POINT at, int times = 1, bool right = false);
// Moves the pointer to `screen` and waits, pumping, until it has stayed there a while: a motion
// still on its way from the display could otherwise carry it back to where it was before.
void SettlePointer(POINT screen);
// The middle of a rectangle.
POINT Middle(const RECT& r);
