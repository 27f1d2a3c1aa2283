// Raw input of real windows turned into events: key codes, repeats, characters, buttons and
// capture, the wheel, close and activation, and the pointer entering and leaving windows.
#include <gtest/gtest.h>

#include "event/win32/system_win32.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

LPARAM KeyLParam(UINT scan, bool extended, bool wasDown, bool releasing = false) {
  LPARAM l = 1 | (LPARAM(scan) << 16);
  if (extended) l |= LPARAM(1) << 24;
  if (wasDown) l |= LPARAM(1) << 30;
  if (releasing) l |= LPARAM(1) << 31;
  return l;
}

class Translate : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    window = std::make_unique<TTestWindow>(100, 100, 200, 150, New<TObject>());
    DrainEverything();
  }
  void TearDown() override { window.reset(); }
  void Post(UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageA(window->hwnd(), message, wParam, lParam);
  }
  TObject* source() const { return window->source().get(); }

  std::unique_ptr<TTestWindow> window;
};

TEST_F(Translate, ModifierKeysAreToldLeftFromRightByScanCode) {
  Post(WM_KEYDOWN, VK_SHIFT, KeyLParam(0x2A, false, false));
  Post(WM_KEYDOWN, VK_SHIFT, KeyLParam(0x36, false, false));
  Post(WM_KEYDOWN, VK_CONTROL, KeyLParam(0x1D, false, false));
  Post(WM_KEYDOWN, VK_CONTROL, KeyLParam(0x1D, true, false));
  Post(WM_SYSKEYDOWN, VK_MENU, KeyLParam(0x38, false, false));
  Post(WM_SYSKEYDOWN, VK_MENU, KeyLParam(0x38, true, false));
  Post(WM_KEYUP, VK_MENU, KeyLParam(0x38, true, true, true));
  Post(WM_KEYDOWN, 'A', KeyLParam(0x1E, false, false));
  auto events = PumpAndTakeEvents();
  auto downs = OfKind(events, KeyDown);
  ASSERT_EQ(downs.size(), 7u);
  const int32_t expected[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 'A'};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(downs[i].data, expected[i]) << i;
    EXPECT_EQ(downs[i].source, source());
  }
  auto ups = OfKind(events, KeyUp);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].data, 0xA5);
}

TEST_F(Translate, HeldKeyGivesOneDownThenRepeatsUntilUp) {
  Post(WM_KEYDOWN, 'Q', KeyLParam(0x10, false, false));
  Post(WM_KEYDOWN, 'Q', KeyLParam(0x10, false, true));
  Post(WM_KEYDOWN, 'Q', KeyLParam(0x10, false, true));
  Post(WM_KEYUP, 'Q', KeyLParam(0x10, false, true, true));
  std::vector<int32_t> ids;
  for (const TSeenEvent& e : PumpAndTakeEvents()) {
    if (e.id != KeyChar) ids.push_back(e.id);
  }
  EXPECT_EQ(ids, (std::vector<int32_t>{KeyDown, KeyRepeat, KeyRepeat, KeyUp}));
}

TEST_F(Translate, KeyCodesOutsideOneTo255GiveNoEvent) {
  // Among codes 0, 256 and 0x1FF, down and up, only the key with a good code comes through.
  for (WPARAM code : {WPARAM(0), WPARAM(256), WPARAM(0x1FF), WPARAM('C')}) {
    Post(WM_KEYDOWN, code, KeyLParam(0x2E, false, false));
    Post(WM_KEYUP, code, KeyLParam(0x2E, false, true, true));
  }
  auto events = PumpAndTakeEvents();
  auto downs = OfKind(events, KeyDown), ups = OfKind(events, KeyUp);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].data, 'C');
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].data, 'C');
}

TEST_F(Translate, TypedKeyAlsoGivesItsCharacter) {
  Post(WM_KEYDOWN, 'B', KeyLParam(0x30, false, false));
  auto chars = OfKind(PumpAndTakeEvents(), KeyChar);
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].data, 'b');
}

// Right shift pressed as hardware input; released again however the test ends, so that no later
// test runs with shift held.
class HeldRightShift {
 public:
  HeldRightShift() {
    input_.type = INPUT_KEYBOARD;
    input_.ki.wVk = VK_SHIFT;
    input_.ki.wScan = 0x36;
    SendInput(1, &input_, sizeof(INPUT));
    Sleep(50);
  }
  ~HeldRightShift() { Release(); }
  void Release() {
    if (released_) return;
    released_ = true;
    input_.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &input_, sizeof(INPUT));
    Sleep(50);
  }

 private:
  INPUT input_{};
  bool released_ = false;
};

