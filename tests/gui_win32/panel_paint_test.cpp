// Panel painting read back from the screen: where each picture mode puts the picture and the
// colour, alpha, clearing, canvases, group boxes, and the drawing objects panels let go of.
#include "gui/constants.h"
#include "gui/win32/kinds/panel.h"
#include "gui/win32/managed/gadget.h"
#include "tests/gui_win32/support.h"

namespace {

constexpr COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255);

// A blue picture with a green 4 x 4 mark in its top-left corner, so that placement and scaling
// both show.
Ref<TPixmap> MarkedPicture(int32_t w, int32_t h) {
  auto p = New<TPixmap>(w, h, PixmapFormat::RGBA8888);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) p->WritePixel(x, y, x < 4 && y < 4 ? 0xFF00FF00u : 0xFF0000FFu);
  }
  return p;
}

COLORREF Pixel(HWND h, int x, int y) {
  HDC dc = GetDC(h);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(h, dc);
  return c;
}

// Erases and repaints the panel now.
void Repaint(HWND h) {
  RedrawWindow(h, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump();
}

// Paints the panel's client area by hand, to see what a repaint leaves alone.
void Smear(HWND h, COLORREF c) {
  HDC dc = GetDC(h);
  RECT r{};
  GetClientRect(h, &r);
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
  ReleaseDC(h, dc);
}

struct Probe {
  int x, y;
  COLORREF colour;
};

class PanelPaint : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 440, 460);
  }
  // A red panel of the given size showing the marked picture in `mode`.
  Ref<TGadget> Showing(int32_t mode, int32_t pw, int32_t ph, int32_t w, int32_t h) {
    auto panel = MakePanel(0, 0, w, h, win, PanelStyle::Plain, u"");
    ChangePanelColor(panel, 255, 0, 0);
    ChangePanelPixmap(panel, MarkedPicture(pw, ph), mode);
    Repaint(Hwnd(panel));
    return panel;
  }
  Ref<TGadget> win;
};

