// Display scale: per-window DPI through the platform's newer calls, loaded at run time because
// the program also runs where they do not exist, and the scaling between program units and pixels.
#include "gui/win32/native/dpi.h"

// After windows.h, which defines its types.
#include <windowsx.h>

#include <unordered_map>

namespace {

// Takes a function of user32 by name, or none where this platform lacks it.
template <class F>
F User32Function(const char* name) {
  static HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

// The DPI each top-level window took from its last change of DPI; it wins over the platform's
// answer so that a change is laid out at the DPI it names even before the platform reports it.
std::unordered_map<HWND, int>& TakenDpi() {
  static std::unordered_map<HWND, int> taken;
  return taken;
}

}  // namespace

RECT ShapeToPixels(int32_t x, int32_t y, int32_t w, int32_t h, int dpi) {
  const int32_t px = ToPixels(x, dpi), py = ToPixels(y, dpi);
  return RECT{px, py, px + ToPixels(w, dpi), py + ToPixels(h, dpi)};
}

RECT RectToProgram(const RECT& r, int dpi) {
  const int32_t x = ToProgram(r.left, dpi), y = ToProgram(r.top, dpi);
  return RECT{x, y, x + ToProgram(r.right - r.left, dpi), y + ToProgram(r.bottom - r.top, dpi)};
}

void DeclareDpiAwareness() {
  using ContextFn = BOOL(WINAPI*)(HANDLE);
  // The platform's DPI_AWARENESS_CONTEXT values: per-monitor v2 (-4) and per-monitor (-3).
  static const auto context = User32Function<ContextFn>("SetProcessDpiAwarenessContext");
  if (context) {
    if (context(reinterpret_cast<HANDLE>(-4)) || context(reinterpret_cast<HANDLE>(-3))) return;
    if (GetLastError() == ERROR_ACCESS_DENIED) return;  // the manifest or an earlier call decided
  }
  using AwareFn = BOOL(WINAPI*)();
  static const auto aware = User32Function<AwareFn>("SetProcessDPIAware");
  if (aware) aware();
}

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto forSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (forSystem) return static_cast<int>(forSystem());
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : ProgramDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : ProgramDpi;
}

int DpiOf(HWND hwnd) {
  HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
  if (root) {
    auto found = TakenDpi().find(root);
    if (found != TakenDpi().end()) return found->second;
  }
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto forWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow && hwnd) {
    if (UINT dpi = forWindow(hwnd)) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

void SetWindowDpi(HWND root, int dpi) {
  if (dpi > 0) {
    TakenDpi()[root] = dpi;
  } else {
    TakenDpi().erase(root);
  }
}

void MoveNativeWindow(HWND hwnd, int32_t x, int32_t y, int32_t w, int32_t h) {
  const RECT r = ShapeToPixels(x, y, w, h, DpiOf(hwnd));
  MoveWindow(hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

RECT ProgramClientRect(HWND hwnd) {
  RECT c{};
  GetClientRect(hwnd, &c);
  return RectToProgram(c, DpiOf(hwnd));
}

BOOL AdjustFrameForDpi(RECT* r, DWORD style, BOOL menu, DWORD exStyle, int dpi) {
  using AdjustFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<AdjustFn>("AdjustWindowRectExForDpi");
  if (adjust) return adjust(r, style, menu, exStyle, static_cast<UINT>(dpi));
  return AdjustWindowRectEx(r, style, menu, exStyle);
}

int SystemMetricForDpi(int index, int dpi) {
  using MetricFn = int(WINAPI*)(int, UINT);
  static const auto metric = User32Function<MetricFn>("GetSystemMetricsForDpi");
  if (metric) return metric(index, static_cast<UINT>(dpi));
  return GetSystemMetrics(index);
}

BOOL NonClientMetricsForDpi(NONCLIENTMETRICSW* metrics, int dpi) {
  using ParametersFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  static const auto parameters = User32Function<ParametersFn>("SystemParametersInfoForDpi");
  metrics->cbSize = sizeof *metrics;
  if (parameters && parameters(SPI_GETNONCLIENTMETRICS, sizeof *metrics, metrics, 0, static_cast<UINT>(dpi)))
    return TRUE;
  return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof *metrics, metrics, 0);
}

LPARAM ProgramMousePosition(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg < WM_MOUSEFIRST || msg > WM_MOUSELAST) return lp;
  const int dpi = DpiOf(hwnd);
  if (dpi == ProgramDpi) return lp;
  POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  // The wheel carries a screen position, which the reader turns into a client one: the client
  // origin stays, the distance from it is scaled.
  const bool screen = msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL;
  POINT origin{0, 0};
  if (screen) {
    ClientToScreen(hwnd, &origin);
    at.x -= origin.x;
    at.y -= origin.y;
  }
  at.x = origin.x + ToProgram(at.x, dpi);
  at.y = origin.y + ToProgram(at.y, dpi);
  return MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y));
}
