// The Win32 desktop kind: the virtual screen, the group of every top-level window.
#pragma once

#include "gui/win32/native/vell.h"

class Win32Desktop : public VellDesktop {
 public:
  // Takes the virtual screen's shape (the desktop window's where there is no virtual screen).
  Win32Desktop();
  intptr_t Query(int32_t kind) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  int32_t Activate(int32_t command) override;
};
