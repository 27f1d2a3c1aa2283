// Raw keyboard, mouse, close and activation messages of a window turned into events.
#include <windows.h>
// After windows.h, which defines its types.
#include <windowsx.h>

#include "event/event.h"
#include "event/win32/system_win32.h"

namespace {

constexpr LPARAM KeyWasDownBit = LPARAM(1) << 30;

void Emit(int32_t id, const Ref<TObject>& source, int32_t data, int32_t x = 0, int32_t y = 0) {
  EmitSystemEvent(id, source, data, ModifierState, x, y, nullptr);
}

bool InsideClientArea(HWND window, int32_t x, int32_t y) {
  RECT client{};
  GetClientRect(window, &client);
  return x >= 0 && y >= 0 && x < client.right && y < client.bottom;
}

// While the pointer moves the left button counts unless the middle one is held, the right one
// counts above both.
int32_t HeldButton(WPARAM keys) {
  int32_t data = 0;
  if (keys & MK_LBUTTON) data = 1;
  if (keys & MK_MBUTTON) data = 4;
  if (keys & MK_RBUTTON) data = 2;
  return data;
}

}  // namespace

void EmitSystemEvent(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                     Ref<TObject> extra) {
  MakeEvent(id, std::move(source), data, mods, x, y, std::move(extra))->Emit();
}

int32_t KeyCodeOf(WPARAM wParam, LPARAM lParam) {
  const uint32_t bits = static_cast<uint32_t>(lParam);
  const uint32_t scan = ((bits >> 16) & 0x7F) | ((bits & (1u << 24)) ? 0x80u : 0u);
  switch (scan) {
    case 0x2A:
      return VK_LSHIFT;
    case 0x36:
      return VK_RSHIFT;
    case 0x1D:
      return VK_LCONTROL;
    case 0x9D:
      return VK_RCONTROL;
    case 0x38:
      return VK_LMENU;
    case 0xB8:
      return VK_RMENU;
    default:
      return static_cast<int32_t>(wParam);
  }
}

int32_t WheelStepsOf(WPARAM wParam) {
  // Integer division truncates toward zero: half a notch is no step.
  return GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
}

void TranslateSystemMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            const Ref<TObject>& source) {
  const int32_t x = GET_X_LPARAM(lParam);
  const int32_t y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_CLOSE:
      Emit(AppTerminate, source, 0);
      break;
    case WM_ACTIVATEAPP:
      Emit(wParam ? AppResume : AppSuspend, source, 0);
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (wParam >= 1 && wParam <= 255) {
        Emit((lParam & KeyWasDownBit) ? KeyRepeat : KeyDown, source, KeyCodeOf(wParam, lParam));
      }
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (wParam >= 1 && wParam <= 255) Emit(KeyUp, source, KeyCodeOf(wParam, lParam));
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      Emit(KeyChar, source, static_cast<int32_t>(wParam));
      break;
    case WM_MOUSEMOVE:
      if (InsideClientArea(window, x, y)) {
        TrackPointer(window, x, y, source);
      } else {
        TrackPointer(nullptr, x, y, nullptr);
      }
      Emit(MouseMove, source, HeldButton(wParam), x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetCapture(window);
      Emit(MouseDown, source, message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 3, x, y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      ReleaseCapture();
      Emit(MouseUp, source, message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 3, x, y);
      break;
    case WM_MOUSEWHEEL: {
      POINT at{x, y};
      ScreenToClient(window, &at);
      Emit(MouseWheel, source, WheelStepsOf(wParam), at.x, at.y);
      break;
    }
    case WM_MOUSELEAVE:
      if (window == TrackedWindow) TrackPointer(nullptr, 0, 0, nullptr);
      break;
    default:
      break;
  }
}
