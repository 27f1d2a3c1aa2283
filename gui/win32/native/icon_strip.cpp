// Icon strips: a pixmap of square icons made into an image list, white being transparent, and
// made again at each larger size a screen's scale asks for.
#include "gui/win32/native/icon_strip.h"

#include <algorithm>
#include <memory>

#include "gui/win32/native/dpi.h"
#include "runtime/object.h"

namespace {

// The strip's pixels with each icon grown to `size`, each pixel taken from the nearest source
// pixel: the white around an icon stays pure white, so it stays transparent.
Ref<TPixmap> GrowIcons(const TPixmap& rgb, int32_t from, int32_t size, int32_t count) {
  auto grown = New<TPixmap>(size * count, size, rgb.format);
  for (int32_t y = 0; y < size; ++y) {
    const uint8_t* row =
        rgb.pixels.data() + static_cast<size_t>(y * from / size) * static_cast<size_t>(rgb.pitch);
    uint8_t* out = grown->pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(grown->pitch);
    for (int32_t x = 0; x < size * count; ++x) {
      const int32_t icon = x / size, sx = icon * from + (x % size) * from / size;
      std::copy_n(row + static_cast<size_t>(sx) * 3, 3, out + static_cast<size_t>(x) * 3);
    }
  }
  return grown;
}

HIMAGELIST MakeImageList(const TPixmap& rgb, int32_t size) {
  HBITMAP bitmap = MakeScreenBitmap(rgb);
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 0, 1);
  if (list && ImageList_AddMasked(list, bitmap, RGB(0xFF, 0xFF, 0xFF)) < 0) {
    ImageList_Destroy(list);
    list = nullptr;
  }
  DeleteObject(bitmap);
  return list;
}

}  // namespace

HBITMAP MakeScreenBitmap(const TPixmap& rgb) {
  const int32_t w = rgb.width, h = rgb.height;
  // The platform takes 32-bit pixels in blue, green, red order without any row padding.
  std::unique_ptr<uint32_t[]> bits(new uint32_t[static_cast<size_t>(w) * static_cast<size_t>(h)]);
  uint32_t* out = bits.get();
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* p = rgb.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(rgb.pitch);
    for (int32_t x = 0; x < w; ++x, p += 3) *out++ = uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
  }
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  if (bitmap) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBits(screen, bitmap, 0, static_cast<UINT>(h), bits.get(), &info, DIB_RGB_COLORS);
  }
  ReleaseDC(nullptr, screen);
  if (!bitmap) RuntimeError(u"CreateCompatibleBitmap failed");
  return bitmap;
}

Win32IconStrip* Win32IconStrip::FromPixmap(const TPixmap& rgb) {
  const int32_t size = rgb.height;
  if (size <= 0 || rgb.width < size) return nullptr;
  const int32_t count = rgb.width / size;
  auto strip = std::make_unique<Win32IconStrip>();
  strip->iconwidth = strip->iconheight = size;
  strip->count = count;
  // Icons left all white (the mask colour) are blank: a tool bar shows them as separators.
  strip->blank.assign(static_cast<size_t>(count), true);
  for (int32_t y = 0; y < size; ++y) {
    const uint8_t* row = rgb.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(rgb.pitch);
    for (int32_t i = 0; i < count; ++i) {
      if (!strip->blank[static_cast<size_t>(i)]) continue;
      const uint8_t* p = row + static_cast<size_t>(i) * static_cast<size_t>(size) * 3;
      for (int32_t x = 0; x < size * 3; ++x) {
        if (p[x] != 0xFF) {
          strip->blank[static_cast<size_t>(i)] = false;
          break;
        }
      }
    }
  }
  strip->list = MakeImageList(rgb, size);
  if (!strip->list) return nullptr;
  strip->source_ = rgb.Copy();
  return strip.release();
}

Win32IconStrip::~Win32IconStrip() {
  if (list) ImageList_Destroy(list);
  for (auto& [size, scaled] : scaled_) ImageList_Destroy(scaled);
}

HIMAGELIST Win32IconStrip::ListFor(int dpi) {
  const int32_t size = std::max(iconheight, ToPixels(iconheight, dpi));
  if (size == iconheight || !source_) return list;
  auto found =
      std::find_if(scaled_.begin(), scaled_.end(), [size](const auto& s) { return s.first == size; });
  if (found != scaled_.end()) return found->second;
  HIMAGELIST grown = MakeImageList(*GrowIcons(*source_, iconheight, size, count), size);
  if (!grown) return list;
  scaled_.emplace_back(size, grown);
  return grown;
}

HIMAGELIST ImageListOf(VellIconStrip* strip, HWND shownIn) {
  auto* s = dynamic_cast<Win32IconStrip*>(strip);
  return s ? s->ListFor(DpiOf(shownIn)) : nullptr;
}
