// Timers: creation, ticks, waiting, stopping and the table of running platform timers.
#include "event/timer.h"

#include <array>

#include "event/hook.h"
#include "event/queue.h"
#include "event/system.h"
#include "runtime/module.h"

namespace {

struct TLiveTimer {
  uint32_t id = 0;
  TTimer* timer = nullptr;
};

// Main-thread data: running platform timers with the timer each one ticks for.
std::array<TLiveTimer, MaxLiveTimers> LiveTimerIds;
int32_t liveCount = 0;
TTimerPlatform* timerPlatform = nullptr;

TLiveTimer* FindLive(uint32_t id) {
  for (int32_t i = 0; i < liveCount; ++i) {
    if (LiveTimerIds[i].id == id) return &LiveTimerIds[i];
  }
  return nullptr;
}

}  // namespace

int32_t TTimer::Ticks() { return _ticks; }

void TTimer::Stop() {
  if (_handle == 0) return;
  StopPlatformTimer(_handle);
  _handle = 0;
  _event = nullptr;
  // Dropping the self-reference may free this timer; that happens when `self` goes, last.
  Ref<TTimer> self = std::move(_cycle);
}

void TTimer::Fire() {
  if (_handle == 0) return;
  // A hook may stop the timer and drop the last reference while the tick is being emitted.
  Ref<TTimer> self(this);
  // Counted in unsigned arithmetic so that a timer running for weeks wraps instead of overflowing.
  _ticks = static_cast<int32_t>(static_cast<uint32_t>(_ticks) + 1u);
  if (Ref<TEvent> own = _event) {
    own->Emit();
  } else {
    MakeEvent(TimerTick, Ref<TObject>(this), _ticks, 0, 0, 0, nullptr)->Emit();
  }
}

int32_t TTimer::Wait() {
  if (_handle == 0) return 0;
  Ref<TTimer> self(this);
  // Inside a pump nothing can deliver a tick, so waiting there would never end; a timer stopped
  // by a hook during the wait gets no further tick either.
  do {
    if (SystemPumpBusy()) break;
    AwaitSystem();
  } while (_ticks == _wticks && _handle != 0);
  const int32_t fired = static_cast<int32_t>(static_cast<uint32_t>(_ticks) - static_cast<uint32_t>(_wticks));
  _wticks = _ticks;
  return fired;
}

Ref<TTimer> TTimer::Create(float hertz, Ref<TEvent> event) {
  Ref<TTimer> timer = New<TTimer>();
  const uint32_t id = StartPlatformTimer(hertz, timer.get());
  if (id == 0) return nullptr;
  timer->_cycle = timer;
  timer->_event = std::move(event);
  timer->_handle = id;
  return timer;
}

Ref<TTimer> NewTimer(float hertz, Ref<TEvent> event) { return TTimer::Create(hertz, std::move(event)); }

int32_t TimerTickCount(const Ref<TTimer>& timer) { return timer ? timer->Ticks() : 0; }
int32_t AwaitTimerTick(const Ref<TTimer>& timer) { return timer ? timer->Wait() : 0; }
void HaltTimer(const Ref<TTimer>& timer) {
  if (timer) timer->Stop();
}

void InstallTimerPlatform(TTimerPlatform* platform) { timerPlatform = platform; }

uint32_t TimerPeriodMillis(float hertz) {
  if (!(hertz > 0.0f)) return 0;
  // Stored through a volatile so that the quotient is rounded to single precision even where
  // the processor divides with more.
  volatile float period = 1000.0f / hertz;
  const float p = period;
  if (!(p < 4294967296.0f)) return 0;
  return static_cast<uint32_t>(p);
}

uint32_t StartPlatformTimer(float hertz, TTimer* timer) {
  if (liveCount >= MaxLiveTimers || !timerPlatform) return 0;
  const uint32_t period = TimerPeriodMillis(hertz);
  if (period == 0) return 0;
  const uint32_t id = timerPlatform->StartPeriodic(period, timer);
  if (id == 0) return 0;
  LiveTimerIds[liveCount++] = {id, timer};
  return id;
}

void StopPlatformTimer(uint32_t id) {
  TLiveTimer* entry = FindLive(id);
  if (!entry) return;
  *entry = LiveTimerIds[--liveCount];
  LiveTimerIds[liveCount] = {};
  if (timerPlatform) timerPlatform->Kill(id);
}

void DeliverTimerTick(const void* timer, uint32_t id) {
  // The posted pointer is only compared, never followed: the timer it named may be gone, and
  // the platform may have handed its id to a newer timer.
  TLiveTimer* entry = FindLive(id);
  if (!entry || entry->timer != timer) return;
  entry->timer->Fire();
}

int32_t LiveTimerCount() { return liveCount; }

void TimerModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventModuleStart();
  SystemModuleStart();
  QueueModuleStart();
}
