// Pixmaps from image files: reading the file and decoding PNG, BMP, JPEG, TGA and GIF images.
#include <cstdio>
#include <cstring>

#include "gui/pixmap.h"
#include "runtime/text.h"

// The decoder is compiled here and nowhere else, for the formats images are loaded in only; files
// are read by LoadPixmap, so the decoder needs no file functions of its own.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
#define STBI_ONLY_GIF
#define STBI_NO_FAILURE_STRINGS
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wtype-limits"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace {

// Frees the decoder's pixels on every way out.
struct DecodedPixels {
  stbi_uc* p = nullptr;
  ~DecodedPixels() { stbi_image_free(p); }
};

// The decoder builds each Huffman table of a JPEG in a 257-entry array without checking that the
// table's code counts add up to at most 256; a file with a larger table writes past that array.
// Walks the file's segments (skipping the coded data after each scan header) and answers false
// when any table holds more than 256 codes, so such a file is refused before it is decoded.
// Anything else that is not a well-formed JPEG is left to the decoder to refuse.
bool JpegTablesFit(const uint8_t* data, size_t size) {
  // The decoder takes any number of fill bytes before the start marker.
  size_t at = 0;
  while (at < size && data[at] == 0xFF) ++at;
  if (at == 0 || at >= size || data[at] != 0xD8) return true;
  ++at;
  while (at + 1 < size) {
    if (data[at] != 0xFF) {
      // Coded data of a scan: it runs to the next marker that is neither a stuffed zero nor a
      // restart marker.
      ++at;
      continue;
    }
    const uint8_t marker = data[at + 1];
    if (marker == 0xFF || marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
      ++at;
      continue;
    }
    if (marker == 0xD9 || at + 3 >= size) return true;
    const size_t length = (size_t{data[at + 2]} << 8) | data[at + 3];
    if (length < 2) return true;
    const size_t end = at + 2 + length;
    if (marker == 0xC4) {
      // The decoder reads whole tables as long as the segment's length says, past the end of a
      // cut-off file as zeros.
      for (size_t t = at + 4; t < end && t < size;) {
        size_t codes = 0;
        for (size_t i = t + 1; i <= t + 16 && i < size; ++i) codes += data[i];
        if (codes > 256) return false;
        t += 17 + codes;
      }
    }
    at = end;
  }
  return true;
}

}  // namespace

Ref<TPixmap> LoadPixmapFromMemory(const uint8_t* data, size_t size) {
  // The decoder counts its input in int.
  if (!data || size == 0 || size > static_cast<size_t>(MaxPixmapFileBytes)) return nullptr;
  const int length = static_cast<int>(size);
  if (!JpegTablesFit(data, size)) return nullptr;
  // The header alone tells the size: an image too large is refused before anything is allocated
  // for it.
  int w = 0, h = 0, channels = 0;
  if (!stbi_info_from_memory(data, length, &w, &h, &channels)) return nullptr;
  if (w <= 0 || h <= 0 || int64_t{w} * h > MaxPixmapPixels) return nullptr;
  const bool alpha = channels == 2 || channels == 4;
  const int wanted = alpha ? 4 : 3;
  DecodedPixels decoded;
  int dw = 0, dh = 0, dc = 0;
  decoded.p = stbi_load_from_memory(data, length, &dw, &dh, &dc, wanted);
  if (!decoded.p || dw != w || dh != h) return nullptr;
  auto pixmap = New<TPixmap>(w, h, alpha ? PixmapFormat::RGBA8888 : PixmapFormat::RGB888);
  // The decoder's rows are packed, top row first, channels in the pixmap formats' order.
  std::memcpy(pixmap->pixels.data(), decoded.p, pixmap->pixels.size());
  return pixmap;
}

namespace {

// The whole file, or false when it cannot be opened or read or is larger than any image loaded.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  bool ok = std::fseek(f, 0, SEEK_END) == 0;
  long size = ok ? std::ftell(f) : -1;
  ok = ok && size > 0 && size <= MaxPixmapFileBytes && std::fseek(f, 0, SEEK_SET) == 0;
  if (ok) {
    out.resize(static_cast<size_t>(size));
    ok = std::fread(out.data(), 1, out.size(), f) == out.size();
  }
  std::fclose(f);
  return ok;
}

}  // namespace

Ref<TPixmap> LoadPixmap(const Ref<TObject>& source) {
  if (auto pixmap = Cast<TPixmap>(source)) return pixmap;
  auto path = Cast<TText>(source);
  if (!path) return nullptr;
  // File names reach the platform's 8-bit file functions like every other text.
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(Narrow(path->Value()), bytes)) return nullptr;
  return LoadPixmapFromMemory(bytes.data(), bytes.size());
}
