// RequestDir: the platform's folder browser, opened at the given folder.
#include <windows.h>
// After windows.h, which defines its types.
#include <shlobj.h>

#include <vector>

#include "event/win32/focus_keeper.h"
#include "event/win32/system_win32.h"
#include "runtime/text.h"

namespace {

constexpr DWORD PathBufferSize = 4096;

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM item, LPARAM initialFolder) {
  if (message == BFFM_INITIALIZED) {
    const char* folder = reinterpret_cast<const char*>(initialFolder);
    if (folder[0]) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, initialFolder);
  } else if (message == BFFM_SELCHANGED) {
    std::vector<char> path(PathBufferSize, '\0');
    if (SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(item), path.data())) {
      SendMessageA(dialog, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path.data()));
    }
  }
  return 0;
}

// The absolute form of `path`; empty when it has none or it does not fit the buffer.
std::vector<char> AbsoluteFolder(const std::u16string& path) {
  std::u16string converted = path;
  for (char16_t& c : converted) {
    if (c == u'/') c = u'\\';
  }
  std::vector<char> full(PathBufferSize, '\0');
  const std::string relative = Narrow(converted);
  const DWORD length = GetFullPathNameA(relative.c_str(), PathBufferSize, full.data(), nullptr);
  if (length == 0 || length >= PathBufferSize) full[0] = '\0';
  return full;
}

}  // namespace

std::u16string TWin32SystemDriver::RequestDir(const std::u16string& text, const std::u16string& path) {
  std::vector<char> initial = AbsoluteFolder(path);
  const std::string title = Narrow(text);
  std::vector<char> displayName(MAX_PATH, '\0');

  BROWSEINFOA browse{};
  browse.hwndOwner = nullptr;
  browse.pidlRoot = nullptr;
  browse.pszDisplayName = displayName.data();
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(initial.data());

  PIDLIST_ABSOLUTE chosen;
  {
    TFocusKeeper focus;
    chosen = SHBrowseForFolderA(&browse);
  }
  if (!chosen) return {};
  std::vector<char> result(PathBufferSize, '\0');
  const BOOL named = SHGetPathFromIDListA(chosen, result.data());
  CoTaskMemFree(chosen);
  return named ? Widen(result.data()) : std::u16string();
}
