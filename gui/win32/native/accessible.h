// The accessible object every attached HWND answers the platform's accessibility query with.
#pragma once

#include <windows.h>

// Answers WM_GETOBJECT for the client area of an attached HWND (`request` the message's WPARAM):
// an object that tells the control's role and name (AccessibleRole, AccessibleName) and leaves
// everything else to the platform's standard object. 0, for the platform to answer itself, when
// the standard object cannot be made.
LRESULT AnswerAccessibleQuery(HWND hwnd, WPARAM request);

// Makes `part`, a window inside a control that takes the focus in the control's place (a combo
// box's own combo and edit field), answer the accessibility query as `whole` does: a screen reader
// asks the window with the focus. Holds as long as `part` lives.
void AnswerAsWhole(HWND part, HWND whole);
