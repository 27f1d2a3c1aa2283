// Tabbers: the blank tab of an empty tabber, choosing tabs, the page area and its geometry,
// tooltips over the tabs, and moving and freeing a tabber with all its windows.
#include <windows.h>
// The control declarations need the base platform header first.
#include <commctrl.h>
// The toolkit's slider operations share their names with platform macros.
#undef SetProp
#undef GetProp

#include <string>
#include <vector>

#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/hover.h"
#include "tests/gui_win32/support.h"

namespace {

class Tabbers : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 300);
    tabber = MakeTabber(10, 10, 300, 200, win, 0);
    TakeEvents();
  }
  HWND Page() const { return Hwnd(tabber); }
  HWND Tabs() const { return GetParent(Page()); }
  int TabCount() const { return static_cast<int>(SendMessageA(Tabs(), TCM_GETITEMCOUNT, 0, 0)); }
  std::string TabText(int index) const {
    char buffer[64] = {};
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = buffer;
    tab.cchTextMax = sizeof buffer;
    SendMessageA(Tabs(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&tab));
    return buffer;
  }
  RECT TabRect(int index) const {
    RECT r{};
    SendMessageA(Tabs(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  int ToolCount() const {
    HWND tips = reinterpret_cast<HWND>(SendMessageA(Tabs(), TCM_GETTOOLTIPS, 0, 0));
    return static_cast<int>(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
  }
  Ref<TGadget> win, tabber;
};

TEST_F(Tabbers, AnEmptyTabberShowsOneBlankTab) {
  ASSERT_EQ(TabCount(), 1);
  EXPECT_EQ(TabText(0), "");
  EXPECT_EQ(GetSelectedEntry(tabber), -1);
  AppendGadgetEntry(tabber, u"one");
  AppendGadgetEntry(tabber, u"two");
  ASSERT_EQ(TabCount(), 2);
  EXPECT_EQ(TabText(0), "one");
  EXPECT_EQ(TabText(1), "two");
  DeleteGadgetEntry(tabber, 0);
  ASSERT_EQ(TabCount(), 1);
  EXPECT_EQ(TabText(0), "two");
  DeleteGadgetEntry(tabber, 0);
  ASSERT_EQ(TabCount(), 1);
  EXPECT_EQ(TabText(0), "");
  AppendGadgetEntry(tabber, u"a");
  AppendGadgetEntry(tabber, u"b");
  ClearGadgetEntries(tabber);
  ASSERT_EQ(TabCount(), 1);
  EXPECT_EQ(TabText(0), "");
}

TEST_F(Tabbers, ChoosingATabEmitsItsIndexWithItsExtra) {
  auto extra = MakeText(u"page three");
  AppendGadgetEntry(tabber, u"one");
  AppendGadgetEntry(tabber, u"two");
  AppendGadgetEntry(tabber, u"three", 0, -1, u"", extra);
  SelectGadgetEntry(tabber, 0);
  EXPECT_EQ(GetSelectedEntry(tabber), 0);
  ClickAt(Tabs(), Middle(TabRect(2)));
  auto events = Only(TakeEvents(), GadgetAction, tabber);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].data, 2);
  EXPECT_EQ(events[0].extra, Ref<TObject>(extra));
  EXPECT_EQ(GetSelectedEntry(tabber), 2);
  ClickAt(Tabs(), Middle(TabRect(1)));
  events = Only(TakeEvents(), GadgetAction, tabber);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].data, 1);
}

TEST_F(Tabbers, ThePageAreaIsTheGroupBelowTheTabs) {
  AppendGadgetEntry(tabber, u"one");
  EXPECT_EQ(QueryGadgetHandle(tabber, QueryKind::NativeHandle),
            QueryGadgetHandle(tabber, QueryKind::ClientHandle));
  char cls[32] = {};
  GetClassNameA(Tabs(), cls, sizeof cls);
  EXPECT_STREQ(cls, "SysTabControl32");
  auto button = MakeButton(u"in page", 0, 0, 50, 20, tabber, 0);
  EXPECT_EQ(GetParent(Hwnd(button)), Page());
  // The page lies inside the tab control, below the row of tabs.
  RECT page{}, tab = TabRect(0);
  GetWindowRect(Page(), &page);
  MapWindowPoints(nullptr, Tabs(), reinterpret_cast<POINT*>(&page), 2);
  EXPECT_GE(page.top, tab.bottom);
  RECT client{};
  GetClientRect(Page(), &client);
  EXPECT_EQ(ClientWidth(tabber), client.right);
  EXPECT_EQ(ClientHeight(tabber), client.bottom);
  EXPECT_EQ(client.right, 300 - 4);
  ChangeGadgetText(tabber, u"page");
  char text[16] = {};
  GetWindowTextA(Page(), text, sizeof text);
  EXPECT_STREQ(text, "page");
}

TEST_F(Tabbers, ResizedBelowFourItStaysFourByFour) {
  ReshapeGadget(tabber, 5, 5, 2, 2);
  EXPECT_EQ(GetGadgetWidth(tabber), 4);
  EXPECT_EQ(GetGadgetHeight(tabber), 4);
  RECT r{};
  GetWindowRect(Tabs(), &r);
  EXPECT_EQ(r.right - r.left, 4);
  EXPECT_EQ(r.bottom - r.top, 4);
}

