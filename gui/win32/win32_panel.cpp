// Panels: plain, sensitive and group-box containers; a group box keeps its children inside its
// frame and below its title.
#include "gui/win32/win32_panel.h"

Win32Panel::Win32Panel(VellGroup* g, int32_t s) : VellPanel(g, s) {
  kind = (s & 8) ? GroupBox : (s & 4) ? Active : Plain;
  if (kind == GroupBox) {
    HWND h = CreateNativeWindow(WS_EX_CONTROLPARENT, "BUTTON", "", 0x56000007, g);
    AttachHwnd(outer, h, this, this);
    HWND c = CreateWindowExA(0, RegisterWindowClass(), "", 0x56000000, 0, 0, 0, 0, h, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    AttachHwnd(client, c, this, this);
  } else {
    DWORD ex = WS_EX_CONTROLPARENT | ((s & 1) ? WS_EX_CLIENTEDGE : 0);
    HWND h = CreateNativeWindow(ex, RegisterWindowClass(), "", 0x46000000, g);
    AttachHwnd(outer, h, this, this);
  }
  if (s & (2 | 4)) {
    outer.SensitivityFlags = SensitiveInput | SensitiveWheel;
    client.SensitivityFlags = SensitiveInput | SensitiveWheel;
  }
  UpdateClientSize();
}

Win32Panel::~Win32Panel() = default;

intptr_t Win32Panel::Query(int32_t k) {
  if (k == 1) return reinterpret_cast<intptr_t>(outer.hwnd);
  if (k == 2) return reinterpret_cast<intptr_t>(client.hwnd ? client.hwnd : outer.hwnd);
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
  MoveWindow(outer.hwnd, nx, ny, w, h, TRUE);
  InvalidateRect(outer.hwnd, nullptr, TRUE);
  StoreShape(nx, ny, w, h);
}

void Win32Panel::SetShow(int32_t flag) {
  ShowWindow(outer.hwnd, flag ? SW_SHOW : SW_HIDE);
  visible = flag ? 1 : 0;
}

void Win32Panel::SetEnabled(int32_t flag) {
  EnableWindow(outer.hwnd, flag ? TRUE : FALSE);
  enabled = flag ? 1 : 0;
}

int32_t Win32Panel::Activate(int32_t command) { return ActivateNative(outer.hwnd, command); }

void Win32Panel::UpdateClientSize() {
  RECT c{};
  GetClientRect(client.hwnd ? client.hwnd : outer.hwnd, &c);
  clientwidth = c.right;
  clientheight = c.bottom;
}

LRESULT Win32Panel::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_SIZE:  // the group box's client sits inside the frame, below the title
      if (hwnd == client.hwnd) return 0;
      if (kind == GroupBox) {
        RECT c{};
        GetClientRect(outer.hwnd, &c);
        MoveWindow(client.hwnd, 4, 16, c.right - 8, c.bottom - 20, TRUE);
      }
      break;
    case WM_LBUTTONDOWN:  // a click makes the panel the keyboard's target
      SetFocus(outer.hwnd);
      return 0;
  }
  return CallWindowProcA(previous, hwnd, msg, wp, lp);
}
