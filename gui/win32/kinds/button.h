// The Win32 button kind: push buttons (plain, OK, cancel, default), check boxes and radio buttons.
#pragma once

#include "gui/win32/native/common.h"

class Win32Button : public Win32Simple<VellButton> {
 public:
  Win32Button(VellGroup* group, int32_t style);
  void SetSelected(int32_t flag) override;
  int32_t Checked() override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;
};

// The window style and control id a button style gives.
DWORD ButtonWindowStyle(int32_t style);
int ButtonControlId(int32_t style);
