// Loading pixmaps: the formats each kind of image file comes out in, its pixels, colour keys, the
// size limits, files named by a text, and every kind of bad input giving Null.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "gui/pixmap.h"
#include "runtime/text.h"
#include "tests/gui/image_bytes.h"

namespace {

constexpr int W = 3, H = 2;

// Six distinct pixels of `channels` bytes each.
Bytes Pattern(int channels) {
  Bytes out;
  for (int i = 0; i < W * H; ++i) {
    const uint8_t grey = static_cast<uint8_t>(40 * i), alpha = static_cast<uint8_t>(250 - 45 * i);
    switch (channels) {
      case 1:
        out.insert(out.end(), {grey});
        break;
      case 2:
        out.insert(out.end(), {grey, alpha});
        break;
      case 3:
        out.insert(out.end(), {grey, static_cast<uint8_t>(255 - grey), 7});
        break;
      default:
        out.insert(out.end(), {grey, static_cast<uint8_t>(255 - grey), 7, alpha});
        break;
    }
  }
  return out;
}

// The pattern as the loader should hand it out: grey widened to three channels, alpha kept.
Bytes Widened(int channels) {
  Bytes in = Pattern(channels), out;
  for (int i = 0; i < W * H; ++i) {
    const uint8_t* p = &in[static_cast<size_t>(i * channels)];
    if (channels <= 2) out.insert(out.end(), {p[0], p[0], p[0]});
    if (channels == 2) out.push_back(p[1]);
    if (channels >= 3) out.insert(out.end(), p, p + channels);
  }
  return out;
}

// The PNG with an empty data chunk before its first one, as some encoders write.
Bytes WithEmptyFirstDataChunk(Bytes png) {
  const Bytes empty = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
  for (size_t i = 4; i + 4 <= png.size(); ++i)
    if (std::equal(empty.begin() + 4, empty.begin() + 8, png.begin() + static_cast<std::ptrdiff_t>(i))) {
      png.insert(png.begin() + static_cast<std::ptrdiff_t>(i - 4), empty.begin(), empty.end());
      break;
    }
  return png;
}

struct Good {
  const char* name;
  Bytes file;
  int32_t format;
  Bytes pixels;
};

TEST(ImageLoad, EachFormatDecodesToItsPixelsInTheMatchingPixmapFormat) {
  const Good cases[] = {
      {"png rgb", EncodePng(W, H, 3, Pattern(3)), PixmapFormat::RGB888, Widened(3)},
      {"png rgba", EncodePng(W, H, 4, Pattern(4)), PixmapFormat::RGBA8888, Widened(4)},
      {"png grey", EncodePng(W, H, 1, Pattern(1)), PixmapFormat::RGB888, Widened(1)},
      {"png grey+alpha", EncodePng(W, H, 2, Pattern(2)), PixmapFormat::RGBA8888, Widened(2)},
      {"png with an empty first data chunk", WithEmptyFirstDataChunk(EncodePng(W, H, 3, Pattern(3))),
       PixmapFormat::RGB888, Widened(3)},
      {"bmp rgb (rows stored bottom up)", EncodeBmp(W, H, 3, Pattern(3)), PixmapFormat::RGB888, Widened(3)},
      {"tga rgba", EncodeTga(W, H, 4, Pattern(4)), PixmapFormat::RGBA8888, Widened(4)},
  };
  for (const Good& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = LoadPixmapFromMemory(c.file.data(), c.file.size());
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, W);
    EXPECT_EQ(p->height, H);
    EXPECT_EQ(p->format, c.format);
    EXPECT_EQ(p->pixels, c.pixels);
  }
}

TEST(ImageLoad, JpegDecodesCloseToItsColours) {
  // Lossy: a flat colour comes back within a few steps.
  Bytes jpeg = EncodeJpeg(16, 8, 3, Solid(16, 8, {200, 40, 90}));
  auto j = LoadPixmapFromMemory(jpeg.data(), jpeg.size());
  ASSERT_TRUE(j);
  EXPECT_EQ(j->format, PixmapFormat::RGB888);
  EXPECT_EQ(j->width, 16);
  EXPECT_EQ(j->height, 8);
  const uint32_t c = j->ReadPixel(9, 5);
  EXPECT_NEAR(static_cast<int>(c >> 16 & 0xFF), 200, 6);
  EXPECT_NEAR(static_cast<int>(c >> 8 & 0xFF), 40, 6);
  EXPECT_NEAR(static_cast<int>(c & 0xFF), 90, 6);
}

