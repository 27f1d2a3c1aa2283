// Display scale: program units scaled once at the platform's edge, at the screen's DPI and at a
// DPI a window is told to take; the manifest every program carries.
#include "gui/win32/native/dpi.h"

#include <gtest/gtest.h>

#include "gui/pixmap.h"
// After windows.h (support.h), which defines its types.
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/gui_win32/click.h"
#include "tests/gui_win32/support.h"

namespace {

// The platform's rectangle of a child in its parent's client area.
RECT ChildRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct Placed {
  const char* kind;
  Ref<TGadget> gadget;
  int32_t x, y, w, h;
  bool lettered = true;  // shows text in the font it is given
};

// One gadget of each kind whose height the platform does not choose, in a window with a group
// box holding one more: the shapes the program gave them.
std::vector<Placed> FillWindow(const Ref<TGadget>& win) {
  std::vector<Placed> out;
  auto add = [&](const char* kind, Ref<TGadget> g, int32_t x, int32_t y, int32_t w, int32_t h,
                 bool lettered = true) {
    out.push_back(Placed{kind, std::move(g), x, y, w, h, lettered});
  };
  add("button", MakeButton(u"Press", 10, 10, 97, 23, win, 0), 10, 10, 97, 23);
  add("label", MakeLabel(u"Name", 120, 13, 61, 17, win, 0), 120, 13, 61, 17);
  add("text field", MakeTextField(10, 43, 151, 21, win, 0), 10, 43, 151, 21);
  add("list box", MakeListBox(10, 75, 133, 87, win, 0), 10, 75, 133, 87);
  add("tree view", MakeTreeView(150, 75, 111, 87, win, 0), 150, 75, 111, 87);
  add("slider", MakeSlider(10, 170, 171, 25, win, 0), 10, 170, 171, 25, false);
  add("progress bar", MakeProgressBar(190, 170, 91, 17, win, 0), 190, 170, 91, 17, false);
  add("canvas", MakeCanvas(270, 10, 77, 53, win, 0), 270, 10, 77, 53, false);
  Ref<TGadget> box = MakePanel(10, 203, 201, 81, win, PanelStyle::GroupBox, u"Box");
  add("group box", box, 10, 203, 201, 81);
  add("button in a group box", MakeButton(u"In", 5, 7, 63, 23, box, 0), 5, 7, 63, 23);
  return out;
}

// Every gadget's platform rectangle is its program shape times the scale, within a pixel, and
// every query still answers the program's numbers.
void ExpectScaled(const std::vector<Placed>& placed, int dpi) {
  for (const Placed& p : placed) {
    SCOPED_TRACE(std::string(p.kind) + " at " + std::to_string(dpi) + " DPI");
    RECT r = ChildRect(Hwnd(p.gadget));
    EXPECT_NEAR(r.left, MulDiv(p.x, dpi, 96), 1);
    EXPECT_NEAR(r.top, MulDiv(p.y, dpi, 96), 1);
    EXPECT_NEAR(r.right - r.left, MulDiv(p.w, dpi, 96), 1);
    EXPECT_NEAR(r.bottom - r.top, MulDiv(p.h, dpi, 96), 1);
    EXPECT_EQ(GetGadgetX(p.gadget), p.x);
    EXPECT_EQ(GetGadgetY(p.gadget), p.y);
    EXPECT_EQ(GetGadgetWidth(p.gadget), p.w);
    EXPECT_EQ(GetGadgetHeight(p.gadget), p.h);
  }
}

// The height of the font the control draws with, in pixels.
LONG FontHeightOf(HWND hwnd) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  return lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
}

LONG MessageFontHeight(int dpi) {
  NONCLIENTMETRICSW m{};
  NonClientMetricsForDpi(&m, dpi);
  return m.lfMessageFont.lfHeight < 0 ? -m.lfMessageFont.lfHeight : m.lfMessageFont.lfHeight;
}

// Tells a window it now shows at `dpi` the way the platform does when it moves to another screen,
// with the rectangle the platform suggests: the client area the program asked for, at that DPI,
// in the frame the window has (a sent message leaves the platform's frame as it is).
void SendDpiChange(const Ref<TGadget>& win, int dpi) {
  HWND h = Hwnd(win);
  RECT outer{}, client{};
  GetWindowRect(h, &outer);
  GetClientRect(h, &client);
  RECT r = outer;
  r.right += ToPixels(ClientWidth(win), dpi) - client.right;
  r.bottom += ToPixels(ClientHeight(win), dpi) - client.bottom;
  SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

// The colour (0xRRGGBB) of one pixel of an image list's icon drawn over green.
uint32_t IconPixel(HIMAGELIST list, int size, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, size, size};
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  FillRect(dc, &all, green);
  ImageList_Draw(list, 0, dc, 0, 0, ILD_NORMAL);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(green);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return uint32_t{GetRValue(c)} << 16 | uint32_t{GetGValue(c)} << 8 | GetBValue(c);
}

