// Windows: creation from the style bits, client-area geometry, and the window's own messages.
#include "gui/win32/kinds/window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/kinds/menu.h"
#include "gui/win32/native/dpi_change.h"
#include "gui/win32/native/keyboard.h"
#include "gui/win32/native/window_icon.h"
#include "runtime/text.h"

namespace {

DWORD WindowStyleBits(int32_t style) {
  DWORD s;
  if (!(style & WindowStyle::TitleBar)) {
    s = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  } else if (!(style & WindowStyle::Resizable)) {
    s = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
  } else {
    s = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  }
  if (style & WindowStyle::Resizable) s |= WS_THICKFRAME;
  if (style & WindowStyle::Child) s = (s & ~WS_POPUP) | WS_CHILD;
  return s;
}

}  // namespace

Win32Window::Win32Window(VellGroup* g, int32_t s) : VellWindow(g, s) {
  rootmenu = NewMenu(u"", 0, nullptr);
  DWORD ex = (s & WindowStyle::ToolWindow) ? (WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW) : WS_EX_CONTROLPARENT;
  DWORD ws = WindowStyleBits(s);
  // The bar holds a placeholder until the menu tree is built into it.
  if ((s & WindowStyle::MenuBar) && !(ws & WS_CHILD)) {
    menubar = CreateMenu();
    AppendMenuW(menubar, MF_STRING, 0, L"");
  }
  HWND h = CreateNativeWindow(ex, RegisterWindowClass(), L"", ws, g, menubar);
  AttachHwnd(outer, h, this, this);
  if (s & WindowStyle::StatusBar) {
    statusbar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, h, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    HWND c = CreateWindowExW(0, RegisterWindowClass(), L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, h,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    AttachHwnd(client, c, this, this);
  }
  if (s & WindowStyle::AcceptFiles) DragAcceptFiles(h, TRUE);
  if (!(ws & WS_CHILD)) SetWindowIcons(h, DpiOf(h));
  UpdateClientSize();
}

Win32Window::~Win32Window() {
  // Items still held by their gadgets outlive the root, without a parent.
  if (rootmenu) rootmenu->Release();
}

intptr_t Win32Window::Query(int32_t kind) {
  if (kind == QueryKind::NativeHandle) return reinterpret_cast<intptr_t>(outer.hwnd);
  if (kind == QueryKind::ClientHandle)
    return reinterpret_cast<intptr_t>(client.hwnd ? client.hwnd : outer.hwnd);
  return 0;
}

void Win32Window::SetFont(VellFont* f) {
  VellGadget::SetFont(f);
  SetNativeFont(outer.hwnd, f);
}

void Win32Window::SetText(const std::u16string& t) {
  VellGadget::SetText(t);
  SetNativeText(outer.hwnd, t);
}

int32_t Win32Window::StatusHeight() const {
  if (!statusbar) return 0;
  RECT r{};
  GetWindowRect(statusbar, &r);
  return r.bottom - r.top;
}

RECT Win32Window::OuterFromClient(int32_t nx, int32_t ny, int32_t w, int32_t h) const {
  const int dpi = DpiOf(outer.hwnd);
  RECT r = ShapeToPixels(nx, ny, w, h, dpi);
  r.bottom += StatusHeight();
  // The extended style matters: a tool window's small caption is thinner than a normal one.
  AdjustFrameForDpi(&r, static_cast<DWORD>(GetWindowLongPtrW(outer.hwnd, GWL_STYLE)), menubar != nullptr,
                    static_cast<DWORD>(GetWindowLongPtrW(outer.hwnd, GWL_EXSTYLE)), dpi);
  return r;
}

RECT Win32Window::CurrentShape() const {
  if (!(style & WindowStyle::ClientCoords)) return WindowRectInParent(outer.hwnd);
  RECT c{};
  GetClientRect(outer.hwnd, &c);
  POINT o{0, 0};
  ClientToScreen(outer.hwnd, &o);
  if (GetWindowLongPtrW(outer.hwnd, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(nullptr, GetParent(outer.hwnd), &o, 1);
  return RectToProgram(RECT{o.x, o.y, o.x + c.right, o.y + c.bottom - StatusHeight()}, DpiOf(outer.hwnd));
}

void Win32Window::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  RECT r = (style & WindowStyle::ClientCoords) ? OuterFromClient(nx, ny, w, h)
                                               : ShapeToPixels(nx, ny, w, h, DpiOf(outer.hwnd));
  MoveWindow(outer.hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  if (minimized_) {
    StoreShape(nx, ny, w, h);
    return;
  }
  RECT now = CurrentShape();
  StoreShape(now.left, now.top, now.right - now.left, now.bottom - now.top);
}

void Win32Window::UpdateClientSize() {
  RECT c = ProgramClientRect(client.hwnd ? client.hwnd : outer.hwnd);
  clientwidth = c.right;
  clientheight = c.bottom;
}

void Win32Window::SetShow(int32_t flag) { visible = ShowNative(outer.hwnd, flag); }

void Win32Window::SetEnabled(int32_t flag) { enabled = EnableNative(outer.hwnd, flag); }

int32_t Win32Window::Activate(int32_t command) {
  switch (command) {
    case ActivateCommand::Focus:
      FocusFirstChild();
      return 0;
    case ActivateCommand::Minimize:
      Minimize();
      return 0;
    case ActivateCommand::Maximize:
      Maximize();
      return 0;
    case ActivateCommand::Restore:
      Restore();
      return 0;
  }
  return ActivateNative(outer.hwnd, command);
}

void Win32Window::FocusFirstChild() {
  HWND found = FirstTabStop(outer.hwnd);
  SetFocus(found ? found : outer.hwnd);
}

void Win32Window::SetMinimumSize(int32_t w, int32_t h) { minimum_ = POINT{w, h}; }

POINT Win32Window::MinimumTrackSize() const {
  RECT r = (style & WindowStyle::ClientCoords)
               ? OuterFromClient(0, 0, minimum_.x, minimum_.y)
               : ShapeToPixels(0, 0, minimum_.x, minimum_.y, DpiOf(outer.hwnd));
  return POINT{r.right - r.left, r.bottom - r.top};
}

void Win32Window::TakeDpi(int dpi, const RECT& suggested) {
  SetWindowDpi(outer.hwnd, dpi);
  RefitForDpi(this);
  if (!(style & WindowStyle::Child)) SetWindowIcons(outer.hwnd, dpi);
  SetWindowPos(outer.hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The pixels may not have changed where the program units did: the children are placed again
  // either way.
  RECT now = CurrentShape();
  StoreShape(now.left, now.top, now.right - now.left, now.bottom - now.top);
}

void Win32Window::SetStatusText(const std::u16string& t) {
  if (statusbar)
    SendMessageW(statusbar, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(Wide(std::u16string(CutText(t, MaxWindowText)))));
}

void Win32Window::Minimize() { ShowWindow(outer.hwnd, SW_MINIMIZE); }
void Win32Window::Maximize() { ShowWindow(outer.hwnd, SW_MAXIMIZE); }
void Win32Window::Restore() { ShowWindow(outer.hwnd, SW_RESTORE); }

int32_t Win32Window::SizeState() {
  return (minimized_ ? GadgetState::Minimized : 0) | (maximized_ ? GadgetState::Maximized : 0);
}

void Win32Window::OnSize(HWND hwnd, WPARAM wp) {
  if (statusbar) SendMessageW(statusbar, WM_SIZE, 0, 0);  // the bar docks itself to the bottom
  if (hwnd != outer.hwnd) return;
  if (wp == SIZE_MINIMIZED) {
    minimized_ = true;
    maximized_ = false;
  } else if (wp == SIZE_MAXIMIZED) {
    maximized_ = true;
    minimized_ = false;
  } else if (wp == SIZE_RESTORED) {
    minimized_ = maximized_ = false;
  }
  if (!minimized_) {
    if (client.hwnd) {
      RECT c{};
      GetClientRect(outer.hwnd, &c);
      MoveWindow(client.hwnd, 0, 0, c.right, c.bottom - StatusHeight(), TRUE);
    }
    RECT now = CurrentShape();
    StoreShape(now.left, now.top, now.right - now.left, now.bottom - now.top);
  }
  Emit(WindowSize, 0, 0, width, height);
}

bool Win32Window::OnActivate(WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    // Sent before the focus leaves, so it still names the gadget the user was in.
    HWND focus = GetFocus();
    focus_ = focus && IsChild(outer.hwnd, focus) ? focus : nullptr;
    return false;
  }
  Emit(WindowActivate, 0, 0, 0, 0);
  if (!cuesSet_) {
    cuesSet_ = true;
    InitializeCues(outer.hwnd);
  }
  if (HIWORD(wp)) return false;  // a minimised window takes no focus
  // The gadget the user was in, unless it has gone or cannot take the focus now; else the first
  // control, so that the keyboard works in a window as soon as it opens.
  HWND to = focus_ && IsWindow(focus_) && IsChild(outer.hwnd, focus_) && IsWindowVisible(focus_) &&
                    IsWindowEnabled(focus_)
                ? focus_
                : FirstTabStop(outer.hwnd);
  if (!to) return false;
  SetFocus(to);
  return true;
}

LRESULT Win32Window::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_CLOSE:  // the program decides whether a window closes
      if (hwnd == outer.hwnd) Emit(WindowClose, 0, 0, 0, 0);
      return 0;
    case WM_MOVE:  // a maximised window only moves as a side effect of its size
      if (hwnd == outer.hwnd && !IsZoomed(hwnd)) {
        RECT now = CurrentShape();
        x = now.left;
        y = now.top;
        Emit(WindowMove, 0, 0, x, y);
      }
      return 0;
    case WM_SIZE:  // the children follow the new client size
      if (hwnd == client.hwnd) {
        if (statusbar) SendMessageW(statusbar, WM_SIZE, 0, 0);
        return 0;
      }
      OnSize(hwnd, wp);
      return 0;
    case WM_ACTIVATE:  // reported; the focus returns to the gadget that had it when the window was left
      if (hwnd == outer.hwnd && OnActivate(wp)) return 0;
      // Nothing to give it back to: the default handling puts the focus on the window itself.
      CallWindowProcW(previous, hwnd, msg, wp, lp);
      return 0;
    case WM_GETMINMAXINFO:  // the program's minimum size limits dragging the frame
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = MinimumTrackSize();
      return 0;
    case WM_DPICHANGED:  // moved to a screen of another scale: laid out again as if made there
      if (hwnd != outer.hwnd) break;
      TakeDpi(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      Emit(WindowScale, LOWORD(wp), 0, width, height);
      return 0;
    case WM_NCDESTROY:  // the DPI it took goes with it: a new window may get its handle
      if (hwnd == outer.hwnd) SetWindowDpi(hwnd, 0);
      break;
    case WM_DROPFILES: {  // one event per dropped file, each carrying its path
      auto drop = reinterpret_cast<HDROP>(wp);
      POINT at{};
      DragQueryPoint(drop, &at);
      at = POINT{ToProgram(at.x, DpiOf(hwnd)), ToProgram(at.y, DpiOf(hwnd))};
      UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < n; ++i) {
        std::u16string path(DragQueryFileW(drop, i, nullptr, 0) + 1, u'\0');  // the whole path, however long
        UINT got = DragQueryFileW(drop, i, Wide(path), static_cast<UINT>(path.size()));
        Emit(WindowAccept, 0, 0, at.x, at.y, MakeText(path.substr(0, got)));
      }
      DragFinish(drop);
      return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}
