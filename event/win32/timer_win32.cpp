// Timers on the multimedia timer: each tick is posted to the main thread as a call record.
#include "event/win32/timer_win32.h"

#include <windows.h>
// After windows.h, which defines its types.
#include <mmsystem.h>

#include "event/timer.h"
#include "event/win32/system_win32.h"

namespace {

void DeliverPostedTick(void* timer, intptr_t id) { DeliverTimerTick(timer, static_cast<uint32_t>(id)); }

// Runs on the timer service's thread: it touches nothing but the record it posts.
void CALLBACK TimerProcedure(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
  PostMainThreadCall(DeliverPostedTick, reinterpret_cast<void*>(user), static_cast<intptr_t>(id));
}

class TMultimediaTimer : public TTimerPlatform {
 public:
  uint32_t StartPeriodic(uint32_t periodMillis, TTimer* timer) override {
    return timeSetEvent(periodMillis, 0, TimerProcedure, reinterpret_cast<DWORD_PTR>(timer), TIME_PERIODIC);
  }
  void Kill(uint32_t id) override { timeKillEvent(id); }
};

TMultimediaTimer multimediaTimer;

}  // namespace

void InstallWin32TimerPlatform() { InstallTimerPlatform(&multimediaTimer); }
