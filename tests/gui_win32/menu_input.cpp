// Menus driven by hardware input: the open menu is found from a thread timer, which the menu's
// own modal loop dispatches, and clicked like a user would.
#include "tests/gui_win32/menu_input.h"

#include <cstring>
#include <vector>

#include "tests/gui_win32/support.h"

namespace {

constexpr UINT TickMs = 50;
constexpr int GiveUpTicks = 200;  // ten seconds: input is slow to arrive on a loaded machine

struct Chooser {
  UINT_PTR timer = 0;
  int index = 0;
  int ticks = 0;
  bool opened = false;
  POINT at{};
} chooser;

BOOL CALLBACK FindMenuWindow(HWND hwnd, LPARAM lp) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, "#32768") != 0 || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = hwnd;
  return FALSE;
}

void Stop() {
  if (chooser.timer) KillTimer(nullptr, chooser.timer);
  chooser.timer = 0;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  HWND shown = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&shown));
  if (!shown) {
    if (++chooser.ticks >= GiveUpTicks) {
      Stop();
      EndMenu();
    }
    return;
  }
  Stop();
  RECT frame{};
  GetWindowRect(shown, &frame);
  chooser.opened = true;
  chooser.at = POINT{frame.left, frame.top};
  auto menu = reinterpret_cast<HMENU>(SendMessageA(shown, MN_GETHMENU, 0, 0));
  RECT item{};
  if (!menu || !GetMenuItemRect(nullptr, menu, static_cast<UINT>(chooser.index), &item)) {
    EndMenu();
    return;
  }
  SendClick(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

}  // namespace

MenuChooser::MenuChooser(int index) {
  Stop();
  chooser = Chooser{};
  chooser.index = index;
  chooser.timer = SetTimer(nullptr, 0, TickMs, Tick);
}

MenuChooser::~MenuChooser() { Stop(); }

bool MenuChooser::Opened() const { return chooser.opened; }

POINT MenuChooser::OpenedAt() const { return chooser.at; }

bool MenuChooser::Done() const { return chooser.timer == 0; }

void PumpWhileChoosing(const MenuChooser& choose, void (*pump)()) {
  // Input may take a while to arrive; the chooser gives up on its own, this is only a backstop.
  const DWORD start = GetTickCount();
  while (!choose.Done() && GetTickCount() - start < 20000) {
    Sleep(10);
    pump();
  }
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    pump();
  }
}

void PointerTo(POINT screen) {
  for (int i = 0; i < 50; ++i) {
    SetCursorPos(screen.x, screen.y);
    Sleep(20);
    Pump();
    POINT now{};
    GetCursorPos(&now);
    if (now.x == screen.x && now.y == screen.y) return;
  }
}

void SendClick(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

void PressChord(std::initializer_list<WORD> keys) {
  PressChord(std::vector<WORD>(keys));
  // Hardware input arrives through the server; give it time, then let the hooks see it.
  for (int i = 0; i < 10; ++i) {
    Sleep(20);
    Pump();
  }
}

void ChooseFromBar(HWND window, int entry, int item) {
  MenuChooser choose(item);
  RECT r{};
  GetMenuItemRect(window, GetMenu(window), static_cast<UINT>(entry), &r);
  SetForegroundWindow(window);
  PointerTo(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  SendClick(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  // The bar's menu loop runs inside one of these pumps until the item is clicked.
  PumpWhileChoosing(choose, Pump);
}

int LiveMenuCount() {
  // A menu handle's low word names its slot in the process's handle table; the high word, the
  // slot's reuse count, may be left out. Slots are numbered in steps of two from 0x20.
  int n = 0;
  for (UINT_PTR h = 0x20; h < 0x10000; h += 2) {
    if (IsMenu(reinterpret_cast<HMENU>(h))) ++n;
  }
  return n;
}
