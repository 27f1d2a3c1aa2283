// Window creation, text, font, focus and geometry helpers shared by the Win32 kinds.
#include "gui/win32/native/common.h"

#include "gui/constants.h"
#include "gui/win32/native/font.h"
#include "runtime/text.h"
#include "runtime/wide.h"

HWND ClientHwndOf(VellGroup* group) {
  // Top-level windows have no parent; the desktop's own handle would make them its children.
  if (!group || dynamic_cast<VellDesktop*>(group)) return nullptr;
  return reinterpret_cast<HWND>(group->Query(QueryKind::ClientHandle));
}

HWND CreateNativeWindow(DWORD exStyle, const wchar_t* cls, const wchar_t* text, DWORD style, VellGroup* group,
                        HMENU menuOrId) {
  return CreateWindowExW(exStyle, cls, text, style, 0, 0, 0, 0, ClientHwndOf(group), menuOrId,
                         GetModuleHandleW(nullptr), nullptr);
}

void SetNativeText(HWND hwnd, const std::u16string& text) {
  SetWindowTextW(hwnd, Wide(std::u16string(CutText(text, MaxWindowText))));
}

void SetNativeFont(HWND hwnd, VellFont* font) {
  if (auto* f = dynamic_cast<Win32Font*>(font)) {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f->handle), TRUE);
  }
}

int32_t ActivateNative(HWND hwnd, int32_t command) {
  switch (command) {
    case ActivateCommand::Focus: {
      LONG_PTR s = GetWindowLongPtrW(hwnd, GWL_STYLE);
      // A tab stop inside a dialog-like container moves the focus the way the Tab key would, so
      // that the container's default button and focus memory stay right.
      if ((s & (WS_CHILD | WS_TABSTOP)) == (WS_CHILD | WS_TABSTOP)) {
        DefDlgProcW(GetParent(hwnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hwnd), TRUE);
      } else {
        SetFocus(hwnd);
      }
      break;
    }
    case ActivateCommand::Back:
    case ActivateCommand::Forward:
      // With a false lParam, wParam 1 means the previous control and 0 the next.
      SendMessageW(GetParent(hwnd), WM_NEXTDLGCTL, command == ActivateCommand::Back ? 1 : 0, FALSE);
      break;
    case ActivateCommand::Redraw:
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
  }
  return 0;
}

RECT WindowRectInParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}
