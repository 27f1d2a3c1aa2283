// The Win32 panel kind: a plain container, a sensitive one reporting raw input, or a group box.
#pragma once

#include "gui/win32/win32_common.h"

class Win32Panel : public VellPanel, public Win32WndProc {
 public:
  enum Kind { Plain = 0, Active = 1, GroupBox = 2 };
  Win32Panel(VellGroup* group, int32_t style);
  ~Win32Panel() override;

  intptr_t Query(int32_t kind) override;
  void SetFont(VellFont* f) override;
  void SetText(const std::u16string& t) override;
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  int32_t Activate(int32_t command) override;
  void UpdateClientSize() override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  Win32Gadget outer;
  Win32Gadget client;  // only for a group box
  int32_t kind = Plain;
};
