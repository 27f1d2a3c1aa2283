// Pixmaps from image files: reading the file and decoding PNG, BMP, JPEG, TGA and GIF images.
#include <bitset>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gui/pixmap.h"
#include "runtime/text.h"

#ifdef _WIN32
#include "runtime/wide.h"
#endif

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
#define STBI_MALLOC(size) DecoderAlloc(size)
#define STBI_REALLOC(p, size) DecoderRealloc(p, size)
#define STBI_FREE(p) std::free(p)

namespace {

// The most the decoder holds in one block for an image within the limits: the pixels of the
// largest image at four bytes a pixel (RGBA, or 16-bit RGBA of half as many pixels) and a filter
// byte per row, at worst one row per pixel: 320 MiB. PNG data that keeps inflating past the pixels
// it should hold is refused here, where the decoder would grow its buffer toward 4 GiB.
constexpr size_t DecoderBlockLimit = static_cast<size_t>(5 * MaxPixmapPixels);
static_assert(9 * MaxPixmapPixels16 <= 5 * MaxPixmapPixels, "16-bit RGBA rows fit the decoder's blocks");

// Memory the decoder reads before it writes (a table a corrupt file never defines) is zero, not
// whatever the heap held before.
void* DecoderAlloc(size_t size) { return size <= DecoderBlockLimit ? std::calloc(1, size) : nullptr; }

void* DecoderRealloc(void* p, size_t size) {
  return size <= DecoderBlockLimit ? std::realloc(p, size) : nullptr;
}

}  // namespace

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

#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
// A few header bytes may declare an image of millions of pixels that the decoder then fills;
// fuzzing spends its time on the decoders' logic instead, with images of up to 256 x 256.
constexpr int64_t DecodedPixelLimit = int64_t{1} << 16;
constexpr int64_t DecodedPixelLimit16 = DecodedPixelLimit / 2;
#else
constexpr int64_t DecodedPixelLimit = MaxPixmapPixels;
constexpr int64_t DecodedPixelLimit16 = MaxPixmapPixels16;
#endif

// Frees the decoder's pixels on every way out.
struct DecodedPixels {
  stbi_uc* p = nullptr;
  ~DecodedPixels() { stbi_image_free(p); }
};

// Two faults of the decoder's Huffman tables are refused before a JPEG is decoded. It builds each
// table in a 257-entry array without checking that the table's code counts add up to at most 256,
// so a larger table writes past that array. And a scan may name a table the file never defined;
// the decoder then reads codes through a table that was never built. Walks the file's segments
// (skipping the coded data after each scan header) and answers false for either. Anything else
// that is not a well-formed JPEG is left to the decoder to refuse.
bool JpegTablesSound(const uint8_t* data, size_t size) {
  // The decoder reads past the end of a cut-off file as zeros.
  const auto byte = [&](size_t i) -> uint8_t { return i < size ? data[i] : 0; };
  // The decoder takes any number of fill bytes before the start marker.
  size_t at = 0;
  while (at < size && data[at] == 0xFF) ++at;
  if (at == 0 || at >= size || data[at] != 0xD8) return true;
  ++at;
  std::bitset<8> defined;  // DC tables 0-3, then AC tables 0-3
  bool framed = false, progressive = false;
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
      // Whole tables are read as long as the segment's length says.
      for (size_t t = at + 4; t < end && t < size;) {
        size_t codes = 0;
        for (size_t i = t + 1; i <= t + 16; ++i) codes += byte(i);
        if (codes > 256) return false;
        const unsigned kind = data[t] >> 4, slot = data[t] & 15;
        if (kind <= 1 && slot <= 3) defined.set(kind * 4 + slot);
        t += 17 + codes;
      }
    } else if (marker >= 0xC0 && marker <= 0xC2 && !framed) {
      // Only the first frame header counts; the decoder refuses any later one.
      framed = true;
      progressive = marker == 0xC2;
    } else if (marker == 0xDA) {
      // A progressive scan of first DC bits uses only DC tables, one of AC bits only AC tables, and
      // a DC refinement none; every other scan uses both kinds. Slots above 3 the decoder refuses.
      const size_t components = byte(at + 4), spectrum = at + 5 + 2 * components;
      const bool firstDc = byte(spectrum) == 0 && (byte(spectrum + 2) >> 4) == 0;
      const bool usesDc = !progressive || firstDc, usesAc = !progressive || byte(spectrum) != 0;
      for (size_t c = 0; c < components; ++c) {
        const unsigned dc = byte(at + 6 + 2 * c) >> 4, ac = byte(at + 6 + 2 * c) & 15;
        if (usesDc && dc <= 3 && !defined[dc]) return false;
        if (usesAc && ac <= 3 && !defined[4 + ac]) return false;
      }
    }
    at = end;
  }
  return true;
}

