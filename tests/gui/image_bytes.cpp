// Image files made in memory with a small encoder library, and hand-made BMP headers.
#include "tests/gui/image_bytes.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

void Append(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  auto* p = static_cast<const uint8_t*>(data);
  out->insert(out->end(), p, p + size);
}

void Put16(Bytes& b, uint32_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
// PNG and zlib write their numbers most significant byte first.
void Put32Big(Bytes& b, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(v >> shift));
}

uint32_t Crc32(const uint8_t* p, size_t n) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int k = 0; k < 8; ++k) crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
  }
  return ~crc;
}

// Writes deflate's bit stream: values least significant bit first, Huffman codes most significant
// bit first.
class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out_(out) {}
  void Put(uint32_t value, int n) {
    bits_ |= value << count_;
    for (count_ += n; count_ >= 8; count_ -= 8, bits_ >>= 8) out_.push_back(static_cast<uint8_t>(bits_));
  }
  void Code(uint32_t value, int n) {
    for (int i = n - 1; i >= 0; --i) Put(value >> i & 1, 1);
  }
  void Flush() {
    if (count_ > 0) Put(0, 8 - count_);
  }

 private:
  Bytes& out_;
  uint32_t bits_ = 0;
  int count_ = 0;
};

}  // namespace

Bytes EncodePng(int w, int h, int channels, const Bytes& pixels) {
  Bytes out;
  stbi_write_png_to_func(Append, &out, w, h, channels, pixels.data(), w * channels);
  return out;
}

Bytes EncodeJpeg(int w, int h, int channels, const Bytes& pixels) {
  Bytes out;
  stbi_write_jpg_to_func(Append, &out, w, h, channels, pixels.data(), 95);
  return out;
}

Bytes EncodeBmp(int w, int h, int channels, const Bytes& pixels) {
  Bytes out;
  stbi_write_bmp_to_func(Append, &out, w, h, channels, pixels.data());
  return out;
}

Bytes EncodeTga(int w, int h, int channels, const Bytes& pixels) {
  Bytes out;
  stbi_write_tga_to_func(Append, &out, w, h, channels, pixels.data());
  return out;
}

Bytes PngChunk(const char* type, const Bytes& body) {
  Bytes out;
  Put32Big(out, static_cast<uint32_t>(body.size()));
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  Put32Big(out, Crc32(out.data() + 4, out.size() - 4));
  return out;
}

Bytes PngFile(int w, int h, int depth, int colourType, const Bytes& data, const Bytes& before) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32Big(header, static_cast<uint32_t>(w));
  Put32Big(header, static_cast<uint32_t>(h));
  header.insert(header.end(), {static_cast<uint8_t>(depth), static_cast<uint8_t>(colourType), 0, 0, 0});
  for (const Bytes& part : {PngChunk("IHDR", header), before, PngChunk("IDAT", data), PngChunk("IEND", {})})
    out.insert(out.end(), part.begin(), part.end());
  return out;
}

Bytes ZlibStored(const Bytes& raw) {
  Bytes out = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  size_t at = 0;
  do {
    const size_t n = std::min<size_t>(raw.size() - at, 65535);
    out.push_back(at + n == raw.size() ? 1 : 0);  // the last block or not; stored
    Put16(out, static_cast<uint32_t>(n));
    Put16(out, static_cast<uint32_t>(~n & 0xFFFF));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
               raw.begin() + static_cast<std::ptrdiff_t>(at + n));
    at += n;
  } while (at < raw.size());
  Put32Big(out, b << 16 | a);
  return out;
}

Bytes ZlibZeros(size_t n) {
  Bytes out = {0x78, 0x01};
  BitWriter bits(out);
  bits.Put(1, 1);  // the last block
  bits.Put(1, 2);  // fixed codes
  if (n > 0) {
    bits.Code(0x30, 8);  // literal 0
    for (size_t i = 0; i < (n - 1) / 258; ++i) {
      bits.Code(0xC5, 8);  // length 258
      bits.Code(0, 5);     // distance 1
    }
    for (size_t i = 0; i < (n - 1) % 258; ++i) bits.Code(0x30, 8);
  }
  bits.Code(0, 7);  // end of block
  bits.Flush();
  // Adler-32 of n zeros: the first sum stays 1, the second adds 1 per byte.
  Put32Big(out, static_cast<uint32_t>(n % 65521) << 16 | 1);
  return out;
}

Bytes BmpHeaderOnly(int32_t w, int32_t h, size_t carried) {
  Bytes b{'B', 'M'};
  Put32(b, static_cast<uint32_t>(54 + carried));
  Put32(b, 0);
  Put32(b, 54);  // pixels follow the two headers
  Put32(b, 40);  // info header size
  Put32(b, static_cast<uint32_t>(w));
  Put32(b, static_cast<uint32_t>(h));
  Put16(b, 1);   // planes
  Put16(b, 32);  // bits per pixel
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  b.resize(b.size() + carried, 0x80);
  return b;
}

Bytes Solid(int w, int h, std::initializer_list<uint8_t> pixel) {
  Bytes out;
  for (int i = 0; i < w * h; ++i) out.insert(out.end(), pixel);
  return out;
}

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  // A path object, so that a name beyond the code page reaches the file system whole on Windows.
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  return !f.fail();
}
