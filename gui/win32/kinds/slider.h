// The Win32 slider kind: a scroll bar, a track bar or an up-down control, by style.
#pragma once

#include "gui/win32/native/common.h"

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
// A track bar marks every unit of a range within 0..32767; a range beyond it is marked in about a
// hundred equal steps, since a mark per unit would be millions of marks kept and drawn. A range
// whose span does not fit the control's count (as the full 32-bit range) is halved for it: the
// ends and the position last set read back exactly, other places the user moves to come back in
// the coarser units of the halved range.
class Win32Slider : public Win32Simple<VellSlider> {
 public:
  enum Kind { ScrollBar = 0, TrackBar = 1, UpDown = 2 };
  Win32Slider(VellGroup* group, int32_t style);

  void SetRange(int32_t a, int32_t b) override;
  void SetProp(int32_t value) override;
  int32_t GetProp() override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

  int32_t kind = ScrollBar;
  int32_t horizontal = 0;
  int32_t range0 = 0, range1 = 0;  // the range last set (a track bar's ends in order)
  int32_t shift = 0;               // a track bar's range is halved this many times for the control
  int32_t exact = 0;               // the position last set on a track bar

 private:
  // Sets a track bar's range (min <= max) and its marks.
  void SetTrackRange(int32_t min, int32_t max);
  // A track bar's position as the control's place, and back: a vertical bar counts from the
  // bottom, and a halved range is halved again.
  int32_t TrackPlace(int32_t value) const;
  int32_t TrackValue(int32_t place) const;
  // A scroll request moves the scroll bar's thumb; false for requests that move nothing.
  bool Scroll(int32_t request);
};

// The kind (a Win32Slider::Kind) a slider style gives.
int32_t SliderKind(int32_t style);
