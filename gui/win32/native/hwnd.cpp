// HwndMap and attaching HWNDs to native gadgets by installing the shared window procedure.
#include "gui/win32/native/hwnd.h"

std::map<HWND, Win32Hwnd*>& HwndMap = *new std::map<HWND, Win32Hwnd*>();

Win32Hwnd* FindHwnd(HWND hwnd) {
  auto it = HwndMap.find(hwnd);
  return it == HwndMap.end() ? nullptr : it->second;
}

void AttachHwnd(Win32Hwnd& record, HWND hwnd, VellGadget* gadget, Win32WndProc* handler) {
  if (record.hwnd) {
    HwndMap.erase(record.hwnd);
    // Windows of the driver's own class keep MainWindowProc: it answers unknown HWNDs with the
    // default procedure, which is what they would get anyway.
    if (record.previous != DefWindowProcW && IsWindow(record.hwnd)) {
      SetWindowLongPtrW(record.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.previous));
    }
    record.previous = nullptr;
  }
  record.hwnd = hwnd;
  if (hwnd) {
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindowProc)));
    record.previous = old == &MainWindowProc ? DefWindowProcW : old;
    HwndMap[hwnd] = &record;
  }
  record.gadget = gadget;
  record.handler = handler;
}

Win32Hwnd::~Win32Hwnd() {
  if (!hwnd) return;
  HWND h = hwnd;
  AttachHwnd(*this, nullptr, gadget, nullptr);
  DestroyWindow(h);
}
