// Buttons: kind, command identifier and default bit from the style; clicks become actions.
#include "gui/win32/kinds/button.h"

#include "event/event.h"
#include "gui/constants.h"

DWORD ButtonWindowStyle(int32_t style) {
  DWORD s = WS_CHILD | WS_TABSTOP;
  switch (style & ButtonStyle::KindMask) {
    case ButtonStyle::CheckBox:
      s |= BS_AUTOCHECKBOX;
      break;
    case ButtonStyle::Radio:
      s |= BS_AUTORADIOBUTTON;
      break;
  }
  if (style & ButtonStyle::Default) s |= BS_DEFPUSHBUTTON;
  return s;
}

int ButtonControlId(int32_t style) {
  switch (style & ButtonStyle::KindMask) {
    case ButtonStyle::Ok:
      return IDOK;
    case ButtonStyle::Cancel:
      return IDCANCEL;
  }
  return 0;
}

Win32Button::Win32Button(VellGroup* g, int32_t s) : Win32Simple<VellButton>(g, s) {
  HWND h = CreateNativeWindow(0, L"BUTTON", L"", ButtonWindowStyle(s), g,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(ButtonControlId(s))));
  AttachHwnd(self, h, this, this);
}

void Win32Button::SetSelected(int32_t flag) {
  SendMessageW(self.hwnd, BM_SETCHECK, flag ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t Win32Button::Checked() { return SendMessageW(self.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

LRESULT Win32Button::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_COMMAND:  // the parent passed on the button's own notification
      // Only a button the user can reach is pressed: a command that names the button by its
      // identifier (the OK and Cancel ones) comes whatever state the button is in.
      if (HIWORD(wp) == BN_CLICKED && IsWindowVisible(self.hwnd) && IsWindowEnabled(self.hwnd))
        Emit(GadgetAction, Checked(), 0, 0, 0);
      return 0;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}
