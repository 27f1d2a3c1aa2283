// What the toolkit tells a screen reader about an attached HWND: its role and its name.
#pragma once

#include <windows.h>

#include <string>

// The platform's role of the control (ROLE_SYSTEM_…) by its class and style; a window of the
// driver's own class by the gadget it belongs to.
LONG AccessibleRole(HWND hwnd);

// The name a screen reader says: the control's text without its access-key marks; for a control
// that a user types or chooses in, whose own text is its value, the text of the label made before
// it in the same group, past other such controls and empty labels (none past any other gadget).
std::u16string AccessibleName(HWND hwnd);
