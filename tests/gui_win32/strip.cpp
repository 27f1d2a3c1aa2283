// Icon strips made in memory for the driver tests.
#include "tests/gui_win32/strip.h"

#include <windows.h>
// The image list functions need the base platform header first.
#include <commctrl.h>

#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"

namespace {

// Reports its own destruction, which takes the image list with it.
class WatchedStrip : public Win32IconStrip {
 public:
  explicit WatchedStrip(bool* g) : gone(g) {}
  ~WatchedStrip() override {
    if (gone) *gone = true;
  }

 private:
  bool* gone;
};

}  // namespace

Ref<TIconStrip> TestStrip(int32_t count, const std::vector<int32_t>& blank, bool* gone) {
  if (gone) *gone = false;
  auto* native = new WatchedStrip(gone);
  native->iconwidth = native->iconheight = 16;
  native->count = count;
  native->blank.assign(static_cast<size_t>(count), false);
  for (int32_t b : blank) native->blank[static_cast<size_t>(b)] = true;
  native->list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
  HDC screen = GetDC(nullptr);
  HBITMAP bits = CreateCompatibleBitmap(screen, 16 * count, 16);
  ReleaseDC(nullptr, screen);
  ImageList_AddMasked(native->list, bits, RGB(255, 255, 255));
  DeleteObject(bits);
  auto strip = New<TWin32IconStrip>();
  strip->handle = native;
  strip->count = count;
  return strip;
}
