// Polled input state: key, button, character and pointer tallies fed with synthetic events.
#include "event/input.h"

#include <gtest/gtest.h>

#include <string>

#include "event/event.h"
#include "event/hook.h"
#include "event/queue.h"
#include "runtime/text.h"
#include "tests/event/test_system_driver.h"

namespace {

constexpr int32_t KeyA = 0x41, KeyB = 0x42;

void Send(int32_t id, int32_t data = 0, Ref<TObject> source = nullptr, int32_t x = 0, int32_t y = 0) {
  MakeEvent(id, std::move(source), data, 0, x, y, nullptr)->Emit();
}

int TrackerHooksInstalled() {
  int n = 0;
  for (Ref<THook> h = HookListHead(EventHookId); h; h = h->succ) n += h->func == InputTrackerHook;
  return n;
}

class Input : public ::testing::Test {
 protected:
  void SetUp() override {
    InputModuleStart();
    QueueModuleStart();
    driver = InstallTestSystemDriver();
    AttachInputTracker(nullptr);
    ResetEventQueue(0);
  }
  void TearDown() override {
    DetachInputTracker();
    ResetEventQueue(0);
  }
  Ref<TTestSystemDriver> driver;
};

TEST_F(Input, CountsPressesSinceLastAskedAndResets) {
  Send(KeyDown, KeyA);
  EXPECT_EQ(KeyIsDown(KeyA), 1);
  Send(KeyUp, KeyA);
  Send(KeyDown, KeyA);
  Send(KeyUp, KeyA);
  EXPECT_EQ(KeyIsDown(KeyA), 0);
  EXPECT_EQ(KeyHitCount(KeyA), 2);
  EXPECT_EQ(KeyHitCount(KeyA), 0);
  EXPECT_EQ(KeyHitCount(KeyB), 0);
}

TEST_F(Input, HeldKeyCountsOneHit) {
  Send(KeyDown, KeyA);
  Send(KeyRepeat, KeyA);
  Send(KeyDown, KeyA);
  Send(KeyRepeat, KeyA);
  EXPECT_EQ(KeyHitCount(KeyA), 1);
  EXPECT_EQ(KeyIsDown(KeyA), 1);
}

TEST_F(Input, KeysAndButtonsOutOfRangeAreIgnored) {
  Send(KeyDown, 256);
  Send(KeyDown, -1);
  Send(KeyUp, 1000);
  Send(MouseDown, 4);
  Send(MouseDown, -2);
  EXPECT_EQ(KeyIsDown(256), 0);
  EXPECT_EQ(KeyHitCount(-1), 0);
  EXPECT_EQ(ButtonIsDown(4), 0);
  EXPECT_EQ(ButtonHitCount(-2), 0);
  for (int32_t key = 0; key < 256; ++key) ASSERT_EQ(KeyHitCount(key), 0) << key;
}

TEST_F(Input, ButtonsTallyLikeKeys) {
  Send(MouseDown, 2);
  Send(MouseDown, 2);
  EXPECT_EQ(ButtonIsDown(2), 1);
  Send(MouseUp, 2);
  Send(MouseDown, 3);
  EXPECT_EQ(ButtonIsDown(2), 0);
  EXPECT_EQ(ButtonHitCount(2), 1);
  EXPECT_EQ(ButtonHitCount(2), 0);
  EXPECT_EQ(ButtonHitCount(3), 1);
  EXPECT_EQ(ButtonIsDown(1), 0);
}

TEST_F(Input, TypedCharactersComeBackInOrder) {
  Send(KeyChar, 'a');
  Send(KeyChar, 'b');
  EXPECT_EQ(NextTypedChar(), 'a');
  EXPECT_EQ(NextTypedChar(), 'b');
  EXPECT_EQ(NextTypedChar(), 0);
}

TEST_F(Input, FullCharacterQueueDropsFurtherCharacters) {
  for (int32_t c = 1; c <= 300; ++c) Send(KeyChar, c);
  for (int32_t c = 1; c <= 256; ++c) ASSERT_EQ(NextTypedChar(), c);
  EXPECT_EQ(NextTypedChar(), 0);
  // The ring is usable again once read, past its wrap.
  for (int32_t c = 1; c <= 100; ++c) Send(KeyChar, c);
  for (int32_t c = 1; c <= 100; ++c) ASSERT_EQ(NextTypedChar(), c);
}

TEST_F(Input, PointerFollowsMovesAndSumsTheWheel) {
  Send(MouseMove, 0, nullptr, 10, -20);
  Send(MouseWheel, 3);
  Send(MouseWheel, -1);
  EXPECT_EQ(PointerX(), 10);
  EXPECT_EQ(PointerY(), -20);
  EXPECT_EQ(PointerZ(), 2);
  Send(MouseDown, 1);
  ClearPointerState();
  EXPECT_EQ(PointerZ(), 0);
  EXPECT_EQ(ButtonIsDown(1), 0);
  EXPECT_EQ(ButtonHitCount(1), 0);
  EXPECT_EQ(PointerX(), 10);
  EXPECT_EQ(PointerY(), -20);
}

TEST_F(Input, ClearKeyStateForgetsKeysAndCharacters) {
  Send(KeyDown, KeyA);
  Send(KeyChar, 'a');
  Send(MouseDown, 1);
  ClearKeyState();
  EXPECT_EQ(KeyIsDown(KeyA), 0);
  EXPECT_EQ(KeyHitCount(KeyA), 0);
  EXPECT_EQ(NextTypedChar(), 0);
  EXPECT_EQ(ButtonIsDown(1), 1);
  // A key still physically held is pressed anew once it is released and pressed again.
  Send(KeyDown, KeyA);
  EXPECT_EQ(KeyHitCount(KeyA), 1);
}

TEST_F(Input, SuspendAndResumeClearHeldKeysAndButtons) {
  Send(KeyDown, KeyA);
  Send(MouseDown, 1);
  Send(MouseWheel, 4);
  Send(AppSuspend);
  EXPECT_EQ(KeyIsDown(KeyA), 0);
  EXPECT_EQ(ButtonIsDown(1), 0);
  EXPECT_EQ(PointerZ(), 0);
  EXPECT_EQ(AppIsSuspended(), 1);
  Send(KeyDown, KeyB);
  Send(KeyChar, 'b');
  Send(AppResume);
  EXPECT_EQ(AppIsSuspended(), 0);
  EXPECT_EQ(KeyIsDown(KeyB), 0);
  EXPECT_EQ(KeyHitCount(KeyB), 0);
  EXPECT_EQ(NextTypedChar(), 0);
}

TEST_F(Input, SuspendSeenByTheHookDoesNotPumpFromInsideTheChain) {
  driver->Script([] { Send(KeyDown, KeyB); });
  int pollsBefore = driver->polls;
  Send(AppSuspend);
  EXPECT_EQ(driver->polls, pollsBefore);
  // The queue got the suspension, and nothing emitted ahead of it.
  EXPECT_EQ(PollNextEvent(), AppSuspend);
  EXPECT_EQ(QueuedEventCount(), 0u);
}

TEST_F(Input, CloseRequestIsReportedOnce) {
  EXPECT_EQ(AppCloseRequested(), 0);
  Send(AppTerminate);
  EXPECT_EQ(AppCloseRequested(), 1);
  EXPECT_EQ(AppCloseRequested(), 0);
}

TEST_F(Input, QueriesPumpSoTheyReflectWaitingMessages) {
  driver->Script([] { Send(KeyDown, KeyA); });
  int pollsBefore = driver->polls;
  EXPECT_EQ(KeyIsDown(KeyA), 1);
  EXPECT_EQ(driver->polls, pollsBefore + 1);
  driver->Script([] { Send(KeyChar, 'z'); });
  EXPECT_EQ(NextTypedChar(), 'z');
}

TEST_F(Input, TrackerOnlyObservesSoTheQueueStillGetsTheEvent) {
  Ref<TEvent> e = MakeEvent(KeyDown, nullptr, KeyA, 0, 0, 0, nullptr);
  e->Emit();
  EXPECT_EQ(PollNextEvent(), KeyDown);
  EXPECT_EQ(ActiveEvent, e);
  EXPECT_EQ(ActiveEventData(), KeyA);
  EXPECT_EQ(KeyHitCount(KeyA), 1);
}

TEST_F(Input, TrackerRunsAheadOfTheQueue) {
  ASSERT_EQ(TrackerHooksInstalled(), 1);
  bool trackerSeen = false;
  for (Ref<THook> h = HookListHead(EventHookId); h; h = h->succ) {
    if (h->func == InputTrackerHook) {
      trackerSeen = true;
      EXPECT_EQ(h->priority, 0);
    }
    if (h->func == QueueHook) {
      EXPECT_TRUE(trackerSeen);
    }
  }
}

TEST_F(Input, AttachingTwiceInstallsOneHookAndDetachingRemovesIt) {
  AttachInputTracker(nullptr);
  EXPECT_EQ(TrackerHooksInstalled(), 1);
  DetachInputTracker();
  EXPECT_EQ(TrackerHooksInstalled(), 0);
  DetachInputTracker();
  Send(KeyDown, KeyA);
  AttachInputTracker(nullptr);
  EXPECT_EQ(KeyHitCount(KeyA), 0);
}

TEST_F(Input, AttachedToASourceIgnoresOtherSourcesWhichStillReachTheQueue) {
  DetachInputTracker();
  Ref<TObject> mine = New<TObject>(), other = New<TObject>();
  AttachInputTracker(mine);
  int32_t x = PointerX();
  Send(KeyDown, KeyA, other);
  Send(MouseMove, 0, other, x + 5, 5);
  Send(AppTerminate, 0, other);
  EXPECT_EQ(KeyIsDown(KeyA), 0);
  EXPECT_EQ(PointerX(), x);
  EXPECT_EQ(AppCloseRequested(), 0);
  EXPECT_EQ(QueuedEventCount(), 3u);
  Send(KeyDown, KeyA, mine);
  EXPECT_EQ(KeyIsDown(KeyA), 1);
  DetachInputTracker();
  // Detached: every source is watched again once reattached without one.
  AttachInputTracker(nullptr);
  Send(KeyDown, KeyB, other);
  EXPECT_EQ(KeyIsDown(KeyB), 1);
}

TEST_F(Input, WaitForAnyKeyReturnsTheLowestKeyPressedAfterTheCall) {
  Send(KeyDown, 0x30);
  driver->Script([] {});  // the clearing pump
  driver->Script([] {});  // a message that is no key
  driver->Script([] {
    Send(KeyDown, KeyB);
    Send(KeyDown, KeyA);
  });
  EXPECT_EQ(WaitForAnyKey(), KeyA);
  EXPECT_EQ(driver->waits, 2);
  // Only the key returned was read.
  EXPECT_EQ(KeyHitCount(KeyB), 1);
}

TEST_F(Input, WaitForTypedCharReturnsTheFirstCharacterTypedAfterTheCall) {
  Send(KeyChar, 'x');
  driver->Script([] {});
  driver->Script([] {
    Send(KeyChar, 'q');
    Send(KeyChar, 'r');
  });
  EXPECT_EQ(WaitForTypedChar(), 'q');
  EXPECT_EQ(NextTypedChar(), 'r');
}

TEST_F(Input, WaitForAnyButtonReturnsTheLowestButtonPressedAfterTheCall) {
  Send(MouseDown, 1);
  Send(MouseUp, 1);
  driver->Script([] {});
  driver->Script([] { Send(MouseDown, 3); });
  EXPECT_EQ(WaitForAnyButton(), 3);
  EXPECT_EQ(ButtonHitCount(1), 0);
}

TEST_F(Input, WaitingInsideAPumpRaisesNamingTheCallAndKeepsTheTallies) {
  struct Waiter {
    const char* name;
    int32_t (*wait)();
  };
  const Waiter waiters[] = {
      {"WaitForAnyKey", WaitForAnyKey},
      {"WaitForTypedChar", WaitForTypedChar},
      {"WaitForAnyButton", WaitForAnyButton},
  };
  for (const Waiter& waiter : waiters) {
    SCOPED_TRACE(waiter.name);
    std::string seen = "the step never ran";
    // Inside the pump no new key, character or click can arrive: the wait could only spin.
    driver->Script([&] {
      Send(KeyDown, KeyA);
      Send(KeyChar, 'a');
      Send(MouseDown, 1);
      try {
        seen = "returned " + std::to_string(waiter.wait());
      } catch (const TRuntimeError& e) {
        seen = Utf8(e.Text());
      }
    });
    PumpSystem();
    EXPECT_EQ(seen, std::string(waiter.name) +
                        ": called inside the message pump (from a hook, an event filter or a window "
                        "procedure), where no new event can arrive; take events only in the program's own "
                        "loop");
    EXPECT_EQ(KeyHitCount(KeyA), 1);
    EXPECT_EQ(NextTypedChar(), 'a');
    EXPECT_EQ(ButtonHitCount(1), 1);
    Send(KeyUp, KeyA);
    Send(MouseUp, 1);
  }
}

}  // namespace