class Dpi : public DriverTest {};

}  // namespace

TEST(DpiArithmetic, ValuesSurviveTheRoundTripAtEveryScale) {
  for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
    for (int32_t v = -400; v <= 4000; ++v) {
      ASSERT_EQ(ToProgram(ToPixels(v, dpi), dpi), v) << v << " at " << dpi;
    }
    // A shape keeps its width wherever it sits, although its corners round apart.
    for (int32_t x : {0, 1, 3, 7, 333}) {
      RECT back = RectToProgram(ShapeToPixels(x, x + 1, 5, 9, dpi), dpi);
      EXPECT_EQ(back.left, x);
      EXPECT_EQ(back.top, x + 1);
      EXPECT_EQ(back.right - back.left, 5) << x << " at " << dpi;
      EXPECT_EQ(back.bottom - back.top, 9) << x << " at " << dpi;
    }
  }
  EXPECT_EQ(ToPixels(10, 144), 15);
  EXPECT_EQ(ToPixels(3, 120), 4);  // 3.75 rounds up, where truncation would lose a pixel
}

TEST_F(Dpi, GadgetsAreTheirShapeTimesTheScreensScale) {
  Ref<TGadget> win = TestWindow(WindowStyle::TitleBar | WindowStyle::ClientCoords, 360, 300);
  std::vector<Placed> placed = FillWindow(win);
  Pump();
  const int dpi = DpiOf(Hwnd(win));
  EXPECT_FLOAT_EQ(GadgetScale(win), dpi / 96.0f);
  ExpectScaled(placed, dpi);
  RECT client{};
  GetClientRect(Hwnd(win), &client);
  EXPECT_NEAR(client.right, MulDiv(360, dpi, 96), 1);
  EXPECT_EQ(ClientWidth(win), 360);
  EXPECT_EQ(ClientHeight(win), 300);
  // The default font is the platform's message font for the window's DPI.
  EXPECT_EQ(FontHeightOf(Hwnd(placed[0].gadget)), MessageFontHeight(dpi));
}

TEST_F(Dpi, ADpiChangeLaysTheWindowOutAsIfMadeThere) {
  Ref<TGadget> win = TestWindow(WindowStyle::TitleBar | WindowStyle::ClientCoords, 360, 300);
  std::vector<Placed> placed = FillWindow(win);
  const int before = DpiOf(Hwnd(win));
  const int after = before * 2;
  TakeEvents();
  SendDpiChange(win, after);
  std::vector<Seen> events = TakeEvents();
  auto scale = Only(events, WindowScale, win);
  ASSERT_EQ(scale.size(), 1u);
  EXPECT_EQ(scale[0].data, after);
  EXPECT_EQ(scale[0].x, 360);
  EXPECT_EQ(scale[0].y, 300);
  EXPECT_FLOAT_EQ(GadgetScale(win), after / 96.0f);
  EXPECT_FLOAT_EQ(GadgetScale(placed.back().gadget), after / 96.0f);
  ExpectScaled(placed, after);
  EXPECT_EQ(ClientWidth(win), 360);
  EXPECT_EQ(ClientHeight(win), 300);
  for (const Placed& p : placed) {
    if (!p.lettered) continue;
    EXPECT_EQ(FontHeightOf(Hwnd(p.gadget)), MessageFontHeight(after)) << p.kind;
  }
  // The group box's frame and title take their room at the new scale too.
  HWND inner = reinterpret_cast<HWND>(QueryGadgetHandle(placed[8].gadget, QueryKind::ClientHandle));
  RECT r = ChildRect(inner);
  EXPECT_EQ(r.left, ToPixels(4, after));
  EXPECT_EQ(r.top, ToPixels(16, after));
  // Going back gives the shapes of a window made at the first DPI.
  SendDpiChange(win, before);
  TakeEvents();
  ExpectScaled(placed, before);
  EXPECT_EQ(FontHeightOf(Hwnd(placed[0].gadget)), MessageFontHeight(before));
}

