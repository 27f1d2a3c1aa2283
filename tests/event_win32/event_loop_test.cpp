// The program's event loop over the real pump: a hook that tries to take an event, or to wait for a
// key, a character or a button, from inside the pump gets an error naming the call instead of
// spinning there for ever.
#include <gtest/gtest.h>

#include <string>

#include "event/hook.h"
#include "event/input.h"
#include "event/queue.h"
#include "event/win32/system_win32.h"
#include "runtime/text.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

// A way of taking an event or waiting for input, with the name its error carries.
struct Taker {
  const char* name;
  int32_t (*take)();
};

// The hook's context: how it tries to take an event, and what that gave.
class TAttempt : public TObject {
 public:
  explicit TAttempt(const Taker& taker) : taker(taker) {}
  const Taker& taker;
  std::string seen = "the hook never ran";
};

// Ahead of the queue on the event list: runs inside the pump, while the key press is emitted.
Ref<TObject> TakeInsideTheHook(int32_t, const Ref<TObject>& data, const Ref<TObject>& context) {
  auto* event = dynamic_cast<TEvent*>(data.get());
  if (!event || event->id != KeyDown) return data;
  auto* attempt = static_cast<TAttempt*>(context.get());
  try {
    attempt->taker.take();
    attempt->seen = "no error";
  } catch (const TRuntimeError& e) {
    attempt->seen = Utf8(e.Text());
  }
  return data;
}

class EventLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    DrainEverything();
  }
};

TEST_F(EventLoop, TakingAnEventInsideAHookRaisesAndTheLoopGoesOn) {
  const Taker takers[] = {
      {"WaitNextEvent", WaitNextEvent},       {"PollNextEvent", PollNextEvent},
      {"WaitForAnyKey", WaitForAnyKey},       {"WaitForTypedChar", WaitForTypedChar},
      {"WaitForAnyButton", WaitForAnyButton},
  };
  TTestWindow window(100, 100, 100, 100, New<TObject>());
  for (const Taker& taker : takers) {
    SCOPED_TRACE(taker.name);
    Ref<TAttempt> attempt = New<TAttempt>(taker);
    InstallHook(EventHookId, TakeInsideTheHook, attempt, 100);
    PostMessageA(window.hwnd(), WM_KEYDOWN, 'A', 1);
    // The program's own loop: it pumps, the key press reaches the hook, and the loop gets it.
    const int32_t taken = WaitNextEvent();
    UninstallHook(EventHookId, TakeInsideTheHook, attempt);
    EXPECT_EQ(attempt->seen,
              std::string(taker.name) +
                  ": called inside the message pump (from a hook, an event filter or a window procedure), "
                  "where no new event can arrive; take events only in the program's own loop");
    EXPECT_EQ(taken, KeyDown);
    EXPECT_EQ(ActiveEventSource(), window.source());
    DrainEverything();
  }
}

}  // namespace
