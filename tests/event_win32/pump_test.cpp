// The pump of the Win32 system driver: the modifier state it keeps and the Tab navigation it hands
// to the window around a tab-stop control.
#include <gtest/gtest.h>

#include "event/system.h"
#include "event/win32/system_win32.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

class Pump : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    DrainEverything();
  }
};

// The thread's key state with exactly `keys` held down.
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256] = {};
  for (int k : keys) state[k] = 0x80;
  SetKeyboardState(state);
}

TEST_F(Pump, ModifierKeyMessagesSetTheModifierBits) {
  TTestWindow window(100, 100, 100, 100, New<TObject>());
  struct Case {
    int key;  // held, and named by the message
    UINT message;
    int32_t mods;
  } cases[] = {
      {VK_SHIFT, WM_KEYDOWN, ModShift}, {VK_CONTROL, WM_KEYDOWN, ModControl},
      {VK_MENU, WM_SYSKEYDOWN, ModAlt}, {VK_LWIN, WM_KEYDOWN, ModSystem},
      {VK_RWIN, WM_KEYDOWN, ModSystem}, {VK_RWIN, WM_KEYUP, ModSystem},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    ModifierState = 0;
    HoldKeys({c.key});
    PostMessageA(window.hwnd(), c.message, c.key, 1);
    PumpSystem();
    EXPECT_EQ(ModifierState, c.mods);
  }
  // Released again, the next modifier message clears the bits.
  HoldKeys({});
  PostMessageA(window.hwnd(), WM_KEYUP, VK_LWIN, 1);
  PumpSystem();
  EXPECT_EQ(ModifierState, 0);
}

TEST_F(Pump, TabMovesTheFocusBetweenTabStopControls) {
  TTestWindow window(100, 100, 200, 100, New<TObject>());
  HWND buttons[2];
  for (int i = 0; i < 2; ++i) {
    buttons[i] = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10 + 90 * i, 10, 80,
                                 25, window.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  HoldKeys({});  // forward, not Shift+Tab
  SetFocus(buttons[0]);
  PostMessageA(buttons[0], WM_KEYDOWN, VK_TAB, 1);
  PumpSystem();
  EXPECT_EQ(GetFocus(), buttons[1]);
  PostMessageA(buttons[1], WM_KEYDOWN, VK_TAB, 1);
  PumpSystem();
  EXPECT_EQ(GetFocus(), buttons[0]);
}

}  // namespace
