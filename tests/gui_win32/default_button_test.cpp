// Enter with real key input: a text field presses its window's default button, and the controls
// that give Enter a meaning of their own (text areas, an open combo box list) keep it.
#include <windows.h>
// The combo box messages need the base platform header first.
#include <commctrl.h>

#include <iterator>
#include <vector>

#include "gui/constants.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/press_recorder.h"
#include "tests/gui_win32/support.h"

namespace {

class DefaultButtons : public DriverTest {};

constexpr int32_t DefaultPush = ButtonStyle::Push | ButtonStyle::Default;

// A window with a text field in a panel, and whatever button a case makes in it.
struct Form {
  Ref<TGadget> win, panel, field;
};

Form MakeForm() {
  Form f;
  f.win = TestWindow(1, 400, 300);
  f.panel = MakePanel(10, 10, 250, 60, f.win, 0);
  f.field = MakeTextField(10, 10, 200, 24, f.panel, 0);
  return f;
}

HWND Inner(const Ref<TGadget>& combo) {
  return reinterpret_cast<HWND>(SendMessageA(Hwnd(combo), CBEM_GETCOMBOCONTROL, 0, 0));
}

}  // namespace

TEST_F(DefaultButtons, EnterInATextFieldPressesTheWindowsUsableDefaultButtonOnce) {
  struct Case {
    const char* what;
    Ref<TGadget> (*make)(const Form&);  // the button that Enter may press
    size_t presses;
  } cases[] = {
      {"a default push button",
       [](const Form& f) { return MakeButton(u"OK", 10, 100, 80, 24, f.win, DefaultPush); }, 1},
      {"an OK button marked default",
       [](const Form& f) {
         return MakeButton(u"OK", 10, 100, 80, 24, f.win, ButtonStyle::Ok | ButtonStyle::Default);
       },
       1},
      {"a default button in another panel",
       [](const Form& f) {
         auto bar = MakePanel(10, 150, 200, 60, f.win, 0);
         return MakeButton(u"OK", 10, 10, 80, 24, bar, DefaultPush);
       },
       1},
      {"a plain push button", [](const Form& f) { return MakeButton(u"Go", 10, 100, 80, 24, f.win, 0); }, 0},
      {"a check box with the default bit",
       [](const Form& f) {
         return MakeButton(u"Box", 10, 100, 80, 24, f.win, ButtonStyle::CheckBox | ButtonStyle::Default);
       },
       0},
      {"a disabled default button",
       [](const Form& f) {
         auto b = MakeButton(u"OK", 10, 100, 80, 24, f.win, DefaultPush);
         DisableGadgetInput(b);
         return b;
       },
       0},
      {"a hidden default button",
       [](const Form& f) {
         auto b = MakeButton(u"OK", 10, 100, 80, 24, f.win, DefaultPush);
         ConcealGadget(b);
         return b;
       },
       0},
      {"a default button in a disabled panel",
       [](const Form& f) {
         auto bar = MakePanel(10, 150, 200, 60, f.win, 0);
         DisableGadgetInput(bar);
         return MakeButton(u"OK", 10, 10, 80, 24, bar, DefaultPush);
       },
       0},
      {"a default button of a window made in the field's window",
       [](const Form& f) {
         auto other = MakeWindow(u"dialog", 500, 50, 200, 100, f.win, 1);  // owned, not inside
         SetForegroundWindow(Hwnd(f.win));
         return MakeButton(u"OK", 10, 10, 80, 24, other, DefaultPush);
       },
       0},
  };
  for (const Case& c : cases) {
    Form f = MakeForm();
    auto button = c.make(f);
    FocusGadget(f.field);
    ASSERT_EQ(GetFocus(), Hwnd(f.field)) << c.what;
    TakeEvents();
    PressRecorder record;
    PressKeys({VK_RETURN});
    EXPECT_EQ(record.Of(button), c.presses) << c.what;
    EXPECT_EQ(record.All().size(), c.presses) << c.what << ": another gadget acted";
    if (c.presses) {
      auto queued = Only(TakeEvents(), GadgetAction, button);
      ASSERT_EQ(queued.size(), 1u) << c.what;
      EXPECT_EQ(queued[0].data, 0) << c.what;
    }
    // Enter ends the entry either way: the focus goes back to the field's container.
    EXPECT_EQ(GetFocus(), GetParent(Hwnd(f.field))) << c.what;
    for (const Ref<TObject>& k :
         std::vector<Ref<TObject>>(GetDesktop()->kids->begin(), GetDesktop()->kids->end()))
      DestroyGadget(Cast<TGadget>(k));
  }
}

