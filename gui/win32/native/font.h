// Native fonts: the Win32 font object and the font driver that opens and describes fonts.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "gui/win32/native/vell.h"

class Win32Font : public VellFont {
 public:
  // Takes the handle, made for a screen of `dpi`; `owned` fonts are deleted with the object (stock
  // fonts are not).
  Win32Font(HFONT h, bool owned, int dpi);
  ~Win32Font() override;
  // The handle for a window shown at `dpi`: the one the font was made with at its own DPI, else one
  // made from its description at that DPI and kept until the font goes (the platform's message
  // font for that DPI where this is the default font).
  HFONT HandleFor(int dpi);
  HFONT handle = nullptr;
  bool messagefont = false;  // the default font: the platform's message font at every DPI

 private:
  bool owned_ = false;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::vector<std::pair<int, HFONT>> scaled_;  // owned
};

class Win32FontDriver : public VellFontDriver {
 public:
  // Keeps a screen device context for measuring.
  Win32FontDriver();
  ~Win32FontDriver() override;
  VellFont* LoadFont(const std::u16string& name, int32_t size, int32_t style) override;
  // A font object describing an existing handle: its face name, point size and style bits.
  Win32Font* FontFromHandle(HFONT h, bool owned);
  // The platform's message font at the screen's DPI, made for every other DPI as it is asked for.
  Win32Font* MessageFont();
  // Gives the device context back (the exit handler calls it).
  void ReleaseScreen();
  HDC screen = nullptr;
};

// The one font driver and the font every new native gadget starts with.
extern Win32FontDriver* NativeFontDriver;
extern Win32Font* DefaultFont;
