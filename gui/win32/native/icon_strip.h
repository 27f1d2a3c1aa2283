// The Win32 icon strip: square icons of one image held in an image list.
#pragma once

#include <windows.h>
// The image list functions need the base platform header first.
#include <commctrl.h>

#include "gui/pixmap.h"
#include "gui/win32/native/vell.h"

class Win32IconStrip : public VellIconStrip {
 public:
  // A strip of square icons as high as the RGB888 pixmap; none when the image list cannot be made
  // or the pixmap holds no whole icon.
  static Win32IconStrip* FromPixmap(const TPixmap& rgb);
  ~Win32IconStrip() override {
    if (list) ImageList_Destroy(list);
  }
  HIMAGELIST list = nullptr;
};

// The image list of a native strip; none for no strip.
inline HIMAGELIST ImageListOf(VellIconStrip* strip) {
  auto* s = dynamic_cast<Win32IconStrip*>(strip);
  return s ? s->list : nullptr;
}

// A device-dependent bitmap of an RGB888 pixmap's pixels, for the screen; the caller deletes it.
// Raises "CreateCompatibleBitmap failed" when the platform cannot make it.
HBITMAP MakeScreenBitmap(const TPixmap& rgb);
