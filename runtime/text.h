// Text: immutable UTF-16 strings, the text object, UTF-8 for byte formats and cutting at a character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/object.h"

// The text in UTF-8, for the places that need bytes (a file name on a byte-named file system, a
// message on stderr, an exception's what()). A surrogate that is not half of a pair becomes
// U+FFFD, so any text converts; a NUL is kept as a 0 byte.
std::string Utf8(std::u16string_view text);
// UTF-8 bytes as a text. A byte that does not begin a well-formed sequence (an overlong form, a
// surrogate, a value beyond U+10FFFF, a cut sequence) becomes U+FFFD; ASCII stays as it is.
std::u16string FromUtf8(std::string_view bytes);
// The longest start of `text` of at most `limit` UTF-16 units that does not end between the two
// halves of a surrogate pair: a pair that does not fit is left out whole. Unpaired surrogates
// and NULs are units like any other.
std::u16string_view CutText(std::u16string_view text, std::size_t limit);

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
