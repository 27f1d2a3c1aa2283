// Whether a control of another process shows its whole text: the text measured in the font the
// control is drawn in against the room the control gives it.
#pragma once

#include <windows.h>

#include <string>

// Checks (gtest expectations) that every label, button, check box, radio button, group box and
// tab among the window's descendants fits its control on one line, and that each
// control lies inside its parent; then that every entry of the window's menu bar fits its place.
void ExpectTextsFit(HWND window);

// The window's DPI (GetDpiForWindow, looked up at run time).
UINT WindowDpi(HWND window);
// Waits until a descendant of the window (at any depth) of that class has exactly that text.
HWND WaitDescendantWithText(HWND window, const std::string& cls, const std::string& text, DWORD timeoutMs);
