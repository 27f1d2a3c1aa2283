// RequestFile: the platform's open and save dialogs.
#include <windows.h>
// After windows.h, which defines its types.
#include <commdlg.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "event/file_filter.h"
#include "event/win32/focus_keeper.h"
#include "event/win32/system_win32.h"
#include "runtime/wide.h"

namespace {

// The structure's older form, which every version of the dialog accepts (76 bytes on 32 bits).
constexpr DWORD OlderOpenFileNameSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
#ifndef _WIN64
static_assert(OlderOpenFileNameSize == 76);
#endif

}  // namespace

std::u16string TWin32SystemDriver::RequestFile(const std::u16string& text, const std::u16string& exts,
                                               int32_t save, const std::u16string& path) {
  const TRequestPath split = SplitRequestPath(path);
  const std::u16string filter = FileFilterText(exts);
  // The initial name is cut to fit; the dialog writes its answer into the same buffer.
  std::u16string buffer(RequestFileBufferSize, u'\0');
  const std::u16string initial = RequestFileInitialName(split.file);
  std::copy(initial.begin(), initial.end(), buffer.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = OlderOpenFileNameSize;
  ofn.hwndOwner = nullptr;
  // The string's own terminator is the NUL that ends the list.
  ofn.lpstrFilter = filter.empty() ? nullptr : Wide(filter);
  ofn.nFilterIndex = static_cast<DWORD>(DefaultFilterIndex(path, exts));
  ofn.lpstrFile = Wide(buffer);
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = split.dir.empty() ? nullptr : Wide(split.dir);
  ofn.lpstrTitle = Wide(text);
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

  BOOL chosen;
  {
    TFocusKeeper focus;
    if (save) {
      ofn.Flags |= OFN_OVERWRITEPROMPT;
      ofn.lpstrDefExt = L"";
      chosen = GetSaveFileNameW(&ofn);
    } else {
      ofn.Flags |= OFN_FILEMUSTEXIST;
      chosen = GetOpenFileNameW(&ofn);
    }
  }
  if (!chosen) return {};
  buffer.back() = u'\0';
  return FromWide(Wide(buffer));
}