TEST_F(Dpi, IconsGrowWithTheScaleAndStayClearAroundThem) {
  // One 16-pixel icon: white (clear) with a red square from 4 to 12.
  auto pixels = New<TPixmap>(16, 16, PixmapFormat::RGB888);
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      pixels->WritePixel(x, y, x >= 4 && x < 12 && y >= 4 && y < 12 ? 0xFFFF0000 : 0xFFFFFFFF);
    }
  }
  Ref<TGadget> win = TestWindow(WindowStyle::TitleBar | WindowStyle::ClientCoords, 300, 200);
  Ref<TGadget> list = MakeListBox(10, 10, 200, 150, win, 0);
  ChangeGadgetIconStrip(list, LoadIconStrip(pixels));
  auto shown = [&] {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(Hwnd(list), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  };
  const int dpi = DpiOf(Hwnd(list));
  int w = 0, h = 0;
  ImageList_GetIconSize(shown(), &w, &h);
  EXPECT_EQ(w, ToPixels(16, dpi));
  SendDpiChange(win, dpi * 2);
  const int size = ToPixels(16, dpi * 2);
  ImageList_GetIconSize(shown(), &w, &h);
  EXPECT_EQ(w, size);
  EXPECT_EQ(h, size);
  const int in = size / 4, out = in - 1;  // the red square's first pixel, and the one before it
  EXPECT_EQ(IconPixel(shown(), size, in, in), 0xFF0000u);
  EXPECT_EQ(IconPixel(shown(), size, size / 2, size / 2), 0xFF0000u);
  EXPECT_EQ(IconPixel(shown(), size, out, out), 0x00FF00u);
  EXPECT_EQ(IconPixel(shown(), size, size - 1, size - 1), 0x00FF00u);
}

TEST_F(Dpi, AClickLandsAtTheProgramsCoordinates) {
  Ref<TGadget> win = TestWindow(WindowStyle::TitleBar | WindowStyle::ClientCoords, 300, 400);
  Ref<TGadget> canvas = MakeCanvas(20, 20, 200, 150, win, 0);
  Ref<TGadget> area = MakeTextArea(20, 200, 200, 150, win, 0);
  SendDpiChange(win, DpiOf(Hwnd(win)) * 3 / 2);
  TakeEvents();
  const int dpi = DpiOf(Hwnd(canvas));
  struct Case {
    const char* what;
    Ref<TGadget> gadget;
    bool right;
    int32_t event;
  };
  for (const Case& c : {Case{"a canvas's mouse down", canvas, false, MouseDown},
                        Case{"a text area's context menu", area, true, GadgetMenu}}) {
    SCOPED_TRACE(c.what);
    ClickAt(Hwnd(c.gadget), POINT{ToPixels(40, dpi), ToPixels(30, dpi)}, 1, c.right);
    auto seen = Only(TakeEvents(), c.event, c.gadget);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].x, 40);
    EXPECT_EQ(seen[0].y, 30);
  }
}

TEST_F(Dpi, TheMinimumSizeFollowsTheWindowsScale) {
  Ref<TGadget> win = TestWindow(WindowStyle::TitleBar | WindowStyle::Resizable, 300, 200);
  SetWindowMinimumSize(win, 200, 120);
  HWND h = Hwnd(win);
  SendDpiChange(win, DpiOf(h) * 2);
  MINMAXINFO info{};
  SendMessageW(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, ToPixels(200, DpiOf(h)));
  EXPECT_EQ(info.ptMinTrackSize.y, ToPixels(120, DpiOf(h)));
}

TEST(Manifest, EveryProgramCarriesIt) {
  // The test program itself, the other test programs and their helpers beside it, and the programs
  // in the build tree.
  const std::vector<std::wstring> programs = {L"",
                                              L"event_win32_tests.exe",
                                              L"event_tests.exe",
                                              L"gui_tests.exe",
                                              L"runtime_tests.exe",
                                              L"exit_child.exe",
                                              L"app_win32_tests.exe",
                                              L"snapshot_child.exe",
                                              L"late_task.exe",
                                              L"url_sink.exe",
                                              L"gui_win32_screenshot.exe",
                                              L"..\\app\\Varnoc.exe",
                                              L"..\\gallery\\Gallery.exe",
                                              L"..\\examples\\notes\\Notes.exe",
                                              L"..\\examples\\picture_viewer\\PictureViewer.exe",
                                              L"..\\examples\\process_list\\ProcessList.exe"};
  for (const std::wstring& path : programs) {
    SCOPED_TRACE(std::string(path.begin(), path.end()));
    HMODULE file = path.empty() ? GetModuleHandleW(nullptr)
                                : LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(file, nullptr);
    HRSRC found = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(file, found)));
    const std::string text(bytes, SizeofResource(file, found));
    EXPECT_NE(text.find("PerMonitorV2, PerMonitor"), std::string::npos);
    EXPECT_NE(text.find(">true/pm<"), std::string::npos);
    EXPECT_NE(text.find("<longPathAware"), std::string::npos);
    EXPECT_NE(text.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
    if (!path.empty()) FreeLibrary(file);
  }
}
