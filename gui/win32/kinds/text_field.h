// The Win32 text field kind: a single-line edit control, plain or password.
#pragma once

#include <string>

#include "gui/win32/native/common.h"

// Style bit 1 hides the typed characters (a password field). Texts longer than the platform's
// window text limit are cut when set; the field then holds (and GetText answers) the cut text,
// while the gadget keeps the whole text it was given.
// Enter (unless the key filter refuses it) presses the default button of the field's top-level
// window as a click would: the first push button of style Default that is shown and enabled (its
// containers too), searching the window's gadgets in order with a container's contents where the
// container stands; windows of their own made in it do not count. Without one nothing is pressed.
// A held Enter presses once. The driver's keyboard hook has already moved the focus to the field's
// container, which stays so.
class Win32TextField : public Win32Simple<VellTextField> {
 public:
  Win32TextField(VellGroup* group, int32_t style);

  // Replaces the text without reporting it as an edit and keeps the user's selection.
  void SetText(const std::u16string& t) override;
  // Selects the whole text before taking the focus, so typing replaces it.
  int32_t Activate(int32_t command) override;
  std::u16string CurrentText() override;
  void GetSelection(int32_t& start, int32_t& end) override;
  void Select(int32_t start, int32_t end) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;
};

// Set (process-wide) only while the program sets a field's text: the control's change
// notifications are then not the user's edits.
extern int32_t TextFieldSettingText;

// The window style a text field style gives.
DWORD TextFieldWindowStyle(int32_t style);
