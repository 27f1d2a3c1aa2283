// Sliders and progress bars: kinds by style, ranges and positions per kind, the scroll bar's
// requests, the user's moves reported, and out-of-range input.
#include <windows.h>
// The common controls header needs the platform types first.
#include <commctrl.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include "gui/constants.h"
#include "gui/win32/win32_progbar.h"
#include "tests/gui_win32/support.h"

namespace {

class Sliders : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(1, 400, 300);
  }
  Ref<TGadget> Make(int32_t style) { return MakeSlider(10, 10, 120, 60, win, style); }
  Ref<TGadget> win;
};

std::string ClassOf(HWND h) {
  char name[64] = {};
  GetClassNameA(h, name, sizeof name);
  std::string s = name;
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

constexpr int32_t Vertical = 0;
using SliderStyle::Horizontal;
using SliderStyle::ScrollBar;
using SliderStyle::TrackBar;
using SliderStyle::UpDown;

}  // namespace

TEST_F(Sliders, StyleChoosesTheControlAndItsDirection) {
  struct Case {
    int32_t style;
    const char* cls;
    LONG_PTR dirBit;  // present when the control runs the other way than its default
    bool set;
  } cases[] = {
      {ScrollBar | Vertical, "scrollbar", SBS_VERT, true},
      {ScrollBar | Horizontal, "scrollbar", SBS_VERT, false},
      {TrackBar | Vertical, "msctls_trackbar32", TBS_VERT, true},
      {TrackBar | Horizontal, "msctls_trackbar32", TBS_VERT, false},
      {UpDown | Vertical, "msctls_updown32", UDS_HORZ, false},
      {UpDown | Horizontal, "msctls_updown32", UDS_HORZ, true},
      {12 | Horizontal, "scrollbar", SBS_VERT, false},  // undefined kinds make the default kind
  };
  for (const Case& c : cases) {
    HWND h = Hwnd(Make(c.style));
    EXPECT_EQ(ClassOf(h), c.cls) << c.style;
    EXPECT_EQ((GetWindowLongPtrA(h, GWL_STYLE) & c.dirBit) != 0, c.set) << c.style;
  }
}

TEST_F(Sliders, VerticalTrackBarCountsFromTheBottom) {
  auto s = Make(TrackBar | Vertical);
  ChangeSliderRange(s, 1, 10);
  ChangeSliderPosition(s, 3);
  EXPECT_EQ(SendMessageA(Hwnd(s), TBM_GETPOS, 0, 0), 8);
  EXPECT_EQ(GetSliderPosition(s), 3);
  // The user takes the thumb to the top with the keyboard: that is the maximum.
  TakeEvents();
  SetFocus(Hwnd(s));
  SendMessageA(Hwnd(s), WM_KEYDOWN, VK_HOME, 1);
  EXPECT_EQ(SendMessageA(Hwnd(s), TBM_GETPOS, 0, 0), 1);
  EXPECT_EQ(GetSliderPosition(s), 10);
  auto moved = Only(TakeEvents(), GadgetAction, s);
  ASSERT_FALSE(moved.empty());
  EXPECT_EQ(moved.back().data, 10);

  auto flat = Make(TrackBar | Horizontal);
  ChangeSliderRange(flat, 1, 10);
  ChangeSliderPosition(flat, 3);
  EXPECT_EQ(SendMessageA(Hwnd(flat), TBM_GETPOS, 0, 0), 3);
}

