// Fuzz target: a menu label with its shortcut text, for any label, key and modifiers. The label
// must fit the 256-byte buffer the menu item text is built in, NUL included.
#include "gui/shortcut.h"

#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_input.h"

namespace {

// The length of whichever text form the routines answer with.
[[maybe_unused]] std::size_t Length(const std::string& s) { return s.size(); }
[[maybe_unused]] std::size_t Length(const std::u16string& s) { return s.size(); }
[[maybe_unused]] std::size_t Length(std::string_view s) { return s.size(); }
[[maybe_unused]] std::size_t Length(const char* s) { return s ? std::char_traits<char>::length(s) : 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int32_t key =
      in.ConsumeBool() ? in.ConsumeIntegralInRange<int32_t>(0, 300) : in.ConsumeIntegral<int32_t>();
  const int32_t mods =
      in.ConsumeBool() ? in.ConsumeIntegralInRange<int32_t>(0, 15) : in.ConsumeIntegral<int32_t>();
  // Any UTF-16 units, unpaired surrogates and NULs included, two bytes each.
  const std::string bytes = in.ConsumeRandomLengthString(2000);
  std::u16string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  static_cast<unsigned char>(bytes[i + 1]) << 8);

  FUZZ_CHECK(Length(ShortcutKeyName(key)) <= 255);
  FUZZ_CHECK(Length(ComposeMenuLabel(text, key, mods)) <= 255);
  return 0;
}
