// The Win32 icon strip: square icons of one image held in an image list.
#pragma once

#include <windows.h>
// The image list functions need the base platform header first.
#include <commctrl.h>

#include "gui/win32/vell.h"

class Win32IconStrip : public VellIconStrip {
 public:
  ~Win32IconStrip() override {
    if (list) ImageList_Destroy(list);
  }
  HIMAGELIST list = nullptr;
};

// The image list of a native strip; none for no strip.
inline HIMAGELIST ImageListOf(VellIconStrip* strip) {
  auto* s = dynamic_cast<Win32IconStrip*>(strip);
  return s ? s->list : nullptr;
}
