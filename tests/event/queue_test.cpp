// The event queue: order, merging, the full ring, counter wrap, taking, peeking and the accessors.
#include "event/queue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "event/handle.h"
#include "event/hook.h"
#include "runtime/text.h"
#include "tests/event/test_system_driver.h"

namespace {

class Queue : public ::testing::Test {
 protected:
  void SetUp() override {
    QueueModuleStart();
    driver = InstallTestSystemDriver();
    ResetEventQueue(0);
    ActiveEvent = EmptyEvent;
  }
  void TearDown() override { ResetEventQueue(0); }

  static Ref<TEvent> Emit(int32_t id, Ref<TObject> source = nullptr, int32_t data = 0) {
    Ref<TEvent> e = MakeEvent(id, std::move(source), data, 0, 0, 0, nullptr);
    e->Emit();
    return e;
  }
  // Ids of every waiting event, taken in order.
  static std::vector<int32_t> TakeAll() {
    std::vector<int32_t> ids;
    while (int32_t id = PollNextEvent()) ids.push_back(id);
    return ids;
  }

  Ref<TTestSystemDriver> driver;
};

using Ids = std::vector<int32_t>;

// A way of taking an event, with the name its errors carry.
struct Taker {
  const char* name;
  void (*take)();
};
const Taker takers[] = {
    {"WaitNextEvent", [] { WaitNextEvent(); }},
    {"PollNextEvent", [] { PollNextEvent(); }},
};

// What a taker raised, or "no error".
std::string ErrorOf(const Taker& taker) {
  try {
    taker.take();
  } catch (const TRuntimeError& e) {
    return Utf8(e.Text());
  }
  return "no error";
}

std::string InsidePumpError(const std::string& name) {
  return name +
         ": called inside the message pump (from a hook, an event filter or a window procedure), where no "
         "new event can arrive; take events only in the program's own loop";
}

TEST_F(Queue, EventsComeOutInEmissionOrderEachOnce) {
  Emit(KeyDown);
  Emit(MouseMove);
  Emit(WindowClose);
  EXPECT_EQ(TakeAll(), (Ids{KeyDown, MouseMove, WindowClose}));
  EXPECT_EQ(PollNextEvent(), 0);
}

TEST_F(Queue, TakenEventIsTheEmittedObject) {
  Ref<TObject> button = New<TObject>();
  Ref<TEvent> e = MakeEvent(GadgetAction, button, 7, 2, 3, 4, MakeText(u"t"));
  e->Emit();
  EXPECT_EQ(WaitNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEvent, e);
  EXPECT_EQ(ActiveEventSource(), button);
  EXPECT_EQ(ActiveEventData(), 7);
  EXPECT_EQ(ActiveEventMods(), 2);
  EXPECT_EQ(ActiveEventX(), 3);
  EXPECT_EQ(ActiveEventY(), 4);
  EXPECT_EQ(ActiveEventExtra(), e->extra);
  EXPECT_EQ(Utf8(ActiveEventText()), "t");
}

TEST_F(Queue, MergesActionsFromSameSource) {
  Ref<TObject> button = New<TObject>();
  Ref<TEvent> first = Emit(GadgetAction, button, 1);
  Ref<TEvent> second = MakeEvent(GadgetAction, button, 2, 1, 5, 6, MakeText(u"second"));
  second->Emit();
  EXPECT_EQ(QueuedEventCount(), 1u);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEventData(), 2);
  EXPECT_EQ(ActiveEventMods(), 1);
  EXPECT_EQ(ActiveEventX(), 5);
  EXPECT_EQ(ActiveEventY(), 6);
  EXPECT_EQ(Utf8(ActiveEventText()), "second");
  EXPECT_EQ(PollNextEvent(), 0);
  // Neither object was written to: either may be one its owner sends again.
  EXPECT_EQ(first->data, 1);
  EXPECT_EQ(first->extra, nullptr);
  EXPECT_EQ(second->data, 2);
}

TEST_F(Queue, ActionsFromDifferentSourcesAreBothQueued) {
  Ref<TObject> ok = New<TObject>(), cancel = New<TObject>();
  Emit(GadgetAction, ok, 1);
  Emit(GadgetAction, cancel, 2);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEventSource(), ok);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEventSource(), cancel);
}

