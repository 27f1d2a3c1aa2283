// Sliders and progress bars: kinds by style, ranges and positions per kind, the scroll bar's
// requests, the user's moves reported, out-of-range input, and track bars over wide ranges.
#include <windows.h>
// The common controls header needs the platform types first.
#include <commctrl.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <climits>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <thread>

#include "event/hook.h"
#include "gui/constants.h"
#include "gui/win32/kinds/progress_bar.h"
#include "tests/gui_win32/support.h"

namespace {

// Every action emitted during a drag, with where the dragged scroll bar's thumb was then: the queue
// merges waiting actions of one gadget, so the moves are seen as they are emitted.
struct Reported {
  int32_t data, track;
};
std::vector<Reported> emitted;
HWND dragged;

Ref<TObject> RecordAction(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  if (auto* e = dynamic_cast<TEvent*>(data.get()); e && e->id == GadgetAction) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(dragged, SB_CTL, &si);
    emitted.push_back(Reported{e->data, si.nTrackPos});
  }
  return data;
}

// One mouse input at a screen point, in the absolute form hardware input takes.
INPUT MouseAt(POINT screen, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((screen.x * 65536LL + 65535) / GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = static_cast<LONG>((screen.y * 65536LL + 65535) / GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return in;
}

class Sliders : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 300);
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

// While the thumb is dragged the control keeps its old position and tells where the thumb is only
// as the track position; each move is reported where the thumb is, and the drop where it stays.
TEST_F(Sliders, DraggingTheScrollBarThumbReportsEachPlaceOnTheWay) {
  for (int32_t style : {ScrollBar | Horizontal, ScrollBar | Vertical}) {
    const bool horizontal = style & Horizontal;
    auto s = horizontal ? MakeSlider(10, 10, 300, 20, win, style) : MakeSlider(10, 10, 20, 250, win, style);
    HWND h = Hwnd(s);
    ChangeSliderRange(s, 10, 100);  // positions 0 .. 90
    ChangeSliderPosition(s, 0);
    TakeEvents();
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    ASSERT_TRUE(GetScrollBarInfo(h, OBJID_CLIENT, &bar));
    const int thumb = (bar.xyThumbTop + bar.xyThumbBottom) / 2;
    POINT grab = horizontal
                     ? POINT{bar.rcScrollBar.left + thumb, (bar.rcScrollBar.top + bar.rcScrollBar.bottom) / 2}
                     : POINT{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.top + thumb};
    auto along = [&](int by) { return horizontal ? POINT{grab.x + by, grab.y} : POINT{grab.x, grab.y + by}; };
    // Just past the far end: taken much further, the control would put the thumb back.
    const int past = (horizontal ? bar.rcScrollBar.right - grab.x : bar.rcScrollBar.bottom - grab.y) + 10;
    // Pressed, moved three times and taken past the far end, then dropped. The control follows
    // the drag inside a message loop of its own, so the hand moving the mouse is another thread.
    std::vector<INPUT> drag = {MouseAt(grab, 0),
                               MouseAt(grab, MOUSEEVENTF_LEFTDOWN),
                               MouseAt(along(30), 0),
                               MouseAt(along(60), 0),
                               MouseAt(along(90), 0),
                               MouseAt(along(past), 0),
                               MouseAt(along(past), MOUSEEVENTF_LEFTUP)};
    emitted.clear();
    dragged = h;
    InstallHook(EventHookId, RecordAction, nullptr, 1000000);
    SetForegroundWindow(Hwnd(win));
    Pump();
    std::atomic<bool> done = false;
    std::thread hand([&drag, &done] {
      for (INPUT& in : drag) {
        SendInput(1, &in, sizeof in);
        Sleep(250);
      }
      done = true;
    });
    while (!done) {
      Sleep(10);
      Pump();
    }
    hand.join();
    for (int i = 0; i < 5; ++i) {
      Sleep(20);
      Pump();
    }
    UninstallHook(EventHookId, RecordAction, nullptr);
    ASSERT_FALSE(emitted.empty()) << "style " << style;
    // Places between the ends on the way (moves the control had no time to follow merge, and
    // the pointer may be seen again where it was a moment before), then the end, where the thumb
    // was dropped.
    std::set<int32_t> between;
    for (const Reported& r : emitted) {
      EXPECT_EQ(r.data, r.track) << "style " << style;
      if (r.data > 0 && r.data < 90) between.insert(r.data);
    }
    EXPECT_FALSE(between.empty()) << "style " << style;
    EXPECT_EQ(emitted.back().data, 90) << "style " << style;
    EXPECT_EQ(GetSliderPosition(s), 90) << "style " << style;
    EXPECT_EQ(GetScrollPos(h, SB_CTL), 90) << "style " << style;
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

// A track bar marks every unit of an ordinary range; over a wide one that would be millions of
// marks kept and drawn at every paint, so it marks about a hundred steps instead.
TEST_F(Sliders, WideTrackBarRangesKeepFewTicksAndStayResponsive) {
  struct Case {
    int32_t style, a, b;
    LRESULT ticks, maxticks;  // marks the control keeps, its two ends included
  } cases[] = {
      {TrackBar | Horizontal, 0, 100, 101, 101},
      {TrackBar | Horizontal, 0, 10000000, 2, 102},
      {TrackBar | Horizontal, INT_MIN, INT_MAX, 2, 102},
      {TrackBar | Horizontal, 0, 50, 51, 51},  // ordinary again after a wide range
      {TrackBar | Vertical, 0, 10000000, 2, 102},
      {TrackBar | Vertical, INT_MIN, INT_MAX, 2, 102},
      {TrackBar | Vertical, -20, 20, 41, 41},
  };
  auto s = Make(TrackBar | Horizontal);
  for (const Case& c : cases) {
    const bool vertical = (GetWindowLongPtrA(Hwnd(s), GWL_STYLE) & TBS_VERT) != 0;
    if (vertical == ((c.style & Horizontal) != 0)) {
      DestroyGadget(s);
      s = Make(c.style);
    }
    HWND h = Hwnd(s);
    ChangeSliderRange(s, c.a, c.b);
    const LRESULT ticks = SendMessageA(h, TBM_GETNUMTICS, 0, 0);
    ASSERT_GE(ticks, c.ticks) << "range " << c.a << ".." << c.b;
    ASSERT_LE(ticks, c.maxticks) << "range " << c.a << ".." << c.b;
    const auto start = std::chrono::steady_clock::now();
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(500)) << "range " << c.a << ".." << c.b;
    const int64_t mid = (int64_t(c.a) + c.b) / 2;
    for (int64_t at : {int64_t(c.a), mid, int64_t(c.b)}) {
      ChangeSliderPosition(s, static_cast<int32_t>(at));
      EXPECT_EQ(GetSliderPosition(s), at) << "range " << c.a << ".." << c.b;
    }
    // The user takes the thumb to each end with the keyboard.
    TakeEvents();
    SetFocus(h);
    for (WORD key : {VK_END, VK_HOME}) {
      PressKeys({key});
      auto moved = Only(TakeEvents(), GadgetAction, s);
      ASSERT_FALSE(moved.empty()) << "range " << c.a << ".." << c.b;
      // End goes to the control's maximum, which a vertical bar shows at the bottom: its minimum.
      const bool maximum = (key == VK_END) == ((c.style & Horizontal) != 0);
      EXPECT_EQ(moved.back().data, maximum ? c.b : c.a) << "range " << c.a << ".." << c.b;
    }
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
