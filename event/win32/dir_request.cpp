// RequestDir: the platform's folder browser, opened at the given folder.
#include <windows.h>
// After windows.h, which defines its types.
#include <shlobj.h>

#include <vector>

#include "event/win32/focus_keeper.h"
#include "event/win32/system_win32.h"
#include "runtime/wide.h"

namespace {

constexpr DWORD PathBufferSize = 4096;

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM item, LPARAM initialFolder) {
  if (message == BFFM_INITIALIZED) {
    const wchar_t* folder = reinterpret_cast<const wchar_t*>(initialFolder);
    if (folder[0]) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, initialFolder);
  } else if (message == BFFM_SELCHANGED) {
    std::vector<wchar_t> path(PathBufferSize, L'\0');
    if (SHGetPathFromIDListW(reinterpret_cast<PCIDLIST_ABSOLUTE>(item), path.data())) {
      SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path.data()));
    }
  }
  return 0;
}

// The absolute form of `path`; empty when it has none or it does not fit the buffer.
std::vector<wchar_t> AbsoluteFolder(const std::u16string& path) {
  std::u16string converted = path;
  for (char16_t& c : converted) {
    if (c == u'/') c = u'\\';
  }
  std::vector<wchar_t> full(PathBufferSize, L'\0');
  const DWORD length = GetFullPathNameW(Wide(converted), PathBufferSize, full.data(), nullptr);
  if (length == 0 || length >= PathBufferSize) full[0] = L'\0';
  return full;
}

}  // namespace

std::u16string TWin32SystemDriver::RequestDir(const std::u16string& text, const std::u16string& path) {
  std::vector<wchar_t> initial = AbsoluteFolder(path);
  std::vector<wchar_t> displayName(MAX_PATH, L'\0');

  BROWSEINFOW browse{};
  browse.hwndOwner = nullptr;
  browse.pidlRoot = nullptr;
  browse.pszDisplayName = displayName.data();
  browse.lpszTitle = Wide(text);
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(initial.data());

  PIDLIST_ABSOLUTE chosen;
  {
    TFocusKeeper focus;
    chosen = SHBrowseForFolderW(&browse);
  }
  if (!chosen) return {};
  std::vector<wchar_t> result(PathBufferSize, L'\0');
  const BOOL named = SHGetPathFromIDListW(chosen, result.data());
  CoTaskMemFree(chosen);
  return named ? FromWide(result.data()) : std::u16string();
}
