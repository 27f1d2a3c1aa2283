// Pixmaps in the formats the gadget driver meets, and the base drawing context.
#include "gui/pixmap.h"

#include "runtime/module.h"

int32_t DefaultGraphicsFlags = 0;

int32_t PixmapBytesPerPixel(int32_t format) {
  switch (format) {
    case PixmapFormat::I8:
    case PixmapFormat::A8:
      return 1;
    case PixmapFormat::RGB888:
    case PixmapFormat::BGR888:
      return 3;
    default:
      return 4;
  }
}

bool PixmapFormatHasAlpha(int32_t format) {
  return format == PixmapFormat::A8 || format == PixmapFormat::RGBA8888 || format == PixmapFormat::BGRA8888;
}

TPixmap::TPixmap(int32_t w, int32_t h, int32_t f) {
  width = w > 0 ? w : 0;
  height = h > 0 ? h : 0;
  format = (f >= PixmapFormat::I8 && f <= PixmapFormat::BGRA8888) ? f : PixmapFormat::RGBA8888;
  pitch = width * PixmapBytesPerPixel(format);
  pixels.assign(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height), 0);
}

uint32_t TPixmap::ReadPixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const uint8_t* p = &pixels[static_cast<std::size_t>(y) * pitch +
                             static_cast<std::size_t>(x) * PixmapBytesPerPixel(format)];
  auto argb = [](uint32_t a, uint32_t r, uint32_t g, uint32_t b) { return a << 24 | r << 16 | g << 8 | b; };
  switch (format) {
    case PixmapFormat::I8:
      return argb(255, p[0], p[0], p[0]);
    case PixmapFormat::A8:
      return argb(p[0], 255, 255, 255);
    case PixmapFormat::RGB888:
      return argb(255, p[0], p[1], p[2]);
    case PixmapFormat::BGR888:
      return argb(255, p[2], p[1], p[0]);
    case PixmapFormat::RGBA8888:
      return argb(p[3], p[0], p[1], p[2]);
    default:
      return argb(p[3], p[2], p[1], p[0]);
  }
}

void TPixmap::WritePixel(int32_t x, int32_t y, uint32_t c) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  uint8_t* p = &pixels[static_cast<std::size_t>(y) * pitch +
                       static_cast<std::size_t>(x) * PixmapBytesPerPixel(format)];
  const uint8_t a = c >> 24, r = c >> 16, g = c >> 8, b = c;
  switch (format) {
    case PixmapFormat::I8:
      p[0] = static_cast<uint8_t>((r + g + b) / 3);
      break;
    case PixmapFormat::A8:
      p[0] = a;
      break;
    case PixmapFormat::RGB888:
      p[0] = r, p[1] = g, p[2] = b;
      break;
    case PixmapFormat::BGR888:
      p[0] = b, p[1] = g, p[2] = r;
      break;
    case PixmapFormat::RGBA8888:
      p[0] = r, p[1] = g, p[2] = b, p[3] = a;
      break;
    default:
      p[0] = b, p[1] = g, p[2] = r, p[3] = a;
      break;
  }
}

Ref<TPixmap> TPixmap::Copy() const {
  auto copy = New<TPixmap>(width, height, format);
  copy->pixels = pixels;
  return copy;
}

Ref<TPixmap> TPixmap::Convert(int32_t toFormat) const {
  auto out = New<TPixmap>(width, height, toFormat);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) out->WritePixel(x, y, ReadPixel(x, y));
  }
  return out;
}

void TGraphics::Close() {}

void PixmapModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
}
