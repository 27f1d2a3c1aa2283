// Timers over a scripted platform: periods, the live table, ticks and their events, waiting,
// stopping, ticks in flight, and lifetimes.
#include "event/timer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <functional>
#include <limits>
#include <vector>

#include "event/hook.h"
#include "event/queue.h"
#include "event/system.h"

namespace {

// Hands out ids like a platform timer service; can refuse and can hand out a stopped id again.
class TScriptedTimerPlatform : public TTimerPlatform {
 public:
  uint32_t StartPeriodic(uint32_t periodMillis, TTimer*) override {
    periods.push_back(periodMillis);
    if (refuse) return 0;
    if (reuseKilledIds && !killed.empty()) return killed.back();
    return ++lastId;
  }
  void Kill(uint32_t id) override { killed.push_back(id); }

  bool refuse = false;
  bool reuseKilledIds = false;
  uint32_t lastId = 100;
  std::vector<uint32_t> periods;
  std::vector<uint32_t> killed;
};

// Each wait runs the next scripted step; running out of steps is a test failure, not a hang.
class TStepDriver : public TSystemDriver {
 public:
  int32_t Poll() override { return Step(); }
  int32_t Wait() override {
    ++waits;
    return Step();
  }
  std::deque<std::function<void()>> steps;
  int waits = 0;

 private:
  int32_t Step() {
    if (steps.empty()) RuntimeError(u"no scripted step left");
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
    return 0;
  }
};

class Timer : public ::testing::Test {
 protected:
  void SetUp() override {
    TimerModuleStart();
    saved = ActiveSystemDriver;
    driver = New<TStepDriver>();
    ActiveSystemDriver = driver;
    InstallTimerPlatform(&platform);
    ResetEventQueue(0);
  }
  void TearDown() override {
    for (auto& t : made) HaltTimer(t);
    EXPECT_EQ(LiveTimerCount(), 0);
    ResetEventQueue(0);
    ActiveSystemDriver = saved;
    InstallTimerPlatform(nullptr);
  }
  Ref<TTimer> Make(float hertz, Ref<TEvent> event = nullptr) {
    Ref<TTimer> t = NewTimer(hertz, std::move(event));
    if (t) made.push_back(t);
    return t;
  }
  // What the platform's tick delivery does on the main thread.
  static void Tick(const Ref<TTimer>& t, int times = 1) {
    const uint32_t id = t->_handle;
    for (int i = 0; i < times; ++i) DeliverTimerTick(t.get(), id);
  }
  // Waiting TimerTick events as (source, data).
  static std::vector<std::pair<TObject*, int32_t>> TakeTicks() {
    std::vector<std::pair<TObject*, int32_t>> ticks;
    while (QueuedEventCount() > 0) {
      Ref<TEvent> e = PeekNextEvent();
      PollNextEvent();
      if (e->id == TimerTick) ticks.emplace_back(e->source.get(), e->data);
    }
    return ticks;
  }

