// The program's event loop over the real pump: a hook that tries to take an event from inside the
// pump gets an error naming the call instead of spinning there for ever.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "event/hook.h"
#include "event/queue.h"
#include "event/win32/system_win32.h"
#include "runtime/text.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

// Ends the test run with a message when it is not dismissed in time: a wait that never returns
// becomes a failure instead of a hang.
class TWatchdog {
 public:
  explicit TWatchdog(const char* what) : what_(what) {
    done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
  }
  ~TWatchdog() {
    SetEvent(done_);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(done_);
  }
  TWatchdog(const TWatchdog&) = delete;
  TWatchdog& operator=(const TWatchdog&) = delete;

 private:
  static DWORD WINAPI Watch(LPVOID self) {
    auto* dog = static_cast<TWatchdog*>(self);
    if (WaitForSingleObject(dog->done_, 20000) == WAIT_TIMEOUT) {
      std::fprintf(stderr, "%s never returned\n", dog->what_);
      std::fflush(stderr);
      ExitProcess(1);
    }
    return 0;
  }
  const char* what_;
  HANDLE done_ = nullptr;
  HANDLE thread_ = nullptr;
};

struct Taker {
  const char* name;
  void (*take)();
};

// What the hook saw when it tried to take an event, for the key press it was called with.
struct THookRun {
  const Taker* taker = nullptr;
  std::string seen = "the hook never ran";
};
THookRun hookRun;

// Ahead of the queue on the event list: runs inside the pump, while the key press is emitted.
Ref<TObject> TakeInsideTheHook(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  auto* event = dynamic_cast<TEvent*>(data.get());
  if (!event || event->id != KeyDown) return data;
  try {
    hookRun.taker->take();
    hookRun.seen = "no error";
  } catch (const TRuntimeError& e) {
    hookRun.seen = Narrow(e.Text());
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
      {"WaitNextEvent", [] { WaitNextEvent(); }},
      {"PollNextEvent", [] { PollNextEvent(); }},
  };
  TTestWindow window(100, 100, 100, 100, New<TObject>());
  for (const Taker& taker : takers) {
    SCOPED_TRACE(taker.name);
    hookRun = THookRun{&taker};
    InstallHook(EventHookId, TakeInsideTheHook, nullptr, 100);
    PostMessageA(window.hwnd(), WM_KEYDOWN, 'A', 1);
    int32_t taken = 0;
    {
      TWatchdog dog(taker.name);
      // The program's own loop: it pumps, the key press reaches the hook, and the loop gets it.
      taken = WaitNextEvent();
    }
    UninstallHook(EventHookId, TakeInsideTheHook, nullptr);
    EXPECT_EQ(hookRun.seen,
              std::string(taker.name) +
                  ": called inside the message pump (from a hook, an event filter or a window procedure), "
                  "where no new event can arrive; take events only in the program's own loop");
    EXPECT_EQ(taken, KeyDown);
    EXPECT_EQ(ActiveEventSource(), window.source());
    DrainEverything();
  }
}

}  // namespace
