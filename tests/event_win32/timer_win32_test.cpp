// Timers on the platform's multimedia timer: ticks in order, merging while the application takes
// no events, ticks during a message box, the table's limit, refused rates, and stopping.
#include <gtest/gtest.h>

#include <vector>

#include "event/queue.h"
#include "event/timer.h"
#include "event/win32/system_win32.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

class PlatformTimer : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    DrainEverything();
  }
  void TearDown() override {
    for (auto& t : made) HaltTimer(t);
    DrainEverything();
    EXPECT_EQ(LiveTimerCount(), 0);
  }
  Ref<TTimer> Make(float hertz) {
    Ref<TTimer> t = NewTimer(hertz, nullptr);
    if (t) made.push_back(t);
    return t;
  }
  // Pumps without taking events for about `ms` milliseconds.
  static void PumpFor(int ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(ms)) {
      PumpSystem();
      Sleep(5);
    }
  }
  std::vector<Ref<TTimer>> made;
};

TEST_F(PlatformTimer, TenHertzTimerTicksOneTwoThree) {
  Ref<TTimer> t = Make(10.0f);
  ASSERT_TRUE(t);
  std::vector<int32_t> data;
  while (data.size() < 3) {
    if (WaitNextEvent() == TimerTick && ActiveEventSource() == Ref<TObject>(t))
      data.push_back(ActiveEventData());
  }
  EXPECT_EQ(data, (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(PlatformTimer, UntakenTicksWaitAsOneEventWithTheLatestCount) {
  Ref<TTimer> t = Make(10.0f);
  ASSERT_TRUE(t);
  PumpFor(450);
  t->Stop();
  PumpSystem();
  ASSERT_GE(t->Ticks(), 3);
  std::vector<int32_t> data;
  while (PollNextEvent()) {
    if (ActiveEventId() == TimerTick && ActiveEventSource() == Ref<TObject>(t))
      data.push_back(ActiveEventData());
  }
  EXPECT_EQ(data, (std::vector<int32_t>{t->Ticks()}));
}

TEST_F(PlatformTimer, TicksKeepComingWhileAMessageBoxIsOpen) {
  Ref<TTimer> t = Make(20.0f);
  ASSERT_TRUE(t);
  THelperThread helper([] {
    if (HWND box = FindTestBox()) {
      Sleep(400);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  });
  Notify(u"ticking", 0);
  EXPECT_GE(t->Ticks(), 4);
}

TEST_F(PlatformTimer, WaitBlocksUntilTheNextTick) {
  Ref<TTimer> t = Make(20.0f);
  ASSERT_TRUE(t);
  EXPECT_GE(AwaitTimerTick(t), 1);
  const int32_t before = t->Ticks();
  EXPECT_GE(t->Wait(), 1);
  EXPECT_GT(t->Ticks(), before);
}

TEST_F(PlatformTimer, SeventeenthTimerIsRefusedAndAllowedAgainAfterAStop) {
  std::vector<Ref<TTimer>> timers;
  for (int i = 0; i < 16; ++i) {
    timers.push_back(Make(1.0f));
    ASSERT_TRUE(timers.back()) << i;
  }
  EXPECT_EQ(NewTimer(1.0f, nullptr), nullptr);
  timers[3]->Stop();
  EXPECT_TRUE(Make(1.0f));
  EXPECT_EQ(NewTimer(1.0f, nullptr), nullptr);
}

TEST_F(PlatformTimer, RatesAboveThousandHertzAreRefused) {
  EXPECT_EQ(TTimer::Create(2000, nullptr), nullptr);
  EXPECT_EQ(TTimer::Create(0, nullptr), nullptr);
  EXPECT_EQ(LiveTimerCount(), 0);
}

TEST_F(PlatformTimer, NothingArrivesAfterStopEvenTicksAlreadyPosted) {
  Ref<TTimer> t = Make(200.0f);
  ASSERT_TRUE(t);
  // Ticks are posted but not yet delivered: nothing pumps while the thread sleeps.
  Sleep(60);
  t->Stop();
  PumpFor(100);
  EXPECT_EQ(t->Ticks(), 0);
  EXPECT_EQ(t->Wait(), 0);
  while (PollNextEvent()) EXPECT_NE(ActiveEventId(), TimerTick);
}

}  // namespace