TEST_F(Translate, RealModifierKeyPressSetsTheModsOfLaterEvents) {
  SetForegroundWindow(window->hwnd());
  SetFocus(window->hwnd());
  ASSERT_EQ(GetFocus(), window->hwnd());
  DrainEverything();
  HeldRightShift shift;
  auto down = OfKind(PumpAndTakeEvents(), KeyDown);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].data, 0xA1);
  EXPECT_EQ(down[0].mods, ModShift);
  EXPECT_EQ(ModifierState, ModShift);
  shift.Release();
  auto up = OfKind(PumpAndTakeEvents(), KeyUp);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].mods, 0);
  EXPECT_EQ(ModifierState, 0);
}

TEST_F(Translate, WheelStepsAreTruncatedTowardZeroAndAlwaysReported) {
  POINT screen{50, 40};
  ClientToScreen(window->hwnd(), &screen);
  const LPARAM at = MAKELPARAM(screen.x, screen.y);
  Post(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), at);
  Post(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), at);
  Post(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), at);
  Post(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-119)), at);
  auto wheels = OfKind(PumpAndTakeEvents(), MouseWheel);
  ASSERT_EQ(wheels.size(), 4u);
  EXPECT_EQ(wheels[0].data, 1);
  EXPECT_EQ(wheels[1].data, -2);
  EXPECT_EQ(wheels[2].data, 0);
  EXPECT_EQ(wheels[3].data, 0);
  // The wheel's screen position comes back in client coordinates.
  EXPECT_EQ(wheels[0].x, 50);
  EXPECT_EQ(wheels[0].y, 40);
}

TEST_F(Translate, MiddleButtonIsThreeWhenPressedAndFourWhileMoving) {
  Post(WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(10, 20));
  Post(WM_MOUSEMOVE, MK_MBUTTON, MAKELPARAM(12, 22));
  auto events = PumpAndTakeEvents();
  auto downs = OfKind(events, MouseDown);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].data, 3);
  EXPECT_EQ(downs[0].x, 10);
  EXPECT_EQ(downs[0].y, 20);
  EXPECT_EQ(GetCapture(), window->hwnd());
  auto moves = OfKind(events, MouseMove);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().data, 4);
  EXPECT_EQ(moves.back().x, 12);
  Post(WM_MBUTTONUP, 0, MAKELPARAM(12, 22));
  auto ups = OfKind(PumpAndTakeEvents(), MouseUp);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].data, 3);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Translate, ButtonNumbersAndTheButtonHeldWhileMoving) {
  Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  Post(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(1, 1));
  Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 2));
  Post(WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON, MAKELPARAM(2, 2));
  Post(WM_MOUSEMOVE, MK_LBUTTON | MK_MBUTTON | MK_RBUTTON, MAKELPARAM(2, 2));
  Post(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  Post(WM_RBUTTONUP, 0, MAKELPARAM(1, 1));
  Post(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(1, 1));
  auto events = PumpAndTakeEvents();
  auto downs = OfKind(events, MouseDown);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].data, 1);
  EXPECT_EQ(downs[1].data, 2);
  auto moves = OfKind(events, MouseMove);
  ASSERT_EQ(moves.size(), 4u);
  EXPECT_EQ(moves[0].data, 1);
  EXPECT_EQ(moves[1].data, 4);
  EXPECT_EQ(moves[2].data, 2);
  EXPECT_EQ(moves[3].data, 0);
  auto ups = OfKind(events, MouseUp);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].data, 2);
}

TEST_F(Translate, NegativePositionsAreSignedWords) {
  SetCapture(window->hwnd());
  Post(WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-7)));
  auto ups = OfKind(PumpAndTakeEvents(), MouseUp);
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0].x, -5);
  EXPECT_EQ(ups[0].y, -7);
}

TEST_F(Translate, CloseAndActivationBecomeApplicationEvents) {
  Post(WM_CLOSE, 0, 0);
  Post(WM_ACTIVATEAPP, 0, 0);
  Post(WM_ACTIVATEAPP, 1, 0);
  std::vector<int32_t> ids;
  for (const TSeenEvent& e : PumpAndTakeEvents()) {
    if (e.id == AppTerminate || e.id == AppSuspend || e.id == AppResume) {
      ids.push_back(e.id);
      EXPECT_EQ(e.source, source());
    }
  }
  EXPECT_EQ(ids, (std::vector<int32_t>{AppTerminate, AppSuspend, AppResume}));
  EXPECT_TRUE(IsWindow(window->hwnd()));
}

