// Texts handed to and taken from the platform's wide calls, whose characters are UTF-16 units.
#pragma once

#include <cwchar>
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the platform's wide characters are UTF-16 units");

// The text as the NUL-terminated wide string a platform call takes; valid while the text lives.
inline const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
// The text's buffer, for a platform call that writes into it.
inline wchar_t* Wide(std::u16string& text) { return reinterpret_cast<wchar_t*>(text.data()); }
// A wide string from the platform up to its NUL; a null pointer is the empty text.
inline std::u16string FromWide(const wchar_t* s) {
  return s ? std::u16string(reinterpret_cast<const char16_t*>(s), std::wcslen(s)) : std::u16string();
}
// `n` units of a wide string from the platform, NULs included.
inline std::u16string FromWide(const wchar_t* s, std::size_t n) {
  return std::u16string(reinterpret_cast<const char16_t*>(s), n);
}
