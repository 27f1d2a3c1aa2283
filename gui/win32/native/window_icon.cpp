// The program's icon on a top-level window, loaded once per size and kept for the program's life:
// windows at one scale share it, and a window never holds an icon that is freed under it.
#include "gui/win32/native/window_icon.h"

#include <map>

#include "gui/win32/native/dpi.h"

namespace {

// The program's icon at `size` pixels, or none without the resource.
HICON ProgramIcon(int size) {
  static std::map<int, HICON> loaded;
  auto found = loaded.find(size);
  if (found != loaded.end()) return found->second;
  auto icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101), IMAGE_ICON, size, size, 0));
  loaded[size] = icon;
  return icon;
}

}  // namespace

void SetWindowIcons(HWND window, int dpi) {
  HICON caption = ProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi));
  HICON switcher = ProgramIcon(SystemMetricForDpi(SM_CXICON, dpi));
  if (caption) SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption));
  if (switcher) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(switcher));
}
