// The binding of HWNDs to native gadgets: records, the process-wide map and attaching.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

class VellGadget;

// The per-kind window procedure of a native gadget; `previous` is the procedure the HWND had
// before it was attached, where unhandled messages go.
class Win32WndProc {
 public:
  virtual ~Win32WndProc() = default;
  virtual LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) = 0;
};

// Bits of SensitivityFlags: raw mouse and key input of the HWND becomes events (0x200 the
// messages it receives, 0x400 the wheel, which goes to the focus window and is redirected).
constexpr int32_t SensitiveInput = 0x200;
constexpr int32_t SensitiveWheel = 0x400;

// Binds one HWND to the native gadget that owns it. Destroying a record that holds an HWND
// detaches it and destroys the window.
class Win32Hwnd {
 public:
  Win32Hwnd() = default;
  Win32Hwnd(const Win32Hwnd&) = delete;
  Win32Hwnd& operator=(const Win32Hwnd&) = delete;
  ~Win32Hwnd();

  HWND hwnd = nullptr;
  WNDPROC previous = nullptr;
  Win32WndProc* handler = nullptr;
  int32_t SensitivityFlags = 0;
  VellGadget* gadget = nullptr;
};

// The record every Win32 native gadget embeds for each HWND it owns.
class Win32Gadget : public Win32Hwnd {};

// Every attached HWND and its record (never destroyed, like the driver's other globals).
extern std::map<HWND, Win32Hwnd*>& HwndMap;

// Detaches the record's current HWND (restoring its procedure), then attaches `hwnd` (none to
// only detach) by installing MainWindowProc, and makes `gadget` the owner and `handler` its
// window procedure.
void AttachHwnd(Win32Hwnd& record, HWND hwnd, VellGadget* gadget, Win32WndProc* handler);
// The record of an attached HWND, or none.
Win32Hwnd* FindHwnd(HWND hwnd);

// The one window procedure of every attached HWND.
LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// Registers the driver's window class once; returns its name.
const wchar_t* RegisterWindowClass();
// Sets the pointer shown over every gadget's client area (none: the class cursor).
void SetGadgetPointer(HCURSOR cursor);

// Texts handed to the platform's window functions are cut to this many characters.
constexpr size_t MaxWindowText = 4095;
