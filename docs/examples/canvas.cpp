// The canvas chapter: a gadget the program paints itself whenever it asks for it.
#include <windows.h>

#include "docs/examples/guide.h"

void Guide::BuildCanvas() {
  // A canvas of 120 by 80 at the window's top right, keeping its size there.
  canvas = MakeCanvas(270, 10, 120, 80, window, 0);
  SetGadgetEdges(canvas, EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
}

// [guide:canvas-paint]
// Called for every GadgetPaint the canvas sends: it paints nothing itself, the program draws on its
// native window with the platform's own functions.
void PaintCanvas(const Ref<TGadget>& canvas) {
  const HWND hwnd = reinterpret_cast<HWND>(QueryGadgetHandle(canvas, QueryKind::NativeHandle));
  RECT area{};
  GetClientRect(hwnd, &area);
  HDC dc = GetDC(hwnd);
  HBRUSH sky = CreateSolidBrush(CanvasSky);
  FillRect(dc, &area, sky);
  DeleteObject(sky);
  HBRUSH sun = CreateSolidBrush(RGB(250, 210, 60));
  HGDIOBJ previous = SelectObject(dc, sun);
  Ellipse(dc, area.right - 40, 10, area.right - 10, 40);
  SelectObject(dc, previous);
  DeleteObject(sun);
  ReleaseDC(hwnd, dc);
}
// [/guide:canvas-paint]
