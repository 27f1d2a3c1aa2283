// Thread hooks: wheel messages to the sensitive window under the pointer, the navigation keys, hot
// keys, and Enter in an edit control.
#include "gui/win32/native/hooks.h"

#include <windows.h>

#include <cstring>

#include "event/event.h"
#include "event/win32/system_win32.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/keyboard.h"
#include "gui/win32/native/vell.h"
#include "runtime/module.h"

namespace {

bool hooksInstalled = false;
HHOOK keyboardHook = nullptr;

// The main thread's message hook job. The wheel is queued for the focus window; sensitive gadgets
// get it where the pointer is.
bool RedirectWheel(MSG& m) {
  if (m.message != WM_MOUSEWHEEL) return false;
  POINT p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
  HWND under = WindowFromPoint(p);
  Win32Hwnd* record = FindHwnd(under);
  if (!record || !(record->SensitivityFlags & SensitiveWheel)) return false;
  TranslateSystemMessage(under, WM_MOUSEWHEEL, m.wParam, m.lParam, ManagedGadgetOf(record->gadget));
  m.message = WM_NULL;
  return true;
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
  if (code >= 0) {
    HWND owner = GetForegroundWindow();
    Ref<TEvent> event =
        HotKeyEventFor(static_cast<int32_t>(wp), CurrentModifiers(), reinterpret_cast<intptr_t>(owner));
    // Enter in a single-line edit control ends the entry: the focus goes back to its container.
    // Only once, as the key goes down: a program may have put the caret back by the time the key
    // repeats or is released.
    HWND focus = GetFocus();
    const bool firstPress = code == HC_ACTION && (HIWORD(lp) & (KF_UP | KF_REPEAT)) == 0;
    if (wp == VK_RETURN && firstPress && focus && IsNativeClass(focus, L"Edit")) SetFocus(GetAncestor(focus, GA_PARENT));
    if (event) {
      // The key flags' up bit is set for a release; the key is swallowed both ways.
      if ((HIWORD(lp) & KF_UP) == 0) event->Emit();
      return 1;
    }
  }
  return CallNextHookEx(keyboardHook, code, wp, lp);
}

// The one job of the main thread's message hook, so that modal loops of the platform navigate too.
bool HookJob(MSG& m) {
  if (RedirectWheel(m)) return true;
  if (!TakeNavigationKey(m)) return false;
  m.message = WM_NULL;
  return true;
}

}  // namespace

void InstallThreadHooks() {
  if (hooksInstalled) return;
  hooksInstalled = true;
  SetMessageHookJob(HookJob);
  keyboardHook = SetWindowsHookExW(WH_KEYBOARD, KeyboardHook, nullptr, GetCurrentThreadId());
  AtExit([] {
    SetMessageHookJob(nullptr);
    if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
    keyboardHook = nullptr;
    hooksInstalled = false;
  });
}
