// Narrowing and widening of texts, and the text object's ordering.
#include "runtime/text.h"

#include <algorithm>

std::string Narrow(std::u16string_view text) {
  std::string out(text.size(), '\0');
  std::transform(text.begin(), text.end(), out.begin(),
                 [](char16_t c) { return static_cast<char>(static_cast<unsigned char>(c & 0xFF)); });
  return out;
}

std::string NarrowCut(std::u16string_view text, std::size_t limit) {
  return Narrow(text.substr(0, std::min(limit, text.size())));
}

std::u16string Widen(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  std::transform(bytes.begin(), bytes.end(), out.begin(),
                 [](char b) { return static_cast<char16_t>(static_cast<unsigned char>(b)); });
  return out;
}

std::u16string IntText(int64_t value) { return Widen(std::to_string(value)); }

int TText::Compare(const TObject* other) const {
  auto* t = dynamic_cast<const TText*>(other);
  if (!t) return TObject::Compare(other);
  int c = value_.compare(t->value_);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
