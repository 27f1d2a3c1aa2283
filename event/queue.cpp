// The event queue: a ring of waiting events with free-running counters, merging, and taking.
#include "event/queue.h"

#include <array>
#include <typeinfo>

#include "event/handle.h"
#include "event/hook.h"
#include "event/pump_guard.h"
#include "event/system.h"
#include "runtime/module.h"
#include "runtime/object.h"
#include "runtime/text.h"
#include "runtime/thread.h"

Ref<TEvent> EmptyEvent;
Ref<TEvent> ActiveEvent;

namespace {

// Slot of counter n is n AND 255; put - get (unsigned) is the number waiting, so both counters
// may run past 2^32 - 1.
std::array<Ref<TEvent>, EventQueueSlots> ring;
uint32_t put = 0;
uint32_t get = 0;
bool queueStarted = false;

Ref<TEvent>& Slot(uint32_t counter) { return ring[counter & (EventQueueSlots - 1)]; }

bool QueueEmpty() { return put == get; }
bool QueueFull() { return put - get == EventQueueSlots; }

// Bursts of these only matter for their latest values, so a waiting one absorbs the next.
bool MergesWhileWaiting(int32_t id) {
  return id == WindowMove || id == WindowSize || id == TimerTick || id == GadgetAction;
}

bool SameKindAndSource(const TEvent& waiting, const TEvent& arriving) {
  return waiting.id == arriving.id && waiting.source == arriving.source;
}

// The newcomer takes the waiting one's place rather than having its values copied over: a timer's
// own event and a hot key's event are objects their owners send again, and writing a click's data
// into one would make every later tick or key press carry it.
bool MergeIntoWaiting(const Ref<TEvent>& event) {
  for (uint32_t n = get; n != put; ++n) {
    Ref<TEvent>& waiting = Slot(n);
    if (SameKindAndSource(*waiting, *event)) {
      waiting = event;
      return true;
    }
  }
  return false;
}

int32_t TakeEvent() {
  ActiveEvent = std::move(Slot(get));
  ++get;
  return ActiveEvent->id;
}

// Fast path for the common case; anything derived from TEvent still counts as an event.
TEvent* AsEvent(TObject* object) {
  if (!object) return nullptr;
  if (typeid(*object) == typeid(TEvent)) return static_cast<TEvent*>(object);
  return dynamic_cast<TEvent*>(object);
}

// Without the queue's hook nothing emitted is ever kept, so a wait would never end.
void RequireStartedQueue(const char16_t* function) {
  RequireMainThread(function);
  if (queueStarted) return;
  RuntimeError(std::u16string(function) +
               u": the event queue is not started (call Win32GuiModuleStart, or QueueModuleStart, first)");
}

}  // namespace

void QueueEvent(const Ref<TEvent>& event, int32_t merge) {
  if (!event) return;
  if (merge && MergeIntoWaiting(event)) return;
  if (QueueFull()) return;
  Slot(put) = event;
  ++put;
}

Ref<TObject> QueueHook(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  TEvent* event = AsEvent(data.get());
  if (!event) return nullptr;
  QueueEvent(Ref<TEvent>(event), MergesWhileWaiting(event->id) ? 1 : 0);
  return data;
}

int32_t PollNextEvent() {
  RequireStartedQueue(u"PollNextEvent");
  // Even with events waiting: a loop of these inside a hook would drain them and then spin.
  RefuseInsidePump(u"PollNextEvent");
  if (QueueEmpty()) PumpSystem();
  if (QueueEmpty()) {
    ActiveEvent = EmptyEvent;
    return 0;
  }
  return TakeEvent();
}

int32_t WaitNextEvent() {
  RequireStartedQueue(u"WaitNextEvent");
  RefuseInsidePump(u"WaitNextEvent");
  while (QueueEmpty()) AwaitSystem();
  return TakeEvent();
}

Ref<TEvent> PeekNextEvent() {
  RequireStartedQueue(u"PeekNextEvent");
  if (QueueEmpty()) PumpSystem();
  if (QueueEmpty()) return nullptr;
  return Slot(get);
}

namespace {

// The active event for a reader; before the queue starts there is none, and reading one is the
// same mistake as waiting for one.
const TEvent& Active(const char16_t* function) {
  RequireStartedQueue(function);
  return *ActiveEvent;
}

}  // namespace

int32_t ActiveEventId() { return Active(u"ActiveEventId").id; }
int32_t ActiveEventData() { return Active(u"ActiveEventData").data; }
int32_t ActiveEventMods() { return Active(u"ActiveEventMods").mods; }
int32_t ActiveEventX() { return Active(u"ActiveEventX").x; }
int32_t ActiveEventY() { return Active(u"ActiveEventY").y; }
Ref<TObject> ActiveEventExtra() { return Active(u"ActiveEventExtra").extra; }

std::u16string ActiveEventText() {
  auto* text = dynamic_cast<const TText*>(Active(u"ActiveEventText").extra.get());
  return text ? text->Value() : std::u16string();
}

Ref<TObject> ActiveEventSource() { return Active(u"ActiveEventSource").source; }
int32_t ActiveEventSourceHandle() { return ObjectHandle(Active(u"ActiveEventSourceHandle").source); }

uint32_t QueuedEventCount() { return put - get; }

void ResetEventQueue(uint32_t counter) {
  for (auto& slot : ring) slot = nullptr;
  put = get = counter;
}

void QueueModuleStart() {
  if (!EnterModule(queueStarted)) return;
  RuntimeModuleStart();
  EventModuleStart();
  SystemModuleStart();
  ResetEventQueue(0);
  InstallHook(EventHookId, QueueHook, nullptr, -10000);
  EmptyEvent = New<TEvent>();
  ActiveEvent = EmptyEvent;
}
