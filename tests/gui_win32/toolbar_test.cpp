// Tool bars as native tool bar controls: buttons only with an icon strip, separators, presses
// reporting the entry pressed, the fixed width, button states and the tips hovering brings up.
#include "tests/gui_win32/support.h"
// The control messages need the platform header, which the support header brings.
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/strip.h"

namespace {

TBBUTTON Button(HWND bar, int index) {
  TBBUTTON b{};
  SendMessageA(bar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b));
  return b;
}

// Clicks the centre of a button with the left mouse button as hardware input.
void ClickButton(HWND bar, int index) {
  RECT r{};
  SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(bar, &at);
  // The bar tracks the button under the pointer from its moves: let it see the pointer arrive,
  // and keep two presses apart so the second is not taken for a double click.
  SettlePointer(at);
  Sleep(GetDoubleClickTime());
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    Pump();
  }
}

// Moves the pointer to a point of the screen as hardware input.
void MovePointer(POINT screen) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  const int64_t w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  // Absolute moves are in 65536ths of the screen; rounding up lands on the pixel itself.
  in.mi.dx = static_cast<LONG>((screen.x * 65536 + w - 1) / w);
  in.mi.dy = static_cast<LONG>((screen.y * 65536 + h - 1) / h);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

// Waits, pumping, until the tip window is shown (or hidden), for at most `ms` milliseconds;
// answers whether it got there.
bool AwaitTip(HWND tips, bool shown, DWORD ms) {
  const DWORD start = GetTickCount();
  while ((IsWindowVisible(tips) != FALSE) != shown) {
    if (GetTickCount() - start > ms) return false;
    Sleep(10);
    Pump();
  }
  return true;
}

// Rests the pointer on the centre of button `index` and answers the text of the tip window that
// comes up there: empty when none comes up. A tip that is `expected` gets longer, as a busy
// machine may be slow to show it; the wait ends as soon as it shows.
std::string TipShownAt(HWND bar, int index, bool expected) {
  auto tips = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
  // Off the bar first, so that the tip of the button hovered before has gone.
  RECT outside{};
  GetWindowRect(bar, &outside);
  MovePointer(POINT{outside.left + 20, outside.bottom + 80});
  EXPECT_TRUE(AwaitTip(tips, false, 3000)) << "the tip stays up with the pointer off the bar";
  RECT r{};
  SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(bar, &centre);
  // Two moves, as a hand makes: the first enters the button, the second rests there.
  MovePointer(POINT{centre.x - 1, centre.y});
  Sleep(20);
  Pump();
  MovePointer(centre);
  const auto delay = static_cast<DWORD>(SendMessageA(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
  if (!AwaitTip(tips, true, expected ? 15000 : 4 * delay + 500)) return "";
  char text[256] = {};
  GetWindowTextA(tips, text, sizeof text);
  return text;
}

}  // namespace

class ToolBars : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 200);
    bar = MakeToolBar(nullptr, 0, 0, 100, 30, win, 0);
    Pump();
  }
  HWND Bar() { return Hwnd(bar); }
  int Count() { return static_cast<int>(SendMessageA(Bar(), TB_BUTTONCOUNT, 0, 0)); }

  Ref<TGadget> win, bar;
};

TEST_F(ToolBars, EntriesBeforeAnIconStripShowNoButtons) {
  AppendGadgetEntry(bar, u"early", 0, 0);
  EXPECT_EQ(Count(), 0);
  ChangeGadgetIconStrip(bar, TestStrip(2));
  AppendGadgetEntry(bar, u"late", 0, 1);
  EXPECT_EQ(Count(), 1);
}

TEST_F(ToolBars, MinusTwoAndBlankIconsBecomeSeparators) {
  ChangeGadgetIconStrip(bar, TestStrip(3, {1}));
  struct Case {
    int32_t icon;
    bool separator;
  };
  const Case cases[] = {{0, false}, {ToolBarIcon::Separator, true}, {1, true}, {2, false}};
  for (const Case& c : cases) AppendGadgetEntry(bar, u"", 0, c.icon);
  ASSERT_EQ(Count(), 4);
  for (int i = 0; i < 4; ++i) {
    TBBUTTON b = Button(Bar(), i);
    EXPECT_EQ((b.fsStyle & TBSTYLE_SEP) != 0, cases[i].separator) << "icon " << cases[i].icon;
    // A separator cannot be pressed, so it has no command.
    EXPECT_EQ(b.idCommand == 0, cases[i].separator) << "icon " << cases[i].icon;
    if (!cases[i].separator) {
      EXPECT_EQ(b.iBitmap, cases[i].icon);
    }
  }
}

