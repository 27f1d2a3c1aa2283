// UTF-8 conversion, cutting at a character boundary, and the text object's ordering.
#include "runtime/text.h"

namespace {

bool IsHigh(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void PutUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void PutUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

constexpr char32_t Replacement = 0xFFFD;

}  // namespace

std::string Utf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (IsHigh(c) || IsLow(c)) {
      c = Replacement;
    }
    PutUtf8(out, c);
  }
  return out;
}

std::u16string FromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    // The number of continuation bytes and the smallest value each length may carry, so that an
    // overlong form is refused.
    std::size_t more = 0;
    char32_t c = 0, least = 0;
    if (lead < 0x80) {
      c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      more = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      more = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      more = 3, c = lead & 0x07, least = 0x10000;
    } else {
      PutUtf16(out, Replacement);
      ++i;
      continue;
    }
    std::size_t taken = 1;
    while (taken <= more && i + taken < bytes.size() &&
           (static_cast<unsigned char>(bytes[i + taken]) & 0xC0) == 0x80)
      c = (c << 6) | (static_cast<unsigned char>(bytes[i + taken++]) & 0x3F);
    if (taken != more + 1 || c < least || c > 0x10FFFF || IsHigh(c) || IsLow(c)) {
      // A broken sequence stands for one replacement; what follows it is read afresh.
      PutUtf16(out, Replacement);
      i += taken;
      continue;
    }
    PutUtf16(out, c);
    i += taken;
  }
  return out;
}

std::u16string_view CutText(std::u16string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t n = limit;
  if (n > 0 && IsHigh(text[n - 1]) && IsLow(text[n])) --n;
  return text.substr(0, n);
}

std::u16string IntText(int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

int TText::Compare(const TObject* other) const {
  auto* t = dynamic_cast<const TText*>(other);
  if (!t) return TObject::Compare(other);
  int c = value_.compare(t->value_);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
