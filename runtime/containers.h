// String arrays, object arrays and the ordered list of object references, as objects.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "runtime/object.h"

// An array of texts; an entry never set is the empty text.
class TStringArray : public TObject {
public:
  TStringArray() = default;
  // `n` empty texts.
  explicit TStringArray(std::size_t n) : items(n) {}
  // The texts of `v`.
  explicit TStringArray(std::vector<std::u16string> v) : items(std::move(v)) {}
  // The number of entries.
  std::size_t Length() const noexcept { return items.size(); }
  std::vector<std::u16string> items;
};

// An array of object references; entries may be Null.
class TObjectArray : public TObject {
public:
  TObjectArray() = default;
  // `n` Null references.
  explicit TObjectArray(std::size_t n) : items(n) {}
  // The number of entries.
  std::size_t Length() const noexcept { return items.size(); }
  std::vector<Ref<TObject>> items;
};

// An ordered list of object references. Gadgets keep their children in one and applications
// give one as a data source. Positions are indices; the list is small enough that a contiguous
// array serves better than links.
class TList : public TObject {
public:
  // The number of references in the list.
  std::size_t Count() const noexcept { return items_.size(); }
  // True when the list holds nothing.
  bool IsEmpty() const noexcept { return items_.empty(); }
  // Appends `o`.
  void AddLast(Ref<TObject> o) { items_.push_back(std::move(o)); }
  // Puts `o` first.
  void AddFirst(Ref<TObject> o) { items_.insert(items_.begin(), std::move(o)); }
  // Inserts before position `index`; an index at or past the end appends.
  void InsertAt(std::size_t index, Ref<TObject> o);
  // Removes the first reference to `o` (by identity); false when it is not in the list.
  bool Remove(const TObject* o);
  // Empties the list.
  void Clear() { items_.clear(); }
  // The position of the first reference to `o` (by identity), or -1.
  int IndexOf(const TObject* o) const;
  // True when `o` is in the list (by identity).
  bool Contains(const TObject* o) const { return IndexOf(o) >= 0; }
  // The reference at position `i`; a position past the end throws std::out_of_range.
  const Ref<TObject>& At(std::size_t i) const { return items_.at(i); }
  // The first reference, for range loops.
  auto begin() const { return items_.begin(); }
  // Past the last reference, for range loops.
  auto end() const { return items_.end(); }

private:
  std::vector<Ref<TObject>> items_;
};
