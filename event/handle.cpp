// The object handle table: numbers from 1 upwards, one per object, holding a reference each.
#include "event/handle.h"

#include <unordered_map>

namespace {

struct HandleTable {
  std::unordered_map<const TObject*, int32_t> byObject;
  std::unordered_map<int32_t, Ref<TObject>> byHandle;
  int32_t last = 0;
};

HandleTable& Table() {
  static HandleTable table;
  return table;
}

}  // namespace

int32_t ObjectHandle(const Ref<TObject>& object) {
  if (!object) return 0;
  auto& t = Table();
  auto [it, added] = t.byObject.try_emplace(object.get(), 0);
  if (added) {
    // Numbers are never reused, so a stale number held by a caller cannot name a newer object.
    it->second = ++t.last;
    t.byHandle.emplace(it->second, object);
  }
  return it->second;
}

Ref<TObject> HandleObject(int32_t handle) {
  auto& t = Table();
  auto it = t.byHandle.find(handle);
  return it == t.byHandle.end() ? Ref<TObject>() : it->second;
}

void ReleaseObjectHandle(int32_t handle) {
  auto& t = Table();
  auto it = t.byHandle.find(handle);
  if (it == t.byHandle.end()) return;
  Ref<TObject> object = std::move(it->second);
  t.byHandle.erase(it);
  t.byObject.erase(object.get());
}