TEST_F(Sliders, ScrollBarFollowsEveryRequestCode) {
  struct Case {
    int32_t style;
    WORD code;
    int32_t from, to;
    bool reported;
  } cases[] = {
      {ScrollBar | Vertical, SB_LINEUP, 50, 49, true},
      {ScrollBar | Vertical, SB_LINEDOWN, 50, 51, true},
      {ScrollBar | Vertical, SB_PAGEUP, 50, 40, true},
      {ScrollBar | Vertical, SB_PAGEDOWN, 50, 60, true},
      {ScrollBar | Horizontal, SB_PAGEDOWN, 50, 60, true},
      {ScrollBar | Vertical, SB_PAGEDOWN, 85, 90, true},  // the last page shows the end
      {ScrollBar | Vertical, SB_THUMBPOSITION, 50, 50, true},
      {ScrollBar | Vertical, SB_THUMBTRACK, 50, 50, true},
      {ScrollBar | Vertical, SB_TOP, 50, 50, false},
      {ScrollBar | Vertical, SB_ENDSCROLL, 50, 50, false},
  };
  for (const Case& c : cases) {
    auto s = Make(c.style);
    HWND h = Hwnd(s);
    ChangeSliderRange(s, 10, 100);  // ten visible of a hundred
    ChangeSliderPosition(s, c.from);
    TakeEvents();
    // The control asks its parent to move it, naming itself.
    SendMessageA(GetParent(h), (c.style & Horizontal) ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(c.code, 0),
                 reinterpret_cast<LPARAM>(h));
    EXPECT_EQ(GetScrollPos(h, SB_CTL), c.to) << "code " << c.code << " from " << c.from;
    auto moved = Only(TakeEvents(), GadgetAction, s);
    EXPECT_EQ(moved.size(), c.reported ? 1u : 0u) << "code " << c.code;
    if (!moved.empty()) {
      EXPECT_EQ(moved.back().data, c.to);
    }
    DestroyGadget(s);
  }
}

TEST_F(Sliders, UpDownReportsItsPositionWhenClicked) {
  auto s = Make(UpDown | Vertical);
  HWND h = Hwnd(s);
  ChangeSliderRange(s, 0, 20);
  ChangeSliderPosition(s, 5);
  EXPECT_EQ(LOWORD(SendMessageA(h, UDM_GETPOS, 0, 0)), 5);
  TakeEvents();
  // A click on the upper arrow counts up.
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(GetSliderPosition(s), 6);
  auto moved = Only(TakeEvents(), GadgetAction, s);
  ASSERT_FALSE(moved.empty());
  EXPECT_EQ(moved.back().data, 6);
}

TEST_F(Sliders, OddRangesGiveDefinedPositions) {
  struct Case {
    int32_t style, a, b, set, expect;
  } cases[] = {
      {TrackBar | Horizontal, 10, 1, 4, 4},    // swapped ends
      {TrackBar | Vertical, 10, 1, 4, 4},      // swapped ends, mirrored
      {TrackBar | Horizontal, 10, 1, 40, 10},  // clamped to the swapped range
      {TrackBar | Vertical, -5, 5, -3, -3},    // negative positions
      {TrackBar | Horizontal, 0, 100000, 70000, 70000},
      {TrackBar | Vertical, -100000, 100000, -70000, -70000},
      {UpDown | Vertical, -10, 10, -3, -3},
      {UpDown | Vertical, 10, 0, 3, 3},  // lower above upper: kept
      {UpDown | Vertical, 0, 20, 70000, 20},
      {UpDown | Vertical, 0, 100000, 70000, 70000},
      {ScrollBar | Vertical, 20, 10, 5, 0},     // page larger than the total: all visible
      {ScrollBar | Vertical, -5, 100, 99, 99},  // negative page: none
      {ScrollBar | Vertical, 10, -1, 5, 0},     // negative total: empty
      {12 | Horizontal, 10, 100, 50, 50},       // undefined kinds work as scroll bars
      {-4, 10, 100, 50, 50},
  };
  for (const Case& c : cases) {
    auto s = Make(c.style);
    ChangeSliderRange(s, c.a, c.b);
    ChangeSliderPosition(s, c.set);
    EXPECT_EQ(GetSliderPosition(s), c.expect) << "style " << c.style << " range " << c.a << "," << c.b;
    DestroyGadget(s);
  }
}

TEST_F(Sliders, ProgressBarShowsHundredthsOfItsValue) {
  auto bar = MakeProgressBar(10, 10, 200, 20, win, 0);
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    float value;
    LRESULT pos;
  } cases[] = {
      {0.5f, 50}, {0.0f, 0},  {1.0f, 100}, {0.999f, 99}, {-0.5f, 0},  {2.0f, 100},
      {NAN, 0},   {inf, 100}, {-inf, 0},   {1e30f, 100}, {-1e30f, 0},
  };
  for (const Case& c : cases) {
    ChangeProgressValue(bar, 0.25f);
    ChangeProgressValue(bar, c.value);
    EXPECT_EQ(SendMessageA(Hwnd(bar), PBM_GETPOS, 0, 0), c.pos) << c.value;
    // The control clamps what it is given, which would hide a value wrapped by the conversion.
    EXPECT_EQ(ProgressPosition(c.value), c.pos) << c.value;
  }
}