TEST_F(ToolBars, PressingAButtonReportsItsCurrentIndexAndExtra) {
  ChangeGadgetIconStrip(bar, TestStrip(4));
  std::vector<Ref<TObject>> extras;
  for (int i = 0; i < 4; ++i) {
    extras.push_back(MakeText(IntText(i)));
    AppendGadgetEntry(bar, u"", 0, i, u"", extras.back());
  }
  TakeEvents();
  ClickButton(Bar(), 2);
  auto pressed = Only(TakeEvents(), GadgetAction, bar);
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].data, 2);
  EXPECT_EQ(pressed[0].extra, extras[2]);
  // Once the first button is gone, the same button is the second and reports so.
  DeleteGadgetEntry(bar, 0);
  ClickButton(Bar(), 1);
  pressed = Only(TakeEvents(), GadgetAction, bar);
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].data, 1);
  EXPECT_EQ(pressed[0].extra, extras[2]);
  // And a button inserted in front moves it back to the third place.
  InsertGadgetEntry(bar, 0, u"", 0, 0);
  ClickButton(Bar(), 2);
  pressed = Only(TakeEvents(), GadgetAction, bar);
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].data, 2);
  EXPECT_EQ(pressed[0].extra, extras[2]);
}

TEST_F(ToolBars, APressReportsTheItemPressedWhateverCameBeforeTheIconStrip) {
  struct Case {
    const char* what;
    std::vector<const char16_t*> before;  // entries appended before the strip (not shown)
    std::function<void()> after;          // what is done once the strip is set
    int button;                           // the button pressed, by its place on the bar
    int32_t item;                         // the entry it shows
    const char16_t* name;                 // that entry's text, also its extra
  };
  auto add = [&](int32_t index, const char16_t* name) {
    InsertGadgetEntry(bar, index, name, ItemFlag::ToggleIcon, 0, u"", MakeText(name));
  };
  const Case cases[] = {
      {"appended after three", {u"a", u"b", u"c"}, [&] { add(3, u"d"); }, 0, 3, u"d"},
      {"inserted between two", {u"a", u"b"}, [&] { add(1, u"x"); }, 0, 1, u"x"},
      {"the second of two appended, after the first entry went",
       {u"a", u"b"},
       [&] {
         add(2, u"c");
         add(3, u"d");
         DeleteGadgetEntry(bar, 0);
       },
       1,
       2,
       u"d"},
  };
  for (const Case& c : cases) {
    DestroyGadget(bar);
    bar = MakeToolBar(nullptr, 0, 0, 100, 30, win, 0);
    for (const char16_t* name : c.before) add(CountGadgetEntries(bar), name);
    ChangeGadgetIconStrip(bar, TestStrip(2));
    c.after();
    Pump();
    TakeEvents();
    ClickButton(Bar(), c.button);
    auto pressed = Only(TakeEvents(), GadgetAction, bar);
    ASSERT_EQ(pressed.size(), 1u) << c.what;
    EXPECT_EQ(pressed[0].data, c.item) << c.what;
    auto* extra = dynamic_cast<TText*>(pressed[0].extra.get());
    ASSERT_NE(extra, nullptr) << c.what;
    EXPECT_EQ(extra->Value(), c.name) << c.what;
    // The press toggled the entry pressed, and the button shows it.
    EXPECT_EQ(GetSelectedEntry(bar), c.item) << c.what;
    EXPECT_NE(SendMessageA(Bar(), TB_ISBUTTONCHECKED, Button(Bar(), c.button).idCommand, 0), 0) << c.what;
  }
}

