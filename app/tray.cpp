// Adding the notification-area icon for a window and removing it again.
#include "app/tray.h"

#include "gui/toolkit.h"
#include "runtime/text.h"

intptr_t LoadTrayIcon(const std::u16string& fileName, int32_t width, int32_t height, int32_t flags) {
  return LoadIconImage(fileName.c_str(), width, height, flags | IconLoadFromFile);
}

void AddTrayIcon(const Ref<TGadget>& window, const std::u16string& tip, const std::u16string& iconFile) {
  CurrentTrayRecord = std::make_unique<TNotifyIconData>();
  TNotifyIconData& record = *CurrentTrayRecord;
  record.Size = sizeof record;
  record.HWND = QueryGadgetHandle(window, QueryKind::NativeHandle);
  record.id = 0;
  record.CallbackMessage = TrayIconMessage;
  record.Icon = LoadTrayIcon(iconFile, 0, 0, IconShared);
  record.Flags = TrayIconFlags;
  SetTrayTip(record, tip);
  ShellNotifyIcon(TrayAdd, &record.Size);
}

void RemoveTrayIcon() {
  // The shell ignores the removal of an icon it no longer shows; before any icon there is no
  // record to describe one.
  if (CurrentTrayRecord) ShellNotifyIcon(TrayDelete, &CurrentTrayRecord->Size);
}