TEST_F(Queue, ActionAfterTheWaitingOneWasTakenIsQueuedAnew) {
  Ref<TObject> button = New<TObject>();
  Emit(GadgetAction, button, 1);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  Emit(GadgetAction, button, 2);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEventData(), 2);
}

TEST_F(Queue, MergedEventKeepsThePlaceOfTheFirst) {
  Ref<TObject> window = New<TObject>();
  Emit(WindowMove, window, 1);
  Emit(KeyDown);
  Emit(WindowMove, window, 2);
  EXPECT_EQ(PollNextEvent(), WindowMove);
  EXPECT_EQ(ActiveEventData(), 2);
  EXPECT_EQ(TakeAll(), (Ids{KeyDown}));
}

TEST_F(Queue, MergesMovesSizesAndTicksOfOneSource) {
  Ref<TObject> window = New<TObject>(), timer = New<TObject>();
  for (int32_t n = 1; n <= 3; ++n) {
    Emit(WindowMove, window, n);
    Emit(WindowSize, window, n);
    Emit(TimerTick, timer, n);
  }
  EXPECT_EQ(TakeAll(), (Ids{WindowMove, WindowSize, TimerTick}));
  // Events without a source merge with each other too.
  Emit(TimerTick, nullptr, 1);
  Emit(TimerTick, nullptr, 2);
  EXPECT_EQ(QueuedEventCount(), 1u);
}

TEST_F(Queue, OtherKindsAreNeverMerged) {
  Ref<TObject> window = New<TObject>();
  Emit(WindowClose, window);
  Emit(WindowClose, window);
  Emit(KeyDown, window, 0x41);
  Emit(KeyDown, window, 0x41);
  Emit(MouseMove, window);
  Emit(MouseMove, window);
  Emit(GadgetSelect, window);
  Emit(GadgetSelect, window);
  EXPECT_EQ(TakeAll(), (Ids{WindowClose, WindowClose, KeyDown, KeyDown, MouseMove, MouseMove, GadgetSelect,
                            GadgetSelect}));
}

TEST_F(Queue, DropsThe257thEventAndTakesOneAgainAfterATake) {
  std::vector<Ref<TObject>> sources;
  for (int32_t n = 0; n < 256; ++n) {
    sources.push_back(New<TObject>());
    Emit(KeyDown, sources.back(), n);
  }
  EXPECT_EQ(QueuedEventCount(), 256u);
  Emit(KeyUp, nullptr, 999);
  EXPECT_EQ(QueuedEventCount(), 256u);
  EXPECT_EQ(PollNextEvent(), KeyDown);
  EXPECT_EQ(ActiveEventData(), 0);
  Emit(KeyChar, nullptr, 1000);
  EXPECT_EQ(QueuedEventCount(), 256u);
  for (int32_t n = 1; n < 256; ++n) {
    ASSERT_EQ(PollNextEvent(), KeyDown);
    ASSERT_EQ(ActiveEventData(), n);
  }
  EXPECT_EQ(PollNextEvent(), KeyChar);
  EXPECT_EQ(ActiveEventData(), 1000);
  EXPECT_EQ(PollNextEvent(), 0);
}

TEST_F(Queue, FullQueueStillAbsorbsMergingEvents) {
  Ref<TObject> button = New<TObject>();
  Emit(GadgetAction, button, 1);
  for (int32_t n = 1; n < 256; ++n) Emit(KeyDown, nullptr, n);
  Emit(GadgetAction, button, 2);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEventData(), 2);
}

TEST_F(Queue, CountersKeepWorkingPastTheirWrap) {
  ResetEventQueue(0xFFFFFFF0u);
  for (int32_t n = 0; n < 40; ++n) Emit(KeyDown, nullptr, n);
  EXPECT_EQ(QueuedEventCount(), 40u);
  for (int32_t n = 0; n < 40; ++n) {
    ASSERT_EQ(PollNextEvent(), KeyDown);
    ASSERT_EQ(ActiveEventData(), n);
  }
  EXPECT_EQ(PollNextEvent(), 0);
}