TEST_F(ToolBars, SpansItsGroupFromTheLeftWhateverTheLayout) {
  ChangeGadgetIconStrip(bar, TestStrip(1));
  AppendGadgetEntry(bar, u"", 0, 0);
  auto check = [&](const char* what) {
    RECT client{}, r{};
    GetClientRect(GetParent(Bar()), &client);
    GetWindowRect(Bar(), &r);
    MapWindowPoints(nullptr, GetParent(Bar()), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0) << what;
    EXPECT_EQ(r.top, 0) << what;
    EXPECT_EQ(r.right, client.right) << what;
    EXPECT_EQ(GetGadgetWidth(bar), client.right) << what;
  };
  ReshapeGadget(bar, 10, 20, 100, 30);
  check("narrow and moved");
  ReshapeGadget(bar, 50, 0, 900, 40);
  check("wider than the window");
  ReshapeGadget(win, 50, 50, 600, 300);
  check("window widened");
}

TEST_F(ToolBars, EntryStatesCheckAndDisableButtons) {
  ChangeGadgetIconStrip(bar, TestStrip(2));
  AppendGadgetEntry(bar, u"", 0, 0);
  AppendGadgetEntry(bar, u"", 0, 1);
  auto checked = [&](int id) { return SendMessageA(Bar(), TB_ISBUTTONCHECKED, id, 0) != 0; };
  auto enabled = [&](int id) { return SendMessageA(Bar(), TB_ISBUTTONENABLED, id, 0) != 0; };
  SelectGadgetEntry(bar, 1);
  EXPECT_TRUE(checked(2));
  EXPECT_FALSE(checked(1));
  EXPECT_EQ(GetSelectedEntry(bar), 1);
  DisableGadgetEntry(bar, 0);
  EXPECT_FALSE(enabled(1));
  // Selecting a disabled button leaves it disabled.
  SelectGadgetEntry(bar, 0);
  EXPECT_TRUE(checked(1));
  EXPECT_FALSE(enabled(1));
  EnableGadgetEntry(bar, 0);
  EXPECT_TRUE(enabled(1));
  EXPECT_TRUE(checked(1));
  DeselectGadgetEntry(bar, -1);
  EXPECT_FALSE(checked(1));
  EXPECT_FALSE(checked(2));
  EXPECT_EQ(bar->ListItemState(9), 0);
}

TEST_F(ToolBars, HoveringEachButtonShowsItsOwnTipAfterInsertsRemovalsAndSets) {
  ChangeGadgetIconStrip(bar, TestStrip(4));
  // Tips come up sooner than a hand would want, so that the many hovers take less time; which tip
  // comes up does not depend on it.
  SendMessageA(reinterpret_cast<HWND>(SendMessageA(Bar(), TB_GETTOOLTIPS, 0, 0)), TTM_SETDELAYTIME,
               TTDT_INITIAL, MAKELONG(100, 0));
  struct Step {
    const char* what;
    std::function<void()> change;
    std::vector<std::string> tips;  // per button, in order; empty: no tip comes up
  };
  const Step steps[] = {
      {"appended",
       [&] {
         AppendGadgetEntry(bar, u"", 0, 0, u"open");
         AppendGadgetEntry(bar, u"", 0, 1, u"");
         AppendGadgetEntry(bar, u"", 0, 2, u"save");
       },
       {"open", "", "save"}},
      {"first removed", [&] { DeleteGadgetEntry(bar, 0); }, {"", "save"}},
      {"inserted first", [&] { InsertGadgetEntry(bar, 0, u"", 0, 3, u"new"); }, {"new", "", "save"}},
      {"middle set", [&] { ChangeGadgetEntry(bar, 1, u"", 0, 1, u"cut"); }, {"new", "cut", "save"}},
      {"inserted between",
       [&] { InsertGadgetEntry(bar, 1, u"", 0, 2, u"copy"); },
       {"new", "copy", "cut", "save"}},
      {"first tip emptied", [&] { ChangeGadgetEntry(bar, 0, u"", 0, 3, u""); }, {"", "copy", "cut", "save"}},
  };
  for (const Step& step : steps) {
    step.change();
    Pump();
    ASSERT_EQ(Count(), static_cast<int>(step.tips.size())) << step.what;
    for (size_t i = 0; i < step.tips.size(); ++i) {
      EXPECT_EQ(TipShownAt(Bar(), static_cast<int>(i), !step.tips[i].empty()), step.tips[i])
          << step.what << ", button " << i;
    }
  }
}
