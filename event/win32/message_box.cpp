// Notify, Confirm and Proceed: message boxes over the active window, titled with the application.
#include "event/win32/focus_keeper.h"
#include "event/win32/system_win32.h"
#include "runtime/startup.h"
#include "runtime/wide.h"

namespace {

// Topmost always; the exclamation icon when serious, else the information icon.
UINT BoxStyle(int32_t serious, UINT buttons) {
  return MB_TOPMOST | (serious ? MB_ICONEXCLAMATION : MB_ICONINFORMATION) | buttons;
}

int ShowBox(const std::u16string& text, UINT style) {
  TFocusKeeper focus;
  return MessageBoxW(GetActiveWindow(), Wide(text), Wide(ApplicationTitle), style);
}

}  // namespace

int32_t TWin32SystemDriver::Notify(const std::u16string& text, int32_t serious) {
  ShowBox(text, BoxStyle(serious, MB_OK));
  return 0;
}

int32_t TWin32SystemDriver::Confirm(const std::u16string& text, int32_t serious) {
  return ShowBox(text, BoxStyle(serious, MB_OKCANCEL)) == IDOK ? 1 : 0;
}

int32_t TWin32SystemDriver::Proceed(const std::u16string& text, int32_t serious) {
  switch (ShowBox(text, BoxStyle(serious, MB_YESNOCANCEL))) {
    case IDYES:
      return 1;
    case IDNO:
      return 0;
    default:
      return -1;
  }
}
