// Filling the tip buffer of the notification-icon record.
#include <algorithm>
#include <cstring>

#include "app/tray.h"
#include "runtime/text.h"

std::unique_ptr<TNotifyIconData> CurrentTrayRecord;

template <class Handle>
void SetTrayTip(TNotifyIconLayout<Handle>& record, const std::u16string& text) {
  std::memset(record.Tip, 0, sizeof record.Tip);
  if (text.empty()) return;
  std::string bytes = NarrowCut(text, sizeof record.Tip - 1);
  std::memcpy(record.Tip, bytes.data(), std::min(bytes.size(), sizeof record.Tip - 1));
}

template void SetTrayTip(TNotifyIconData32&, const std::u16string&);
template void SetTrayTip(TNotifyIconData64&, const std::u16string&);
