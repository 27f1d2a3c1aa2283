// The pointer: tracking which window it is in, its visibility, and moving it.
#include <windows.h>
// After windows.h, which defines its types.
#include <commctrl.h>

#include "event/event.h"
#include "event/win32/system_win32.h"

void TrackPointer(HWND window, int32_t x, int32_t y, const Ref<TObject>& source) {
  if (window == TrackedWindow) return;
  // Held here: emitting the leave may run hooks that drop the caller's reference.
  Ref<TObject> entered = window ? source : nullptr;
  if (TrackedWindow) {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(TrackedWindow, &at);
    Ref<TObject> left = std::move(TrackedSource);
    TrackedSource = nullptr;
    EmitSystemEvent(MouseLeave, std::move(left), 0, 0, at.x, at.y, nullptr);
  }
  TrackedWindow = window;
  UpdatePointerVisibility();
  if (!window) return;
  TrackedSource = entered;
  EmitSystemEvent(MouseEnter, std::move(entered), 0, 0, x, y, nullptr);
  // The platform posts WM_MOUSELEAVE once the pointer leaves the window.
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  track.dwHoverTime = 0;
  _TrackMouseEvent(&track);
}

void UpdatePointerVisibility() {
  const BOOL show = (PointerVisible != 0 || TrackedWindow == nullptr) ? TRUE : FALSE;
  // The platform counts shows and hides; one step back keeps the count at 0 or -1.
  const int count = ShowCursor(show);
  if (count != 0 && count != -1) ShowCursor(!show);
}

int32_t TWin32SystemDriver::SetMouseVisible(int32_t visible) {
  PointerVisible = visible;
  UpdatePointerVisibility();
  return 0;
}

int32_t TWin32SystemDriver::MoveMouse(int32_t x, int32_t y) {
  POINT at{x, y};
  // Without an active window the position is taken as a screen position.
  if (HWND active = GetActiveWindow()) ClientToScreen(active, &at);
  SetCursorPos(at.x, at.y);
  return 0;
}
