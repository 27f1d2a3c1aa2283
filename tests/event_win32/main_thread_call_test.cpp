// Calls carried to the main thread: from other threads, inside a message box's own loop, in
// posting order; background calls; and pumps asked for from inside a pump.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "event/hook.h"
#include "event/queue.h"
#include "event/win32/system_win32.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

struct TCallLog {
  std::vector<std::string> entries;
  std::vector<DWORD> threads;
  bool boxWasOpen = false;
};

void Record(void* log, intptr_t data) {
  auto* l = static_cast<TCallLog*>(log);
  l->entries.push_back("call" + std::to_string(data));
  l->threads.push_back(GetCurrentThreadId());
}

class MainThreadCall : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    DrainEverything();
  }
};

TEST_F(MainThreadCall, CallPostedFromAnotherThreadRunsOnTheMainThreadInOrder) {
  TCallLog log;
  {
    THelperThread helper([&] {
      for (int i = 1; i <= 3; ++i) EXPECT_TRUE(PostMainThreadCall(Record, &log, i));
    });
  }
  EXPECT_TRUE(log.entries.empty());
  for (int i = 0; i < 20 && log.entries.size() < 3; ++i) AwaitSystem();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"call1", "call2", "call3"}));
  for (DWORD t : log.threads) EXPECT_EQ(t, GetCurrentThreadId());
  EXPECT_EQ(MainThreadId, GetCurrentThreadId());
}

void CloseTheBox(void* log, intptr_t) {
  auto* l = static_cast<TCallLog*>(log);
  l->threads.push_back(GetCurrentThreadId());
  HWND box = FindWindowA("#32770", TestBoxTitle);
  l->boxWasOpen = box != nullptr;
  if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(MainThreadCall, PostedCallRunsWhileAMessageBoxIsOpen) {
  TCallLog log;
  THelperThread helper([&] {
    if (FindTestBox()) PostMainThreadCall(CloseTheBox, &log, 0);
  });
  Notify(u"a call closes this box", 0);
  ASSERT_EQ(log.threads.size(), 1u);
  EXPECT_EQ(log.threads[0], GetCurrentThreadId());
  EXPECT_TRUE(log.boxWasOpen);
}

TCallLog* nestedLog = nullptr;
void PumpFromInsideAPump(void*, intptr_t) {
  nestedLog->entries.push_back("outer begins");
  PumpSystem();
  AwaitSystem();
  nestedLog->entries.push_back("outer ends");
}

TEST_F(MainThreadCall, PumpAskedForInsideAPostedCallReturnsAtOnce) {
  TCallLog log;
  nestedLog = &log;
  PostMainThreadCall(PumpFromInsideAPump, nullptr, 0);
  PostMainThreadCall(Record, &log, 2);
  PumpSystem();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"outer begins", "outer ends", "call2"}));
}

Ref<TObject> PumpingHook(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  auto* e = dynamic_cast<TEvent*>(data.get());
  if (e && e->id == AppTerminate) {
    nestedLog->entries.push_back("hook begins");
    PumpSystem();
    nestedLog->entries.push_back("hook ends");
  }
  return data;
}

TEST_F(MainThreadCall, PumpAskedForInsideAnEventHookReturnsAtOnce) {
  TTestWindow window(100, 100, 100, 100, New<TObject>());
  TCallLog log;
  nestedLog = &log;
  InstallHook(EventHookId, PumpingHook, nullptr, 100);
  PostMessageA(window.hwnd(), WM_CLOSE, 0, 0);
  PostMainThreadCall(Record, &log, 7);
  PumpSystem();
  UninstallHook(EventHookId, PumpingHook, nullptr);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"hook begins", "hook ends", "call7"}));
}

TEST_F(MainThreadCall, CallsPostedFromTheMainThreadItselfWaitForThePump) {
  TCallLog log;
  PostMainThreadCall(Record, &log, 1);
  EXPECT_TRUE(log.entries.empty());
  PumpSystem();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"call1"}));
}

// What a window got of the call message's number, as its lParam.
LPARAM windowGotCallNumber = 0;
LRESULT CALLBACK NoteCallNumber(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MainThreadCallMessage) windowGotCallNumber = lParam;
  return DefWindowProcA(window, message, wParam, lParam);
}

// Private window message that happens to share the call message's number: it stays the
// window's, and calls posted around it still run.
TEST_F(MainThreadCall, WindowMessageWithTheCallNumberIsNotTakenForACall) {
  TTestWindow window(100, 100, 100, 100, New<TObject>());
  const LONG_PTR previous =
      SetWindowLongPtrA(window.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteCallNumber));
  windowGotCallNumber = 0;
  TCallLog log;
  PostMainThreadCall(Record, &log, 1);
  PostMessageA(window.hwnd(), MainThreadCallMessage, 0, 0x12345678);
  PostMainThreadCall(Record, &log, 2);
  PumpSystem();
  SetWindowLongPtrA(window.hwnd(), GWLP_WNDPROC, previous);
  EXPECT_EQ(windowGotCallNumber, 0x12345678);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"call1", "call2"}));
}

struct TCountedResult : TObject {
  static inline int alive = 0;
  TCountedResult() { ++alive; }
  ~TCountedResult() override { --alive; }
  intptr_t result = 0;
  DWORD ranOn = 0;
};

intptr_t Square(intptr_t x) { return x * x; }
void StoreResult(void* obj, intptr_t data) {
  auto* r = static_cast<TCountedResult*>(obj);
  r->result = data;
  r->ranOn = GetCurrentThreadId();
}

TEST_F(MainThreadCall, BackgroundCallResultArrivesOnTheMainThreadAndReleasesItsObject) {
  Ref<TCountedResult> target = New<TCountedResult>();
  TCountedResult* raw = target.get();
  ASSERT_TRUE(StartBackgroundCall(Square, 12, StoreResult, target));
  EXPECT_EQ(raw->RefCount(), 2);
  for (int i = 0; i < 50 && raw->result == 0; ++i) {
    Sleep(10);
    PumpSystem();
  }
  EXPECT_EQ(raw->result, 144);
  EXPECT_EQ(raw->ranOn, GetCurrentThreadId());
  EXPECT_EQ(raw->RefCount(), 1);
}

}  // namespace
