// Icon strips: icon count and size in the image list, blank icons, what shows through drawn
// icons, strips loaded from image files (colour-keyed ones too), and sources that give no strip.
// The support header brings the platform header in with the toolkit's names restored.
#include "tests/gui_win32/support.h"
// The image list functions need the base platform header first.
#include <commctrl.h>

#include <algorithm>

#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/text.h"
#include "tests/gui/image_bytes.h"

namespace {

class IconStrips : public DriverTest {};

Ref<TPixmap> Filled(int32_t w, int32_t h, int32_t format, uint32_t argb) {
  auto p = New<TPixmap>(w, h, format);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) p->WritePixel(x, y, argb);
  }
  return p;
}

VellIconStrip* NativeOf(const Ref<TIconStrip>& strip) {
  auto* s = dynamic_cast<TWin32IconStrip*>(strip.get());
  return s ? s->handle : nullptr;
}

// Draws icon `index` over a background of `background` (0xRRGGBB) and returns the pixels drawn,
// as 0xRRGGBB, row by row.
std::vector<uint32_t> Drawn(HIMAGELIST list, int index, int size, uint32_t background) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  auto* px = static_cast<uint32_t*>(bits);
  std::fill(px, px + size * size, background);
  ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
  GdiFlush();
  std::vector<uint32_t> out(px, px + size * size);
  for (auto& p : out) p &= 0xFFFFFF;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(dib);
  return out;
}

TEST_F(IconStrips, SquareIconsAsHighAsThePixmap) {
  auto strip = LoadIconStrip(Filled(48, 16, PixmapFormat::RGB888, 0xFF102030));
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->count, 3);
  HIMAGELIST list = ImageListOf(NativeOf(strip));
  ASSERT_TRUE(list);
  EXPECT_EQ(ImageList_GetImageCount(list), 3);
  int w = 0, h = 0;
  ImageList_GetIconSize(list, &w, &h);
  EXPECT_EQ(w, 16);
  EXPECT_EQ(h, 16);
}

TEST_F(IconStrips, NoWholeIconOrNoPixmapGivesNoStrip) {
  EXPECT_FALSE(LoadIconStrip(Filled(15, 16, PixmapFormat::RGB888, 0xFF000000)));
  EXPECT_FALSE(LoadIconStrip(New<TPixmap>(0, 0, PixmapFormat::RGB888)));
  EXPECT_FALSE(LoadIconStrip(MakeText(u"no such strip.png")));
  EXPECT_FALSE(LoadIconStrip(nullptr));
}

TEST_F(IconStrips, AllWhiteIconsAreBlank) {
  auto pixmap = Filled(64, 16, PixmapFormat::RGB888, 0xFFFFFFFF);
  pixmap->WritePixel(5, 7, 0xFF000000);    // icon 0 has one dark pixel
  pixmap->WritePixel(47, 15, 0xFFFFFFFE);  // icon 2 is off-white in its last pixel
  auto strip = LoadIconStrip(pixmap);
  ASSERT_TRUE(strip);
  VellIconStrip* native = NativeOf(strip);
  EXPECT_FALSE(native->IsBlank(0));
  EXPECT_TRUE(native->IsBlank(1));
  EXPECT_FALSE(native->IsBlank(2));
  EXPECT_TRUE(native->IsBlank(3));
  EXPECT_FALSE(native->IsBlank(4));
}

TEST_F(IconStrips, WhiteStaysVisibleWhereTransparentShowsTheBackground) {
  auto pixmap = Filled(16, 16, PixmapFormat::RGBA8888, 0xFFFF0000);  // opaque red
  pixmap->WritePixel(2, 2, 0xFFFFFFFF);                              // opaque white
  pixmap->WritePixel(5, 5, 0x00000000);                              // fully transparent
  auto strip = LoadIconStrip(pixmap);
  ASSERT_TRUE(strip);
  auto pixels = Drawn(ImageListOf(NativeOf(strip)), 0, 16, 0x00FF00);
  EXPECT_EQ(pixels[2 * 16 + 2], 0xFEFEFEu);
  EXPECT_EQ(pixels[5 * 16 + 5], 0x00FF00u);
  EXPECT_EQ(pixels[0], 0xFF0000u);
  // The caller's pixmap is left as it was.
  EXPECT_EQ(pixmap->ReadPixel(2, 2), 0xFFFFFFFFu);
  EXPECT_EQ(strip->pixmap->format, PixmapFormat::RGB888);
}

TEST_F(IconStrips, LoadsFromAnImageFile) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "iconstrip_test.png";
  Bytes rgba;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 32; ++x) rgba.insert(rgba.end(), {0, 0, 255, static_cast<uint8_t>(x < 16 ? 255 : 0)});
  }
  ASSERT_TRUE(WriteFile(path, EncodePng(32, 16, 4, rgba)));
  auto strip = LoadIconStrip(MakeText(FromUtf8(path)));
  DeleteFileA(path.c_str());
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->count, 2);
  EXPECT_FALSE(NativeOf(strip)->IsBlank(0));
  EXPECT_TRUE(NativeOf(strip)->IsBlank(1));  // wholly transparent
  EXPECT_EQ(Drawn(ImageListOf(NativeOf(strip)), 0, 16, 0x00FF00)[17], 0x0000FFu);
}

// A 16 x 16 PNG file of the given colour type whose left half is `keyed` and right half `kept`
// (one sample each for grey, three for colour), with a transparency key for `keyed`.
Bytes KeyedPng(int colourType, const Bytes& keyed, const Bytes& kept) {
  Bytes rows, key;
  for (int y = 0; y < 16; ++y) {
    rows.push_back(0);  // no filter
    for (int x = 0; x < 16; ++x)
      rows.insert(rows.end(), (x < 8 ? keyed : kept).begin(), (x < 8 ? keyed : kept).end());
  }
  for (uint8_t v : keyed) key.insert(key.end(), {0, v});
  return PngFile(16, 16, 8, colourType, ZlibStored(rows), PngChunk("tRNS", key));
}

TEST_F(IconStrips, ColourKeyedImageFileShowsTheBackgroundWhereTheKeyWas) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "iconstrip_keyed_test.png";
  const struct {
    const char* name;
    Bytes file;
    uint32_t kept;
  } cases[] = {
      {"rgb keyed at magenta", KeyedPng(2, {255, 0, 255}, {0, 0, 160}), 0x0000A0},
      {"grey keyed at mid grey", KeyedPng(0, {128}, {32}), 0x202020},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(WriteFile(path, c.file));
    auto strip = LoadIconStrip(MakeText(FromUtf8(path)));
    DeleteFileA(path.c_str());
    ASSERT_TRUE(strip);
    const auto pixels = Drawn(ImageListOf(NativeOf(strip)), 0, 16, 0x00FF00);
    EXPECT_EQ(pixels[5 * 16 + 3], 0x00FF00u);
    EXPECT_EQ(pixels[5 * 16 + 12], c.kept);
  }
}

}  // namespace
