// File chooser rules: path split, filter list, default filter, initial name.
#include "event/file_filter.h"

#include "runtime/text.h"

namespace {

std::u16string LowerAscii(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

std::u16string WithBackslashes(std::u16string path) {
  for (char16_t& c : path) {
    if (c == u'/') c = u'\\';
  }
  return path;
}

}  // namespace

TRequestPath SplitRequestPath(const std::u16string& path) {
  const std::u16string converted = WithBackslashes(path);
  const std::size_t slash = converted.rfind(u'\\');
  if (slash == std::u16string::npos) return {std::u16string(), converted};
  return {converted.substr(0, slash), converted.substr(slash + 1)};
}

std::u16string FileFilterText(const std::u16string& exts) {
  if (exts.empty()) return {};
  std::u16string filter;
  if (exts.find(u':') == std::u16string::npos) filter.append(u"Files\0*.", 8);
  for (char16_t c : exts) {
    switch (c) {
      case u':':
        filter.append(u"\0*.", 3);
        break;
      case u';':
        filter.push_back(u'\0');
        break;
      case u',':
        filter.append(u";*.");
        break;
      default:
        filter.push_back(c);
    }
  }
  filter.push_back(u'\0');
  return filter;
}

int32_t DefaultFilterIndex(const std::u16string& path, const std::u16string& exts) {
  const std::u16string converted = WithBackslashes(path);
  const std::size_t dot = converted.find(u'.');
  if (dot == std::u16string::npos) return 0;
  const std::u16string wanted = u"," + LowerAscii(converted.substr(dot + 1)) + u",";
  // Wrapping every extension in commas makes the search match whole extensions only.
  std::u16string groups;
  for (char16_t c : LowerAscii(exts)) {
    if (c == u':') {
      groups.append(u":,");
    } else if (c == u';') {
      groups.append(u",;");
    } else {
      groups.push_back(c);
    }
  }
  const std::size_t q = groups.find(wanted);
  if (q == std::u16string::npos) return 0;
  int32_t n = 1;
  for (std::size_t from = 0;;) {
    const std::size_t semi = groups.find(u';', from);
    if (semi == std::u16string::npos) return 0;
    if (semi > q) return n;
    ++n;
    from = semi + 1;
  }
}

std::u16string RequestFileInitialName(const std::u16string& file) {
  return std::u16string(CutText(file, RequestFileBufferSize - 1));
}
