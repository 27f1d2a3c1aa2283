// The hot-key registry: a list searched from its head, newest entries first.
#include "gui/hotkey.h"

Ref<THotKey> THotKey::first;

Ref<THotKey> RegisterHotKeyEvent(int32_t key, int32_t mods, Ref<TEvent> event, intptr_t owner) {
  if (!event) event = MakeEvent(HotKeyHit, nullptr, key, mods, 0, 0, nullptr);
  // The owner takes no part in the search: a key and modifier pair has one entry.
  Ref<THotKey> entry;
  for (THotKey* h = THotKey::first.get(); h; h = h->succ.get()) {
    if (h->key == key && h->mods == mods) {
      entry = Ref<THotKey>(h);
      break;
    }
  }
  if (!entry) {
    entry = New<THotKey>();
    entry->key = key;
    entry->mods = mods;
    entry->succ = THotKey::first;
    THotKey::first = entry;
  }
  entry->event = std::move(event);
  entry->owner = owner;
  return entry;
}

void UnregisterHotKey(const Ref<THotKey>& hotkey) {
  // A copy: the argument may be the very link that unlinking overwrites (THotKey::first), and
  // it keeps the entry alive while it is taken out.
  const Ref<THotKey> entry = hotkey;
  if (!entry) return;
  Ref<THotKey>* link = &THotKey::first;
  while (*link && link->get() != entry.get()) link = &(*link)->succ;
  if (!*link) return;
  *link = entry->succ;
  entry->succ = nullptr;
}

Ref<TEvent> LookupHotKeyEvent(int32_t key, int32_t mods, intptr_t owner) {
  for (THotKey* h = THotKey::first.get(); h; h = h->succ.get()) {
    if (h->key == key && h->mods == mods && (h->owner == 0 || h->owner == owner)) return h->event;
  }
  return nullptr;
}