TEST_F(PanelPaint, EachModePlacesThePictureAndTheColour) {
  const struct {
    const char* name;
    int32_t mode, pw, ph, w, h;
    std::vector<Probe> probes;
  } cases[] = {
      {"tile",
       PanelPicture::Tile,
       40,
       20,
       100,
       60,
       {{0, 0, Green}, {40, 0, Green}, {80, 20, Green}, {3, 43, Green}, {20, 10, Blue}, {99, 59, Blue}}},
      {"centre",
       PanelPicture::Centre,
       40,
       20,
       100,
       60,
       {{30, 20, Green},
        {50, 30, Blue},
        {69, 39, Blue},
        {50, 19, Red},
        {50, 40, Red},
        {29, 30, Red},
        {70, 30, Red}}},
      {"fit, wider panel",
       PanelPicture::Fit,
       40,
       20,
       100,
       60,
       {{0, 5, Green}, {9, 14, Green}, {50, 30, Blue}, {99, 54, Blue}, {50, 4, Red}, {50, 55, Red}}},
      {"fit 100 x 50 on 400 x 400",
       PanelPicture::Fit,
       100,
       50,
       400,
       400,
       {{0, 100, Green},
        {15, 115, Green},
        {16, 116, Blue},
        {399, 299, Blue},
        {200, 99, Red},
        {200, 300, Red},
        {0, 0, Red},
        {399, 399, Red}}},
      {"fit, taller panel",
       PanelPicture::Fit,
       40,
       20,
       60,
       100,
       {{0, 35, Green}, {59, 64, Blue}, {30, 34, Red}, {30, 65, Red}}},
      {"stretch",
       PanelPicture::Stretch,
       40,
       20,
       100,
       60,
       {{0, 0, Green}, {9, 11, Green}, {10, 12, Blue}, {99, 59, Blue}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto panel = Showing(c.mode, c.pw, c.ph, c.w, c.h);
    for (const Probe& p : c.probes) EXPECT_EQ(Pixel(Hwnd(panel), p.x, p.y), p.colour) << p.x << "," << p.y;
    DestroyGadget(panel);
  }
}

TEST_F(PanelPaint, ColourAloneFillsAndChangesThePanel) {
  auto panel = MakePanel(0, 0, 50, 50, win, PanelStyle::Plain, u"");
  Smear(Hwnd(panel), Blue);
  Repaint(Hwnd(panel));
  EXPECT_EQ(Pixel(Hwnd(panel), 25, 25), GetSysColor(COLOR_BTNFACE));  // nothing set: the window's own
  ChangePanelColor(panel, 255, 0, 0);
  Pump();
  EXPECT_EQ(Pixel(Hwnd(panel), 25, 25), Red);
  ChangePanelColor(panel, 0, 255, 0);
  Pump();
  EXPECT_EQ(Pixel(Hwnd(panel), 49, 49), Green);
}

TEST_F(PanelPaint, AlphaZeroPaintsNothingAndAboveZeroPaintsAgain) {
  auto panel = Showing(PanelPicture::Centre, 10, 10, 60, 60);
  ChangeGadgetAlpha(panel, 0.0f);
  Smear(Hwnd(panel), Green);
  Repaint(Hwnd(panel));
  EXPECT_EQ(Pixel(Hwnd(panel), 2, 2), Green);
  EXPECT_EQ(Pixel(Hwnd(panel), 30, 30), Green);
  ChangeGadgetAlpha(panel, 0.25f);
  Pump();
  EXPECT_EQ(Pixel(Hwnd(panel), 2, 2), Red);
  EXPECT_EQ(Pixel(Hwnd(panel), 30, 30), Blue);
}

TEST_F(PanelPaint, NullOrEmptyPixmapClearsThePicture) {
  for (auto cleared : {Ref<TPixmap>(), New<TPixmap>(0, 0, PixmapFormat::RGB888)}) {
    auto panel = Showing(PanelPicture::Stretch, 10, 10, 60, 60);
    ASSERT_EQ(Pixel(Hwnd(panel), 30, 30), Blue);
    ChangePanelPixmap(panel, cleared, PanelPicture::Tile);
    Pump();
    EXPECT_EQ(Pixel(Hwnd(panel), 30, 30), Red);
    DestroyGadget(panel);
  }
}

TEST_F(PanelPaint, CanvasPaintsNoBackgroundAndReportsEachRepaint) {
  auto canvas = MakeCanvas(0, 0, 80, 80, win, 0);
  ChangePanelColor(canvas, 255, 0, 0);
  ChangePanelPixmap(canvas, MarkedPicture(10, 10), PanelPicture::Stretch);
  Pump();
  Smear(Hwnd(canvas), Green);
  TakeEvents();
  Repaint(Hwnd(canvas));
  Repaint(Hwnd(canvas));
  auto paints = Only(TakeEvents(), GadgetPaint, canvas);
  ASSERT_EQ(paints.size(), 2u);
  EXPECT_EQ(paints[0].data, 0);
  EXPECT_EQ(Pixel(Hwnd(canvas), 0, 0), Green);
  EXPECT_EQ(Pixel(Hwnd(canvas), 40, 40), Green);
  // Nor when the system asks it to erase at once (as when it is uncovered).
  HDC dc = GetDC(Hwnd(canvas));
  EXPECT_EQ(SendMessageA(Hwnd(canvas), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(Hwnd(canvas), dc);
  EXPECT_EQ(Pixel(Hwnd(canvas), 40, 40), Green);
}

TEST_F(PanelPaint, GroupBoxShowsItsColourInsideTheFrame) {
  auto box = MakePanel(0, 0, 120, 100, win, PanelStyle::GroupBox, u"Box");
  HWND client = reinterpret_cast<HWND>(QueryGadgetHandle(box, QueryKind::ClientHandle));
  ChangePanelColor(box, 0, 0, 255);
  Pump();
  Repaint(Hwnd(box));
  EXPECT_EQ(Pixel(client, 50, 40), Blue);
  RECT r{};
  GetClientRect(Hwnd(box), &r);
  EXPECT_EQ(Pixel(Hwnd(box), r.right / 2, r.bottom - 3), Blue);  // between the frame and the client
}

TEST_F(PanelPaint, PanelsDeleteTheBrushesAndBitmapsTheyNoLongerUse) {
  auto panel = Showing(PanelPicture::Tile, 10, 10, 40, 40);
  auto* native = dynamic_cast<Win32Panel*>(Cast<TWin32Gadget>(panel)->native());
  ASSERT_TRUE(native);
  HBRUSH firstBrush = native->brush;
  HBITMAP firstBitmap = native->bitmap;
  ChangePanelColor(panel, 0, 0, 0);
  ChangePanelPixmap(panel, MarkedPicture(5, 5), PanelPicture::Tile);
  EXPECT_EQ(GetObjectType(firstBrush), 0u);
  EXPECT_EQ(GetObjectType(firstBitmap), 0u);
  HBRUSH brush = native->brush;
  HBITMAP bitmap = native->bitmap;
  ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
  ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  DestroyGadget(panel);
  panel = nullptr;
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

}  // namespace
