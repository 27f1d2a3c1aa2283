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
  explicit TStringArray(std::size_t n) : items(n) {}
  explicit TStringArray(std::vector<std::u16string> v) : items(std::move(v)) {}
  std::size_t Length() const noexcept { return items.size(); }
  std::vector<std::u16string> items;
};

// An array of object references; entries may be Null.
class TObjectArray : public TObject {
public:
  TObjectArray() = default;
  explicit TObjectArray(std::size_t n) : items(n) {}
  std::size_t Length() const noexcept { return items.size(); }
  std::vector<Ref<TObject>> items;
};

// An ordered list of object references. Gadgets keep their children in one and applications
// give one as a data source. Positions are indices; the list is small enough that a contiguous
// array serves better than links.
class TList : public TObject {
public:
  std::size_t Count() const noexcept { return items_.size(); }
  bool IsEmpty() const noexcept { return items_.empty(); }
  void AddLast(Ref<TObject> o) { items_.push_back(std::move(o)); }
  void AddFirst(Ref<TObject> o) { items_.insert(items_.begin(), std::move(o)); }
  // Inserts before position `index`; an index at or past the end appends.
  void InsertAt(std::size_t index, Ref<TObject> o);
  // Removes the first reference to `o` (by identity); false when it is not in the list.
  bool Remove(const TObject* o);
  void Clear() { items_.clear(); }
  int IndexOf(const TObject* o) const;
  bool Contains(const TObject* o) const { return IndexOf(o) >= 0; }
  const Ref<TObject>& At(std::size_t i) const { return items_.at(i); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

private:
  std::vector<Ref<TObject>> items_;
};
