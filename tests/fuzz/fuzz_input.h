// Helpers the fuzz targets share: 16-bit texts and failures that stop the fuzzer with a message.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// A text of up to `max` characters. Most characters come from a small alphabet (so that separators
// and letters of different case meet often), the rest are any 16-bit value.
inline std::u16string FuzzText(FuzzedDataProvider& in, std::size_t max, const char* alphabet) {
  const std::string alpha(alphabet);
  const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, max);
  std::u16string s;
  for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
    const uint8_t b = in.ConsumeIntegral<uint8_t>();
    if (b < 0xF0 && !alpha.empty()) {
      s.push_back(static_cast<unsigned char>(alpha[b % alpha.size()]));
    } else {
      s.push_back(in.ConsumeIntegral<char16_t>());
    }
  }
  return s;
}

// A property did not hold: libFuzzer keeps the input that broke it.
[[noreturn]] inline void FuzzFail(const char* what) {
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

#define FUZZ_CHECK(cond)          \
  do {                            \
    if (!(cond)) FuzzFail(#cond); \
  } while (0)
