// Times panel painting and icon strip loading against the platform calls they come down to: 1,000
// repaints of a 400 x 400 panel fitting a 100 x 50 picture beside a bare window procedure doing the
// same StretchBlt from the same bitmap, and a 256-icon strip loaded from a PNG file through
// LoadIconStrip beside decoding the file and filling an image list directly.
#include <windows.h>
#undef SetProp
#undef GetProp
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/toolkit.h"
#include "gui/win32/kinds/panel.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/module_win32.h"
#include "runtime/text.h"
#include "tools/benchmarks/bench_win32.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

constexpr int Repaints = 1000;
constexpr int PaintRuns = 5;
constexpr int StripLoads = 20;
constexpr int StripRuns = 5;

double Repaint(HWND h) {
  Pump();
  double t0 = Now();
  for (int i = 0; i < Repaints; ++i) {
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
  }
  GdiFlush();
  return Now() - t0;
}

// The bare window: what a hand-written procedure painting the same picture does.
HBITMAP rawBitmap = nullptr;
HBRUSH rawBrush = nullptr;
LRESULT CALLBACK RawProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      HDC source = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(source, rawBitmap);
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 100, 400, 200, source, 0, 0, 100, 50, SRCCOPY);
      RECT above{0, 0, 400, 100}, below{0, 300, 400, 400};
      FillRect(dc, &above, rawBrush);
      FillRect(dc, &below, rawBrush);
      SelectObject(source, old);
      DeleteDC(source);
      EndPaint(h, &ps);
      return 0;
    }
  }
  return DefWindowProcW(h, msg, wp, lp);
}

HWND RawWindow(HWND parent) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RawProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"paint_bench_raw";
  wc.style = CS_OWNDC;
  RegisterClassW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 400, parent, nullptr,
                         wc.hInstance, nullptr);
}

void Append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// 256 icons of 16 x 16 with alpha: a coloured disc on a transparent square, every fourth icon blank.
std::vector<uint8_t> StripPng() {
  std::vector<uint8_t> rgba;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 4096; ++x) {
      const int icon = x / 16, dx = x % 16 - 8, dy = y - 8;
      const bool inside = icon % 4 != 3 && dx * dx + dy * dy < 40;
      rgba.insert(rgba.end(), {static_cast<uint8_t>(icon), static_cast<uint8_t>(255 - icon),
                               static_cast<uint8_t>(x * 7), static_cast<uint8_t>(inside ? 255 : 0)});
    }
  }
  std::vector<uint8_t> png;
  stbi_write_png_to_func(Append, &png, 4096, 16, 4, rgba.data(), 4096 * 4);
  return png;
}

double OurStrips(const std::u16string& path) {
  double t0 = Now();
  for (int i = 0; i < StripLoads; ++i) {
    Ref<TIconStrip> strip = LoadIconStrip(MakeText(path));
    if (!strip || strip->count != 256) std::fprintf(stderr, "strip not loaded\n");
  }
  return Now() - t0;
}

double RawStrips(const std::wstring& path) {
  double t0 = Now();
  for (int i = 0; i < StripLoads; ++i) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    std::vector<uint8_t> bytes(1 << 20);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    int w = 0, h = 0, n = 0;
    stbi_uc* rgb = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &n, 3);
    std::vector<uint32_t> bgrx(static_cast<size_t>(w) * h);
    for (size_t p = 0; p < bgrx.size(); ++p) {
      bgrx[p] = uint32_t{rgb[p * 3]} << 16 | uint32_t{rgb[p * 3 + 1]} << 8 | rgb[p * 3 + 2];
    }
    stbi_image_free(rgb);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetDIBits(screen, bitmap, 0, static_cast<UINT>(h), bgrx.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    HIMAGELIST list = ImageList_Create(h, h, ILC_COLOR24 | ILC_MASK, 0, 1);
    ImageList_AddMasked(list, bitmap, RGB(255, 255, 255));
    DeleteObject(bitmap);
    ImageList_Destroy(list);
  }
  return Now() - t0;
}

}  // namespace

int main() {
  QueueModuleStart();
  Win32GuiModuleStart();
  auto win = MakeWindow(u"bench", 0, 0, 900, 500, nullptr, WindowStyle::TitleBar);
  SetForegroundWindow(reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::NativeHandle)));
  auto panel = MakePanel(0, 0, 400, 400, win, 0, u"");
  ChangePanelColor(panel, 200, 30, 30);
  auto picture = New<TPixmap>(100, 50, PixmapFormat::RGB888);
  for (int32_t y = 0; y < 50; ++y) {
    for (int32_t x = 0; x < 100; ++x)
      picture->WritePixel(x, y, 0xFF000000u | uint32_t(x * 2) << 8 | uint32_t(y * 5));
  }
  ChangePanelPixmap(panel, picture, PanelPicture::Fit);
  auto* native = dynamic_cast<Win32Panel*>(Cast<TWin32Gadget>(panel)->native());
  rawBitmap = native->bitmap;
  rawBrush = native->brush;
  HWND client = reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::ClientHandle));
  HWND raw = RawWindow(client);
  MoveWindow(raw, 420, 0, 400, 400, TRUE);
  HWND ours = reinterpret_cast<HWND>(QueryGadgetHandle(panel, QueryKind::NativeHandle));
  Repaint(ours);
  Repaint(raw);
  std::vector<double> o, r;
  for (int i = 0; i < PaintRuns; ++i) {
    o.push_back(Repaint(ours));
    r.push_back(Repaint(raw));
  }
  Report("1,000 repaints of a 400 x 400 panel fitting a picture", o, r, "bare StretchBlt procedure");

  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"paint_bench_strip.png";
  const std::u16string text(path.begin(), path.end());
  const std::vector<uint8_t> png = StripPng();
  FILE* f = _wfopen(path.c_str(), L"wb");
  std::fwrite(png.data(), 1, png.size(), f);
  std::fclose(f);
  OurStrips(text);
  RawStrips(path);
  o.clear();
  r.clear();
  for (int i = 0; i < StripRuns; ++i) {
    o.push_back(OurStrips(text));
    r.push_back(RawStrips(path));
  }
  Report("20 loads of a 256-icon strip from a PNG file", o, r, "decode+ImageList_AddMasked");
  DeleteFileW(path.c_str());
  DestroyWindow(raw);
  DestroyGadget(win);
  return 0;
}
