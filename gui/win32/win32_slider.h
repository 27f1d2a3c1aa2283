// The Win32 slider kind: a scroll bar, a track bar or an up-down control, by style.
#pragma once

#include "gui/win32/win32_common.h"

// Style: kind = style div 4 (0 scroll bar, 1 track bar, 2 up-down), bit 1 horizontal. Any other
// kind (3 and above, or a negative style) makes a scroll bar, the kind style 0 gives.
//
// SetRange(a, b) and positions by kind:
// - scroll bar: a is the visible part (the page), b the total; positions run 0 .. b - a. A
//   negative value counts as 0; a page larger than the total shows everything (position 0).
// - track bar: a is the minimum, b the maximum; given the other way round they are swapped.
//   Negative values are ordinary positions. A vertical track bar counts from the bottom, so the
//   thumb at the top reports the maximum.
// - up-down: a is the lower, b the upper end; a lower end above the upper one is kept (the
//   arrows then count the other way), and negative values are ordinary positions.
// Values beyond the controls' 16-bit messages go through their 32-bit forms instead of being cut.
class Win32Slider : public Win32Simple<VellSlider> {
 public:
  Win32Slider(VellGroup* group, int32_t style);

  void SetRange(int32_t a, int32_t b) override;
  void SetProp(int32_t value) override;
  int32_t GetProp() override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  int32_t kind = 0;  // 0 scroll bar, 1 track bar, 2 up-down
  int32_t horizontal = 0;
  int32_t range0 = 0, range1 = 0;  // the range last set, as the control holds it

 private:
  int32_t Mirrored(int32_t value) const;
  // A scroll request moves the scroll bar's thumb; false for requests that move nothing.
  bool Scroll(int32_t request);
};

// The kind (0 to 2) a slider style gives.
int32_t SliderKind(int32_t style);
