// The native layer's layout rules and the driver's pure helpers: map keys, pointer table,
// icon preparation and the print file's path.
#include <gtest/gtest.h>

#include <string>

#include "gui/win32/kinds/text_area.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/vell.h"
#include "runtime/text.h"

namespace {

struct Axis {
  int32_t pos, extent;
};

// A parent recorded at client width 200, a child locked at x 10 width 50, the parent now 400.
Axis Lay(int32_t l, int32_t r) {
  int32_t pos = 10, extent = 50;
  VellLayoutAxis(l, r, 10, 50, 200, 400, pos, extent);
  return {pos, extent};
}

}  // namespace

TEST(NativeLayout, EdgesFollowTheParentByMode) {
  EXPECT_EQ(Lay(1, 1).pos, 10);
  EXPECT_EQ(Lay(1, 1).extent, 250);
  EXPECT_EQ(Lay(2, 2).pos, 20);
  EXPECT_EQ(Lay(2, 2).extent, 100);
  EXPECT_EQ(Lay(0, 1).pos, 210);
  EXPECT_EQ(Lay(0, 1).extent, 50);
  EXPECT_EQ(Lay(0, 0).pos, 45);
  EXPECT_EQ(Lay(0, 0).extent, 50);
  EXPECT_EQ(Lay(1, 0).pos, 10);
  EXPECT_EQ(Lay(1, 0).extent, 50);
}

TEST(NativeLayout, UnknownModeKeepsTheEdgeWhereItWas) {
  int32_t pos = 30, extent = 40;
  VellLayoutAxis(7, 1, 10, 50, 200, 400, pos, extent);
  EXPECT_EQ(pos, 30);
  EXPECT_EQ(pos + extent, 10 + 50 - 200 + 400);
}

TEST(NativeLayout, OddAndNegativeExtentsHalveTowardZero) {
  int32_t pos = 0, extent = 0;
  VellLayoutAxis(0, 0, 10, -3, 100, 100, pos, extent);
  // Centre 10 + (-1) = 9 stays at 9 for an unchanged parent; the left edge is 9 - (-1) = 10.
  EXPECT_EQ(pos, 10);
  EXPECT_EQ(extent, -3);
}

TEST(NativeLayout, HugeParentsDoNotOverflowTheScaling) {
  int32_t pos = 0, extent = 0;
  VellLayoutAxis(2, 2, 100000, 100000, 200000, 400000, pos, extent);
  EXPECT_EQ(pos, 200000);
  EXPECT_EQ(extent, 200000);
}

TEST(GadgetMapKeys, OrderAddressesWithoutOverflow) {
  auto low = TIntWrapper::Create(1);
  auto high = TIntWrapper::Create(static_cast<intptr_t>(INTPTR_MAX / 2 + 7));
  EXPECT_LT(low->Compare(high.get()), 0);
  EXPECT_GT(high->Compare(low.get()), 0);
  EXPECT_EQ(low->Compare(TIntWrapper::Create(1).get()), 0);
}

TEST(PointerShapes, MapToSystemCursorsAndFallBackToTheArrow) {
  auto id = [](LPCSTR cursor) { return static_cast<int32_t>(reinterpret_cast<uintptr_t>(cursor)); };
  EXPECT_EQ(PointerCursorId(0), id(IDC_ARROW));
  EXPECT_EQ(PointerCursorId(2), id(IDC_IBEAM));
  EXPECT_EQ(PointerCursorId(11), id(IDC_NO));
  EXPECT_EQ(PointerCursorId(14), id(IDC_HELP));
  EXPECT_EQ(PointerCursorId(15), id(IDC_ARROW));
  EXPECT_EQ(PointerCursorId(-1), id(IDC_ARROW));
}

TEST(IconPixels, TransparentBecomesMaskWhiteAndWhiteMovesOffIt) {
  auto pix = New<TPixmap>(2, 2, PixmapFormat::RGBA8888);
  pix->WritePixel(0, 0, 0x80FFFFFF);  // alpha bits 2, even square: 2 + 0 -> mask
  pix->WritePixel(1, 0, 0x80123456);  // alpha bits 2, odd square: 3 -> kept
  pix->WritePixel(0, 1, 0xFFFFFFFF);  // opaque white, odd square -> off-white
  pix->WritePixel(1, 1, 0x00000000);  // transparent -> mask
  TWin32GUIDriver::ProcessIconPix(pix);
  EXPECT_EQ(pix->ReadPixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(pix->ReadPixel(1, 0), 0x80123456u);
  EXPECT_EQ(pix->ReadPixel(0, 1) & 0xFFFFFF, 0xFEFEFEu);
  EXPECT_EQ(pix->ReadPixel(1, 1), 0xFFFFFFFFu);
}

TEST(IconPixels, PixmapsWithoutAlphaAreLeftAlone) {
  auto pix = New<TPixmap>(1, 1, PixmapFormat::RGB888);
  pix->WritePixel(0, 0, 0xFFFFFFFF);
  TWin32GUIDriver::ProcessIconPix(pix);
  EXPECT_EQ(pix->ReadPixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

class PrintPath : public ::testing::Test {
 protected:
  void SetUp() override {
    char buf[32768];
    DWORD n = GetEnvironmentVariableA("TMP", buf, sizeof buf);
    had_ = n > 0 && n < sizeof buf;
    if (had_) old_ = buf;
  }
  void TearDown() override { SetEnvironmentVariableA("TMP", had_ ? old_.c_str() : nullptr); }
  static std::string TempFolderFile() {
    char dir[MAX_PATH];
    DWORD n = GetTempPathA(sizeof dir, dir);
    std::string d(dir, n);
    while (!d.empty() && d.back() == '\\') d.pop_back();
    return d + "\\printjob.txt";
  }

 private:
  bool had_ = false;
  std::string old_;
};

TEST_F(PrintPath, UsesTmpWhenItIsSet) {
  SetEnvironmentVariableA("TMP", "C:\\jobs");
  EXPECT_EQ(PrintJobPath(), u"C:\\jobs\\printjob.txt");
  // A folder named beyond the 8-bit code page is kept whole.
  SetEnvironmentVariableW(L"TMP", L"C:\\\u0141\u00f3d\u017a \u5199\u771f");
  EXPECT_EQ(PrintJobPath(), u"C:\\\u0141\u00f3d\u017a \u5199\u771f\\printjob.txt");
}

TEST_F(PrintPath, FallsBackToTheTempFolderWithoutTmp) {
  SetEnvironmentVariableA("TMP", nullptr);
  EXPECT_EQ(Utf8(PrintJobPath()), TempFolderFile());
}

TEST_F(PrintPath, OverlongTmpNeitherOverflowsNorCutsThePath) {
  std::string longDir = "C:\\" + std::string(600, 'x');
  SetEnvironmentVariableA("TMP", longDir.c_str());
  std::string path = Utf8(PrintJobPath());
  EXPECT_LT(path.size(), static_cast<size_t>(MAX_PATH));
  EXPECT_EQ(path.find("xxxx"), std::string::npos);
  EXPECT_EQ(path.substr(path.size() - 13), "\\printjob.txt");
}
