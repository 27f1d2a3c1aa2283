// The input tracker's tallies, its hook and the queries and waits over them.
#include "event/input.h"

#include <array>

#include "event/event.h"
#include "event/hook.h"
#include "event/pump_guard.h"
#include "event/system.h"
#include "runtime/module.h"

namespace {

constexpr int32_t KeyCodes = 256;
constexpr int32_t Buttons = 4;
constexpr uint32_t CharSlots = 256;

struct Tally {
  std::array<int32_t, KeyCodes> keyDown{};
  std::array<int32_t, KeyCodes> keyHits{};
  std::array<int32_t, CharSlots> chars{};
  uint32_t charPut = 0;
  uint32_t charGet = 0;
  std::array<int32_t, Buttons> buttonDown{};
  std::array<int32_t, Buttons> buttonHits{};
  int32_t x = 0, y = 0, z = 0;
  int32_t suspended = 0;
  int32_t closeRequested = 0;
};

Tally tally;
bool attached = false;
Ref<TObject> trackerSource;

bool ValidKey(int32_t key) { return key >= 0 && key < KeyCodes; }
bool ValidButton(int32_t button) { return button >= 0 && button < Buttons; }

void ForgetKeys() {
  tally.keyDown.fill(0);
  tally.keyHits.fill(0);
  tally.charPut = tally.charGet = 0;
}

void ForgetPointer() {
  tally.buttonDown.fill(0);
  tally.buttonHits.fill(0);
  tally.z = 0;
}

void Press(int32_t code, int32_t* down, int32_t* hits) {
  if (down[code]) return;  // auto-repeat holds the key down: one press
  down[code] = 1;
  ++hits[code];
}

void TypeChar(int32_t c) {
  if (tally.charPut - tally.charGet >= CharSlots) return;
  tally.chars[tally.charPut++ & (CharSlots - 1)] = c;
}

int32_t TakeCount(int32_t& count) {
  int32_t n = count;
  count = 0;
  return n;
}

int32_t TakeChar() {
  if (tally.charPut == tally.charGet) return 0;
  return tally.chars[tally.charGet++ & (CharSlots - 1)];
}

void Track(const TEvent& e) {
  switch (e.id) {
    case KeyDown:
      if (ValidKey(e.data)) Press(e.data, tally.keyDown.data(), tally.keyHits.data());
      break;
    case KeyUp:
      if (ValidKey(e.data)) tally.keyDown[e.data] = 0;
      break;
    case KeyChar:
      TypeChar(e.data);
      break;
    case MouseDown:
      if (ValidButton(e.data)) Press(e.data, tally.buttonDown.data(), tally.buttonHits.data());
      break;
    case MouseUp:
      if (ValidButton(e.data)) tally.buttonDown[e.data] = 0;
      break;
    case MouseMove:
      tally.x = e.x;
      tally.y = e.y;
      break;
    case MouseWheel:
      tally.z = static_cast<int32_t>(static_cast<uint32_t>(tally.z) + static_cast<uint32_t>(e.data));
      break;
    // Keys held while the application was in the background must not read as down. The hook
    // clears without pumping: a pump from inside the hook chain would emit newer events ahead of
    // the one still running through it.
    case AppSuspend:
      ForgetKeys();
      ForgetPointer();
      tally.suspended = 1;
      break;
    case AppResume:
      ForgetKeys();
      ForgetPointer();
      tally.suspended = 0;
      break;
    case AppTerminate:
      tally.closeRequested = 1;
      break;
    default:
      break;
  }
}

}  // namespace

Ref<TObject> InputTrackerHook(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  auto* e = dynamic_cast<const TEvent*>(data.get());
  if (e && (!trackerSource || e->source == trackerSource)) Track(*e);
  return data;
}

void AttachInputTracker(Ref<TObject> source) {
  if (attached) return;
  trackerSource = std::move(source);
  ClearKeyState();
  ClearPointerState();
  InstallHook(EventHookId, InputTrackerHook, nullptr, 0);
  attached = true;
}

void DetachInputTracker() {
  if (!attached) return;
  UninstallHook(EventHookId, InputTrackerHook, nullptr);
  ClearKeyState();
  ClearPointerState();
  trackerSource = nullptr;
  attached = false;
}

int32_t KeyIsDown(int32_t key) {
  PumpSystem();
  return ValidKey(key) ? tally.keyDown[key] : 0;
}

int32_t KeyHitCount(int32_t key) {
  PumpSystem();
  return ValidKey(key) ? TakeCount(tally.keyHits[key]) : 0;
}

int32_t NextTypedChar() {
  PumpSystem();
  return TakeChar();
}

int32_t ButtonIsDown(int32_t button) {
  PumpSystem();
  return ValidButton(button) ? tally.buttonDown[button] : 0;
}

int32_t ButtonHitCount(int32_t button) {
  PumpSystem();
  return ValidButton(button) ? TakeCount(tally.buttonHits[button]) : 0;
}

int32_t PointerX() {
  PumpSystem();
  return tally.x;
}

int32_t PointerY() {
  PumpSystem();
  return tally.y;
}

int32_t PointerZ() {
  PumpSystem();
  return tally.z;
}

int32_t AppIsSuspended() {
  PumpSystem();
  return tally.suspended;
}

int32_t AppCloseRequested() {
  PumpSystem();
  return TakeCount(tally.closeRequested);
}

void ClearKeyState() {
  PumpSystem();
  ForgetKeys();
}

void ClearPointerState() {
  PumpSystem();
  ForgetPointer();
}

int32_t WaitForAnyKey() {
  RefuseInsidePump(u"WaitForAnyKey");
  ClearKeyState();
  for (;;) {
    AwaitSystem();
    for (int32_t key = 1; key < KeyCodes; ++key)
      if (TakeCount(tally.keyHits[key])) return key;
  }
}

int32_t WaitForTypedChar() {
  RefuseInsidePump(u"WaitForTypedChar");
  ClearKeyState();
  for (;;) {
    AwaitSystem();
    while (tally.charPut != tally.charGet)
      if (int32_t c = TakeChar()) return c;
  }
}

int32_t WaitForAnyButton() {
  RefuseInsidePump(u"WaitForAnyButton");
  ClearPointerState();
  for (;;) {
    AwaitSystem();
    for (int32_t button = 1; button < Buttons; ++button)
      if (TakeCount(tally.buttonHits[button])) return button;
  }
}

void InputModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventModuleStart();
  SystemModuleStart();
}
