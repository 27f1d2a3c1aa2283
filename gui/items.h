// One entry of a list-like gadget, and the fixed arrays a gadget keeps its entries in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/object.h"

class TGadgetItem : public TObject {
 public:
  std::u16string text;
  std::u16string tip;
  int32_t icon = 0;   // -1 or below: no icon
  int32_t flags = 0;  // ItemFlag bits
  Ref<TObject> extra;

  // Replaces every field at once.
  void Set(std::u16string text, std::u16string tip, int32_t icon, Ref<TObject> extra, int32_t flags);
};

// The items of a gadget. A gadget never changes an array it has handed out: every change makes a
// new one, so a driver holding the array it read keeps a stable view while the native side is
// being updated (and while hooks that run meanwhile change the items again).
class TGadgetItemArray : public TObject {
 public:
  TGadgetItemArray() = default;
  // An array holding `v`.
  explicit TGadgetItemArray(std::vector<Ref<TGadgetItem>> v) : items(std::move(v)) {}
  // The number of items.
  std::size_t Length() const noexcept { return items.size(); }
  // The item at `i` (unchecked).
  const Ref<TGadgetItem>& operator[](std::size_t i) const { return items[i]; }

  std::vector<Ref<TGadgetItem>> items;
};
