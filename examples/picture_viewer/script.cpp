// The picture viewer's scripted run: a picture written at run time is opened with the tool bar's
// Open button and read back from the panel's pixels in both modes; a file that is no picture is
// refused; Alt+F4 ends the program.
#include <windows.h>
// The tool bar's messages need the base platform header first.
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "examples/picture_viewer/viewer.h"
#include "examples/script/script.h"
#include "gui/constants.h"
#include "runtime/text.h"
#include "runtime/wide.h"

using namespace script;

namespace {

constexpr int PictureW = 40, PictureH = 20;
constexpr COLORREF Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255), Grey = RGB(64, 64, 64);

void Put(std::vector<char>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

// A 24-bit BMP whose left half is red and right half blue.
void WritePicture(const std::filesystem::path& path) {
  const uint32_t row = PictureW * 3, size = 54 + row * PictureH;  // rows are already 4-byte aligned
  std::vector<char> b;
  b.push_back('B');
  b.push_back('M');
  for (uint32_t v : {size, 0u, 54u, 40u}) Put(b, v, 4);
  Put(b, PictureW, 4);
  Put(b, PictureH, 4);
  Put(b, 1, 2);   // planes
  Put(b, 24, 2);  // bits per pixel
  for (int i = 0; i < 6; ++i) Put(b, 0, 4);
  for (int y = 0; y < PictureH; ++y) {
    for (int x = 0; x < PictureW; ++x) Put(b, x < PictureW / 2 ? 0xFF0000u : 0x0000FFu, 3);  // B, G, R
  }
  std::ofstream(path, std::ios::binary).write(b.data(), static_cast<std::streamsize>(b.size()));
}

COLORREF Pixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

// Presses tool bar button `index` with the mouse.
void Press(HWND bar, int index) {
  RECT r{};
  SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  Click(bar, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

}  // namespace

int RunViewerScript(Viewer& viewer) {
  HandleEventsWith([&](int32_t id) { return viewer.Handle(id); });
  const HWND window = Hwnd(viewer.window), bar = Hwnd(viewer.toolbar), panel = Hwnd(viewer.panel);
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::u16string picture = FromWide(temp) + u"varnoc-viewer-picture.bmp";
  const std::u16string broken = FromWide(temp) + u"varnoc-viewer-broken.bmp";
  WritePicture(std::filesystem::path(Wide(picture)));
  std::ofstream(std::filesystem::path(Wide(broken))) << "not a picture";

  Check(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0) == 3, "the tool bar has a button per icon of its strip");

  // Open: the path the requester would answer comes from the script.
  viewer.scriptedPaths.push_back(picture);
  Press(bar, ViewerButton::Open);
  const bool opened =
      WaitUntil([&] { return WindowText(window) == "Picture viewer - varnoc-viewer-picture.bmp (40 x 20)"; });
  Check(opened, "the title names the opened picture and its size: " + WindowText(window));

  // Fit: scaled as large as it fits whole, centred, the panel's colour in the bands left over.
  RECT client{};
  GetClientRect(panel, &client);
  const int w = client.right, h = client.bottom;
  const double scale = std::min(static_cast<double>(w) / PictureW, static_cast<double>(h) / PictureH);
  const int shownW = static_cast<int>(PictureW * scale), shownH = static_cast<int>(PictureH * scale);
  Check(h - shownH >= 8, "the panel leaves bands above and below a wide picture");
  auto showsFitted = [&] {
    return Pixel(panel, w / 2 - shownW / 4, h / 2) == Red &&
           Pixel(panel, w / 2 + shownW / 4, h / 2) == Blue && Pixel(panel, w / 2, (h - shownH) / 4) == Grey &&
           Pixel(panel, w / 2, h - (h - shownH) / 4) == Grey;
  };
  Check(WaitUntil(showsFitted),
        "the panel shows the picture fitted, red left, blue right, grey above and below");

  // Actual size: the picture once, unscaled, in the middle; where the fitted one was red is grey.
  Press(bar, ViewerButton::ActualSize);
  auto showsActualSize = [&] {
    return Pixel(panel, w / 2 - PictureW / 4, h / 2) == Red &&
           Pixel(panel, w / 2 + PictureW / 4, h / 2) == Blue &&
           Pixel(panel, w / 2 - shownW / 4, h / 2) == Grey;
  };
  Check(WaitUntil(showsActualSize), "Actual size shows the picture unscaled in the middle");
  Press(bar, ViewerButton::Fit);
  Check(WaitUntil(showsFitted), "Fit scales the picture up again");

  // A file that is no picture: the title says so and the panel keeps the picture it had.
  viewer.scriptedPaths.push_back(broken);
  Press(bar, ViewerButton::Open);
  const bool refused = WaitUntil(
      [&] { return WindowText(window) == "Picture viewer - cannot read varnoc-viewer-broken.bmp"; });
  Check(refused, "the title says the file cannot be read: " + WindowText(window));
  RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  Check(WaitUntil(showsFitted), "the panel keeps showing the last picture");

  PressKeys({VK_MENU, VK_F4});
  Check(WaitUntil(Ended), "Alt+F4 ends the program");
  DeleteFileW(Wide(picture));
  DeleteFileW(Wide(broken));
  return Result();
}
