// Text: immutable 16-bit strings, the text object, and the 8-bit narrowing at platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/object.h"

// Narrows to the low byte of each character, as every call into an 8-bit platform function does.
std::string Narrow(std::u16string_view text);
// Widens bytes unchanged: each byte becomes the character with the same value (0 to 255).
std::u16string Widen(std::string_view bytes);
// Like Narrow, but at most `limit` characters survive.
std::string NarrowCut(std::u16string_view text, std::size_t limit);

// Decimal text of a signed 32-bit number.
std::u16string IntText(int64_t value);

// A text as an object, so that it can be an element of a list or a data source. Equal only to a
// text of the same length with the same characters, case included.
class TText : public TObject {
public:
  // A text object holding `value`.
  explicit TText(std::u16string value) : value_(std::move(value)) {}
  // The text.
  const std::u16string& Value() const noexcept { return value_; }
  std::u16string ToString() const override { return value_; }
  int Compare(const TObject* other) const override;

private:
  const std::u16string value_;
};

// A new text object holding `value`: what a list, a data source or LoadPixmap takes for a text.
inline Ref<TText> MakeText(std::u16string value) { return New<TText>(std::move(value)); }
