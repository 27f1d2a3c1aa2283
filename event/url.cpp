// URL normalisation for OpenURL and the file-system resolver behind it.
#include "event/url.h"

#include "runtime/text.h"

#ifdef _WIN32
#include <windows.h>

#include "runtime/wide.h"
#else
#include <filesystem>
#include <system_error>
#endif

namespace {

char16_t LowerAscii(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithScheme(const std::u16string& url, std::u16string_view scheme) {
  if (url.size() < scheme.size()) return false;
  for (std::size_t i = 0; i < scheme.size(); ++i) {
    if (LowerAscii(url[i]) != scheme[i]) return false;
  }
  return true;
}

}  // namespace

std::u16string NormaliseURL(const std::u16string& url, const TPathResolver& resolve) {
  // Secure web addresses count as web addresses too; read as a file name they would come out as
  // "http:https://...".
  if (StartsWithScheme(url, u"http:") || StartsWithScheme(url, u"https:") ||
      StartsWithScheme(url, u"file:")) {
    return url;
  }
  const std::size_t hash = url.find(u'#');
  const std::u16string part = url.substr(0, hash);
  const std::u16string anchor = hash == std::u16string::npos ? std::u16string() : url.substr(hash);
  if (std::optional<std::u16string> path = resolve(part)) return u"file:" + *path + anchor;
  return u"http:" + part + anchor;
}

#ifdef _WIN32
// The system's own path rules (current directory, "." and "..", either slash), without the
// standard file-system library, whose path conversions would bring the whole locale machinery
// into the program.
std::optional<std::u16string> ExistingAbsolutePath(const std::u16string& path) {
  // Nothing before the anchor names the current folder itself.
  const std::u16string name = path.empty() ? std::u16string(u".") : path;
  std::u16string full(MAX_PATH, u'\0');
  DWORD n = GetFullPathNameW(Wide(name), static_cast<DWORD>(full.size()), Wide(full), nullptr);
  if (n >= full.size()) {
    full.resize(n);
    n = GetFullPathNameW(Wide(name), static_cast<DWORD>(full.size()), Wide(full), nullptr);
  }
  if (n == 0 || n >= full.size()) return std::nullopt;
  full.resize(n);
  // Folders are named without the trailing separator, roots ("C:\\") keep it.
  while (full.size() > 3 && full.back() == u'\\') full.pop_back();
  if (GetFileAttributesW(Wide(full)) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return full;
}
#else
std::optional<std::u16string> ExistingAbsolutePath(const std::u16string& path) {
  // Nothing before the anchor names the current folder itself.
  // The file system names files in bytes here: the text goes to it in UTF-8.
  const std::filesystem::path relative(path.empty() ? std::string(".") : Utf8(path));
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(relative, ec);
  if (ec) return std::nullopt;
  absolute = absolute.lexically_normal();
  // "dir/.." normalises to "dir/"; folders are named without the trailing separator, roots keep it.
  if (!absolute.has_filename() && absolute != absolute.root_path()) absolute = absolute.parent_path();
  if (!std::filesystem::exists(absolute, ec) || ec) return std::nullopt;
  return FromUtf8(absolute.string());
}
#endif
