// Fonts opened by name and size, and fonts described from platform handles; each is made again
// for every DPI a window shows it at.
#include "gui/win32/native/font.h"

#include <algorithm>
#include <cstring>

#include "gui/constants.h"
#include "gui/win32/native/dpi.h"
#include "runtime/text.h"
#include "runtime/wide.h"

Win32FontDriver* NativeFontDriver = nullptr;
Win32Font* DefaultFont = nullptr;

Win32Font::Win32Font(HFONT h, bool owned, int dpi) : handle(h), owned_(owned), dpi_(dpi) {}

Win32Font::~Win32Font() {
  if (owned_ && handle) DeleteObject(handle);
  for (auto& [dpi, h] : scaled_) DeleteObject(h);
}

HFONT Win32Font::HandleFor(int dpi) {
  if (dpi == dpi_ || !handle) return handle;
  auto found = std::find_if(scaled_.begin(), scaled_.end(), [dpi](const auto& s) { return s.first == dpi; });
  if (found != scaled_.end()) return found->second;
  LOGFONTW lf{};
  NONCLIENTMETRICSW metrics{};
  if (messagefont && NonClientMetricsForDpi(&metrics, dpi)) {
    lf = metrics.lfMessageFont;
  } else if (GetObjectW(handle, sizeof lf, &lf)) {
    lf.lfHeight = MulDiv(lf.lfHeight, dpi, dpi_);
    lf.lfWidth = MulDiv(lf.lfWidth, dpi, dpi_);
  } else {
    return handle;
  }
  HFONT h = CreateFontIndirectW(&lf);
  if (!h) return handle;
  scaled_.emplace_back(dpi, h);
  return h;
}

Win32FontDriver::Win32FontDriver() : screen(GetDC(nullptr)) {}

Win32FontDriver::~Win32FontDriver() { ReleaseScreen(); }

void Win32FontDriver::ReleaseScreen() {
  if (screen) ReleaseDC(nullptr, screen);
  screen = nullptr;
}

VellFont* Win32FontDriver::LoadFont(const std::u16string& name, int32_t size, int32_t style) {
  LOGFONTW lf{};
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
  // The face name buffer holds LF_FACESIZE units with the NUL; a longer name is cut at a character.
  const std::u16string_view face = CutText(name, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), lf.lfFaceName);
  HFONT h = CreateFontIndirectW(&lf);
  if (!h) return nullptr;
  auto* f = new Win32Font(h, true, dpi);
  f->name = name;
  f->size = size;
  f->style = style & FontStyle::Mask;
  return f;
}

Win32Font* Win32FontDriver::FontFromHandle(HFONT h, bool owned) {
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
  auto* f = new Win32Font(h, owned, dpi);
  LOGFONTW lf{};
  if (GetObjectW(h, sizeof lf, &lf)) {
    f->name = FromWide(lf.lfFaceName);
    int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    f->size = MulDiv(height, 72, dpi);
    f->style = (lf.lfWeight >= FW_BOLD ? FontStyle::Bold : 0) | (lf.lfItalic ? FontStyle::Italic : 0) |
               (lf.lfUnderline ? FontStyle::Underline : 0);
  }
  return f;
}

Win32Font* Win32FontDriver::MessageFont() {
  NONCLIENTMETRICSW metrics{};
  const int dpi = SystemDpi();
  HFONT h = NonClientMetricsForDpi(&metrics, dpi) ? CreateFontIndirectW(&metrics.lfMessageFont) : nullptr;
  // Without the metrics the stock font stands in, as before the platform had a message font.
  Win32Font* f = h ? FontFromHandle(h, true)
                   : FontFromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
  f->messagefont = h != nullptr;
  return f;
}
