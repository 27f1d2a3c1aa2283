// Mouse clicks sent as hardware input, so that controls see them the way a user's clicks arrive.
#include "tests/gui_win32/click.h"

#include <cstdlib>

#include "tests/gui_win32/support.h"

namespace {

POINT lastPoint{-1000, -1000};
DWORD lastTime = 0;

// A click near the last one within the double-click time would make a double click of both; it
// waits the time out first.
void AwaitFreshClick(POINT at) {
  if (std::abs(at.x - lastPoint.x) > GetSystemMetrics(SM_CXDOUBLECLK) ||
      std::abs(at.y - lastPoint.y) > GetSystemMetrics(SM_CYDOUBLECLK))
    return;
  DWORD since = GetTickCount() - lastTime, wait = GetDoubleClickTime() + 50;
  if (since < wait) Sleep(wait - since);
}

}  // namespace

void ClickAt(HWND hwnd, POINT at, int times, bool right) {
  ClientToScreen(hwnd, &at);
  AwaitFreshClick(at);
  SetForegroundWindow(GetAncestor(hwnd, GA_ROOT));
  // A motion still on its way from the display could carry the pointer back to the last point.
  SettlePointer(at);
  for (int i = 0; i < times; ++i) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    // Hardware input arrives through the server; give it a moment, then let the control see it.
    for (int k = 0; k < 5; ++k) {
      Sleep(10);
      Pump();
    }
  }
  lastPoint = at;
  lastTime = GetTickCount();
}

void SettlePointer(POINT screen) {
  int steady = 0;
  for (DWORD start = GetTickCount(); steady < 5 && GetTickCount() - start < 2000;) {
    POINT now{};
    GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y) {
      ++steady;
    } else {
      steady = 0;
      SetCursorPos(screen.x, screen.y);
    }
    Sleep(10);
    Pump();
  }
}

POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
