// A check box's hot key and clicks on the box meeting in the queue: the key goes on reporting what
// it always reports, whatever click it was merged with. Input is real and goes through the
// driver's own pump only.
#include "event/queue.h"
#include "event/system.h"
#include "tests/gui_win32/support.h"

namespace {

class HotKeyMerge : public DriverTest {};

// Pumps through the driver, a little at a time, until `done` or `ms` milliseconds have passed.
template <typename Done>
bool PumpUntil(Done done, DWORD ms = 2000) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
    if (done()) return true;
    Sleep(10);
    PumpSystem();
  }
  return done();
}

void PressKey(WORD key) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

// A left click at the middle of the gadget; waits out the double-click time first, so that two
// clicks on the box are two clicks.
void ClickMiddle(const Ref<TGadget>& g) {
  Sleep(GetDoubleClickTime() + 50);
  RECT r;
  GetWindowRect(Hwnd(g), &r);
  const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  SetCursorPos(at.x, at.y);
  PumpUntil([&] {
    POINT now{};
    GetCursorPos(&now);
    return now.x == at.x && now.y == at.y;
  });
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
}

// Takes events through the driver until the box's next action; its data, or -1 when none came.
int32_t NextActionOf(const Ref<TGadget>& box) {
  int32_t data = -1;
  PumpUntil([&] {
    while (PollNextEvent() != 0) {
      if (ActiveEventId() == GadgetAction && ActiveEventSource() == Ref<TObject>(box)) {
        data = ActiveEventData();
        return true;
      }
    }
    return false;
  });
  return data;
}

// Takes whatever the driver delivers for `ms` milliseconds.
void TakeEverythingFor(DWORD ms) {
  PumpUntil(
      [] {
        while (PollNextEvent() != 0) {
        }
        return false;
      },
      ms);
}

TEST_F(HotKeyMerge, ClickMergedIntoTheKeysActionDoesNotChangeWhatTheKeyReportsLater) {
  auto win = TestWindow();
  auto box = MakeButton(u"Tick", 10, 10, 100, 24, win, ButtonStyle::CheckBox);
  BindGadgetHotKey(box, VK_F5, 0);
  TakeEverythingFor(200);

  // The key's action waits untaken; the click that ticks the box merges with it.
  PressKey(VK_F5);
  ASSERT_TRUE(PumpUntil([] { return QueuedEventCount() > 0; }));
  Ref<TEvent> waiting = PeekNextEvent();
  ASSERT_EQ(waiting->id, GadgetAction);
  ASSERT_EQ(waiting->source, Ref<TObject>(box));
  ClickMiddle(box);
  ASSERT_TRUE(PumpUntil([&] { return GetButtonCheck(box) == 1; }));
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(QueuedEventCount(), 1u);
  EXPECT_EQ(NextActionOf(box), 1);

  // Cleared again by a click, the box's key reports what it always does.
  ClickMiddle(box);
  ASSERT_TRUE(PumpUntil([&] { return GetButtonCheck(box) == 0; }));
  EXPECT_EQ(NextActionOf(box), 0);
  PressKey(VK_F5);
  EXPECT_EQ(NextActionOf(box), 0);
  EXPECT_EQ(GetButtonCheck(box), 0);
}

}  // namespace
