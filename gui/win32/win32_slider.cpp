// Sliders: scroll bars move by the requests they send; every kind reports its position when the
// user moves it.
#include "gui/win32/win32_slider.h"

#include <commctrl.h>

#include <algorithm>

#include "event/event.h"
#include "gui/win32/win32_driver.h"

#undef SetProp
#undef GetProp

namespace {

bool Fits16(int32_t v) { return v >= -32767 && v <= 32767; }

int32_t Clamp32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

DWORD SliderWindowStyle(int32_t kind, bool horizontal) {
  const DWORD base = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (kind) {
    case 1:
      return base | WS_TABSTOP | TBS_AUTOTICKS | (horizontal ? 0 : TBS_VERT);
    case 2:
      return base | (horizontal ? UDS_HORZ : 0);
  }
  return base | (horizontal ? 0 : SBS_VERT);
}

const char* SliderClass(int32_t kind) {
  switch (kind) {
    case 1:
      return "msctls_trackbar32";
    case 2:
      return "msctls_updown32";
  }
  return "SCROLLBAR";
}

}  // namespace

int32_t SliderKind(int32_t style) {
  int32_t k = style / 4;
  return k == 1 || k == 2 ? k : 0;
}

Win32Slider::Win32Slider(VellGroup* g, int32_t s) : Win32Simple<VellSlider>(g, s) {
  kind = SliderKind(s);
  horizontal = s & 1;
  HWND h = CreateNativeWindow(0, SliderClass(kind), "", SliderWindowStyle(kind, horizontal != 0), g);
  AttachHwnd(self, h, this, this);
}

void Win32Slider::SetRange(int32_t a, int32_t b) {
  switch (kind) {
    case 0: {
      a = std::max(a, 0);
      b = std::max(b, 0);
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_RANGE | SIF_PAGE;
      si.nMin = 0;
      si.nMax = std::max(b - 1, 0);
      si.nPage = static_cast<UINT>(a);
      SetScrollInfo(self.hwnd, SB_CTL, &si, TRUE);
      break;
    }
    case 1:
      if (a > b) std::swap(a, b);
      if (a >= 0 && b <= 0x7FFF) {
        SendMessageA(self.hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(a, b));
      } else {
        SendMessageA(self.hwnd, TBM_SETRANGEMIN, FALSE, a);
        SendMessageA(self.hwnd, TBM_SETRANGEMAX, TRUE, b);
      }
      break;
    case 2:
      if (Fits16(a) && Fits16(b)) {
        SendMessageA(self.hwnd, UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(b), static_cast<WORD>(a)));
      } else {
        SendMessageA(self.hwnd, UDM_SETRANGE32, static_cast<WPARAM>(a), b);
      }
      break;
  }
  range0 = a;
  range1 = b;
}

int32_t Win32Slider::Mirrored(int32_t value) const {
  return horizontal ? value : Clamp32(int64_t(range0) + range1 - value);
}

void Win32Slider::SetProp(int32_t value) {
  switch (kind) {
    case 0: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_POS;
      si.nPos = value;
      SetScrollInfo(self.hwnd, SB_CTL, &si, TRUE);
      break;
    }
    case 1:
      SendMessageA(self.hwnd, TBM_SETPOS, TRUE, Mirrored(value));
      break;
    case 2:
      if (Fits16(range0) && Fits16(range1)) {
        // Clamped first: the 16-bit message would otherwise wrap a far value into the range.
        value = std::clamp(value, std::min(range0, range1), std::max(range0, range1));
        SendMessageA(self.hwnd, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(value), 0));
      } else {
        SendMessageA(self.hwnd, UDM_SETPOS32, 0, value);
      }
      break;
  }
}

int32_t Win32Slider::GetProp() {
  switch (kind) {
    case 0:
      return GetScrollPos(self.hwnd, SB_CTL);
    case 1:
      return Mirrored(static_cast<int32_t>(SendMessageA(self.hwnd, TBM_GETPOS, 0, 0)));
    case 2:
      if (Fits16(range0) && Fits16(range1)) {
        return static_cast<int16_t>(LOWORD(SendMessageA(self.hwnd, UDM_GETPOS, 0, 0)));
      }
      return static_cast<int32_t>(SendMessageA(self.hwnd, UDM_GETPOS32, 0, 0));
  }
  return 0;
}

bool Win32Slider::Scroll(int32_t request) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(self.hwnd, SB_CTL, &si);
  int64_t pos = si.nPos;
  switch (request) {
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      pos = si.nTrackPos;
      break;
    case SB_LINEUP:
      pos -= 1;
      break;
    case SB_LINEDOWN:
      pos += 1;
      break;
    case SB_PAGEUP:
      pos -= si.nPage;
      break;
    case SB_PAGEDOWN:
      pos += si.nPage;
      break;
    default:
      return false;
  }
  SetScrollPos(self.hwnd, SB_CTL, Clamp32(pos), TRUE);
  return true;
}

LRESULT Win32Slider::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_HSCROLL:  // the parent passed on the control's move
    case WM_VSCROLL:
      // A scroll bar only asks to move; the other kinds have moved already.
      if (kind == 0 && !Scroll(LOWORD(wp))) return 0;
      Emit(GadgetAction, GetProp(), 0, 0, 0);
      return 0;
  }
  return CallWindowProcA(previous, hwnd, msg, wp, lp);
}

VellSlider* Win32GuiDriver::NewSlider(VellGroup* g, int32_t s) {
  return WithDefaultFont(new Win32Slider(g, s));
}
