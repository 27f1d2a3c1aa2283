// Window creation, text, font, focus and geometry helpers shared by the Win32 kinds.
#include "gui/win32/native/common.h"

#include <iterator>

#include "gui/constants.h"
#include "gui/win32/native/font.h"
#include "gui/win32/native/keyboard.h"
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

std::u16string NativeText(HWND hwnd) {
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
  const int got = GetWindowTextW(hwnd, Wide(text), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

bool IsNativeClass(HWND hwnd, const wchar_t* cls) {
  wchar_t got[64] = {};
  GetClassNameW(hwnd, got, static_cast<int>(std::size(got)));
  return _wcsicmp(got, cls) == 0;
}

void SetNativeFont(HWND hwnd, VellFont* font) {
  if (auto* f = dynamic_cast<Win32Font*>(font)) {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f->HandleFor(DpiOf(hwnd))), TRUE);
  }
}

int32_t ActivateNative(HWND hwnd, int32_t command) {
  switch (command) {
    case ActivateCommand::Focus:
      // Only the focus moves: the window is no dialog, and treating it as one would leave it
      // deaf to the Tab key.
      SetFocus(hwnd);
      break;
    case ActivateCommand::Back:
    case ActivateCommand::Forward:
      if (HWND next = NextTabStop(hwnd, command == ActivateCommand::Back)) SetFocus(next);
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
  return RectToProgram(r, DpiOf(hwnd));
}
