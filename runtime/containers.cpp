// The ordered list of object references.
#include "runtime/containers.h"

#include <algorithm>

void TList::InsertAt(std::size_t index, Ref<TObject> o) {
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(index, items_.size())),
                std::move(o));
}

bool TList::Remove(const TObject* o) {
  auto it = std::find_if(items_.begin(), items_.end(), [o](const Ref<TObject>& r) { return r.get() == o; });
  if (it == items_.end()) return false;
  items_.erase(it);
  return true;
}

int TList::IndexOf(const TObject* o) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == o) return static_cast<int>(i);
  return -1;
}
