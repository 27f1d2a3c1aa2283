// The Win32 icon strip: square icons of one image held in an image list, one list per DPI the
// strip is shown at.
#pragma once

#include <windows.h>
// The image list functions need the base platform header first.
#include <commctrl.h>

#include <utility>
#include <vector>

#include "gui/pixmap.h"
#include "gui/win32/native/vell.h"

class Win32IconStrip : public VellIconStrip {
 public:
  // A strip of square icons as high as the RGB888 pixmap; none when the image list cannot be made
  // or the pixmap holds no whole icon.
  static Win32IconStrip* FromPixmap(const TPixmap& rgb);
  ~Win32IconStrip() override;
  // The list for a window shown at `dpi`: icons at the source size times the scale, never smaller
  // than the source; made on first use and kept. The source list where a scaled one cannot be made.
  HIMAGELIST ListFor(int dpi);
  HIMAGELIST list = nullptr;  // the icons at their source size

 private:
  Ref<TPixmap> source_;
  std::vector<std::pair<int, HIMAGELIST>> scaled_;  // by icon size in pixels
};

// The image list of a native strip for a control in the window `shownIn` (none: at the screen's
// DPI); none for no strip.
HIMAGELIST ImageListOf(VellIconStrip* strip, HWND shownIn = nullptr);

// A device-dependent bitmap of an RGB888 pixmap's pixels, for the screen; the caller deletes it.
// Raises "CreateCompatibleBitmap failed" when the platform cannot make it.
HBITMAP MakeScreenBitmap(const TPixmap& rgb);
