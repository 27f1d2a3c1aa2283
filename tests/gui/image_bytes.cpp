// Image files made in memory with a small encoder library, and hand-made BMP headers.
#include "tests/gui/image_bytes.h"

#include <cstdio>

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

bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}
