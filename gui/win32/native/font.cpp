// Fonts opened by name and size, and fonts described from platform handles.
#include "gui/win32/native/font.h"

#include <cstring>

#include "gui/constants.h"
#include "runtime/text.h"

Win32FontDriver* NativeFontDriver = nullptr;
Win32Font* DefaultFont = nullptr;

Win32Font::Win32Font(HFONT h, bool owned) : handle(h), owned_(owned) {}

Win32Font::~Win32Font() {
  if (owned_ && handle) DeleteObject(handle);
}

Win32FontDriver::Win32FontDriver() : screen(GetDC(nullptr)) {}

Win32FontDriver::~Win32FontDriver() { ReleaseScreen(); }

void Win32FontDriver::ReleaseScreen() {
  if (screen) ReleaseDC(nullptr, screen);
  screen = nullptr;
}

VellFont* Win32FontDriver::LoadFont(const std::u16string& name, int32_t size, int32_t style) {
  LOGFONTA lf{};
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
  lf.lfHeight = -MulDiv(size, dpi, 72);
  lf.lfWeight = (style & FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style & FontStyle::Italic) ? TRUE : FALSE;
  lf.lfUnderline = (style & FontStyle::Underline) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  std::string face = NarrowCut(name, LF_FACESIZE - 1);
  std::memcpy(lf.lfFaceName, face.c_str(), face.size() + 1);
  HFONT h = CreateFontIndirectA(&lf);
  if (!h) return nullptr;
  auto* f = new Win32Font(h, true);
  f->name = name;
  f->size = size;
  f->style = style & FontStyle::Mask;
  return f;
}

Win32Font* Win32FontDriver::FontFromHandle(HFONT h, bool owned) {
  auto* f = new Win32Font(h, owned);
  LOGFONTA lf{};
  if (GetObjectA(h, sizeof lf, &lf)) {
    f->name = Widen(lf.lfFaceName);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    f->size = MulDiv(height, 72, dpi);
    f->style = (lf.lfWeight >= FW_BOLD ? FontStyle::Bold : 0) | (lf.lfItalic ? FontStyle::Italic : 0) |
               (lf.lfUnderline ? FontStyle::Underline : 0);
  }
  return f;
}
