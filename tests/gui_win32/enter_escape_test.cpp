// Enter and Escape with real key input through the driver's pump: Escape presses the window's
// Cancel-style button (or its lone OK-style one) and Enter a focused push button, never one the user could
// not click; a held or released Enter moves no focus.
#include <vector>

#include "gui/constants.h"
#include "tests/gui_win32/press_recorder.h"
#include "tests/gui_win32/support.h"

namespace {

class EnterEscape : public DriverTest {};

enum class State { Usable, Disabled, Hidden, InDisabledPanel };

TEST_F(EnterEscape, AKeyPressesOnlyAButtonTheUserCouldClick) {
  struct Case {
    const char* what;
    WORD key;
    int32_t style;
    State state;
    bool focusButton;  // else a text field has the focus
    size_t presses;
  } cases[] = {
      {"Escape, a Cancel button", VK_ESCAPE, ButtonStyle::Cancel, State::Usable, false, 1},
      {"Escape, a disabled Cancel button", VK_ESCAPE, ButtonStyle::Cancel, State::Disabled, false, 0},
      {"Escape, a hidden Cancel button", VK_ESCAPE, ButtonStyle::Cancel, State::Hidden, false, 0},
      {"Escape, a Cancel button in a disabled panel", VK_ESCAPE, ButtonStyle::Cancel, State::InDisabledPanel,
       false, 0},
      {"Escape, a plain push button", VK_ESCAPE, ButtonStyle::Push, State::Usable, false, 0},
      {"Escape, an OK button and no Cancel one", VK_ESCAPE, ButtonStyle::Ok, State::Usable, false, 1},
      {"Escape, a disabled OK button and no Cancel one", VK_ESCAPE, ButtonStyle::Ok, State::Disabled, false,
       0},
      {"Enter, an OK button not marked default", VK_RETURN, ButtonStyle::Ok, State::Usable, false, 0},
      {"Enter, a disabled OK button", VK_RETURN, ButtonStyle::Ok, State::Disabled, false, 0},
      {"Enter, a hidden OK button", VK_RETURN, ButtonStyle::Ok, State::Hidden, false, 0},
      {"Enter, a disabled default OK button", VK_RETURN, ButtonStyle::Ok | ButtonStyle::Default,
       State::Disabled, false, 0},
      {"Enter on a focused push button", VK_RETURN, ButtonStyle::Push, State::Usable, true, 1},
      {"Enter on a focused check box", VK_RETURN, ButtonStyle::CheckBox, State::Usable, true, 0},
  };
  for (const Case& c : cases) {
    // The button beside the field, where the platform's dialog manager looks for OK and Cancel.
    auto win = TestWindow(WindowStyle::TitleBar, 400, 300);
    auto panel = MakePanel(10, 10, 300, 100, win, 0);
    auto field = MakeTextField(10, 10, 200, 24, panel, 0);
    auto bar = MakePanel(10, 150, 300, 60, win, 0);
    auto button =
        MakeButton(u"Button", 10, 50, 80, 24, c.state == State::InDisabledPanel ? bar : panel, c.style);
    if (c.state == State::Disabled) DisableGadgetInput(button);
    if (c.state == State::Hidden) ConcealGadget(button);
    if (c.state == State::InDisabledPanel) DisableGadgetInput(bar);
    FocusGadget(c.focusButton ? button : field);
    TakeEvents();
    PressRecorder record;
    PressKeys({c.key});
    EXPECT_EQ(record.All().size(), c.presses) << c.what;
    if (c.presses) {
      EXPECT_EQ(Only(TakeEvents(), GadgetAction, button).size(), 1u) << c.what;
    }
    DestroyGadget(win);
    Pump();
  }
}

TEST_F(EnterEscape, AHeldOrReleasedEnterMovesNoFocusAndPressesOnce) {
  auto win = TestWindow(WindowStyle::TitleBar, 400, 300);
  auto field = MakeTextField(10, 10, 200, 24, win, 0);
  auto ok = MakeButton(u"OK", 10, 100, 80, 24, win, ButtonStyle::Push | ButtonStyle::Default);
  FocusGadget(field);
  TakeEvents();
  PressRecorder record;
  SendKey(VK_RETURN);
  EXPECT_EQ(record.All().size(), 1u);
  // The program takes the press and puts the caret back for the next entry.
  FocusGadget(field);
  Pump();
  SendKey(VK_RETURN);  // held: the key repeats
  EXPECT_EQ(GetFocus(), Hwnd(field)) << "the repeat moved the focus";
  SendKey(VK_RETURN, true);
  EXPECT_EQ(GetFocus(), Hwnd(field)) << "the release moved the focus";
  EXPECT_EQ(record.All().size(), 1u) << "a held key pressed again";
  EXPECT_EQ(Only(TakeEvents(), GadgetAction, ok).size(), 1u);
}

TEST_F(EnterEscape, FocusGadgetPutsTheFocusThereAndTabStillMovesIt) {
  auto win = TestWindow(WindowStyle::TitleBar, 400, 300);
  auto panel = MakePanel(10, 10, 300, 100, win, 0);
  auto first = MakeButton(u"First", 10, 10, 80, 24, panel, 0);
  auto second = MakeTextField(10, 40, 200, 24, panel, 0);
  auto third = MakeButton(u"Third", 10, 150, 80, 24, win, 0);
  struct Case {
    const char* what;
    Ref<TGadget> focus;
    std::vector<WORD> chord;
    Ref<TGadget> lands;
  } cases[] = {
      {"Tab after the first", first, {VK_TAB}, second},
      {"Tab after the second", second, {VK_TAB}, third},
      {"Shift+Tab after the third", third, {VK_SHIFT, VK_TAB}, second},
      {"Tab after the third", third, {VK_TAB}, first},
  };
  for (const Case& c : cases) {
    FocusGadget(c.focus);
    Pump();
    EXPECT_EQ(GetFocus(), Hwnd(c.focus)) << c.what << ": FocusGadget";
    PressChord(c.chord);
    EXPECT_EQ(GetFocus(), Hwnd(c.lands)) << c.what;
  }
}

}  // namespace
