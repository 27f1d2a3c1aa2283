// The Win32 window kind: top-level or child windows with an optional menu bar and status bar.
#pragma once

#include "gui/win32/native/common.h"

class Win32Window : public VellWindow, public Win32WndProc {
 public:
  Win32Window(VellGroup* group, int32_t style);
  ~Win32Window() override;

  intptr_t Query(int32_t kind) override;
  void SetFont(VellFont* f) override;
  void SetText(const std::u16string& t) override;
  // The shape is the client area's with style bit 0x20, else the outer frame's.
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  int32_t Activate(int32_t command) override;
  void UpdateClientSize() override;

  VellMenu* RootMenu() override;
  void UpdateMenu() override;
  void FocusFirstChild() override;
  void SetMinimumSize(int32_t w, int32_t h) override;
  void SetStatusText(const std::u16string& text) override;
  void Minimize() override;
  void Maximize() override;
  void Restore() override;
  int32_t SizeState() override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  Win32Gadget outer;
  Win32Gadget client;  // only with a status bar
  HWND statusbar = nullptr;
  HMENU menubar = nullptr;
  VellMenu* rootmenu = nullptr;  // the items of the menu bar hang below it

 private:
  int32_t StatusHeight() const;
  // The outer rectangle that gives a client area of w x h at (x, y).
  RECT OuterFromClient(int32_t x, int32_t y, int32_t w, int32_t h) const;
  // Re-reads the shape the window has now, as the style says it is reported.
  RECT CurrentShape() const;
  // The smallest outer size the frame may be dragged to, from the program's minimum at the
  // window's DPI.
  POINT MinimumTrackSize() const;
  // Takes a new DPI: fonts for it, the rectangle the platform suggests, every gadget placed anew.
  void TakeDpi(int dpi, const RECT& suggested);
  void OnSize(HWND hwnd, WPARAM wp);
  // Reports an activation and gives the focus back to the gadget that had it; false when the
  // default handling is still to place the focus.
  bool OnActivate(WPARAM wp);

  bool minimized_ = false;
  bool maximized_ = false;
  POINT minimum_{0, 0};   // in program units, as the program gave it
  HWND focus_ = nullptr;  // the gadget that had the keyboard focus when the window was left
  bool cuesSet_ = false;   // the focus cues were set up as the window was first activated
};
