// A coloured group box's own painting: fill, etched frame through the title's middle, title.
#include "gui/win32/native/group_frame.h"

#include <string>

#include "gui/win32/native/common.h"
#include "gui/win32/native/dpi.h"

namespace {
// The classic group box sets its title this far in from the frame's left edge (96-DPI units).
constexpr int32_t TitleIndent = 7;
}  // namespace

void PaintGroupFrame(HWND box, HDC dc, HBRUSH fill) {
  RECT r{};
  GetClientRect(box, &r);
  FillRect(dc, &r, fill);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame = r;
  frame.top += metrics.tmHeight / 2 - 1;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::u16string title = NativeText(box);
  if (!title.empty()) {
    const int indent = ToPixels(TitleIndent, DpiOf(box));
    RECT text{r.left + indent, r.top, r.right - indent, r.top + metrics.tmHeight};
    DrawTextW(dc, Wide(title), static_cast<int>(title.size()), &text, DT_SINGLELINE | DT_CALCRECT);
    // The frame's line stops either side of the title, as it does around the control's own.
    RECT gap{text.left - 1, text.top, text.right + 1, text.bottom};
    FillRect(dc, &gap, fill);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(box) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    // The access key's underline shows by the window's cues, as on the platform's own group box.
    const bool hideKey = (SendMessageW(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
    DrawTextW(dc, Wide(title), static_cast<int>(title.size()), &text, DT_SINGLELINE | (hideKey ? DT_HIDEPREFIX : 0));
  }
  SelectObject(dc, oldFont);
}
