// Polled input state: a hook that tallies keys, buttons, typed characters and the pointer, and
// the queries over those tallies.
#pragma once

#include <cstdint>

#include "runtime/object.h"

// Installs the tracker's hook on EventHookId at priority 0 (ahead of the queue, which still gets
// every event). With a source given only events from that object are tallied. Attaching while
// attached does nothing. Attaching and detaching clear every tally, pumping like ClearKeyState.
void AttachInputTracker(Ref<TObject> source);
// Removes the tracker's hook (nothing when it is not attached) and clears every tally.
void DetachInputTracker();
// The tracker's hook; it only observes and returns `data` unchanged.
Ref<TObject> InputTrackerHook(int32_t id, const Ref<TObject>& data, const Ref<TObject>& context);

// Every query pumps the system once first. Key codes are 0..255 and buttons 0..3 (1 left,
// 2 right, 3 middle); other numbers answer 0. The queries, the clears and the waits raise only
// what the pump raises: TNullMethodException while no platform system driver is installed
// (event/system.h); inside the message pump the queries and clears do not pump and raise nothing.
int32_t KeyIsDown(int32_t key);
// Presses since the last read; reading resets the count.
int32_t KeyHitCount(int32_t key);
// The oldest typed character not yet read, or 0.
int32_t NextTypedChar();
// 1 while the mouse button is held down, else 0.
int32_t ButtonIsDown(int32_t button);
// Presses of the mouse button since the last read; reading resets the count.
int32_t ButtonHitCount(int32_t button);
// The pointer's last position reported by a MouseMove event, x.
int32_t PointerX();
// The pointer's last position reported by a MouseMove event, y.
int32_t PointerY();
// The sum of wheel steps.
int32_t PointerZ();
// 1 between the application losing and regaining activation.
int32_t AppIsSuspended();
// 1 once after a close request, then 0 until the next.
int32_t AppCloseRequested();

// Pump once, then forget typed characters and every key's state and count.
void ClearKeyState();
// Pump once, then forget every button's state and count and the wheel total (x and y stay).
void ClearPointerState();

// These block in the system driver; call them only from the application's own loop. Inside the
// message pump (from a hook, an event filter or a window procedure) no new input can arrive, so
// each refuses there with a TRuntimeError naming it, before touching any tally.
// The first key (1..255, lowest first) pressed after the call.
int32_t WaitForAnyKey();
// The first nonzero character typed after the call.
int32_t WaitForTypedChar();
// The first button (1..3, lowest first) pressed after the call.
int32_t WaitForAnyButton();

// Starts the event and system modules the tracker needs (not the queue); it attaches nothing.
void InputModuleStart();
