// OpenURL: the shell opens the URL with whatever it is associated with.
#include <windows.h>
// After windows.h, which defines its types.
#include <shellapi.h>

#include "event/win32/system_win32.h"
#include "runtime/wide.h"

int32_t TWin32SystemDriver::OpenURL(const std::u16string& url) {
  // Nothing reads a failure of the shell; the answer is 0 either way.
  ShellExecuteW(nullptr, nullptr, Wide(url), nullptr, nullptr, SW_SHOWDEFAULT);
  return 0;
}