TEST_F(Queue, FullRingIsRecognisedAcrossTheWrap) {
  ResetEventQueue(0xFFFFFF80u);
  for (int32_t n = 0; n < 257; ++n) Emit(KeyDown, nullptr, n);
  EXPECT_EQ(QueuedEventCount(), 256u);
  Ref<TObject> button = New<TObject>();
  EXPECT_EQ(PollNextEvent(), KeyDown);
  Emit(GadgetAction, button, 1);
  // Merging scans the waiting events across the wrap as well.
  Emit(GadgetAction, button, 2);
  for (int32_t n = 1; n < 256; ++n) ASSERT_EQ(PollNextEvent(), KeyDown);
  EXPECT_EQ(PollNextEvent(), GadgetAction);
  EXPECT_EQ(ActiveEventData(), 2);
}

TEST_F(Queue, PollOnAnEmptyQueuePumpsOnceAndResetsTheActiveEvent) {
  Emit(KeyDown, nullptr, 5);
  EXPECT_EQ(PollNextEvent(), KeyDown);
  EXPECT_EQ(driver->polls, 0);
  EXPECT_EQ(PollNextEvent(), 0);
  EXPECT_EQ(driver->polls, 1);
  EXPECT_EQ(ActiveEvent, EmptyEvent);
  EXPECT_EQ(ActiveEventId(), 0);
  EXPECT_EQ(ActiveEventData(), 0);
  EXPECT_EQ(ActiveEventSource(), nullptr);
  EXPECT_EQ(ActiveEventSourceHandle(), 0);
  EXPECT_EQ(ActiveEventText(), u"");
}

TEST_F(Queue, PollTakesWhatThePumpEmitted) {
  driver->Script([] { Emit(KeyChar, nullptr, 'a'); });
  EXPECT_EQ(PollNextEvent(), KeyChar);
  EXPECT_EQ(ActiveEventData(), 'a');
}

TEST_F(Queue, PeekLeavesTheQueueAndTheActiveEvent) {
  Emit(KeyDown, nullptr, 1);
  EXPECT_EQ(PollNextEvent(), KeyDown);
  Ref<TEvent> active = ActiveEvent;
  Ref<TEvent> waiting = Emit(KeyUp, nullptr, 2);
  EXPECT_EQ(PeekNextEvent(), waiting);
  EXPECT_EQ(PeekNextEvent(), waiting);
  EXPECT_EQ(ActiveEvent, active);
  EXPECT_EQ(QueuedEventCount(), 1u);
  EXPECT_EQ(driver->polls, 0);
}

TEST_F(Queue, PeekOnAnEmptyQueuePumpsAndFindsNothingOrTheNewEvent) {
  EXPECT_EQ(PeekNextEvent(), nullptr);
  EXPECT_EQ(driver->polls, 1);
  driver->Script([] { Emit(WindowClose); });
  Ref<TEvent> e = PeekNextEvent();
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->id, WindowClose);
  EXPECT_EQ(ActiveEvent, EmptyEvent);
}

TEST_F(Queue, WaitSleepsInTheDriverUntilAnEventArrives) {
  driver->Script([] {});
  driver->Script([] { Emit(MouseDown, nullptr, 1); });
  EXPECT_EQ(WaitNextEvent(), MouseDown);
  EXPECT_EQ(driver->waits, 2);
  EXPECT_EQ(driver->polls, 0);
}

TEST_F(Queue, WaitDoesNotSleepWhileAnEventWaits) {
  Emit(KeyUp);
  EXPECT_EQ(WaitNextEvent(), KeyUp);
  EXPECT_EQ(driver->waits, 0);
}

TEST_F(Queue, TakingAnEventInsideAPumpRaisesAndLeavesTheWaitingEvents) {
  for (const Taker& taker : takers) {
    SCOPED_TRACE(taker.name);
    // Even with an event waiting: a loop of these inside a hook would drain it and then spin.
    Emit(KeyDown);
    std::string seen = "never ran";
    driver->Script([&] { seen = ErrorOf(taker); });
    PumpSystem();
    EXPECT_EQ(seen, InsidePumpError(taker.name));
    EXPECT_EQ(TakeAll(), (Ids{KeyDown}));
  }
}

TEST_F(Queue, TakingReleasesTheSlotAndThePreviousActiveEvent) {
  Ref<TEvent> e = MakeEvent(KeyDown, nullptr, 0, 0, 0, 0, nullptr);
  e->Emit();
  EXPECT_EQ(e->RefCount(), 2);
  PollNextEvent();
  EXPECT_EQ(e->RefCount(), 2);
  PollNextEvent();
  EXPECT_EQ(e->RefCount(), 1);
  e->Emit();
  ResetEventQueue(7);
  EXPECT_EQ(e->RefCount(), 1);
}

