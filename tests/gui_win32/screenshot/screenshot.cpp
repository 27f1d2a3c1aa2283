// Shows a window with every gadget kind the Win32 driver builds and keeps it on screen while the
// display is captured:  gui_win32_screenshot MARKER (the window's rectangle is written to MARKER;
// the window goes when MARKER is deleted).
#include <windows.h>
#undef SetProp
#undef GetProp

#include <cstdio>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/toolkit.h"
#include "gui/win32/module_win32.h"

namespace {

void PumpFor(DWORD ms) {
  DWORD end = GetTickCount() + ms;
  MSG m;
  while (GetTickCount() < end) {
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
    Sleep(10);
  }
}

// Tells the capturing side where the window is, then keeps it on screen until the capture is
// done (the side deletes the file) or 30 seconds have passed.
bool AnnounceAndWait(const RECT& r, const char* path) {
  FILE* f = std::fopen(path, "w");
  if (!f) return false;
  std::fprintf(f, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fclose(f);
  for (int i = 0; i < 300 && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; ++i) PumpFor(100);
  return true;
}

// A small picture for the panels: a diagonal gradient with a dark frame.
Ref<TPixmap> Picture() {
  auto p = New<TPixmap>(36, 24, PixmapFormat::RGB888);
  for (int32_t y = 0; y < 24; ++y) {
    for (int32_t x = 0; x < 36; ++x) {
      bool frame = x == 0 || y == 0 || x == 35 || y == 23;
      p->WritePixel(x, y,
                    frame ? 0xFF203040u : 0xFF000000u | uint32_t(x * 7) << 16 | uint32_t(y * 10) << 8 | 0xC0);
    }
  }
  return p;
}

// A column of panels: each picture mode, a plain colour, a coloured group box and a canvas (the
// canvas is returned).
Ref<TGadget> Panels(const Ref<TGadget>& win) {
  const char16_t* names[] = {u"Tile", u"Centre", u"Fit", u"Stretch"};
  const int32_t modes[] = {PanelPicture::Tile, PanelPicture::Centre, PanelPicture::Fit,
                           PanelPicture::Stretch};
  for (int i = 0; i < 4; ++i) {
    const int32_t x = 555 + (i % 2) * 140, y = 10 + (i / 2) * 95;
    MakeLabel(names[i], x, y, 130, 16, win, 0);
    auto p = MakePanel(x, y + 16, 130, 72, win, PanelStyle::Border, u"");
    ChangePanelColor(p, 250, 240, 200);
    ChangePanelPixmap(p, Picture(), modes[i]);
  }
  auto coloured = MakePanel(555, 200, 130, 60, win, PanelStyle::Plain, u"");
  ChangePanelColor(coloured, 60, 120, 200);
  MakeLabel(u"Coloured panel", 10, 20, 110, 20, coloured, 0);
  auto box = MakePanel(695, 200, 130, 60, win, PanelStyle::GroupBox, u"Coloured box");
  ChangePanelColor(box, 220, 250, 220);
  MakeLabel(u"Canvas (program-drawn)", 555, 270, 270, 16, win, 0);
  return MakeCanvas(555, 288, 270, 80, win, 0);
}

// What the program draws on the canvas when it is asked to paint.
void PaintCanvas(const Ref<TGadget>& canvas) {
  HWND h = reinterpret_cast<HWND>(QueryGadgetHandle(canvas, QueryKind::NativeHandle));
  HDC dc = GetDC(h);
  RECT r{};
  GetClientRect(h, &r);
  HBRUSH back = CreateSolidBrush(RGB(255, 255, 255)), disc = CreateSolidBrush(RGB(230, 120, 40));
  FillRect(dc, &r, back);
  HGDIOBJ old = SelectObject(dc, disc);
  Ellipse(dc, 10, 10, 60, 70);
  Rectangle(dc, 80, 20, 250, 60);
  SelectObject(dc, old);
  DeleteObject(back);
  DeleteObject(disc);
  ReleaseDC(h, dc);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gui_win32_screenshot MARKER\n");
    return 2;
  }
  QueueModuleStart();
  Win32GuiModuleStart();
  auto win = MakeWindow(u"Every gadget kind", 40, 40, 845, 420, nullptr,
                        WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::MenuBar |
                            WindowStyle::StatusBar | WindowStyle::ClientCoords);
  ChangeStatusText(win, u"status bar text");
  auto file = MakeMenu(u"File", 1, win);
  MakeMenu(u"Open", 2, file, 79, 2);
  MakeMenu(u"Save as", 3, file, 83, 2 | 1);
  MakeMenu(u"", 0, file);
  TickMenuEntry(MakeMenu(u"Checked", 4, file));
  DisableMenuEntry(MakeMenu(u"Grayed", 5, file));
  MakeMenu(u"Quit", 6, file, 115, 4);
  auto help = MakeMenu(u"Help", 7, win);
  MakeMenu(u"About", 8, help, 112, 0);
  RebuildWindowMenu(win);
  MakeLabel(u"Left label", 10, 10, 160, 20, win, 0);
  MakeLabel(u"Centred, sunken", 180, 10, 170, 20, win, LabelStyle::Center | LabelStyle::Sunken);
  MakeLabel(u"Right, flat border", 360, 10, 180, 20, win, LabelStyle::Right | LabelStyle::Flat);
  MakeLabel(u"", 10, 38, 530, 10, win, LabelStyle::Separator);
  MakeButton(u"Push", 10, 52, 80, 26, win, ButtonStyle::Push);
  MakeButton(u"OK", 100, 52, 80, 26, win, ButtonStyle::Ok | ButtonStyle::Default);
  MakeButton(u"Cancel", 190, 52, 80, 26, win, ButtonStyle::Cancel);
  auto check = MakeButton(u"Check box", 280, 52, 110, 26, win, ButtonStyle::CheckBox);
  ChangeButtonCheck(check, 1);
  MakeButton(u"Radio", 400, 52, 100, 26, win, ButtonStyle::Radio);
  auto box = MakePanel(10, 88, 250, 120, win, PanelStyle::GroupBox, u"Group box");
  MakeButton(u"Inside", 10, 10, 100, 26, box, ButtonStyle::Push);
  MakeLabel(u"in the group", 10, 45, 200, 20, box, 0);
  auto plain = MakePanel(270, 88, 270, 120, win, PanelStyle::Border, u"");
  MakeLabel(u"Panel with a client edge", 10, 10, 240, 20, plain, LabelStyle::Center);
  auto area = MakeTextArea(10, 218, 530, 90, win, 0);
  FreezeTextArea(area);
  AppendTextAreaText(area, u"A text area:\n");
  for (int i = 1; i <= 8; ++i) AppendTextAreaText(area, u"line " + std::u16string(1, u'0' + i) + u"\n");
  ThawTextArea(area);
  StyleTextAreaRange(area, 200, 0, 0, FontStyle::Bold, 0, 12, TextUnits::Chars);
  auto field = MakeTextField(10, 316, 170, 24, win, 0);
  ChangeGadgetText(field, u"A text field");
  auto secret = MakeTextField(190, 316, 170, 24, win, TextFieldStyle::Password);
  ChangeGadgetText(secret, u"password");
  auto progress = MakeProgressBar(370, 318, 170, 20, win, 0);
  ChangeProgressValue(progress, 0.6f);
  auto scroll = MakeSlider(10, 352, 170, 18, win, SliderStyle::ScrollBar | SliderStyle::Horizontal);
  ChangeSliderRange(scroll, 20, 100);
  ChangeSliderPosition(scroll, 30);
  auto track = MakeSlider(190, 348, 170, 30, win, SliderStyle::TrackBar | SliderStyle::Horizontal);
  ChangeSliderPosition(track, 7);
  auto updown = MakeSlider(370, 346, 20, 34, win, SliderStyle::UpDown);
  ChangeSliderPosition(updown, 4);
  auto canvas = Panels(win);
  SetForegroundWindow(reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::NativeHandle)));
  PumpFor(800);
  HWND h = reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::NativeHandle));
  RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  PumpFor(400);
  PaintCanvas(canvas);
  RECT r{};
  GetWindowRect(h, &r);
  bool ok = AnnounceAndWait(r, argv[1]);
  DestroyGadget(win);
  return ok ? 0 : 1;
}
