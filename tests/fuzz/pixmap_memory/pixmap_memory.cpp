// Fuzz target: loading an image from bytes in memory. Any bytes give Null or a pixmap whose
// pixels cover its rows; never a crash or a read outside the bytes given.
#include <vector>

#include "gui/pixmap.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly `size` bytes, so that the address sanitizer sees any read past the end.
  const std::vector<uint8_t> bytes(data, data + size);
  const Ref<TPixmap> pixmap = LoadPixmapFromMemory(bytes.data(), bytes.size());
  if (!pixmap) return 0;
  FUZZ_CHECK(pixmap->width > 0 && pixmap->height > 0);
  const int32_t bpp = PixmapBytesPerPixel(pixmap->format);
  FUZZ_CHECK(bpp > 0);
  FUZZ_CHECK(static_cast<int64_t>(pixmap->pitch) >= static_cast<int64_t>(pixmap->width) * bpp);
  FUZZ_CHECK(pixmap->pixels.size() >= static_cast<std::size_t>(pixmap->pitch) * pixmap->height);
  (void)pixmap->ReadPixel(pixmap->width - 1, pixmap->height - 1);
  return 0;
}
