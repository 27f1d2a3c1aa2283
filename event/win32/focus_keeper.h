// Gives the keyboard focus back to where it was once a modal box or dialog is gone.
#pragma once

#include <windows.h>

class TFocusKeeper {
 public:
  TFocusKeeper() : focus_(GetFocus()) {}
  ~TFocusKeeper() { SetFocus(focus_); }
  TFocusKeeper(const TFocusKeeper&) = delete;
  TFocusKeeper& operator=(const TFocusKeeper&) = delete;

 private:
  HWND focus_;
};
