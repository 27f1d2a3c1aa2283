// Tab order with real key input through the driver's pump, in a window shaped like the gallery's:
// one order for the whole window through panels, group boxes and the shown tab page, wrapping,
// never trapped; Ctrl+Tab out of a text area and across a tabber's pages.
#include <functional>
#include <string>
#include <vector>

#include "gui/constants.h"
#include "runtime/text.h"
#include "tests/gui_win32/gallery_shape.h"
#include "tests/gui_win32/support.h"

namespace {

class TabOrder : public DriverTest {};

const std::vector<WORD> Tab{VK_TAB}, ShiftTab{VK_SHIFT, VK_TAB}, CtrlTab{VK_CONTROL, VK_TAB},
    CtrlShiftTab{VK_CONTROL, VK_SHIFT, VK_TAB};

std::string Name(const GalleryShape& s, const Ref<TGadget>& g) {
  SetFocus(GalleryShape::Target(g));
  return s.Focused();
}

TEST_F(TabOrder, TabAndShiftTabVisitEveryControlInCreationOrderAndWrap) {
  const GalleryShape s = MakeGalleryShape();
  const std::vector<Ref<TGadget>> stops = s.Stops();
  std::vector<std::string> names;
  for (const auto& g : stops) names.push_back(Name(s, g));
  const size_t n = stops.size();
  struct Way {
    const char* what;
    const std::vector<WORD>& chord;
    const std::vector<WORD>& fromTextArea;  // where Tab is typed, Ctrl leaves
    bool backward;
  } ways[] = {{"Tab", Tab, CtrlTab, false}, {"Shift+Tab", ShiftTab, CtrlShiftTab, true}};
  for (const Way& way : ways) {
    FocusGadget(stops[0]);
    Pump();
    // Once round the window and back to where it started.
    for (size_t step = 1; step <= n; ++step) {
      PressChord(s.Focused() == "text area" ? way.fromTextArea : way.chord);
      const size_t at = way.backward ? (n - step % n) % n : step % n;
      EXPECT_EQ(s.Focused(), names[at]) << way.what << ", step " << step;
    }
  }
}

TEST_F(TabOrder, TheFocusLeavesEveryPlaceItUsedToBeStuckIn) {
  struct Case {
    const char* what;
    std::function<void(const GalleryShape&)> setup;
    Ref<TGadget> GalleryShape::*start;  // none: the window itself has the focus
    const std::vector<WORD>& chord;
    Ref<TGadget> GalleryShape::*lands;
  } cases[] = {
      {"Tab from the window itself", nullptr, nullptr, Tab, &GalleryShape::field},
      {"Shift+Tab from the window itself", nullptr, nullptr, ShiftTab, &GalleryShape::ok},
      {"Tab after FocusGadget", nullptr, &GalleryShape::push, Tab, &GalleryShape::check},
      {"Shift+Tab after FocusGadget", nullptr, &GalleryShape::push, ShiftTab, &GalleryShape::field},
      {"out of a nested panel", nullptr, &GalleryShape::check, Tab, &GalleryShape::track},
      {"out of the group box", nullptr, &GalleryShape::updown, Tab, &GalleryShape::tabber},
      {"back into the group box", nullptr, &GalleryShape::tabber, ShiftTab, &GalleryShape::updown},
      {"out of the tab page", nullptr, &GalleryShape::pageField, Tab, &GalleryShape::tree},
      {"from the tab strip into its page", nullptr, &GalleryShape::tabber, Tab, &GalleryShape::pageButton},
      {"onto the second page once it shows", [](const GalleryShape& s) { s.ShowPage(1); },
       &GalleryShape::tabber, Tab, &GalleryShape::pageList},
      {"past a disabled group box", [](const GalleryShape& s) { DisableGadgetInput(s.group); },
       &GalleryShape::check, Tab, &GalleryShape::tabber},
      {"past a hidden button", [](const GalleryShape& s) { ConcealGadget(s.check); }, &GalleryShape::push,
       Tab, &GalleryShape::track},
      {"from the tree into the text area", nullptr, &GalleryShape::tree, Tab, &GalleryShape::area},
      {"out of the text area with Ctrl+Tab", nullptr, &GalleryShape::area, CtrlTab, &GalleryShape::ok},
      {"back out of the text area with Ctrl+Shift+Tab", nullptr, &GalleryShape::area, CtrlShiftTab,
       &GalleryShape::tree},
      {"from the last control round to the first", nullptr, &GalleryShape::ok, Tab, &GalleryShape::field},
  };
  for (const Case& c : cases) {
    const GalleryShape s = MakeGalleryShape();
    const std::string lands = Name(s, s.*c.lands);
    if (c.setup) c.setup(s);
    if (c.start) {
      FocusGadget(s.*c.start);
    } else {
      SetFocus(Hwnd(s.win));
    }
    Pump();
    PressChord(c.chord);
    EXPECT_EQ(s.Focused(), lands) << c.what;
    DestroyGadget(s.win);
    Pump();
  }
}

TEST_F(TabOrder, TabInATextAreaIsTypedThere) {
  const GalleryShape s = MakeGalleryShape();
  FocusGadget(s.area);
  Pump();
  PressKeys({'A', VK_TAB, 'B'});
  EXPECT_EQ(s.Focused(), "text area");
  EXPECT_EQ(Utf8(GetTextAreaRange(s.area, 0, -1, TextUnits::Chars)), "a\tb");
}

TEST_F(TabOrder, CtrlTabTurnsTheTabbersPagesBothWaysAndWraps) {
  struct Case {
    const char* what;
    Ref<TGadget> GalleryShape::*start;
    const std::vector<WORD>& chord;
    int32_t page;
  } cases[] = {
      {"Ctrl+Tab on the strip", &GalleryShape::tabber, CtrlTab, 1},
      {"Ctrl+Shift+Tab on the strip wraps to the last page", &GalleryShape::tabber, CtrlShiftTab, 1},
      {"Ctrl+Tab on a control of the page", &GalleryShape::pageField, CtrlTab, 1},
  };
  for (const Case& c : cases) {
    const GalleryShape s = MakeGalleryShape();
    FocusGadget(s.*c.start);
    TakeEvents();
    PressChord(c.chord);
    auto actions = Only(TakeEvents(), GadgetAction, s.tabber);
    ASSERT_EQ(actions.size(), 1u) << c.what;
    EXPECT_EQ(actions[0].data, c.page) << c.what;
    EXPECT_EQ(GetSelectedEntry(s.tabber), c.page) << c.what;
    // The strip keeps the focus, so the next Ctrl+Tab turns on from there.
    EXPECT_EQ(s.Focused(), "tabber") << c.what;
    s.ShowPage(c.page);
    PressChord(CtrlTab);
    actions = Only(TakeEvents(), GadgetAction, s.tabber);
    ASSERT_EQ(actions.size(), 1u) << c.what << ", turned again";
    EXPECT_EQ(actions[0].data, 1 - c.page) << c.what << ", turned again";
    DestroyGadget(s.win);
    Pump();
  }
}

TEST_F(TabOrder, AWindowThatGetsTheFocusGivesItToItsFirstControl) {
  const GalleryShape s = MakeGalleryShape();
  auto other = TestWindow();
  SetForegroundWindow(Hwnd(s.win));
  Pump();
  EXPECT_EQ(s.Focused(), "field");
  // And the control the user was in when the window was left, once there is one.
  FocusGadget(s.tree);
  SetForegroundWindow(Hwnd(other));
  Pump();
  SetForegroundWindow(Hwnd(s.win));
  Pump();
  EXPECT_EQ(s.Focused(), "tree");
}

TEST_F(TabOrder, AWindowFilledAfterItTookTheFocusGivesItToItsFirstControl) {
  enum class Then { Nothing, ProgramFocusesTheSecond, FirstHidden };
  struct Case {
    const char* what;
    Then then;
    const char* focused;  // "window", "first" or "second"
  } cases[] = {
      {"a label, then two fields", Then::Nothing, "first"},
      {"the program's choice stands", Then::ProgramFocusesTheSecond, "second"},
      {"a hidden first field", Then::FirstHidden, "second"},
  };
  for (const Case& c : cases) {
    auto win = TestWindow();  // opened and activated empty: the window holds the focus
    ASSERT_EQ(GetFocus(), Hwnd(win)) << c.what;
    MakeLabel(u"Name", 10, 10, 100, 20, win, 0);
    auto panel = MakePanel(10, 40, 300, 100, win, 0);
    if (c.then == Then::FirstHidden) ConcealGadget(panel);
    auto first = MakeTextField(10, 10, 200, 24, panel, 0);
    auto second = MakeTextField(10, 150, 200, 24, win, 0);
    if (c.then == Then::ProgramFocusesTheSecond) FocusGadget(second);
    MakeButton(u"Later", 10, 200, 80, 24, win, 0);
    if (c.then == Then::FirstHidden) RevealGadget(panel);  // shown after the second took the focus
    Pump();
    HWND f = GetFocus();
    const std::string got = f == Hwnd(first)    ? "first"
                            : f == Hwnd(second) ? "second"
                            : f == Hwnd(win)    ? "window"
                                                : "other";
    EXPECT_EQ(got, c.focused) << c.what;
    DestroyGadget(win);
    Pump();
  }
}

}  // namespace
