// Labels: alignment and frame from the style; a separator is an etched line of fixed height.
#include "gui/win32/kinds/label.h"

DWORD LabelWindowStyle(int32_t style) {
  DWORD s;
  switch (style & 0x18) {
    case 8:
      s = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | SS_RIGHT;
      break;
    case 0x10:
      s = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | SS_CENTER;
      break;
    default:
      s = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX | SS_LEFT;
  }
  switch (style & 7) {
    case 1:
      s |= WS_BORDER;
      break;
    case 2:
      s |= SS_SUNKEN;
      break;
    case 3:
      s = 0x40000012;  // a child etched line; nothing of the text style stays
      break;
  }
  return s;
}

Win32Label::Win32Label(VellGroup* g, int32_t s) : Win32Simple<VellLabel>(g, s) {
  HWND h = CreateNativeWindow(0, "STATIC", "blah", LabelWindowStyle(s), g);
  AttachHwnd(self, h, this, this);
}

void Win32Label::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  Win32Simple<VellLabel>::SetShape(nx, ny, w, (style & 7) == 3 ? 4 : h);
}
