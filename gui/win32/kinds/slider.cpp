// Sliders: scroll bars move by the requests they send; every kind reports its position when the
// user moves it.
#include "gui/win32/kinds/slider.h"

#include <commctrl.h>

#include <algorithm>

#include "event/event.h"
#include "gui/constants.h"

#undef SetProp
#undef GetProp

namespace {

bool Fits16(int32_t v) { return v >= -INT16_MAX && v <= INT16_MAX; }

int32_t Clamp32(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

DWORD SliderWindowStyle(int32_t kind, bool horizontal) {
  const DWORD base = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
  switch (kind) {
    case Win32Slider::TrackBar:
      return base | TBS_AUTOTICKS | (horizontal ? 0 : TBS_VERT);
    case Win32Slider::UpDown:
      return base | (horizontal ? UDS_HORZ : 0);
  }
  return base | (horizontal ? 0 : SBS_VERT);
}

const wchar_t* SliderClass(int32_t kind) {
  switch (kind) {
    case Win32Slider::TrackBar:
      return TRACKBAR_CLASSW;
    case Win32Slider::UpDown:
      return UPDOWN_CLASSW;
  }
  return L"SCROLLBAR";
}

}  // namespace

int32_t SliderKind(int32_t style) {
  int32_t k = style / SliderStyle::KindStep;
  return k == Win32Slider::TrackBar || k == Win32Slider::UpDown ? k : Win32Slider::ScrollBar;
}

Win32Slider::Win32Slider(VellGroup* g, int32_t s) : Win32Simple<VellSlider>(g, s) {
  kind = SliderKind(s);
  horizontal = s & SliderStyle::Horizontal;
  HWND h = CreateNativeWindow(0, SliderClass(kind), L"", SliderWindowStyle(kind, horizontal != 0), g);
  AttachHwnd(self, h, this, this);
}

void Win32Slider::SetRange(int32_t a, int32_t b) {
  switch (kind) {
    case ScrollBar: {
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
    case TrackBar:
      if (a > b) std::swap(a, b);
      // The control works out max - min, and one more than that, in 32 bits (the full range
      // divides by zero there): a wider span is halved until both fit.
      shift = 0;
      while ((int64_t(b) >> shift) - (int64_t(a) >> shift) >= INT32_MAX) ++shift;
      SetTrackRange(a >> shift, b >> shift);
      exact = a;
      break;
    case UpDown:
      if (Fits16(a) && Fits16(b)) {
        SendMessageW(self.hwnd, UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(b), static_cast<WORD>(a)));
      } else {
        SendMessageW(self.hwnd, UDM_SETRANGE32, static_cast<WPARAM>(a), b);
      }
      break;
  }
  range0 = a;
  range1 = b;
}

void Win32Slider::SetTrackRange(int32_t min, int32_t max) {
  // Automatic marks come one per unit: over a wide range that is millions of marks kept and
  // drawn at every paint (and past 2^30 more than the control can hold), and the control takes no
  // step between marks wider than 16 bits. A wide range is marked by hand instead, in about a
  // hundred steps; the style changes before the range does, so that no range is ever marked
  // unit by unit when it should not be.
  const bool wide = min < 0 || max > INT16_MAX;
  const LONG_PTR style = GetWindowLongPtrW(self.hwnd, GWL_STYLE);
  SetWindowLongPtrW(self.hwnd, GWL_STYLE, wide ? style & ~LONG_PTR(TBS_AUTOTICKS) : style | TBS_AUTOTICKS);
  SendMessageW(self.hwnd, TBM_CLEARTICS, FALSE, 0);
  if (!wide) {
    SendMessageW(self.hwnd, TBM_SETRANGE, TRUE, MAKELPARAM(min, max));
    return;
  }
  SendMessageW(self.hwnd, TBM_SETRANGEMIN, FALSE, min);
  SendMessageW(self.hwnd, TBM_SETRANGEMAX, FALSE, max);
  const int64_t step = (int64_t(max) - min + 99) / 100;
  for (int64_t at = int64_t(min) + step; at < max; at += step) {
    SendMessageW(self.hwnd, TBM_SETTIC, 0, static_cast<LONG>(at));
  }
  InvalidateRect(self.hwnd, nullptr, TRUE);
}

int32_t Win32Slider::TrackPlace(int32_t value) const {
  const int64_t place = std::clamp(value, range0, range1) >> shift;
  return static_cast<int32_t>(horizontal ? place : (int64_t(range0 >> shift) + (range1 >> shift) - place));
}

int32_t Win32Slider::TrackValue(int32_t place) const {
  const int64_t lo = range0 >> shift, hi = range1 >> shift;
  const int64_t p = std::clamp<int64_t>(horizontal ? place : lo + hi - place, lo, hi);
  if (shift == 0) return static_cast<int32_t>(p);
  // A halved range tells its places apart only so finely: the place last set stands for the
  // position set there, and the ends for the ends.
  if (p == (int64_t(exact) >> shift)) return exact;
  if (p == lo) return range0;
  if (p == hi) return range1;
  return Clamp32(p << shift);
}

void Win32Slider::SetProp(int32_t value) {
  switch (kind) {
    case ScrollBar: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_POS;
      si.nPos = value;
      SetScrollInfo(self.hwnd, SB_CTL, &si, TRUE);
      break;
    }
    case TrackBar:
      exact = std::clamp(value, range0, range1);
      SendMessageW(self.hwnd, TBM_SETPOS, TRUE, TrackPlace(value));
      break;
    case UpDown:
      if (Fits16(range0) && Fits16(range1)) {
        // Clamped first: the 16-bit message would otherwise wrap a far value into the range.
        value = std::clamp(value, std::min(range0, range1), std::max(range0, range1));
        SendMessageW(self.hwnd, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(value), 0));
      } else {
        SendMessageW(self.hwnd, UDM_SETPOS32, 0, value);
      }
      break;
  }
}

int32_t Win32Slider::GetProp() {
  switch (kind) {
    case ScrollBar:
      return GetScrollPos(self.hwnd, SB_CTL);
    case TrackBar:
      return TrackValue(static_cast<int32_t>(SendMessageW(self.hwnd, TBM_GETPOS, 0, 0)));
    case UpDown:
      if (Fits16(range0) && Fits16(range1)) {
        return static_cast<int16_t>(LOWORD(SendMessageW(self.hwnd, UDM_GETPOS, 0, 0)));
      }
      return static_cast<int32_t>(SendMessageW(self.hwnd, UDM_GETPOS32, 0, 0));
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
      if (kind == ScrollBar && !Scroll(LOWORD(wp))) return 0;
      Emit(GadgetAction, GetProp(), 0, 0, 0);
      return 0;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}
