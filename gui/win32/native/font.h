// Native fonts: the Win32 font object and the font driver that opens and describes fonts.
#pragma once

#include <windows.h>

#include "gui/win32/native/vell.h"

class Win32Font : public VellFont {
 public:
  // Takes the handle; `owned` fonts are deleted with the object (stock fonts are not).
  Win32Font(HFONT h, bool owned);
  ~Win32Font() override;
  HFONT handle = nullptr;

 private:
  bool owned_ = false;
};

class Win32FontDriver : public VellFontDriver {
 public:
  // Keeps a screen device context for measuring.
  Win32FontDriver();
  ~Win32FontDriver() override;
  VellFont* LoadFont(const std::u16string& name, int32_t size, int32_t style) override;
  // A font object describing an existing handle: its face name, point size and style bits.
  Win32Font* FontFromHandle(HFONT h, bool owned);
  // Gives the device context back (the exit handler calls it).
  void ReleaseScreen();
  HDC screen = nullptr;
};

// The one font driver and the font every new native gadget starts with.
extern Win32FontDriver* NativeFontDriver;
extern Win32Font* DefaultFont;
