// The event record, the table of event ids with their names, and private event ids.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/object.h"

// Event ids. Each family has a bit of its own above the low byte.
constexpr int32_t AppSuspend = 0x101;
constexpr int32_t AppResume = 0x102;
constexpr int32_t AppTerminate = 0x103;
constexpr int32_t AppOpenFile = 0x104;
constexpr int32_t AppIdle = 0x105;
constexpr int32_t KeyDown = 0x201;
constexpr int32_t KeyUp = 0x202;
constexpr int32_t KeyChar = 0x203;
constexpr int32_t KeyRepeat = 0x204;
constexpr int32_t MouseDown = 0x401;
constexpr int32_t MouseUp = 0x402;
constexpr int32_t MouseMove = 0x403;
constexpr int32_t MouseWheel = 0x404;
constexpr int32_t MouseEnter = 0x405;
constexpr int32_t MouseLeave = 0x406;
constexpr int32_t TimerTick = 0x801;
// A registered key combination was pressed. It has no name: its text form is "Unknown Event".
constexpr int32_t HotKeyHit = 0x1001;
constexpr int32_t GadgetAction = 0x2001;
constexpr int32_t GadgetPaint = 0x2002;
constexpr int32_t GadgetSelect = 0x2003;
constexpr int32_t GadgetMenu = 0x2004;
constexpr int32_t GadgetOpen = 0x2005;
constexpr int32_t GadgetClose = 0x2006;
constexpr int32_t GadgetDone = 0x2007;
constexpr int32_t GadgetLostFocus = 0x2008;
constexpr int32_t GadgetShape = 0x2009;
constexpr int32_t WindowMove = 0x4001;
constexpr int32_t WindowSize = 0x4002;
constexpr int32_t WindowClose = 0x4003;
constexpr int32_t WindowActivate = 0x4004;
constexpr int32_t WindowAccept = 0x4005;
constexpr int32_t WindowScale = 0x4006;
constexpr int32_t MenuAction = 0x8001;
constexpr int32_t StreamEof = 0x10001;
constexpr int32_t StreamAvail = 0x10002;
constexpr int32_t ProcessExit = 0x20001;

// The name of an event id as its text form shows it, or an empty view for an id without a name
// (private ids included).
std::u16string_view EventIdName(int32_t id);

// Modifier-key bits of an event's mods.
constexpr int32_t ModShift = 1;
constexpr int32_t ModControl = 2;
constexpr int32_t ModAlt = 4;
constexpr int32_t ModSystem = 8;

// One thing that happened to the program. The source is what the application compares against
// (a gadget, a timer); source and extra are Null when there is none.
class TEvent : public TObject {
 public:
  int32_t id = 0;
  Ref<TObject> source;
  int32_t data = 0;
  int32_t mods = 0;
  int32_t x = 0;
  int32_t y = 0;
  Ref<TObject> extra;

  // "<name>: data=<d>, mods=<m>, x=<x>, y=<y>, extra="<text>"", with the extra shown only when it
  // is a text object.
  std::u16string ToString() const override;

  TEvent() = default;
  // An event with these fields; producers call MakeEvent, which recycles freed events.
  TEvent(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
         Ref<TObject> extra)
      : id(id), source(std::move(source)), data(data), mods(mods), x(x), y(y), extra(std::move(extra)) {}
  // Runs the event through the hooks of EventHookId; the chain's result is dropped. Returns 0.
  // Raises what a hook raises (see CallHooks); the hooks behind that one (the queue's, when it
  // comes later) then do not see the event.
  int32_t Emit();

  // Events come and go at the rate of input; freed ones are kept for the next (event.cpp).
  static void* operator new(std::size_t size);
  // Keeps the freed event's memory for the next one.
  static void operator delete(void* p, std::size_t size) noexcept;

  // A new event with these fields; it is not emitted.
  static Ref<TEvent> Create(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                            Ref<TObject> extra);
  // The next private event id: 0x80000001, 0x80000002, ...
  static int32_t AllocUserId();
};

// What every producer of events calls: the same as TEvent::Create.
Ref<TEvent> MakeEvent(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                      Ref<TObject> extra);
// A private event id of the program's own, never the same twice (TEvent::AllocUserId); the queue
// keeps such events like any other.
int32_t NewUserEventId();
