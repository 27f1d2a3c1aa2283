// Image files made in memory for the loader and driver tests: encoded PNG, JPEG and BMP images,
// PNGs built chunk by chunk for the depths and chunks the encoder does not write, and hand-made BMP
// headers for sizes no encoder writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// `pixels` holds w x h pixels of `channels` bytes (1 grey, 2 grey+alpha, 3 RGB, 4 RGBA), top row
// first.
Bytes EncodePng(int w, int h, int channels, const Bytes& pixels);
Bytes EncodeJpeg(int w, int h, int channels, const Bytes& pixels);
Bytes EncodeBmp(int w, int h, int channels, const Bytes& pixels);
Bytes EncodeTga(int w, int h, int channels, const Bytes& pixels);
// A PNG of w x h pixels of the given bit depth and colour type (0 grey, 2 RGB, 3 palette, 4 grey
// and alpha, 6 RGBA) whose image data is the zlib stream `data`; `before` holds whole chunks
// (palette, transparency) placed between the header and the data.
Bytes PngFile(int w, int h, int depth, int colourType, const Bytes& data, const Bytes& before = {});
// One PNG chunk: its length, type, body and check sum.
Bytes PngChunk(const char* type, const Bytes& body);
// A zlib stream holding `raw` uncompressed.
Bytes ZlibStored(const Bytes& raw);
// A zlib stream that inflates to `n` zero bytes, at 13 bits for every 258 of them.
Bytes ZlibZeros(size_t n);
// A 32-bit BMP whose header declares w x h but which carries only `carried` bytes of pixels.
Bytes BmpHeaderOnly(int32_t w, int32_t h, size_t carried);
// w x h pixels of one RGB(A) colour.
Bytes Solid(int w, int h, std::initializer_list<uint8_t> pixel);
// Writes the bytes to a file; true when all were written.
bool WriteFile(const std::filesystem::path& path, const Bytes& bytes);
