// Image files made in memory for the loader and driver tests: encoded PNG, JPEG and BMP images, and
// hand-made BMP headers for sizes no encoder writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// `pixels` holds w x h pixels of `channels` bytes (1 grey, 2 grey+alpha, 3 RGB, 4 RGBA), top row
// first.
Bytes EncodePng(int w, int h, int channels, const Bytes& pixels);
Bytes EncodeJpeg(int w, int h, int channels, const Bytes& pixels);
Bytes EncodeBmp(int w, int h, int channels, const Bytes& pixels);
Bytes EncodeTga(int w, int h, int channels, const Bytes& pixels);
// A 32-bit BMP whose header declares w x h but which carries only `carried` bytes of pixels.
Bytes BmpHeaderOnly(int32_t w, int32_t h, size_t carried);
// w x h pixels of one RGB(A) colour.
Bytes Solid(int w, int h, std::initializer_list<uint8_t> pixel);
// Writes the bytes to a file; true when all were written.
bool WriteFile(const std::string& path, const Bytes& bytes);
