// The event queue: a hook that keeps emitted events for the application's loop, and the active
// event the loop reads.
#pragma once

#include <cstdint>
#include <string>

#include "event/event.h"

// Waiting events at most; further events are dropped until one is taken.
constexpr uint32_t EventQueueSlots = 256;

// An event with every field 0 or Null; the active event when none has been taken.
extern Ref<TEvent> EmptyEvent;
// The event most recently taken.
extern Ref<TEvent> ActiveEvent;

// Puts an event into the queue. With `merge` nonzero the new event replaces a waiting event of the
// same id and source in its place instead, so the latest values are taken where the first stood;
// no event object is written to. A Null event is ignored; with 256 waiting, an event that merges
// with none is dropped. Raises nothing.
void QueueEvent(const Ref<TEvent>& event, int32_t merge);
// The queue's hook on EventHookId (priority -10000): queues events, merging window moves and
// sizes, timer ticks and gadget actions. Returns `data`, or Null when it is not an event. Raises
// nothing.
Ref<TObject> QueueHook(int32_t id, const Ref<TObject>& data, const Ref<TObject>& context);

// Takes the oldest event without blocking (pumping once if none waits) and returns its id; with
// nothing to take the active event becomes EmptyEvent and the result is 0. Refuses, with a
// TRuntimeError naming the mistake, to run before the queue is started or inside the message pump
// (from a hook, an event filter or a window procedure), where it could never see a new event.
int32_t PollNextEvent();
// Takes the oldest event, sleeping in the system driver until there is one; returns its id.
// Refuses like PollNextEvent: before the queue is started, or inside the message pump, the wait
// could never end. Both also pass on what the pump raises: TNullMethodException while no platform
// system driver is installed (event/system.h).
int32_t WaitNextEvent();
// The oldest waiting event (pumping once if none waits), left in the queue; Null if none. Refuses,
// with a TRuntimeError, to run before the queue is started. Inside the message pump it does not
// pump and does not raise: it only looks at what waits.
Ref<TEvent> PeekNextEvent();

// Every ActiveEvent… reader below raises "<its name>: the event queue is not started (call
// Win32GuiModuleStart, or QueueModuleStart, first)" when called before the queue starts.

// The id of the active event (the one WaitNextEvent or PollNextEvent last took); 0 when none.
int32_t ActiveEventId();
// The active event's data: what happened, by kind (an entry's index, a menu tag, ...).
int32_t ActiveEventData();
// The modifier keys held with the active event: ModShift, ModControl, ModAlt, ModSystem bits.
int32_t ActiveEventMods();
// The active event's x (a position, or a width for WindowSize).
int32_t ActiveEventX();
// The active event's y (a position, or a height for WindowSize).
int32_t ActiveEventY();
// The active event's extra object (an entry's extra, a tree node, a popup's extra); Null when none.
Ref<TObject> ActiveEventExtra();
// The active event's extra when it is a text object, else the empty text.
std::u16string ActiveEventText();
// The object the active event came from (a gadget, a timer); compare it with the program's own by
// identity. Null when none.
Ref<TObject> ActiveEventSource();
// The object handle (event/handle.h) of the active event's source; 0 when it is Null.
int32_t ActiveEventSourceHandle();

// Number of waiting events.
uint32_t QueuedEventCount();
// Drops every waiting event and sets both counters to `counter`; lets tests start from a clean
// queue and run the counters across their wrap.
void ResetEventQueue(uint32_t counter);

// Starts the event and system modules, installs the queue's hook and makes EmptyEvent active.
// Win32GuiModuleStart calls it; a program without the toolkit calls it itself.
void QueueModuleStart();
