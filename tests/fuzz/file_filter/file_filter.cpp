// Fuzz target: the file chooser's filter list, its default filter and the initial file name.
#include "event/file_filter.h"

#include <algorithm>

#include "tests/fuzz/fuzz_input.h"

namespace {

std::u16string Lower(std::u16string s) {
  for (char16_t& c : s) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::u16string exts = FuzzText(in, 64, "Txt:,;.*aAbB");
  const std::u16string path = FuzzText(in, 5000, "/\\.aAbBtxT:");

  const std::u16string filter = FileFilterText(exts);
  // The list always ends in a NUL (the caller adds the second one); an empty list is empty.
  FUZZ_CHECK(exts.empty() == filter.empty());
  FUZZ_CHECK(filter.empty() || filter.back() == u'\0');

  const int32_t index = DefaultFilterIndex(path, exts);
  const auto groups = static_cast<int32_t>(std::count(exts.begin(), exts.end(), u';')) + 1;
  FUZZ_CHECK(index >= 0 && index <= groups);
  // A group can only be chosen for an extension that the list names.
  if (index > 0) {
    std::u16string p = path;
    std::replace(p.begin(), p.end(), u'/', u'\\');
    const std::u16string ext = Lower(p.substr(p.find(u'.') + 1));
    FUZZ_CHECK(Lower(exts).find(ext) != std::u16string::npos);
  }

  const TRequestPath split = SplitRequestPath(path);
  FUZZ_CHECK(split.file.find(u'\\') == std::u16string::npos);
  FUZZ_CHECK(split.file.find(u'/') == std::u16string::npos);
  FUZZ_CHECK(split.dir.size() + split.file.size() + (path.size() > split.file.size() ? 1 : 0) == path.size());

  // The name and its NUL fit the chooser's buffer.
  // A surrogate pair across the end of the buffer is left out whole.
  const std::u16string initial = RequestFileInitialName(path);
  const std::size_t room = std::min(path.size(), RequestFileBufferSize - 1);
  const bool pairCut = room < path.size() && room > 0 && path[room - 1] >= 0xD800 &&
                       path[room - 1] <= 0xDBFF && path[room] >= 0xDC00 && path[room] <= 0xDFFF;
  FUZZ_CHECK(initial.size() < RequestFileBufferSize);
  FUZZ_CHECK(initial.size() == room - (pairCut ? 1 : 0));
  FUZZ_CHECK(path.compare(0, initial.size(), initial) == 0);
  return 0;
}
