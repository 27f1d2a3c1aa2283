// RequestFile: the platform's open and save dialogs.
#include <windows.h>
// After windows.h, which defines its types.
#include <commdlg.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "event/file_filter.h"
#include "event/win32/focus_keeper.h"
#include "event/win32/system_win32.h"
#include "runtime/text.h"

namespace {

// The structure's older form, which every version of the dialog accepts (76 bytes on 32 bits).
constexpr DWORD OlderOpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(OlderOpenFileNameSize == 76);
#endif

}  // namespace

std::u16string TWin32SystemDriver::RequestFile(const std::u16string& text, const std::u16string& exts,
                                               int32_t save, const std::u16string& path) {
  const TRequestPath split = SplitRequestPath(path);
  const std::string filter = Narrow(FileFilterText(exts));
  const std::string dir = Narrow(split.dir);
  const std::string title = Narrow(text);
  // The initial name is cut to fit; the dialog writes its answer into the same buffer.
  std::vector<char> buffer(RequestFileBufferSize, '\0');
  const std::string initial = RequestFileInitialName(split.file);
  std::memcpy(buffer.data(), initial.data(), initial.size());

  OPENFILENAMEA ofn{};
  ofn.lStructSize = OlderOpenFileNameSize;
  ofn.hwndOwner = nullptr;
  // The string's own terminator is the NUL that ends the list.
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(DefaultFilterIndex(path, exts));
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.lpstrTitle = title.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;

  BOOL chosen;
  {
    TFocusKeeper focus;
    if (save) {
      ofn.Flags |= OFN_OVERWRITEPROMPT;
      ofn.lpstrDefExt = "";
      chosen = GetSaveFileNameA(&ofn);
    } else {
      ofn.Flags |= OFN_FILEMUSTEXIST;
      chosen = GetOpenFileNameA(&ofn);
    }
  }
  if (!chosen) return {};
  buffer.back() = '\0';
  return Widen(buffer.data());
}
