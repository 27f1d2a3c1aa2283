// Operations shared by the Win32 kinds, and the base of every kind that owns one main HWND.
#pragma once

#include <windows.h>

#include <string>

#include "gui/constants.h"
#include "gui/win32/native/dpi.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/keyboard.h"
#include "gui/win32/native/vell.h"
#include "runtime/wide.h"

// The HWND of a group's client area that children are created in (none for no group).
HWND ClientHwndOf(VellGroup* group);
// Creates a hidden child of the group's client area (or a top-level window for no group).
HWND CreateNativeWindow(DWORD exStyle, const wchar_t* cls, const wchar_t* text, DWORD style, VellGroup* group,
                        HMENU menuOrId = nullptr);
// SetWindowTextW with the text cut to MaxWindowText UTF-16 units, never inside a surrogate pair;
// a NUL inside the text ends it there, as the platform reads it.
void SetNativeText(HWND hwnd, const std::u16string& text);
// The window's whole text as the platform holds it.
std::u16string NativeText(HWND hwnd);
// True when the window's class is `cls` (case ignored, as the platform compares class names).
bool IsNativeClass(HWND hwnd, const wchar_t* cls);
void SetNativeFont(HWND hwnd, VellFont* font);
int32_t ActivateNative(HWND hwnd, int32_t command);
// The message an edit control takes for a cut, copy or paste command; 0 for any other command.
inline UINT ClipboardMessage(int32_t command) {
  switch (command) {
    case ActivateCommand::Cut:
      return WM_CUT;
    case ActivateCommand::Copy:
      return WM_COPY;
    case ActivateCommand::Paste:
      return WM_PASTE;
  }
  return 0;
}
// Shows or hides (enables or disables) the HWND; answers the byte the gadget stores for it.
inline uint8_t ShowNative(HWND hwnd, int32_t flag) {
  ShowWindow(hwnd, flag ? SW_SHOW : SW_HIDE);
  if (flag) TakeFocusFromItsWindow(hwnd);
  return flag ? 1 : 0;
}
inline uint8_t EnableNative(HWND hwnd, int32_t flag) {
  EnableWindow(hwnd, flag ? TRUE : FALSE);
  return flag ? 1 : 0;
}
// The window's rectangle in its parent's client coordinates (the screen for top-level windows), in
// program units.
RECT WindowRectInParent(HWND hwnd);

// A kind whose element is one main HWND (`self`); the common operations act on it.
template <class Base>
class Win32Simple : public Base, public Win32WndProc {
 public:
  Win32Simple(VellGroup* group, int32_t style) : Base(group, style) {}

  intptr_t Query(int32_t kind) override {
    return kind == QueryKind::NativeHandle || kind == QueryKind::ClientHandle
               ? reinterpret_cast<intptr_t>(self.hwnd)
               : 0;
  }
  void SetFont(VellFont* f) override {
    Base::SetFont(f);
    SetNativeFont(self.hwnd, f);
  }
  void SetText(const std::u16string& t) override {
    Base::SetText(t);
    SetNativeText(self.hwnd, t);
  }
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override {
    MoveNativeWindow(self.hwnd, x, y, w, h);
    Base::SetShape(x, y, w, h);
  }
  void SetShow(int32_t flag) override { this->visible = ShowNative(self.hwnd, flag); }
  void SetEnabled(int32_t flag) override { this->enabled = EnableNative(self.hwnd, flag); }
  int32_t Activate(int32_t command) override { return ActivateNative(self.hwnd, command); }
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override {
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
  }

  Win32Gadget self;
};
