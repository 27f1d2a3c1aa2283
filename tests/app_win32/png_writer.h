// Writing 24-bit pictures as PNG files, for the screenshots the end-to-end tests leave behind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds width * height pixels, three bytes each (red, green, blue), rows top to bottom.
// The image data is stored uncompressed inside the zlib stream, which every reader accepts.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

// The CRC-32 of PNG chunks and the Adler-32 of zlib streams.
uint32_t PngCrc32(const uint8_t* data, std::size_t size, uint32_t crc = 0);
uint32_t ZlibAdler32(const uint8_t* data, std::size_t size);
