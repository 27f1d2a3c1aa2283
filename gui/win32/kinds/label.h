// The Win32 label kind: static text with alignment and frame, or a separator line.
#pragma once

#include "gui/win32/native/common.h"

class Win32Label : public Win32Simple<VellLabel> {
 public:
  Win32Label(VellGroup* group, int32_t style);
  // A separator is always 4 pixels high.
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
};

// The window style a label style gives.
DWORD LabelWindowStyle(int32_t style);
