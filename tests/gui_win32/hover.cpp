// Hovering for the tooltip tests: hardware pointer moves and reading the tip that shows.
#include "tests/gui_win32/hover.h"

// After windows.h, which defines its types.
#include <commctrl.h>

void HoverAt(HWND hwnd, POINT at) {
  ClientToScreen(hwnd, &at);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((at.x * 65536LL + 65535) / GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = static_cast<LONG>((at.y * 65536LL + 65535) / GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  for (int i = 0; i < 3; ++i) {
    Sleep(10);
    Pump();
  }
}

std::u16string ShownTip(HWND tips, bool expected) {
  PumpUntil([tips] { return IsWindowVisible(tips) != FALSE; },
            std::chrono::milliseconds(expected ? 15000 : 1500));
  if (!IsWindowVisible(tips)) return u"";
  wchar_t text[80] = {};
  TTTOOLINFOW t{};
  t.cbSize = sizeof t;
  t.lpszText = text;
  SendMessageW(tips, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&t));
  return std::u16string(text, text + wcslen(text));
}

void HoverAway(HWND window, HWND tips) {
  RECT client{};
  GetClientRect(window, &client);
  HoverAt(window, POINT{client.right - 5, client.bottom - 5});
  PumpUntil([tips] { return !IsWindowVisible(tips); }, std::chrono::milliseconds(5000));
}
