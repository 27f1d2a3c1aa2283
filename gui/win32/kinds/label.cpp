// Labels: alignment and frame from the style; a separator is an etched line of fixed height.
#include "gui/win32/kinds/label.h"

#include "gui/constants.h"

namespace {
constexpr int32_t SeparatorHeight = 4;  // whatever height the shape asks for
}  // namespace

DWORD LabelWindowStyle(int32_t style) {
  DWORD s;
  switch (style & LabelStyle::AlignMask) {
    case LabelStyle::Right:
      s = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | SS_RIGHT;
      break;
    case LabelStyle::Center:
      s = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | SS_CENTER;
      break;
    default:
      s = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | SS_LEFT;
  }
  switch (style & LabelStyle::FrameMask) {
    case LabelStyle::Flat:
      s |= WS_BORDER;
      break;
    case LabelStyle::Sunken:
      s |= SS_SUNKEN;
      break;
    case LabelStyle::Separator:
      // An etched frame that the fixed height flattens to a line; nothing of the text style stays.
      s = WS_CHILD | SS_ETCHEDFRAME;
      break;
  }
  return s;
}

Win32Label::Win32Label(VellGroup* g, int32_t s) : Win32Simple<VellLabel>(g, s) {
  HWND h = CreateNativeWindow(0, L"STATIC", L"", LabelWindowStyle(s), g);
  AttachHwnd(self, h, this, this);
}

void Win32Label::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  Win32Simple<VellLabel>::SetShape(
      nx, ny, w, (style & LabelStyle::FrameMask) == LabelStyle::Separator ? SeparatorHeight : h);
}
