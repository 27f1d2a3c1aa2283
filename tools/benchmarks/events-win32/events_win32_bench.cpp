// Times one call posted from another thread until it has run on the main thread, beside a raw
// thread message taken by GetMessageW, and counts how often an idle event wait wakes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "event/event.h"
#include "event/queue.h"
#include "event/win32/system_win32.h"

namespace {

constexpr int RoundTrips = 400;
constexpr int Runs = 25;
constexpr UINT RawMessage = WM_APP + 1;

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A helper thread that, each time it is woken, sends one message to the main thread: either a
// posted call or a raw thread message.
struct TPinger {
  HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE thread = nullptr;
  bool raw = false;
  volatile LONG stop = 0;
};

// Touched only on the main thread: the calls run there.
LONG callsRun = 0;
void CountCall(void*, intptr_t) { ++callsRun; }

DWORD WINAPI Pinger(LPVOID parameter) {
  auto* p = static_cast<TPinger*>(parameter);
  for (;;) {
    WaitForSingleObject(p->wake, INFINITE);
    if (p->stop) return 0;
    if (p->raw) {
      PostThreadMessageW(MainThreadId, RawMessage, 0, 0);
    } else {
      PostMainThreadCall(CountCall, nullptr, 0);
    }
  }
}

// Seconds per round trip: wake the helper, let it post, wait on the main thread until it arrived.
double Ours(TPinger& p) {
  p.raw = false;
  const double start = Now();
  for (int i = 0; i < RoundTrips; ++i) {
    const LONG before = callsRun;
    SetEvent(p.wake);
    while (callsRun == before) AwaitSystem();
  }
  return (Now() - start) / RoundTrips;
}

double Anchor(TPinger& p) {
  p.raw = true;
  const double start = Now();
  MSG msg;
  for (int i = 0; i < RoundTrips; ++i) {
    SetEvent(p.wake);
    while (GetMessageW(&msg, nullptr, 0, 0) && msg.message != RawMessage) DispatchMessageW(&msg);
  }
  return (Now() - start) / RoundTrips;
}

// The same raw thread message through the pump's own platform calls: sleep in
// MsgWaitForMultipleObjects, then take messages with PeekMessageW until none is left.
double RawThroughPump(TPinger& p) {
  p.raw = true;
  const double start = Now();
  MSG msg;
  for (int i = 0; i < RoundTrips; ++i) {
    SetEvent(p.wake);
    for (bool arrived = false; !arrived;) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == RawMessage) arrived = true;
        DispatchMessageW(&msg);
      }
    }
  }
  return (Now() - start) / RoundTrips;
}

// Counts how often the installed driver sleeps, forwarding everything to it.
class TCountingDriver : public TSystemDriver {
 public:
  explicit TCountingDriver(Ref<TSystemDriver> inner) : inner_(std::move(inner)) {}
  int32_t Poll() override { return inner_->Poll(); }
  int32_t Wait() override {
    ++waits;
    return inner_->Wait();
  }
  int waits = 0;

 private:
  Ref<TSystemDriver> inner_;
};

constexpr DWORD IdleMillis = 500;

void EmitWake(void*, intptr_t) { MakeEvent(AppResume, nullptr, 0, 0, 0, 0, nullptr)->Emit(); }

DWORD WINAPI LateWaker(LPVOID) {
  Sleep(IdleMillis);
  PostMainThreadCall(EmitWake, nullptr, 0);
  return 0;
}

// One event wait with nothing to do for IdleMillis, ended by a call from another thread.
void IdleWait() {
  HANDLE waker = CreateThread(nullptr, 0, LateWaker, nullptr, 0, nullptr);
  while (WaitNextEvent() != AppResume) {
  }
  WaitForSingleObject(waker, INFINITE);
  CloseHandle(waker);
}

}  // namespace

int main() {
  Win32SystemModuleStart();
  QueueModuleStart();
  TPinger pinger;
  pinger.thread = CreateThread(nullptr, 0, Pinger, &pinger, 0, nullptr);

  // Alternating runs, best of each, so a busy machine disturbs both alike.
  double ours = 1e9, anchor = 1e9, pumpOnly = 1e9;
  for (int run = 0; run < Runs; ++run) {
    ours = std::min(ours, Ours(pinger));
    anchor = std::min(anchor, Anchor(pinger));
    pumpOnly = std::min(pumpOnly, RawThroughPump(pinger));
  }
  std::printf(
      "cross-thread call until run on the main thread: %.2f us vs %.2f us raw PostThreadMessageW/GetMessageW "
      "... ratio %.2f\n",
      ours * 1e6, anchor * 1e6, ours / anchor);

  // What the call record itself costs: the same pump calls carrying a bare thread message.
  std::printf(
      "cross-thread call beside a bare thread message through the same pump calls: %.2f us vs %.2f us ... "
      "ratio %.2f\n",
      ours * 1e6, pumpOnly * 1e6, ours / pumpOnly);
  pinger.stop = 1;
  SetEvent(pinger.wake);
  WaitForSingleObject(pinger.thread, INFINITE);

  Ref<TCountingDriver> counting = New<TCountingDriver>(ActiveSystemDriver);
  ActiveSystemDriver = counting;
  IdleWait();
  // A busy loop would wake thousands of times; a sleeping wait wakes once for the one message.
  std::printf("platform waits during an idle %lu ms WaitNextEvent: %d vs 1 GetMessageW ... ratio %.2f\n",
              static_cast<unsigned long>(IdleMillis), counting->waits, counting->waits / 1.0);
  return 0;
}