TEST_F(Queue, IgnoresObjectsThatAreNotEventsAndPassesNullOn) {
  EXPECT_EQ(CallHooks(EventHookId, MakeText(u"not an event")), nullptr);
  EXPECT_EQ(CallHooks(EventHookId, nullptr), nullptr);
  EXPECT_EQ(QueuedEventCount(), 0u);
}

struct Special : TEvent {};

TEST_F(Queue, QueuesEventsOfDerivedClasses) {
  Ref<TEvent> e = New<Special>();
  e->id = WindowClose;
  e->Emit();
  EXPECT_EQ(PollNextEvent(), WindowClose);
  EXPECT_EQ(ActiveEvent, e);
}

TEST_F(Queue, HookAheadOfTheQueueCanSwallowAnEvent) {
  auto swallowCloses = [](int32_t, const Ref<TObject>& data, const Ref<TObject>&) -> Ref<TObject> {
    auto* e = static_cast<TEvent*>(data.get());
    return e->id == WindowClose ? nullptr : data;
  };
  InstallHook(EventHookId, swallowCloses, nullptr, 1);
  Emit(WindowClose);
  Emit(KeyDown);
  UninstallHook(EventHookId, swallowCloses, nullptr);
  Emit(WindowClose);
  EXPECT_EQ(TakeAll(), (Ids{KeyDown, WindowClose}));
}

TEST_F(Queue, SourceHandleIsStablePerObjectAndNamesIt) {
  Ref<TObject> a = New<TObject>(), b = New<TObject>();
  Emit(KeyDown, a);
  Emit(KeyDown, b);
  Emit(KeyDown, a);
  PollNextEvent();
  int32_t ha = ActiveEventSourceHandle();
  PollNextEvent();
  int32_t hb = ActiveEventSourceHandle();
  PollNextEvent();
  EXPECT_NE(ha, 0);
  EXPECT_NE(ha, hb);
  EXPECT_EQ(ActiveEventSourceHandle(), ha);
  EXPECT_EQ(HandleObject(ha), a);
  EXPECT_EQ(HandleObject(hb), b);
  ReleaseObjectHandle(ha);
  EXPECT_EQ(HandleObject(ha), nullptr);
  EXPECT_NE(ObjectHandle(a), ha);
}

TEST_F(Queue, QueueHookRunsAtItsOwnPriorityOnTheEventList) {
  int found = 0;
  for (Ref<THook> h = HookListHead(EventHookId); h; h = h->succ)
    if (h->func == QueueHook) {
      ++found;
      EXPECT_EQ(h->priority, -10000);
    }
  EXPECT_EQ(found, 1);
}

// Every other test here starts the queue, so the child is a fresh run of this test alone.
TEST(QueueNotStarted, TakingPeekingOrReadingRaisesAndNamesTheStartToCall) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Reading the active event before there is a queue would follow a null event.
  const Taker calls[] = {takers[0],
                         takers[1],
                         {"PeekNextEvent", [] { PeekNextEvent(); }},
                         {"ActiveEventId", [] { ActiveEventId(); }},
                         {"ActiveEventData", [] { ActiveEventData(); }},
                         {"ActiveEventMods", [] { ActiveEventMods(); }},
                         {"ActiveEventX", [] { ActiveEventX(); }},
                         {"ActiveEventY", [] { ActiveEventY(); }},
                         {"ActiveEventExtra", [] { ActiveEventExtra(); }},
                         {"ActiveEventText", [] { ActiveEventText(); }},
                         {"ActiveEventSource", [] { ActiveEventSource(); }},
                         {"ActiveEventSourceHandle", [] { ActiveEventSourceHandle(); }}};
  std::string expected;
  for (const Taker& c : calls)
    expected += std::string(c.name) + ": the event queue is not started (call Win32GuiModuleStart, or " +
                "QueueModuleStart, first)\n";
  EXPECT_EXIT(
      {
        std::string seen;
        for (const Taker& c : calls) seen += ErrorOf(c) + "\n";
        std::fputs(seen.c_str(), stderr);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), testing::HasSubstr(expected));
}

}  // namespace