// The decoder sizes its buffer for a PNG's image data by the lengths its data chunks declare,
// before it reads them: a tiny file declaring a 2 GiB chunk would have 2 GiB allocated. Answers
// false for a PNG with a chunk (before its end chunk) that runs past the end of the file, which the
// decoder would refuse anyway once it found the bytes missing.
bool PngChunksFit(const uint8_t* data, size_t size) {
  static constexpr uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (size < 8 || std::memcmp(data, signature, 8) != 0) return true;
  for (size_t at = 8; at + 8 <= size;) {
    const size_t length =
        (size_t{data[at]} << 24) | (size_t{data[at + 1]} << 16) | (size_t{data[at + 2]} << 8) | data[at + 3];
    if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
    // Length, type and check sum around the chunk's bytes.
    if (length > size - at - 8 || size - at - 8 - length < 4) return false;
    at += 12 + length;
  }
  return true;
}

}  // namespace

Ref<TPixmap> LoadPixmapFromMemory(const uint8_t* data, size_t size) {
  // The decoder counts its input in int.
  if (!data || size == 0 || size > static_cast<size_t>(MaxPixmapFileBytes)) return nullptr;
  const int length = static_cast<int>(size);
  if (!JpegTablesSound(data, size) || !PngChunksFit(data, size)) return nullptr;
  // The header alone tells the size: an image too large is refused before anything is allocated
  // for it.
  int w = 0, h = 0;
  if (!stbi_info_from_memory(data, length, &w, &h, nullptr)) return nullptr;
  const int64_t limit = stbi_is_16_bit_from_memory(data, length) ? DecodedPixelLimit16 : DecodedPixelLimit;
  if (w <= 0 || h <= 0 || int64_t{w} * h > limit) return nullptr;
  // Decoded in the file's own channels: only decoding tells whether a PNG's transparency key gives
  // a grey or colour image alpha, which its header does not.
  DecodedPixels decoded;
  int dw = 0, dh = 0, dc = 0;
  decoded.p = stbi_load_from_memory(data, length, &dw, &dh, &dc, 0);
  if (!decoded.p || dw != w || dh != h || dc < 1 || dc > 4) return nullptr;
  const bool alpha = dc == 2 || dc == 4;
  auto pixmap = New<TPixmap>(w, h, alpha ? PixmapFormat::RGBA8888 : PixmapFormat::RGB888);
  // The decoder's rows are packed, top row first, channels in the pixmap formats' order; grey is
  // widened to three equal channels.
  if (dc >= 3) {
    std::memcpy(pixmap->pixels.data(), decoded.p, pixmap->pixels.size());
  } else {
    const stbi_uc* in = decoded.p;
    uint8_t* out = pixmap->pixels.data();
    for (size_t i = 0, n = static_cast<size_t>(w) * static_cast<size_t>(h); i < n; ++i, in += dc) {
      *out++ = in[0];
      *out++ = in[0];
      *out++ = in[0];
      if (alpha) *out++ = in[1];
    }
  }
  return pixmap;
}

namespace {

// The whole file, or false when it cannot be opened or read or is larger than any image loaded.
bool ReadWholeFile(const std::u16string& path, std::vector<uint8_t>& out) {
#ifdef _WIN32
  std::FILE* f = _wfopen(Wide(path), L"rb");
#else
  // The file system names files in bytes here: the name goes to it in UTF-8.
  std::FILE* f = std::fopen(Utf8(path).c_str(), "rb");
#endif
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
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path->Value(), bytes)) return nullptr;
  return LoadPixmapFromMemory(bytes.data(), bytes.size());
}