class PointerTracking : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    SetCursorPos(1200, 1000);
    a = std::make_unique<TTestWindow>(100, 300, 150, 100, New<TObject>());
    b = std::make_unique<TTestWindow>(400, 300, 150, 100, New<TObject>());
    DrainEverything();
    TrackPointer(nullptr, 0, 0, nullptr);
    DrainEverything();
  }
  void TearDown() override {
    a.reset();
    b.reset();
  }
  // Moves the real pointer and lets the windows see it.
  static std::vector<TSeenEvent> MoveTo(int x, int y, int ms = 100) {
    SetCursorPos(x, y);
    std::vector<TSeenEvent> events;
    for (int i = 0; i < ms / 10; ++i) {
      Sleep(10);
      auto more = PumpAndTakeEvents();
      events.insert(events.end(), more.begin(), more.end());
    }
    return events;
  }
  // Enter and leave events as (id, source).
  static std::vector<std::pair<int32_t, TObject*>> Crossings(const std::vector<TSeenEvent>& events) {
    std::vector<std::pair<int32_t, TObject*>> c;
    for (const TSeenEvent& e : events) {
      if (e.id == MouseEnter || e.id == MouseLeave) c.emplace_back(e.id, e.source);
    }
    return c;
  }

  std::unique_ptr<TTestWindow> a, b;
};

using Crossing = std::vector<std::pair<int32_t, TObject*>>;

TEST_F(PointerTracking, MovingFromOneWindowToAnotherLeavesThenEntersOnce) {
  auto intoA = MoveTo(150, 350);
  ASSERT_FALSE(OfKind(intoA, MouseMove).empty());
  EXPECT_EQ(Crossings(intoA), (Crossing{{MouseEnter, a->source().get()}}));
  EXPECT_EQ(TrackedWindow, a->hwnd());
  auto intoB = MoveTo(450, 350);
  auto crossings = Crossings(intoB);
  EXPECT_EQ(crossings, (Crossing{{MouseLeave, a->source().get()}, {MouseEnter, b->source().get()}}));
  for (const TSeenEvent& e : OfKind(intoB, MouseLeave)) EXPECT_EQ(e.mods, 0);
  EXPECT_EQ(TrackedWindow, b->hwnd());
  auto withinB = MoveTo(470, 360);
  EXPECT_FALSE(OfKind(withinB, MouseMove).empty());
  EXPECT_TRUE(Crossings(withinB).empty());
}

TEST_F(PointerTracking, LeavingEveryWindowReportsTheLeaveOnce) {
  auto intoA = MoveTo(150, 350);
  ASSERT_FALSE(OfKind(intoA, MouseMove).empty());
  // The platform notices a pointer that left every window of the thread only on its next check.
  auto outside = MoveTo(1200, 1000, 600);
  EXPECT_EQ(Crossings(outside), (Crossing{{MouseLeave, a->source().get()}}));
  EXPECT_EQ(TrackedWindow, nullptr);
  EXPECT_EQ(TrackedSource, nullptr);
}

TEST_F(PointerTracking, PostedMovesEnterAndLeaveByClientArea) {
  PostMessageA(a->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  // Outside the client area: the window no longer counts as under the pointer.
  PostMessageA(a->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 5));
  SetCursorPos(1200, 1000);
  auto events = PumpAndTakeEvents();
  auto crossings = Crossings(events);
  ASSERT_GE(crossings.size(), 2u);
  EXPECT_EQ(crossings[0], std::make_pair(MouseEnter, a->source().get()));
  EXPECT_EQ(crossings[1], std::make_pair(MouseLeave, a->source().get()));
  auto enter = OfKind(events, MouseEnter);
  EXPECT_EQ(enter[0].x, 5);
  EXPECT_EQ(enter[0].mods, 0);
  EXPECT_EQ(TrackedWindow, nullptr);
}

// The display counter is read by stepping it and back.
int CursorCounter() {
  const int shown = ShowCursor(TRUE);
  ShowCursor(FALSE);
  return shown - 1;
}

TEST_F(PointerTracking, HiddenPointerHidesOnlyInsideATrackedWindow) {
  HidePointer();
  HidePointer();
  EXPECT_EQ(CursorCounter(), 0);
  TrackPointer(a->hwnd(), 5, 5, a->source());
  EXPECT_EQ(CursorCounter(), -1);
  HidePointer();
  EXPECT_EQ(CursorCounter(), -1);
  TrackPointer(nullptr, 0, 0, nullptr);
  EXPECT_EQ(CursorCounter(), 0);
  TrackPointer(b->hwnd(), 5, 5, b->source());
  EXPECT_EQ(CursorCounter(), -1);
  ShowPointer();
  EXPECT_EQ(CursorCounter(), 0);
  ShowPointer();
  EXPECT_EQ(CursorCounter(), 0);
  TrackPointer(nullptr, 0, 0, nullptr);
  DrainEverything();
}

TEST_F(PointerTracking, MoveMouseTakesClientCoordinatesOfTheActiveWindow) {
  SetActiveWindow(b->hwnd());
  ASSERT_EQ(GetActiveWindow(), b->hwnd());
  MoveMouse(10, 20);
  POINT at{};
  GetCursorPos(&at);
  EXPECT_EQ(at.x, 410);
  EXPECT_EQ(at.y, 320);
}

}  // namespace