TEST(ImageLoad, ProgressiveJpegNeedsOnlyTheTablesItsScansUse) {
  // 8 x 8 grey, one DC scan whose component names AC table 0, which is never defined: a first DC
  // scan uses no AC table, so the file is sound. Its one block's DC difference is 0: mid grey.
  Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00};
  jpeg.insert(jpeg.end(), 64, 1);
  const Bytes rest = {0xFF, 0xC2, 0x00, 0x0B, 0x08, 0x00, 0x08, 0x00, 0x08, 0x01, 0x01, 0x11, 0x00,  // frame
                      0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0,    0,    0,    0,    0,    0,    0,
                      0,    0,    0,    0,    0,    0,    0,    0,    0x00,        // DC 0
                      0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00,  // scan: DC first bits
                      0x7F, 0xFF, 0xD9};
  jpeg.insert(jpeg.end(), rest.begin(), rest.end());
  auto p = LoadPixmapFromMemory(jpeg.data(), jpeg.size());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, 8);
  EXPECT_EQ(p->ReadPixel(3, 4) & 0xFFFFFF, 0x808080u);
}

TEST(ImageLoad, BadInputGivesNull) {
  const Bytes png = EncodePng(8, 8, 3, Solid(8, 8, {1, 2, 3}));
  Bytes truncated(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2));
  Bytes badDepth = png;
  badDepth[24] = 7;  // IHDR bit depth
  Bytes badStream = png;
  badStream[41] ^= 0xFF;  // the compressed stream's header
  // A Huffman table claiming more than 256 codes would be built past the end of the decoder's table.
  Bytes bigTable = EncodeJpeg(16, 8, 3, Solid(16, 8, {200, 40, 90}));
  for (size_t i = 0; i + 5 < bigTable.size(); ++i) {
    if (bigTable[i] == 0xFF && bigTable[i + 1] == 0xC4) {
      bigTable[i + 5 + 14] = bigTable[i + 5 + 15] = 255;
      break;
    }
  }
  // The same table counted by the decoder from a file cut off inside it.
  Bytes cut = EncodeJpeg(16, 8, 3, Solid(16, 8, {200, 40, 90}));
  for (size_t i = 0; i + 5 < cut.size(); ++i) {
    if (cut[i] == 0xFF && cut[i + 1] == 0xC4) {
      cut.resize(i + 5 + 15);
      cut[i + 5 + 13] = cut[i + 5 + 14] = 255;
      break;
    }
  }
  // A scan naming Huffman tables the file never defines would decode through tables never built.
  Bytes undefinedTable = EncodeJpeg(16, 8, 3, Solid(16, 8, {200, 40, 90}));
  for (size_t i = 0; i + 6 < undefinedTable.size(); ++i) {
    if (undefinedTable[i] == 0xFF && undefinedTable[i + 1] == 0xDA) {
      undefinedTable[i + 6] = 0x33;  // the first component's DC and AC tables
      break;
    }
  }
  Bytes filled = {0xFF, 0xFF, 0xFF};
  filled.insert(filled.end(), bigTable.begin(), bigTable.end());
  const std::string text = "just some text, not an image at all";
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"empty", {}},
      {"text", Bytes(text.begin(), text.end())},
      {"truncated png", truncated},
      {"png with an impossible bit depth", badDepth},
      {"png with a broken compressed stream", badStream},
      {"jpeg with a Huffman table of over 256 codes", bigTable},
      {"the same after fill bytes", filled},
      {"the same in a file cut off inside the table", cut},
      {"jpeg whose scan names Huffman tables never defined", undefinedTable},
      {"0 x 0", BmpHeaderOnly(0, 0, 0)},
      {"0 wide", BmpHeaderOnly(0, 5, 64)},
      {"w x h x 4 beyond 32 bits", BmpHeaderOnly(40000, 30000, 64)},
      {"one row of pixels beyond the limit", BmpHeaderOnly(8193, 8192, 64)},
      {"16-bit samples, one row beyond their limit",
       PngFile(8192, 4097, 16, 0, ZlibZeros((1 + size_t{2} * 8192) * 4097))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(LoadPixmapFromMemory(c.file.data(), c.file.size()));
  }
  EXPECT_FALSE(LoadPixmapFromMemory(nullptr, 100));
}

