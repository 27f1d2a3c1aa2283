// Images in memory and drawing contexts, as far as the gadget toolkit passes them through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/object.h"

// Pixel formats of a pixmap. 24 bits per pixel without alpha (RGB888) is the one the Win32 driver
// turns into bitmaps.
namespace PixmapFormat {
constexpr int32_t I8 = 1;
constexpr int32_t A8 = 2;
constexpr int32_t RGB888 = 3;
constexpr int32_t BGR888 = 4;
constexpr int32_t RGBA8888 = 5;
constexpr int32_t BGRA8888 = 6;
}  // namespace PixmapFormat

// Bytes a pixel of the PixmapFormat takes (an unknown format: 4).
int32_t PixmapBytesPerPixel(int32_t format);
// True for the formats with an alpha channel.
bool PixmapFormatHasAlpha(int32_t format);

// An image in memory: rows of `pitch` bytes, top row first.
class TPixmap : public TObject {
 public:
  // A pixmap of the given size and format with every byte 0. An unknown format counts as RGBA8888.
  TPixmap(int32_t width, int32_t height, int32_t format);

  int32_t width = 0;
  int32_t height = 0;
  int32_t pitch = 0;
  int32_t format = 0;
  std::vector<uint8_t> pixels;

  // Pixels as 0xAARRGGBB; formats without alpha read as opaque and ignore alpha on writing.
  // Coordinates outside the pixmap read 0 and are not written.
  uint32_t ReadPixel(int32_t x, int32_t y) const;
  // Writes a pixel given as 0xAARRGGBB (see ReadPixel).
  void WritePixel(int32_t x, int32_t y, uint32_t argb);

  // A new pixmap with the same size, format and pixels.
  Ref<TPixmap> Copy() const;
  // The same image in another format (a copy even when the format is the same).
  Ref<TPixmap> Convert(int32_t toFormat) const;
};

// The largest image the loaders accept, in pixels (8192 x 8192, a little over 67 million: the
// photos of ordinary cameras). At four bytes a pixel its size and every row's pitch stay inside
// 32-bit arithmetic, in the 32-bit build too. A larger image is refused from its header, before
// anything is allocated for it.
constexpr int64_t MaxPixmapPixels = int64_t{1} << 26;
// The largest image with 16-bit channels (PNG): half as many pixels, since the decoder holds such
// an image at twice its final size before narrowing it to 8 bits.
constexpr int64_t MaxPixmapPixels16 = MaxPixmapPixels / 2;
// The largest image file read, in bytes. Compressed images of MaxPixmapPixels are far smaller; an
// uncompressed file is read up to this size only (a 24-bit BMP of up to about 27 million pixels),
// so that the file, the decoded pixels and the pixmap are not all held at their largest at once.
constexpr int64_t MaxPixmapFileBytes = int64_t{80} << 20;

// What a pixmap can be had from: a pixmap gives itself; a text names an image file, read whole;
// anything else, or a file that cannot be read or decoded, gives Null.
Ref<TPixmap> LoadPixmap(const Ref<TObject>& source);
// Decodes a PNG, BMP, JPEG, TGA or GIF (its first frame) image held in memory. Colour images come
// out as RGB888, or RGBA8888 when the file carries alpha; grey images are widened the same way
// (grey as RGB888 with equal channels, grey with alpha as RGBA8888), so that every loaded pixmap
// is in a format the drivers draw directly. A PNG's transparency key gives a grey or colour image
// alpha: it comes out as RGBA8888 with the keyed colour transparent. Null for anything that is not
// such an image, for an empty one, for a file above MaxPixmapFileBytes and for an image above
// MaxPixmapPixels (MaxPixmapPixels16 for 16-bit channels).
Ref<TPixmap> LoadPixmapFromMemory(const uint8_t* data, size_t size);

// A drawing context attached to a canvas. The toolkit only hands it on; the graphics module that
// draws with it derives from it.
class TGraphics : public TObject {
 public:
  int32_t flags = 0;
  // Detaches the context from what it draws on; a gadget closes its context when it is freed.
  virtual void Close();
};

// The flags a canvas gets its graphics attached with.
extern int32_t DefaultGraphicsFlags;

// Starts the runtime core for pixmaps and graphics.
void PixmapModuleStart();
