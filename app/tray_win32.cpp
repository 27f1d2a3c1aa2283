// The shell's notification-icon call and the icon loader.
#include <windows.h>
// The shell header needs the platform header ahead of it.
#include <shellapi.h>

#include "app/tray.h"

// The program's record must be what the shell reads as its first record version on this target.
static_assert(sizeof(TNotifyIconData) == NOTIFYICONDATAA_V1_SIZE);
static_assert(offsetof(TNotifyIconData, Tip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(offsetof(TNotifyIconData, Icon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(TNotifyIconData, CallbackMessage) == offsetof(NOTIFYICONDATAA, uCallbackMessage));
// The header's names for the platform's numbers.
static_assert(TrayIconMessage == WM_MOUSEMOVE && TrayIconFlags == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
static_assert(TrayAdd == NIM_ADD && TrayDelete == NIM_DELETE);
static_assert(IconLoadFromFile == LR_LOADFROMFILE && IconShared == LR_SHARED);

void ShellNotifyIcon(int32_t message, void* record) {
  Shell_NotifyIconA(static_cast<DWORD>(message), static_cast<NOTIFYICONDATAA*>(record));
}

intptr_t LoadIconImage(const char* fileName, int32_t width, int32_t height, int32_t flags) {
  // The notification area shows the small icon size of the screen's scale (16 at 96 DPI).
  if (width == 0) width = GetSystemMetrics(SM_CXSMICON);
  if (height == 0) height = GetSystemMetrics(SM_CYSMICON);
  return reinterpret_cast<intptr_t>(
      LoadImageA(nullptr, fileName, IMAGE_ICON, width, height, static_cast<UINT>(flags)));
}