  Ref<TSystemDriver> saved;
  Ref<TStepDriver> driver;
  TScriptedTimerPlatform platform;
  std::vector<Ref<TTimer>> made;
};

using Ticks = std::vector<std::pair<TObject*, int32_t>>;

TEST(TimerPeriod, IsThousandOverRateInSinglePrecisionTruncated) {
  EXPECT_EQ(TimerPeriodMillis(60.0f), 16u);
  EXPECT_EQ(TimerPeriodMillis(3.0f), 333u);
  EXPECT_EQ(TimerPeriodMillis(1000.0f), 1u);
  EXPECT_EQ(TimerPeriodMillis(10.0f), 100u);
  EXPECT_EQ(TimerPeriodMillis(0.5f), 2000u);
  EXPECT_EQ(TimerPeriodMillis(7.0f), 142u);
}

TEST(TimerPeriod, RatesWithoutAValidPeriodGiveZero) {
  EXPECT_EQ(TimerPeriodMillis(2000.0f), 0u);
  EXPECT_EQ(TimerPeriodMillis(1000.5f), 0u);
  EXPECT_EQ(TimerPeriodMillis(0.0f), 0u);
  EXPECT_EQ(TimerPeriodMillis(-10.0f), 0u);
  EXPECT_EQ(TimerPeriodMillis(std::numeric_limits<float>::quiet_NaN()), 0u);
  EXPECT_EQ(TimerPeriodMillis(std::numeric_limits<float>::denorm_min()), 0u);
  EXPECT_EQ(TimerPeriodMillis(std::numeric_limits<float>::infinity()), 0u);
}

TEST_F(Timer, CreateRefusesRatesTheTableOrThePlatformRefuse) {
  EXPECT_EQ(Make(2000.0f), nullptr);
  EXPECT_EQ(Make(0.0f), nullptr);
  EXPECT_EQ(Make(-1.0f), nullptr);
  // Rates without a period never reach the platform.
  EXPECT_TRUE(platform.periods.empty());
  platform.refuse = true;
  EXPECT_EQ(Make(10.0f), nullptr);
  EXPECT_EQ(platform.periods, (std::vector<uint32_t>{100}));
  EXPECT_EQ(LiveTimerCount(), 0);
}

TEST_F(Timer, NewTimerRunsWithItsPlatformIdAndNoTicks) {
  Ref<TTimer> t = Make(60.0f);
  ASSERT_TRUE(t);
  EXPECT_EQ(platform.periods, (std::vector<uint32_t>{16}));
  EXPECT_EQ(t->_handle, platform.lastId);
  EXPECT_EQ(t->Ticks(), 0);
  EXPECT_EQ(t->_cycle, t);
  EXPECT_EQ(LiveTimerCount(), 1);
}

TEST_F(Timer, TicksAreCountedAndEmittedWithTheTimerAsSource) {
  Ref<TTimer> t = Make(10.0f);
  Tick(t);
  EXPECT_EQ(TakeTicks(), (Ticks{{t.get(), 1}}));
  Tick(t);
  EXPECT_EQ(TakeTicks(), (Ticks{{t.get(), 2}}));
  Tick(t);
  EXPECT_EQ(TakeTicks(), (Ticks{{t.get(), 3}}));
  EXPECT_EQ(TimerTickCount(t), 3);
}

TEST_F(Timer, UntakenTicksOfOneTimerWaitAsOneEventWithTheLatestCount) {
  Ref<TTimer> a = Make(10.0f);
  Ref<TTimer> b = Make(20.0f);
  Tick(a, 3);
  Tick(b, 2);
  Tick(a);
  EXPECT_EQ(TakeTicks(), (Ticks{{a.get(), 4}, {b.get(), 2}}));
}

Ref<TObject> lastSeen;
int seenCount = 0;
Ref<TObject> RecordHook(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  lastSeen = data;
  ++seenCount;
  return data;
}

TEST_F(Timer, OwnEventIsEmittedItselfOnEveryTick) {
  Ref<TEvent> own = MakeEvent(0x80001234, nullptr, 42, 1, 2, 3, nullptr);
  Ref<TTimer> t = Make(10.0f, own);
  InstallHook(EventHookId, RecordHook, nullptr, 10);
  seenCount = 0;
  Tick(t, 3);
  UninstallHook(EventHookId, RecordHook, nullptr);
  EXPECT_EQ(seenCount, 3);
  EXPECT_EQ(lastSeen, Ref<TObject>(own));
  lastSeen = nullptr;
  EXPECT_EQ(t->Ticks(), 3);
  EXPECT_EQ(own->data, 42);
  EXPECT_EQ(own->source, nullptr);
}

TEST_F(Timer, OwnEventKeepsItsValuesWhateverMergesWithItWhileItWaits) {
  // The timer presses a button: its own event shares id and source with the button's clicks.
  Ref<TObject> button = New<TObject>();
  Ref<TEvent> press = MakeEvent(GadgetAction, button, 0, 0, 0, 0, nullptr);
  Ref<TTimer> t = Make(10.0f, press);
  Ref<TObject> clickExtra = New<TObject>();
  // The tick waits and the click merges into it, or the other way round.
  for (const bool clickFirst : {false, true}) {
    SCOPED_TRACE(clickFirst ? "tick after a click" : "click after a tick");
    Ref<TEvent> click = MakeEvent(GadgetAction, button, 1, ModShift, 5, 6, clickExtra);
    if (clickFirst) click->Emit();
    Tick(t);
    if (!clickFirst) click->Emit();
    EXPECT_EQ(QueuedEventCount(), 1u);
    ASSERT_EQ(PollNextEvent(), GadgetAction);
    EXPECT_EQ(ActiveEventData(), clickFirst ? 0 : 1);
    // The next tick sends what the timer was given, not the click's values.
    Tick(t);
    ASSERT_EQ(PollNextEvent(), GadgetAction);
    EXPECT_EQ(ActiveEventData(), 0);
    EXPECT_EQ(ActiveEventMods(), 0);
    EXPECT_EQ(ActiveEventX(), 0);
    EXPECT_EQ(ActiveEventY(), 0);
    EXPECT_EQ(ActiveEventExtra(), nullptr);
    EXPECT_EQ(ActiveEventSource(), button);
    EXPECT_EQ(QueuedEventCount(), 0u);
  }
}

TEST_F(Timer, SeventeenthTimerIsRefusedUntilOneStops) {
  std::vector<Ref<TTimer>> timers;
  for (int i = 0; i < MaxLiveTimers; ++i) {
    timers.push_back(Make(1.0f));
    ASSERT_TRUE(timers.back()) << i;
  }
  EXPECT_EQ(Make(1.0f), nullptr);
  // The table stays consistent when an entry from its middle goes.
  timers[5]->Stop();
  Ref<TTimer> again = Make(1.0f);
  ASSERT_TRUE(again);
  EXPECT_EQ(Make(1.0f), nullptr);
  Tick(timers[15]);
  Tick(again);
  EXPECT_EQ(timers[15]->Ticks(), 1);
  EXPECT_EQ(again->Ticks(), 1);
}

TEST_F(Timer, StopKeepsTheCountAndDropsTicksInFlight) {
  Ref<TTimer> t = Make(100.0f);
  const uint32_t id = t->_handle;
  Tick(t, 2);
  ResetEventQueue(0);
  t->Stop();
  EXPECT_EQ(platform.killed, (std::vector<uint32_t>{id}));
  DeliverTimerTick(t.get(), id);
  t->Fire();
  EXPECT_EQ(t->Ticks(), 2);
  EXPECT_EQ(QueuedEventCount(), 0u);
  EXPECT_EQ(t->Wait(), 0);
  EXPECT_EQ(driver->waits, 0);
  t->Stop();
  EXPECT_EQ(platform.killed.size(), 1u);
  EXPECT_EQ(t->_cycle, nullptr);
  EXPECT_EQ(t->_event, nullptr);
}

TEST_F(Timer, StaleTickOfAReusedIdDoesNotReachTheNewTimer) {
  platform.reuseKilledIds = true;
  Ref<TTimer> old = Make(10.0f);
  const uint32_t id = old->_handle;
  old->Stop();
  Ref<TTimer> fresh = Make(10.0f);
  ASSERT_EQ(fresh->_handle, id);
  DeliverTimerTick(old.get(), id);
  EXPECT_EQ(fresh->Ticks(), 0);
  EXPECT_EQ(old->Ticks(), 0);
  Tick(fresh);
  EXPECT_EQ(fresh->Ticks(), 1);
}

TEST_F(Timer, RunningTimerLivesWithoutApplicationReferences) {
  TTimer* raw;
  uint32_t id;
  {
    Ref<TTimer> t = NewTimer(10.0f, nullptr);
    raw = t.get();
    id = t->_handle;
  }
  DeliverTimerTick(raw, id);
  ASSERT_EQ(PollNextEvent(), TimerTick);
  Ref<TTimer> back = Cast<TTimer>(ActiveEventSource());
  ASSERT_EQ(back.get(), raw);
  EXPECT_EQ(back->Ticks(), 1);
  // Stopped, the timer lives only as long as references to it remain.
  back->Stop();
  ActiveEvent = EmptyEvent;
  EXPECT_EQ(back->RefCount(), 1);
}

TEST_F(Timer, WaitPumpsAtLeastOnceAndReturnsTicksSinceTheLastWait) {
  Ref<TTimer> t = Make(10.0f);
  Tick(t, 3);
  driver->steps.push_back([] {});
  EXPECT_EQ(t->Wait(), 3);
  EXPECT_EQ(driver->waits, 1);
  driver->steps.push_back([] {});
  driver->steps.push_back([] {});
  driver->steps.push_back([&] { Tick(t); });
  EXPECT_EQ(t->Wait(), 1);
  EXPECT_EQ(driver->waits, 4);
  // The ticks' events still went to the queue.
  EXPECT_EQ(TakeTicks(), (Ticks{{t.get(), 4}}));
}

TEST_F(Timer, WaitInsideAPumpReturnsInsteadOfSpinning) {
  Ref<TTimer> t = Make(10.0f);
  int32_t inner = -1;
  driver->steps.push_back([&] {
    Tick(t, 2);
    inner = t->Wait();
  });
  PumpSystem();
  EXPECT_EQ(inner, 2);
  EXPECT_EQ(driver->waits, 0);
}

TEST_F(Timer, TimerStoppedWhileWaitingEndsTheWait) {
  Ref<TTimer> t = Make(10.0f);
  driver->steps.push_back([&] { t->Stop(); });
  EXPECT_EQ(t->Wait(), 0);
  EXPECT_EQ(driver->waits, 1);
}

Ref<TObject> StopTimerHook(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  auto* e = dynamic_cast<TEvent*>(data.get());
  if (e && e->id == TimerTick) {
    if (auto* t = dynamic_cast<TTimer*>(e->source.get())) t->Stop();
  }
  return nullptr;
}

TEST_F(Timer, HookMayStopTheTimerWhoseTickItSees) {
  TTimer* raw;
  uint32_t id;
  {
    Ref<TTimer> t = NewTimer(10.0f, nullptr);
    raw = t.get();
    id = t->_handle;
  }
  InstallHook(EventHookId, StopTimerHook, nullptr, 10);
  // The hook drops the timer's last reference while its tick is being emitted.
  DeliverTimerTick(raw, id);
  UninstallHook(EventHookId, StopTimerHook, nullptr);
  EXPECT_EQ(LiveTimerCount(), 0);
  DeliverTimerTick(raw, id);
}

TEST_F(Timer, ModuleFormsIgnoreANullTimer) {
  EXPECT_EQ(TimerTickCount(nullptr), 0);
  EXPECT_EQ(AwaitTimerTick(nullptr), 0);
  HaltTimer(nullptr);
}

TEST_F(Timer, WithoutAPlatformNoTimerStarts) {
  InstallTimerPlatform(nullptr);
  EXPECT_EQ(Make(10.0f), nullptr);
}

}  // namespace
