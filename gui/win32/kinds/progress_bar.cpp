// Progress bars: a fraction shown in the control's default range of hundredths.
#include "gui/win32/kinds/progress_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

int32_t ProgressPosition(float value) {
  // Compared before converting: NaN and far values have no integer to truncate to.
  if (!(value > 0)) return 0;
  if (value >= 1) return 100;
  return static_cast<int32_t>(value * 100);
}

Win32ProgBar::Win32ProgBar(VellGroup* g, int32_t s) : Win32Simple<VellProgBar>(g, s) {
  HWND h = CreateNativeWindow(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_CLIPSIBLINGS | PBS_SMOOTH, g);
  AttachHwnd(self, h, this, this);
}

void Win32ProgBar::SetValue(float v) {
  value = std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f);
  SendMessageW(self.hwnd, PBM_SETPOS, ProgressPosition(v), 0);
}
