// The hot-key registry the driver's keyboard hook consults.
#pragma once

#include <cstdint>

#include "event/event.h"
#include "runtime/object.h"

// One registered key combination. The registry is a singly linked list from THotKey::first.
class THotKey : public TObject {
 public:
  Ref<THotKey> succ;
  int32_t key = 0;     // platform key code
  int32_t mods = 0;    // modifier bits as the driver reports them
  Ref<TEvent> event;   // emitted as it is on every press; nothing writes into it
  intptr_t owner = 0;  // native handle of the window the key belongs to; 0 for every window

  static Ref<THotKey> first;
};

// Registers key+mods, or re-registers it: an entry with the same key and mods gets the new event
// and owner. A Null event becomes a hot-key event (id HotKeyHit, data key, mods mods).
Ref<THotKey> RegisterHotKeyEvent(int32_t key, int32_t mods, Ref<TEvent> event, intptr_t owner);
// Takes the entry out of the registry; an entry not in it is ignored.
void UnregisterHotKey(const Ref<THotKey>& hotkey);
// The event of the first entry with this key and mods whose owner is 0 or `owner`; Null if none.
Ref<TEvent> LookupHotKeyEvent(int32_t key, int32_t mods, intptr_t owner);
