// The shell's notification-icon call and the icon loader.
#include <windows.h>
// The shell header needs the platform header ahead of it.
#include <shellapi.h>

#include "app/tray.h"

// The program's record must be what the shell reads as its first record version on this target.
static_assert(sizeof(TNotifyIconData) == NOTIFYICONDATAW_V1_SIZE);
static_assert(offsetof(TNotifyIconData, Tip) == offsetof(NOTIFYICONDATAW, szTip));
static_assert(offsetof(TNotifyIconData, Icon) == offsetof(NOTIFYICONDATAW, hIcon));
static_assert(offsetof(TNotifyIconData, CallbackMessage) == offsetof(NOTIFYICONDATAW, uCallbackMessage));
// The header's names for the platform's numbers.
static_assert(TrayIconMessage == WM_MOUSEMOVE && TrayIconFlags == (NIF_MESSAGE | NIF_ICON | NIF_TIP));
static_assert(TrayAdd == NIM_ADD && TrayDelete == NIM_DELETE);
static_assert(IconLoadFromFile == LR_LOADFROMFILE && IconShared == LR_SHARED);

void ShellNotifyIcon(int32_t message, void* record) {
  Shell_NotifyIconW(static_cast<DWORD>(message), static_cast<NOTIFYICONDATAW*>(record));
}

intptr_t LoadIconImage(const char16_t* fileName, int32_t width, int32_t height, int32_t flags) {
  // The notification area shows the small icon size of the screen's scale (16 at 96 DPI).
  if (width == 0) width = GetSystemMetrics(SM_CXSMICON);
  if (height == 0) height = GetSystemMetrics(SM_CYSMICON);
  return reinterpret_cast<intptr_t>(LoadImageW(nullptr, reinterpret_cast<const wchar_t*>(fileName),
                                               IMAGE_ICON, width, height, static_cast<UINT>(flags)));
}
