// The driver's window class and the one window procedure every attached HWND runs through.
#include "event/event.h"
#include "event/win32/system_win32.h"
#include "gui/constants.h"
#include "gui/win32/native/accessible.h"
#include "gui/win32/native/dpi.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/vell.h"

namespace {

HCURSOR gadgetPointer = nullptr;

// The record a message is handled by: the notifying or commanding child for notifications.
Win32Hwnd* TargetOf(Win32Hwnd* record, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY:  // controls notify their parent; each kind handles its own notifications
      return FindHwnd(reinterpret_cast<NMHDR*>(lp)->hwndFrom);
    case WM_COMMAND:  // the same for commands of child controls
    case WM_HSCROLL:  // and for scroll bars and sliders
    case WM_VSCROLL:
      return FindHwnd(reinterpret_cast<HWND>(lp));
    case WM_ACTIVATEAPP:  // the whole program was activated or left
      PostNativeGuiEvent(wp ? AppResume : AppSuspend, nullptr, 0, 0, 0, 0, nullptr);
      return record;
    default:  // gadgets that ask for raw input get it as events first
      if (record->SensitivityFlags & (SensitiveInput | SensitiveWheel)) {
        TranslateSystemMessage(hwnd, msg, wp, ProgramMousePosition(hwnd, msg, lp),
                               ManagedGadgetOf(record->gadget));
      }
      return record;
  }
}

}  // namespace

void SetGadgetPointer(HCURSOR cursor) { gadgetPointer = cursor; }

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Win32Hwnd* record = FindHwnd(hwnd);
  if (!record) return DefWindowProcW(hwnd, msg, wp, lp);
  WNDPROC previous = record->previous;
  switch (msg) {
    case WM_NOTIFY:  // a notification without a header cannot name its sender
      if (!lp) return CallWindowProcW(previous, hwnd, msg, wp, lp);
      break;
    case WM_COMMAND:  // menu items and accelerators carry their native tag above 100
      if (!lp) {
        if (wp > MenuTag::CommandOffset)
          PostNativeGuiEvent(MenuAction, nullptr, static_cast<int32_t>(wp - MenuTag::CommandOffset), 0, 0, 0,
                             nullptr);
        return 0;
      }
      break;
    case WM_GETOBJECT:  // the platform's object calls every control a bare client area; the toolkit
                        // knows each one's role and which label names a field
      if (static_cast<LONG>(lp) == static_cast<LONG>(OBJID_CLIENT)) return AnswerAccessibleQuery(hwnd, wp);
      break;
    case WM_SETCURSOR:  // the program's chosen pointer shows over every client area
      if (gadgetPointer && LOWORD(lp) == HTCLIENT) {
        SetCursor(gadgetPointer);
        return 1;
      }
      break;
    case WM_NCDESTROY: {  // destroyed with its parent: the record must not keep a dead HWND
      LRESULT r = record->handler ? record->handler->WndProc(hwnd, msg, wp, lp, previous)
                                  : CallWindowProcW(previous, hwnd, msg, wp, lp);
      if (FindHwnd(hwnd) == record) {
        HwndMap.erase(hwnd);
        record->hwnd = nullptr;
        record->previous = nullptr;
      }
      return r;
    }
  }
  Win32Hwnd* target = msg == WM_SETCURSOR ? record : TargetOf(record, hwnd, msg, wp, lp);
  if (target && target->handler) return target->handler->WndProc(hwnd, msg, wp, lp, previous);
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

const wchar_t* RegisterWindowClass() {
  static const wchar_t* const name = L"TAMBERLO_WINDOW_CLASS";
  static bool registered = false;
  if (registered) return name;
  registered = true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(101));
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  WNDCLASSW wc{};
  wc.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
  wc.lpfnWndProc = MainWindowProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 30;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = name;
  RegisterClassW(&wc);
  return name;
}