// A 1 x 1 PNG whose data inflates to `copies` runs of 258 zero bytes after its pixel.
Bytes PngInflatingTo(size_t copies) { return PngFile(1, 1, 8, 2, ZlibZeros(4 + 258 * copies)); }

TEST(ImageLoad, PngDataInflatingFarPastItsPixelsIsRefused) {
  // A little extra data after the pixels loads, as some encoders write it.
  const Bytes small = PngInflatingTo(10);
  auto p = LoadPixmapFromMemory(small.data(), small.size());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->ReadPixel(0, 0) & 0xFFFFFF, 0u);
  // Past 256 MiB the decoder would keep doubling its buffer toward 4 GiB; 1.7 MB of file is refused.
  const Bytes bomb = PngInflatingTo((size_t{256} << 20) / 258 + 10);
  EXPECT_FALSE(LoadPixmapFromMemory(bomb.data(), bomb.size()));
}

// Rows of a PNG's image data, each after its filter byte (none): `samples` per row, each written
// in `bits` (1, 8, or 16 most significant byte first).
Bytes Rows(int h, int perRow, int bits, const std::vector<uint16_t>& samples) {
  Bytes out;
  for (int y = 0; y < h; ++y) {
    out.push_back(0);
    uint32_t pending = 0;
    int count = 0;
    for (int i = 0; i < perRow; ++i) {
      const uint16_t v = samples[static_cast<size_t>(y * perRow + i)];
      if (bits == 16) {
        out.insert(out.end(), {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
      } else {
        pending = pending << bits | v;
        count += bits;
        if (count == 8) out.push_back(static_cast<uint8_t>(pending)), pending = 0, count = 0;
      }
    }
    if (count > 0) out.push_back(static_cast<uint8_t>(pending << (8 - count)));
  }
  return out;
}

// The W x H pattern's samples: grey 0, 40, 80 ... or RGB (grey, 255 - grey, 7), scaled by `scale`.
std::vector<uint16_t> KeyPattern(int channels, int scale) {
  std::vector<uint16_t> out;
  for (int i = 0; i < W * H; ++i) {
    const int grey = 40 * i;
    if (channels == 1) out.push_back(static_cast<uint16_t>(grey * scale));
    if (channels == 3)
      out.insert(out.end(), {static_cast<uint16_t>(grey * scale), static_cast<uint16_t>((255 - grey) * scale),
                             static_cast<uint16_t>(7 * scale)});
  }
  return out;
}

// The key pattern as RGBA, opaque but for pixel `keyed` (none when -1).
Bytes KeyPatternRgba(int channels, int keyed) {
  Bytes out;
  for (int i = 0; i < W * H; ++i) {
    const uint8_t grey = static_cast<uint8_t>(40 * i), alpha = i == keyed ? 0 : 255;
    if (channels == 1) out.insert(out.end(), {grey, grey, grey, alpha});
    if (channels == 3) out.insert(out.end(), {grey, static_cast<uint8_t>(255 - grey), 7, alpha});
  }
  return out;
}

// A transparency chunk keying the given 16-bit samples.
Bytes Key(std::initializer_list<uint16_t> samples) {
  Bytes body;
  for (uint16_t v : samples) body.insert(body.end(), {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
  return PngChunk("tRNS", body);
}

TEST(ImageLoad, PngColourKeyMakesTheKeyedPixelsTransparent) {
  const std::vector<uint16_t> oneBit = {0, 1, 0, 1, 0, 1};
  Bytes palette = PngChunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255});
  const Bytes paletteAlpha = PngChunk("tRNS", {255, 0});  // entry 1 transparent, entry 2 opaque
  palette.insert(palette.end(), paletteAlpha.begin(), paletteAlpha.end());
  const Good cases[] = {
      {"grey", PngFile(W, H, 8, 0, ZlibStored(Rows(H, W, 8, KeyPattern(1, 1))), Key({40})),
       PixmapFormat::RGBA8888, KeyPatternRgba(1, 1)},
      {"rgb", PngFile(W, H, 8, 2, ZlibStored(Rows(H, W * 3, 8, KeyPattern(3, 1))), Key({80, 175, 7})),
       PixmapFormat::RGBA8888, KeyPatternRgba(3, 2)},
      {"rgb of 16-bit samples",
       PngFile(W, H, 16, 2, ZlibStored(Rows(H, W * 3, 16, KeyPattern(3, 257))),
               Key({80 * 257, 175 * 257, 7 * 257})),
       PixmapFormat::RGBA8888, KeyPatternRgba(3, 2)},
      {"two-tone grey keyed at white", PngFile(W, H, 1, 0, ZlibStored(Rows(H, W, 1, oneBit)), Key({1})),
       PixmapFormat::RGBA8888, Bytes{0,   0,   0,   255, 255, 255, 255, 0,   0,   0,   0,   255,  //
                                     255, 255, 255, 0,   0,   0,   0,   255, 255, 255, 255, 0}},
      {"palette with alpha", PngFile(W, H, 8, 3, ZlibStored(Rows(H, W, 8, {0, 1, 2, 2, 1, 0})), palette),
       PixmapFormat::RGBA8888, Bytes{255, 0, 0,   255, 0, 255, 0, 0, 0,   0, 255, 255,  //
                                     0,   0, 255, 255, 0, 255, 0, 0, 255, 0, 0,   255}},
      {"rgb keyed at a colour it does not use",
       PngFile(W, H, 8, 2, ZlibStored(Rows(H, W * 3, 8, KeyPattern(3, 1))), Key({1, 2, 3})),
       PixmapFormat::RGBA8888, KeyPatternRgba(3, -1)},
  };
  for (const Good& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = LoadPixmapFromMemory(c.file.data(), c.file.size());
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, W);
    EXPECT_EQ(p->height, H);
    EXPECT_EQ(p->format, c.format);
    EXPECT_EQ(p->pixels, c.pixels);
  }
}

TEST(ImageLoad, PhotoOfTheLargestSizeLoads) {
  // 8192 x 8192 RGBA of all zero bytes, compressed to a few bits per 258 bytes: the decoder holds
  // its pixels and a filter byte per row in one block, the largest an image of 8-bit channels needs.
  const int side = 8192;
  const Bytes png = PngFile(side, side, 8, 6, ZlibZeros((1 + size_t{4} * side) * side));
  auto p = LoadPixmapFromMemory(png.data(), png.size());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->width, side);
  EXPECT_EQ(p->height, side);
  EXPECT_EQ(p->format, PixmapFormat::RGBA8888);
  EXPECT_EQ(p->ReadPixel(side - 1, side - 1), 0u);
}

