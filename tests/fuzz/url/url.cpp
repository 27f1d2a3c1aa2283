// Fuzz target: turning what OpenURL is given into a URL, with a made-up and the real resolver.
#include "event/url.h"

#include "tests/fuzz/fuzz_input.h"

namespace {

bool StartsNoCase(const std::u16string& s, std::u16string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char16_t c = s[i];
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int mode = in.ConsumeIntegralInRange<int>(0, 3);
  const std::u16string url = FuzzText(in, 200, "hHtTpPsSfFiIlLeE:/#.\\");

  std::u16string resolved;
  TPathResolver resolver;
  if (mode == 3) {
    // The file system's own answer for whatever the text names (relative to the current folder).
    resolver = ExistingAbsolutePath;
  } else {
    // A path "exists" when the fuzzer says so; the answer may be empty or contain "#".
    resolved = FuzzText(in, 20, "C:\\#");
    const bool exists = mode != 0;
    resolver = [exists, resolved](const std::u16string&) -> std::optional<std::u16string> {
      if (exists) return resolved;
      return std::nullopt;
    };
  }
  const std::u16string out = NormaliseURL(url, resolver);

  if (StartsNoCase(url, u"http:") || StartsNoCase(url, u"https:") || StartsNoCase(url, u"file:")) {
    FUZZ_CHECK(out == url);
    return 0;
  }
  const std::size_t hash = url.find(u'#');
  const std::u16string anchor = hash == std::u16string::npos ? std::u16string() : url.substr(hash);
  const std::u16string part = url.substr(0, hash);
  // Anything else gets a scheme and keeps its anchor at the end.
  FUZZ_CHECK(out.size() >= anchor.size() &&
             out.compare(out.size() - anchor.size(), anchor.size(), anchor) == 0);
  if (mode == 1 || mode == 2) {
    FUZZ_CHECK(out == u"file:" + resolved + anchor);
  } else if (mode == 0) {
    FUZZ_CHECK(out == u"http:" + part + anchor);
  } else {
    FUZZ_CHECK(StartsNoCase(out, u"file:") || out == u"http:" + part + anchor);
  }
  return 0;
}
