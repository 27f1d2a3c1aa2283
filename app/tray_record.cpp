// Filling the tip buffer of the notification-icon record.
#include <algorithm>
#include <cstring>

#include "app/tray.h"
#include "runtime/text.h"

std::unique_ptr<TNotifyIconData> CurrentTrayRecord;

template <class Handle>
void SetTrayTip(TNotifyIconLayout<Handle>& record, const std::u16string& text) {
  constexpr std::size_t room = sizeof record.Tip / sizeof record.Tip[0] - 1;
  std::memset(record.Tip, 0, sizeof record.Tip);
  const std::u16string_view shown = CutText(text, room);
  std::copy(shown.begin(), shown.end(), record.Tip);
}

template void SetTrayTip(TNotifyIconData32&, const std::u16string&);
template void SetTrayTip(TNotifyIconData64&, const std::u16string&);
