// The message pump of the Win32 system driver: modifier keys, arrow-key navigation, waiting.
#include "event/event.h"
#include "event/win32/system_win32.h"

namespace {

bool IsModifierKey(WPARAM key) {
  return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN || key == VK_RWIN;
}

bool IsTabStopChild(HWND window) {
  constexpr LONG_PTR both = WS_CHILD | WS_TABSTOP;
  return (GetWindowLongPtrW(window, GWL_STYLE) & both) == both;
}

// Enter and Escape never go to the dialog manager: it would turn them in a field into a button's
// command (whatever the button's state) and keep the field from seeing them. The gadget driver's
// message hook has already taken the keys it acts on in its own windows (Tab among them).
bool IsKeptFromDialogManager(const MSG& msg) {
  if (IsKeyMessage(msg.message)) return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
  if (msg.message == WM_CHAR) return msg.wParam == '\r' || msg.wParam == 0x1b;
  return false;
}

// Tab, arrow keys and access keys move between gadgets inside ordinary windows: a key for a tab-stop
// child goes to the dialog manager of the first ancestor that is not one. True when it was handled
// there. A control that takes every key (a text area) is left out: the dialog manager would only
// hand the key on, and asking the control on the key's behalf puts it in a dialog mode where
// Enter and Escape act on its container.
bool HandledByDialogNavigation(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd || IsKeptFromDialogManager(msg))
    return false;
  if (!IsTabStopChild(msg.hwnd)) return false;
  if (SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_WANTMESSAGE | DLGC_WANTALLKEYS)) return false;
  for (HWND parent = GetParent(msg.hwnd); parent; parent = GetParent(parent)) {
    if (!IsTabStopChild(parent)) return IsDialogMessageW(parent, &msg) != 0;
  }
  return false;
}

}  // namespace

int32_t CurrentModifiers() {
  int32_t mods = 0;
  if (GetKeyState(VK_SHIFT) < 0) mods |= ModShift;
  if (GetKeyState(VK_CONTROL) < 0) mods |= ModControl;
  if (GetKeyState(VK_MENU) < 0) mods |= ModAlt;
  if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) mods |= ModSystem;
  return mods;
}

int32_t TWin32SystemDriver::Poll() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (IsKeyMessage(msg.message) && IsModifierKey(msg.wParam)) ModifierState = CurrentModifiers();
    if (HandledByDialogNavigation(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

int32_t TWin32SystemDriver::Wait() {
  // Sleeps until a message arrives for the thread: an idle application uses no processor time.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
  return Poll();
}