class ImageFile : public ::testing::Test {
 protected:
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() /
      ("image_load_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
  static Ref<TPixmap> Load(const std::filesystem::path& p) { return LoadPixmap(MakeText(p.u16string())); }
};

TEST_F(ImageFile, NamedFileLoadsLikeTheBytesInMemory) {
  const Bytes png = EncodePng(W, H, 4, Pattern(4));
  ASSERT_TRUE(WriteFile(dir / "a.png", png));
  auto p = Load(dir / "a.png");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->format, PixmapFormat::RGBA8888);
  EXPECT_EQ(p->pixels, Widened(4));
}

TEST_F(ImageFile, AFileInAFolderNamedBeyondTheCodePageLoads) {
  const Bytes png = EncodePng(W, H, 4, Pattern(4));
  for (const char16_t* folder : {u"\u0141\u00f3d\u017a", u"\u5199\u771f", u"\U0001F600"}) {
    const std::filesystem::path file = dir / folder / u"zdj\u0119cie.png";
    SCOPED_TRACE(Utf8(file.u16string()));
    std::filesystem::create_directories(file.parent_path());
    ASSERT_TRUE(WriteFile(file, png));
    auto p = Load(file);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->pixels, Widened(4));
  }
}

TEST_F(ImageFile, MissingEmptyAndUnreadableFilesGiveNull) {
  ASSERT_TRUE(WriteFile(dir / "empty.png", {}));
  EXPECT_FALSE(Load(dir / "missing.png"));
  EXPECT_FALSE(Load(dir / "empty.png"));
  EXPECT_FALSE(Load(dir));  // a folder
}

TEST(ImageLoadSource, PixmapGivesItselfAndOtherObjectsGiveNull) {
  auto pixmap = New<TPixmap>(2, 2, PixmapFormat::RGB888);
  EXPECT_EQ(LoadPixmap(pixmap), pixmap);
  EXPECT_FALSE(LoadPixmap(nullptr));
  EXPECT_FALSE(LoadPixmap(New<TGraphics>()));
}

}  // namespace