TEST_F(DefaultButtons, OfSeveralDefaultButtonsTheFirstClickableInTheWindowsOrderIsPressed) {
  Form f = MakeForm();
  auto hidden = MakeButton(u"Hidden", 10, 100, 80, 24, f.win, DefaultPush);
  ConcealGadget(hidden);
  // Made after the second one, but its panel stands before it.
  auto bar = MakePanel(10, 150, 200, 60, f.win, 0);
  auto second = MakeButton(u"Second", 100, 100, 80, 24, f.win, DefaultPush);
  auto first = MakeButton(u"First", 10, 10, 80, 24, bar, DefaultPush);
  FocusGadget(f.field);
  TakeEvents();
  PressRecorder record;
  PressKeys({VK_RETURN});
  EXPECT_EQ(record.Of(first), 1u);
  EXPECT_EQ(record.Of(second), 0u);
  EXPECT_EQ(record.Of(hidden), 0u);
}

TEST_F(DefaultButtons, EnterInATextAreaMakesANewLineAndPressesNothing) {
  auto win = TestWindow(1, 400, 300);
  auto area = MakeTextArea(10, 10, 300, 150, win, 0);
  auto ok = MakeButton(u"OK", 10, 200, 80, 24, win, DefaultPush);
  AppendTextAreaText(area, u"ab");
  SelectTextAreaRange(area, 1, 0, TextUnits::Chars);
  FocusGadget(area);
  ASSERT_EQ(GetFocus(), Hwnd(area));
  TakeEvents();
  PressRecorder record;
  PressKeys({VK_RETURN});
  EXPECT_EQ(record.Of(ok), 0u);
  EXPECT_EQ(GetTextAreaLength(area, TextUnits::Lines), 2);
  EXPECT_TRUE(GetTextAreaRange(area, 0, 1, TextUnits::Lines).substr(0, 1) == u"a");
  EXPECT_EQ(GetFocus(), Hwnd(area));
}

TEST_F(DefaultButtons, EnterInAnOpenComboBoxListChoosesTheItemAndPressesNothing) {
  for (int32_t style : {0, ComboBoxStyle::Editable}) {
    auto win = TestWindow(1, 400, 300);
    auto combo = MakeComboBox(10, 10, 200, 24, win, style);
    for (const char16_t* t : {u"red", u"green", u"blue"}) AppendGadgetEntry(combo, t);
    auto ok = MakeButton(u"OK", 10, 200, 80, 24, win, DefaultPush);
    SelectGadgetEntry(combo, 0);
    HWND edit = reinterpret_cast<HWND>(SendMessageA(Hwnd(combo), CBEM_GETEDITCONTROL, 0, 0));
    SetFocus(edit ? edit : Inner(combo));
    // The open list follows the pointer: one left over a list item by an earlier test would pick
    // that item instead of the key's.
    RECT frame{};
    GetWindowRect(Hwnd(win), &frame);
    SettlePointer(POINT{frame.right + 40, frame.bottom + 40});
    SendMessageA(Inner(combo), CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(SendMessageA(Inner(combo), CB_GETDROPPEDSTATE, 0, 0)) << "style " << style;
    PressKeys({VK_DOWN});
    TakeEvents();
    PressRecorder record;
    PressKeys({VK_RETURN});
    EXPECT_EQ(record.Of(ok), 0u) << "style " << style;
    EXPECT_FALSE(SendMessageA(Inner(combo), CB_GETDROPPEDSTATE, 0, 0)) << "style " << style;
    EXPECT_EQ(GetSelectedEntry(combo), 1) << "style " << style;
    EXPECT_TRUE(GetGadgetText(combo) == u"green") << "style " << style;
    DestroyGadget(win);
  }
}
