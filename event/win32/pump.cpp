// The message pump of the Win32 system driver: modifier keys, dialog navigation, waiting.
#include "event/event.h"
#include "event/win32/system_win32.h"

namespace {

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

bool IsModifierKey(WPARAM key) {
  return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN || key == VK_RWIN;
}

bool IsTabStopChild(HWND window) {
  constexpr LONG_PTR both = WS_CHILD | WS_TABSTOP;
  return (GetWindowLongPtrW(window, GWL_STYLE) & both) == both;
}

// Tab and arrow keys move between gadgets inside ordinary windows: a message for a tab-stop
// child goes to the dialog manager of the first ancestor that is not one. True when it was
// handled there.
bool HandledByDialogNavigation(MSG& msg) {
  if (!msg.hwnd || !IsTabStopChild(msg.hwnd)) return false;
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