TEST_F(Tabbers, KidsFollowThePageWhenTheTabberIsResized) {
  auto button = MakeButton(u"b", 0, 0, 50, 20, tabber, 0);
  SetGadgetEdges(button, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
  ReshapeGadget(tabber, 10, 10, 350, 200);
  EXPECT_EQ(GetGadgetWidth(button), 100);
}

TEST_F(Tabbers, TabsWithTipsGetTooltips) {
  AppendGadgetEntry(tabber, u"one", 0, -1, u"first tab");
  AppendGadgetEntry(tabber, u"two");
  AppendGadgetEntry(tabber, u"three", 0, -1, u"third tab");
  EXPECT_EQ(ToolCount(), 2);
  ChangeGadgetEntry(tabber, 1, u"two", 0, -1, u"second tab");
  EXPECT_EQ(ToolCount(), 3);
  ChangeGadgetEntry(tabber, 1, u"two", 0, -1, u"second tab again");
  EXPECT_EQ(ToolCount(), 3);
  DeleteGadgetEntry(tabber, 0);
  EXPECT_EQ(ToolCount(), 2);
  ClearGadgetEntries(tabber);
  EXPECT_EQ(ToolCount(), 0);
}

// Each tab shows its own tip when hovered, however tabs came and went before it and widened the
// tabs around it.
TEST_F(Tabbers, HoveringEachTabShowsItsTipAfterInsertsRemovalsAndSets) {
  HWND tips = reinterpret_cast<HWND>(SendMessageA(Tabs(), TCM_GETTOOLTIPS, 0, 0));
  struct Step {
    const char* what;
    void (*change)(const Ref<TGadget>&);
    std::vector<std::u16string> shown;  // per tab
  } steps[] = {
      {"two appended, one inserted at 0",
       [](const Ref<TGadget>& t) {
         AppendGadgetEntry(t, u"one", 0, -1, u"tip one");
         AppendGadgetEntry(t, u"two");
         InsertGadgetEntry(t, 0, u"zero", 0, -1, u"tip zero");
       },
       {u"tip zero", u"tip one", u""}},
      {"the middle one removed", [](const Ref<TGadget>& t) { DeleteGadgetEntry(t, 1); }, {u"tip zero", u""}},
      {"both set, the first much wider",
       [](const Ref<TGadget>& t) {
         ChangeGadgetEntry(t, 0, u"a much wider first tab", 0, -1, u"tip wide");
         ChangeGadgetEntry(t, 1, u"two", 0, -1, u"tip two");
       },
       {u"tip wide", u"tip two"}},
      {"a tab inserted before both without a tip",
       [](const Ref<TGadget>& t) { InsertGadgetEntry(t, 0, u"new"); },
       {u"", u"tip wide", u"tip two"}},
  };
  for (const Step& step : steps) {
    step.change(tabber);
    ASSERT_EQ(TabCount(), static_cast<int>(step.shown.size())) << step.what;
    for (size_t i = 0; i < step.shown.size(); ++i) {
      // Away from the tabs first, until the tip of the tab before is gone.
      HoverAway(Hwnd(win), tips);
      HoverAt(Tabs(), Middle(TabRect(static_cast<int>(i))));
      EXPECT_EQ(ShownTip(tips, !step.shown[i].empty()), step.shown[i]) << step.what << ", tab " << i;
    }
  }
}

// A tabber moved into another group takes its tab strip along: the page stays inside it, hiding
// the tabber hides the page, and freeing it leaves none of its windows behind.
TEST_F(Tabbers, MovingATabberMovesAllItsWindowsAndFreeingDestroysThem) {
  auto panel = MakePanel(10, 220, 200, 60, win, PanelStyle::Plain, u"");
  auto other = TestWindow(WindowStyle::TitleBar, 300, 200);
  AppendGadgetEntry(tabber, u"one", 0, -1, u"tip");
  auto kid = MakeButton(u"kid", 0, 0, 50, 20, tabber, 0);
  struct Case {
    const char* into;
    Ref<TGadget> group;
  } cases[] = {{"a panel", panel}, {"another window", other}, {"its first window", win}};
  HWND page = Page(), tabs = Tabs();
  HWND tips = reinterpret_cast<HWND>(SendMessageA(tabs, TCM_GETTOOLTIPS, 0, 0));
  ASSERT_TRUE(IsWindow(tips));
  for (const Case& c : cases) {
    c.group->Insert(tabber, -1);
    EXPECT_EQ(GetGadgetParent(tabber), c.group) << c.into;
    EXPECT_EQ(Page(), page) << c.into;
    EXPECT_EQ(GetParent(page), tabs) << c.into;
    EXPECT_EQ(GetParent(tabs), reinterpret_cast<HWND>(QueryGadgetHandle(c.group, QueryKind::ClientHandle)))
        << c.into;
    EXPECT_EQ(GetParent(Hwnd(kid)), page) << c.into;
    EXPECT_TRUE(IsWindowVisible(page)) << c.into;
    ConcealGadget(tabber);
    EXPECT_FALSE(IsWindowVisible(tabs)) << c.into;
    EXPECT_FALSE(IsWindowVisible(page)) << c.into;
    EXPECT_FALSE(IsWindowVisible(Hwnd(kid))) << c.into;
    RevealGadget(tabber);
    EXPECT_TRUE(IsWindowVisible(page)) << c.into;
  }
  DestroyGadget(tabber);
  EXPECT_FALSE(IsWindow(page));
  EXPECT_FALSE(IsWindow(tabs));
  EXPECT_FALSE(IsWindow(tips));
}

}  // namespace
