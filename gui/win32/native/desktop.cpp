// The desktop: its shape is the virtual screen, and it answers both handle kinds with the
// desktop window.
#include "gui/win32/native/desktop.h"

#include <windows.h>

#include "gui/constants.h"

Win32Desktop::Win32Desktop() : VellDesktop(nullptr, 0) {
  int32_t w = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  if (w != 0) {
    StoreShape(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), w,
               GetSystemMetrics(SM_CYVIRTUALSCREEN));
  } else {
    RECT r{};
    GetWindowRect(GetDesktopWindow(), &r);
    StoreShape(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
}

intptr_t Win32Desktop::Query(int32_t kind) {
  return kind == QueryKind::NativeHandle || kind == QueryKind::ClientHandle
             ? reinterpret_cast<intptr_t>(GetDesktopWindow())
             : 0;
}

void Win32Desktop::SetShow(int32_t) {}
void Win32Desktop::SetEnabled(int32_t) {}
int32_t Win32Desktop::Activate(int32_t) { return 0; }
