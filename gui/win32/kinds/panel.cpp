// Panels: plain, sensitive and group-box containers with a background colour or picture; a group
// box keeps its children inside its frame and below its title; an active panel (a canvas) leaves
// its painting to the program.
#include "gui/win32/kinds/panel.h"

#include <algorithm>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/native/group_frame.h"
#include "gui/win32/native/icon_strip.h"

Win32Panel::Win32Panel(VellGroup* g, int32_t s) : VellPanel(g, s) {
  kind = (s & PanelStyle::GroupBox) ? GroupBox : (s & PanelStyle::Active) ? Active : Plain;
  if (kind == GroupBox) {
    HWND h = CreateNativeWindow(WS_EX_CONTROLPARENT, L"BUTTON", L"",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_GROUPBOX, g);
    AttachHwnd(outer, h, this, this);
    HWND c = CreateWindowExW(0, RegisterWindowClass(), L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, h,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    AttachHwnd(client, c, this, this);
  } else {
    DWORD ex = WS_EX_CONTROLPARENT | ((s & PanelStyle::Border) ? WS_EX_CLIENTEDGE : 0);
    HWND h =
        CreateNativeWindow(ex, RegisterWindowClass(), L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, g);
    AttachHwnd(outer, h, this, this);
  }
  if (s & (PanelStyle::Sensitive | PanelStyle::Active)) {
    outer.SensitivityFlags = SensitiveInput | SensitiveWheel;
    client.SensitivityFlags = SensitiveInput | SensitiveWheel;
  }
  UpdateClientSize();
}

Win32Panel::~Win32Panel() {
  // The windows are detached from this panel before they go, so none paints with these again.
  if (brush) DeleteObject(brush);
  if (bitmap) DeleteObject(bitmap);
}

intptr_t Win32Panel::Query(int32_t k) {
  if (k == QueryKind::NativeHandle) return reinterpret_cast<intptr_t>(outer.hwnd);
  if (k == QueryKind::ClientHandle) return reinterpret_cast<intptr_t>(client.hwnd ? client.hwnd : outer.hwnd);
  return 0;
}

void Win32Panel::SetFont(VellFont* f) {
  VellGadget::SetFont(f);
  SetNativeFont(outer.hwnd, f);
}

void Win32Panel::SetText(const std::u16string& t) {
  VellGadget::SetText(t);
  SetNativeText(outer.hwnd, t);
}

void Win32Panel::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  MoveNativeWindow(outer.hwnd, nx, ny, w, h);
  InvalidateRect(outer.hwnd, nullptr, TRUE);
  StoreShape(nx, ny, w, h);
}

void Win32Panel::SetShow(int32_t flag) { visible = ShowNative(outer.hwnd, flag); }

void Win32Panel::SetEnabled(int32_t flag) { enabled = EnableNative(outer.hwnd, flag); }

int32_t Win32Panel::Activate(int32_t command) { return ActivateNative(outer.hwnd, command); }

void Win32Panel::UpdateClientSize() {
  RECT c = ProgramClientRect(client.hwnd ? client.hwnd : outer.hwnd);
  clientwidth = c.right;
  clientheight = c.bottom;
}

void Win32Panel::Repaint() {
  InvalidateRect(outer.hwnd, nullptr, TRUE);
  // A group box's picture shows in its client window, which the frame's invalidation clips away.
  if (client.hwnd) InvalidateRect(client.hwnd, nullptr, TRUE);
}

void Win32Panel::SetColor(int32_t r, int32_t g, int32_t b) {
  if (brush) DeleteObject(brush);
  brush = CreateSolidBrush(RGB(r, g, b));
  Repaint();
}

void Win32Panel::TakeBitmap(HBITMAP picture, int32_t w, int32_t h, int32_t m) {
  if (bitmap) DeleteObject(bitmap);
  bitmap = picture;
  bitmapwidth = w;
  bitmapheight = h;
  mode = m;
  Repaint();
}

void Win32Panel::SetPicture(const TPixmap* rgb, int32_t m) {
  // An empty pixmap has nothing to show and would tile forever: it clears the picture like none.
  if (!rgb || rgb->width <= 0 || rgb->height <= 0) {
    TakeBitmap(nullptr, 0, 0, 0);
    return;
  }
  TakeBitmap(MakeScreenBitmap(*rgb), rgb->width, rgb->height, m);
}

