// Timers: a fixed-rate tick counted and announced as an event on the main thread.
#pragma once

#include <cstdint>

#include "event/event.h"

// A running timer refers to itself (_cycle), so it lives on while the application holds no
// reference; Stop drops that reference. There is no restart: make a new timer instead.
class TTimer : public TObject {
 public:
  int32_t _ticks = 0;    // ticks fired since creation
  int32_t _wticks = 0;   // _ticks when Wait last returned
  Ref<TTimer> _cycle;    // the timer itself while it runs
  Ref<TEvent> _event;    // emitted on every tick instead of a fresh TimerTick, or Null
  uint32_t _handle = 0;  // the platform timer's id; 0 once stopped

  // The ticks fired since the timer was made.
  virtual int32_t Ticks();
  // Stops the timer for good: no tick fires after it, ticks in flight are dropped, and the timer's
  // reference to itself goes. Stopping a stopped timer does nothing.
  virtual void Stop();
  // Counts one tick and emits its event; the tick delivery calls it on the main thread. Raises
  // what the event's hooks raise.
  virtual void Fire();
  // Pumps until at least one tick fired since the last Wait; returns how many. 0 at once for a
  // stopped timer, and without waiting while a pump runs (no tick could arrive there): unlike
  // WaitNextEvent it does not raise there. Raises what the pump raises (TNullMethodException
  // while no platform system driver is installed).
  virtual int32_t Wait();

  // Null when 16 timers already run or the platform refuses the rate (above 1000 Hz, 0 or less);
  // raises nothing.
  static Ref<TTimer> Create(float hertz, Ref<TEvent> event);
};

// A timer ticking `hertz` times a second (up to 1000): each tick sends `event`, or a TimerTick
// whose source is the timer and whose data is its tick count. `event` goes out as it was given on
// every tick: nothing changes it, also when a newer event of its id and source takes its place in
// the queue. Null when 16 timers already run or the rate is refused; raises nothing (a tick raises
// what the hooks it runs through raise).
Ref<TTimer> NewTimer(float hertz, Ref<TEvent> event);
// The module-level forms; a Null timer answers 0 and is otherwise ignored.
int32_t TimerTickCount(const Ref<TTimer>& timer);
// TTimer::Wait: pumps until the timer ticked since the last wait; how many times.
int32_t AwaitTimerTick(const Ref<TTimer>& timer);
// Stops the timer (TTimer::Stop).
void HaltTimer(const Ref<TTimer>& timer);

// Platform side. At most this many platform timers run at once.
constexpr int32_t MaxLiveTimers = 16;

// The platform's periodic timer. Its ticks arrive on another thread and must be carried to the
// main thread, where they are handed to DeliverTimerTick.
class TTimerPlatform {
 public:
  virtual ~TTimerPlatform() = default;
  // Starts a periodic timer for `timer` (not a counted reference); its id, or 0 when refused.
  virtual uint32_t StartPeriodic(uint32_t periodMillis, TTimer* timer) = 0;
  // Stops the platform timer `id`.
  virtual void Kill(uint32_t id) = 0;
};
// Without a platform no timer can start. The platform object must outlive every timer.
void InstallTimerPlatform(TTimerPlatform* platform);

// 1000 / hertz in single precision, truncated toward zero; 0 when that is no valid period
// (rates above 1000 Hz, rates of 0 or below, not a number, or too long a period).
uint32_t TimerPeriodMillis(float hertz);
// The platform timer's id, entered in the live table, or 0.
uint32_t StartPlatformTimer(float hertz, TTimer* timer);
// Kills the platform timer `id` and takes it out of the live table; unknown ids are ignored.
void StopPlatformTimer(uint32_t id);
// Main thread: a tick of platform timer `id` posted for `timer`. Ignored unless that timer still
// runs under that id, so ticks in flight after Stop are dropped without touching the timer.
void DeliverTimerTick(const void* timer, uint32_t id);
// Running platform timers.
int32_t LiveTimerCount();

// Starts the event, queue and system modules.
void TimerModuleStart();
