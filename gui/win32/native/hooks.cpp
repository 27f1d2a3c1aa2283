// Thread hooks: wheel messages to the sensitive window under the pointer, hot keys, and Enter in
// an edit control.
#include "gui/win32/native/hooks.h"

#include <windows.h>

#include <cstring>

#include "event/event.h"
#include "event/win32/system_win32.h"
#include "gui/hotkey.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/vell.h"
#include "runtime/module.h"

namespace {

HHOOK messageHook = nullptr;
HHOOK keyboardHook = nullptr;

// The wheel is queued for the focus window; sensitive gadgets get it where the pointer is.
LRESULT CALLBACK MessageHook(int code, WPARAM wp, LPARAM lp) {
  MSG* m = reinterpret_cast<MSG*>(lp);
  if (code >= 0 && wp == PM_REMOVE && m->message == WM_MOUSEWHEEL) {
    POINT p{static_cast<short>(LOWORD(m->lParam)), static_cast<short>(HIWORD(m->lParam))};
    HWND under = WindowFromPoint(p);
    Win32Hwnd* record = FindHwnd(under);
    if (record && (record->SensitivityFlags & SensitiveWheel)) {
      TranslateSystemMessage(under, WM_MOUSEWHEEL, m->wParam, m->lParam,
                             Ref<TObject>(TWin32GUIDriver::GadgetFromHandle(record->gadget)));
      m->message = WM_NULL;
      return 0;
    }
  }
  return CallNextHookEx(messageHook, code, wp, lp);
}

bool IsEditClass(HWND hwnd) {
  char name[17] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return _strnicmp(name, "edit", 4) == 0;
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
  if (code >= 0) {
    HWND owner = GetForegroundWindow();
    Ref<TEvent> event =
        LookupHotKeyEvent(static_cast<int32_t>(wp), CurrentModifiers(), reinterpret_cast<intptr_t>(owner));
    // Enter in a single-line edit control ends the entry: the focus goes back to its container.
    HWND focus = GetFocus();
    if (wp == VK_RETURN && focus && IsEditClass(focus)) SetFocus(GetAncestor(focus, GA_PARENT));
    if (event) {
      // The key flags' up bit is set for a release; the key is swallowed both ways.
      if ((HIWORD(lp) & KF_UP) == 0) event->Emit();
      return 1;
    }
  }
  return CallNextHookEx(keyboardHook, code, wp, lp);
}

}  // namespace

int32_t CurrentModifiers() {
  int32_t mods = 0;
  if (GetKeyState(VK_SHIFT) < 0) mods |= ModShift;
  if (GetKeyState(VK_CONTROL) < 0) mods |= ModControl;
  if (GetKeyState(VK_MENU) < 0) mods |= ModAlt;
  if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) mods |= ModSystem;
  return mods;
}

void InstallDriverHooks() {
  if (messageHook || keyboardHook) return;
  DWORD thread = GetCurrentThreadId();
  messageHook = SetWindowsHookExA(WH_GETMESSAGE, MessageHook, nullptr, thread);
  keyboardHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, nullptr, thread);
  AtExit([] {
    if (messageHook) UnhookWindowsHookEx(messageHook);
    if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
    messageHook = keyboardHook = nullptr;
  });
}
