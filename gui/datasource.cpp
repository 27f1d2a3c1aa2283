// Data sources: the keys of a list or array, and the greedy edit that brings the items in line
// with new keys by few insertions and removals.
#include <cstring>

#include "gui/gadget.h"

namespace {

// Keys are equal only with the same length and the same characters; testing the length first
// keeps the search through thousands of old keys cheap.
bool SameKey(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

}  // namespace

void TGadget::SetDataSource(Ref<TObject> src) {
  Clear();
  datasource = std::move(src);
  SyncDataSource();
}

// One key per non-null element and nothing for a null one. (Keeping the element count as the
// length would leave empty keys at the end, which the edit would turn into blank items.)
std::vector<std::u16string> TGadget::KeysFromList(const TList& list) {
  std::vector<std::u16string> keys;
  keys.reserve(list.Count());
  for (const Ref<TObject>& element : list) {
    if (element) keys.push_back(element->ToString());
  }
  return keys;
}

std::vector<std::u16string> TGadget::KeysFromObjectArray(const TObjectArray& array) {
  std::vector<std::u16string> keys;
  keys.reserve(array.Length());
  for (const Ref<TObject>& element : array.items) {
    if (element) keys.push_back(element->ToString());
  }
  return keys;
}

int32_t TGadget::SyncDataSource() {
  if (!datasource) return 0;
  std::vector<std::u16string> keys;
  if (auto* list = dynamic_cast<TList*>(datasource.get())) {
    keys = KeysFromList(*list);
  } else if (auto* strings = dynamic_cast<TStringArray*>(datasource.get())) {
    keys = strings->items;
  } else if (auto* objects = dynamic_cast<TObjectArray*>(datasource.get())) {
    keys = KeysFromObjectArray(*objects);
  }
  if (keys.empty()) {
    if (ItemCount() > 0) {
      Clear();
      return 1;
    }
    return 0;
  }
  SyncData(keys);
  return 0;
}

void TGadget::SyncData(const std::vector<std::u16string>& keys) {
  // The edit starts from the entries as they are, not from the keys of the last sync: the program
  // may have inserted, deleted, changed or moved entries by hand since, and the sync must leave
  // exactly the source's keys. Copied, since the hooks the edit calls may start another sync.
  std::vector<std::u16string> old;
  old.reserve(items->Length());
  for (const Ref<TGadgetItem>& item : items->items) old.push_back(item->text);
  const std::size_t n = keys.size(), m = old.size();
  std::size_t j = 0;  // position in the old keys
  int32_t p = 0;      // position in the items
  for (std::size_t i = 0; i < n; ++i) {
    const std::u16string& k = keys[i];
    if (j >= m) {
      InsertItemFromKey(p, k);
      ++p;
    } else if (SameKey(k, old[j])) {
      ++j;
      ++p;
    } else {
      std::size_t s = j + 1;
      while (s < m && !SameKey(old[s], k)) ++s;
      const std::size_t skip = s - j;
      // How many keys from here on line up with the old keys from s on: dropping the old keys
      // j .. s-1 pays off only when more than that many items stay in place.
      std::size_t run = 1;
      while (i + run < n && s + run < m && SameKey(keys[i + run], old[s + run])) ++run;
      if (run > skip) {
        for (std::size_t r = 0; r < skip; ++r) RemoveItem(p);
        j = s + 1;
        ++p;
      } else {
        InsertItemFromKey(p, k);
        ++p;
      }
    }
  }
  while (p < ItemCount()) RemoveItem(p);
}

void TGadget::InsertItemFromKey(int32_t index, const std::u16string& key) {
  InsertItem(index, key, u"", 0, datasource, 0);
}
