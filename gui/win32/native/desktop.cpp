// The desktop: its shape is the virtual screen in program units, and it answers both handle kinds
// with the desktop window.
#include "gui/win32/native/desktop.h"

#include <windows.h>

#include "gui/constants.h"
#include "gui/win32/native/dpi.h"

Win32Desktop::Win32Desktop() : VellDesktop(nullptr, 0) {
  RECT r{};
  if (int32_t w = GetSystemMetrics(SM_CXVIRTUALSCREEN)) {
    r.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    r.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    r.right = r.left + w;
    r.bottom = r.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  } else {
    GetWindowRect(GetDesktopWindow(), &r);
  }
  // In program units, like every other shape: the screen at its own scale.
  r = RectToProgram(r, SystemDpi());
  StoreShape(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

intptr_t Win32Desktop::Query(int32_t kind) {
  return kind == QueryKind::NativeHandle || kind == QueryKind::ClientHandle
             ? reinterpret_cast<intptr_t>(GetDesktopWindow())
             : 0;
}

void Win32Desktop::SetShow(int32_t) {}
void Win32Desktop::SetEnabled(int32_t) {}
int32_t Win32Desktop::Activate(int32_t) { return 0; }
