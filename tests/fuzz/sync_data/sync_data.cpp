// Fuzz target: bringing a gadget's items in line with changed data-source keys. After every edit
// the items, and the native list the item hooks maintain, hold exactly the new keys in order.
#include <vector>

#include "gui/gadget.h"
#include "runtime/containers.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

// Mirrors what a native list control would hold, from the item hooks alone.
class TMirrorGadget : public TGadget {
 public:
  std::vector<std::u16string> native;

  void ClearListItems() override { native.clear(); }
  void InsertListItem(int32_t index, const std::u16string& text, const std::u16string&, int32_t,
                      Ref<TObject>) override {
    FUZZ_CHECK(index >= 0 && static_cast<std::size_t>(index) <= native.size());
    native.insert(native.begin() + index, text);
  }
  void RemoveListItem(int32_t index) override {
    FUZZ_CHECK(index >= 0 && static_cast<std::size_t>(index) < native.size());
    native.erase(native.begin() + index);
  }
};

// Keys from a tiny alphabet, so that old and new lists share, repeat and reorder keys.
std::vector<std::u16string> Keys(FuzzedDataProvider& in) {
  std::vector<std::u16string> keys(in.ConsumeIntegralInRange<std::size_t>(0, 40));
  for (auto& k : keys) k = FuzzText(in, 2, "abcd");
  return keys;
}

void CheckItems(TMirrorGadget& g, const std::vector<std::u16string>& keys) {
  FUZZ_CHECK(g.ItemCount() == static_cast<int32_t>(keys.size()));
  for (std::size_t i = 0; i < keys.size(); ++i) FUZZ_CHECK(g.ItemText(static_cast<int32_t>(i)) == keys[i]);
  FUZZ_CHECK(g.native == keys);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  auto gadget = New<TMirrorGadget>();
  auto source = New<TStringArray>(Keys(in));
  gadget->SetDataSource(source);
  CheckItems(*gadget, source->items);
  // A few edits in a row: each starts from what the one before left.
  for (int round = 0; round < 3 && in.remaining_bytes() > 0; ++round) {
    source->items = Keys(in);
    gadget->SyncDataSource();
    CheckItems(*gadget, source->items);
  }
  return 0;
}
