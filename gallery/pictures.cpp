// Pictures the gallery draws in memory: an icon row for its tool bar and a gradient for panels.
#include "gallery/gallery.h"

namespace {

uint32_t Hue(int32_t h) {
  h = ((h % 360) + 360) % 360;
  int32_t x = (h % 60) * 255 / 60;
  int32_t r = 0, g = 0, b = 0;
  switch (h / 60) {
    case 0:
      r = 255, g = x;
      break;
    case 1:
      r = 255 - x, g = 255;
      break;
    case 2:
      g = 255, b = x;
      break;
    case 3:
      g = 255 - x, b = 255;
      break;
    case 4:
      r = x, b = 255;
      break;
    default:
      r = 255, b = 255 - x;
      break;
  }
  return 0xFF000000u | static_cast<uint32_t>(r << 16 | g << 8 | b);
}

}  // namespace

Ref<TPixmap> IconRow(int32_t count, int32_t size, int32_t blankAt) {
  auto pix = New<TPixmap>(count * size, size, PixmapFormat::RGB888);
  for (int32_t i = 0; i < count; ++i) {
    uint32_t colour = Hue(i * 360 / count);
    for (int32_t y = 0; y < size; ++y) {
      for (int32_t x = 0; x < size; ++x) {
        // A filled disc on white, so that white around it is see-through in the strip.
        int32_t dx = 2 * x - size + 1, dy = 2 * y - size + 1;
        bool inside = i != blankAt && dx * dx + dy * dy <= (size - 2) * (size - 2);
        bool rim = inside && dx * dx + dy * dy > (size - 5) * (size - 5);
        pix->WritePixel(i * size + x, y, !inside ? 0xFFFFFFFFu : rim ? 0xFF202020u : colour);
      }
    }
  }
  return pix;
}

Ref<TPixmap> Gradient(int32_t w, int32_t h, int32_t phase) {
  auto pix = New<TPixmap>(w, h, PixmapFormat::RGB888);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) pix->WritePixel(x, y, Hue(phase + x * 360 / w + y * 90 / h));
  }
  return pix;
}