void Win32Panel::SetAlpha(float a) {
  alpha = a;
  Repaint();
}

void Win32Panel::PaintBackground(HDC dc, const RECT& r) {
  const LONG w = r.right, h = r.bottom, bw = bitmapwidth, bh = bitmapheight;
  auto fill = [&](LONG left, LONG top, LONG right, LONG bottom) {
    RECT f{left, top, right, bottom};
    if (brush && left < right && top < bottom) FillRect(dc, &f, brush);
  };
  // The colour around a picture placed at (x, y) and drawn dw x dh: below, above, right, left.
  auto bands = [&](LONG x, LONG y, LONG dw, LONG dh) {
    fill(0, y + dh, w, h);
    fill(0, 0, w, y);
    fill(x + dw, y, w, y + dh);
    fill(0, y, x, y + dh);
  };
  if (!bitmap || bw <= 0 || bh <= 0) {
    fill(0, 0, w, h);
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  switch (mode) {
    case PanelPicture::Tile:
      for (LONG y = 0; y < h; y += bh) {
        for (LONG x = 0; x < w; x += bw) BitBlt(dc, x, y, bw, bh, source, 0, 0, SRCCOPY);
      }
      break;
    case PanelPicture::Centre: {
      const LONG x = (w - bw) / 2, y = (h - bh) / 2;
      BitBlt(dc, x, y, bw, bh, source, 0, 0, SRCCOPY);
      bands(x, y, bw, bh);
      break;
    }
    case PanelPicture::Fit: {
      const double scale = std::min(double(h) / bh, double(w) / bw);
      const LONG dw = static_cast<LONG>(bw * scale), dh = static_cast<LONG>(bh * scale);
      const LONG x = (w - dw) / 2, y = (h - dh) / 2;
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, x, y, dw, dh, source, 0, 0, bw, bh, SRCCOPY);
      bands(x, y, dw, dh);
      break;
    }
    case PanelPicture::Stretch:
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 0, w, h, source, 0, 0, bw, bh, SRCCOPY);
      break;
    default:  // no way to show the picture: the colour alone
      fill(0, 0, w, h);
      break;
  }
  SelectObject(source, previous);
  DeleteDC(source);
}

LRESULT Win32Panel::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_SIZE:  // the group box's client sits inside the frame, below the title
      if (hwnd == client.hwnd) return 0;
      if (kind == GroupBox) {
        RECT c = ProgramClientRect(outer.hwnd);
        MoveNativeWindow(client.hwnd, 4, 16, c.right - 8, c.bottom - 20);
      }
      break;
    case WM_PAINT:  // the program paints an active panel; a group box draws its own frame
      if (kind == Active) {
        Emit(GadgetPaint, 0, 0, 0, 0);
        ValidateRect(outer.hwnd, nullptr);
        return 1;
      }
      if (kind == GroupBox && hwnd == outer.hwnd) {
        if (!brush) break;  // an uncoloured box keeps the control's own look
        PAINTSTRUCT ps;
        PaintGroupFrame(hwnd, BeginPaint(hwnd, &ps), brush);
        EndPaint(hwnd, &ps);
        return 0;
      }
      {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (alpha > 0) {
          RECT r{};
          GetClientRect(hwnd, &r);
          PaintBackground(dc, r);
        }
        EndPaint(hwnd, &ps);
      }
      return 1;
    case WM_UPDATEUISTATE:  // a coloured group box draws its own title: its underline follows the cues
      if (kind == GroupBox && hwnd == outer.hwnd && brush) {
        const LRESULT r = CallWindowProcW(previous, hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
      }
      break;
    case WM_ERASEBKGND:  // the background is painted with the rest, so that it does not flicker
      if (kind == GroupBox && hwnd == outer.hwnd) {
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r,
                 brush ? brush : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
        return 1;
      }
      if (!brush && !bitmap && kind != Active) break;
      return 1;
    case WM_LBUTTONDOWN:  // a click makes the panel the keyboard's target
      SetFocus(outer.hwnd);
      return 0;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}
