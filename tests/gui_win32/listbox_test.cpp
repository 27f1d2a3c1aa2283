// List boxes: selection events from real clicks, replacing and inserting around the selection,
// item extras and toggle items, tooltips that follow their items, and icons.
#include <windows.h>
// The control declarations need the base platform header first.
#include <commctrl.h>
// The toolkit's slider operations share their names with platform macros.
#undef SetProp
#undef GetProp

#include <string>

#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/hover.h"
#include "tests/gui_win32/support.h"

namespace {

BOOL CALLBACK CollectTooltip(HWND h, LPARAM lp) {
  char cls[32] = {};
  GetClassNameA(h, cls, sizeof cls);
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
  return TRUE;
}

// Every tool of the thread's tooltip windows that covers part of `hwnd` (the list view has a
// tooltip of its own besides the list box's).
std::vector<TTTOOLINFOA> ToolsOver(HWND hwnd) {
  std::vector<HWND> tips;
  EnumThreadWindows(GetCurrentThreadId(), CollectTooltip, reinterpret_cast<LPARAM>(&tips));
  std::vector<TTTOOLINFOA> tools;
  for (HWND tip : tips) {
    int n = static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      TTTOOLINFOA t{};
      t.cbSize = sizeof t;
      if (SendMessageA(tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&t)) && t.hwnd == hwnd)
        tools.push_back(t);
    }
  }
  return tools;
}

// The tooltip window that has a tool over `hwnd` (the list view's own one has none).
HWND TooltipOver(HWND hwnd) {
  std::vector<HWND> tips;
  EnumThreadWindows(GetCurrentThreadId(), CollectTooltip, reinterpret_cast<LPARAM>(&tips));
  for (HWND tip : tips) {
    TTTOOLINFOA t{};
    t.cbSize = sizeof t;
    if (SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&t)) && t.hwnd == hwnd) return tip;
  }
  return nullptr;
}

class ListBoxes : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 300);
    list = MakeListBox(10, 10, 300, 200, win, 0);
    TakeEvents();
  }
  HWND List() const { return Hwnd(list); }
  RECT Bounds(int index) const {
    RECT r{};
    r.left = LVIR_SELECTBOUNDS;
    SendMessageA(List(), LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  void ClickItem(int index, int times = 1, bool right = false) {
    ClickAt(List(), Middle(Bounds(index)), times, right);
  }
  std::string NativeText(int index) const {
    char buffer[64] = {};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(List(), LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return buffer;
  }
  std::vector<int32_t> Selections() {
    std::vector<int32_t> data;
    for (const Seen& e : Only(TakeEvents(), GadgetSelect, list)) data.push_back(e.data);
    return data;
  }
  std::vector<TTTOOLINFOA> Tools() const { return ToolsOver(List()); }
  int ToolCount() const { return static_cast<int>(Tools().size()); }
  void Fill(int n) {
    for (int i = 0; i < n; ++i) AppendGadgetEntry(list, u"item " + std::u16string(1, char16_t(u'0' + i)));
  }
  Ref<TGadget> win, list;
};

using Ints = std::vector<int32_t>;

TEST_F(ListBoxes, SelectingTheSameItemTwiceEmitsOnce) {
  Fill(3);
  ClickItem(1);
  ClickItem(1);
  EXPECT_EQ(Selections(), Ints{1});
  EXPECT_EQ(GetSelectedEntry(list), 1);
  ClickItem(2);
  EXPECT_EQ(Selections(), Ints{2});
}

TEST_F(ListBoxes, ClickingBesideTheItemsDropsTheSelectionOnce) {
  Fill(2);
  ClickItem(0);
  RECT last = Bounds(1);
  POINT below{last.left + 20, last.bottom + 40};
  ClickAt(List(), below);
  ClickAt(List(), below);
  EXPECT_EQ(Selections(), (Ints{0, -1}));
  EXPECT_EQ(GetSelectedEntry(list), -1);
}

TEST_F(ListBoxes, ProgramSelectionsEmitNothing) {
  Fill(3);
  SelectGadgetEntry(list, 2);
  EXPECT_TRUE(Selections().empty());
  EXPECT_EQ(GetSelectedEntry(list), 2);
  // The user choosing what the program chose is no change either.
  ClickItem(2);
  EXPECT_TRUE(Selections().empty());
  DeselectGadgetEntry(list, 2);
  EXPECT_EQ(GetSelectedEntry(list), -1);
  ClickItem(2);
  EXPECT_EQ(Selections(), Ints{2});
}

TEST_F(ListBoxes, ReplacingASelectedItemKeepsItSelected) {
  Fill(3);
  ClickItem(1);
  TakeEvents();
  ChangeGadgetEntry(list, 1, u"replaced");
  EXPECT_EQ(NativeText(1), "replaced");
  EXPECT_EQ(GetSelectedEntry(list), 1);
  EXPECT_TRUE(Selections().empty());
  ChangeGadgetEntry(list, 2, u"other");
  EXPECT_EQ(GetSelectedEntry(list), 1);
}

TEST_F(ListBoxes, TheSelectionFollowsItemsInsertedAndRemovedAboveIt) {
  Fill(3);
  ClickItem(1);
  TakeEvents();
  InsertGadgetEntry(list, 0, u"new first");
  EXPECT_EQ(GetSelectedEntry(list), 2);
  ClickItem(1);  // a different item than the selected one
  EXPECT_EQ(Selections(), Ints{1});
  DeleteGadgetEntry(list, 0);  // the selected item moves up to 0
  ClickItem(1);
  EXPECT_EQ(Selections(), Ints{1});
}

TEST_F(ListBoxes, DoubleAndRightClicksReportTheSelectedItem) {
  Fill(3);
  ClickItem(2, 2);
  auto events = TakeEvents();
  auto actions = Only(events, GadgetAction, list);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].data, 2);
  ClickItem(1, 1, true);
  auto menus = Only(TakeEvents(), GadgetMenu, list);
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].data, GetSelectedEntry(list));
}

TEST_F(ListBoxes, EventsCarryTheItemExtraAndToggleItemsToggle) {
  auto extra = MakeText(u"payload");
  AppendGadgetEntry(list, u"plain", 0, -1, u"", extra);
  AppendGadgetEntry(list, u"toggle", ItemFlag::ToggleIcon, -1, u"", extra);
  ClickItem(0);
  auto first = Only(TakeEvents(), GadgetSelect, list);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].extra, Ref<TObject>(extra));
  EXPECT_EQ(GetSelectedEntry(list), 0);
  // The click selects the toggle item and the report toggles it back off.
  ClickItem(1);
  auto second = Only(TakeEvents(), GadgetSelect, list);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].data, 1);
  EXPECT_EQ(second[0].extra, Ref<TObject>(extra));
  EXPECT_EQ(GetSelectedEntry(list), -1);
}

// A toggle item with an icon is replaced (to show its other icon) from inside the list view's own
// report of the click: each click is reported once, with the item's extra, and leaves the item
// whole, its tooltip over it.
TEST_F(ListBoxes, ClickingAToggleItemWithAnIconReportsOnceAndKeepsTheItemWhole) {
  auto strip = New<TWin32IconStrip>();
  auto* native = new Win32IconStrip();
  native->list = ImageList_Create(16, 16, ILC_COLOR32, 4, 0);
  strip->handle = native;
  ChangeGadgetIconStrip(list, strip);
  auto plain = MakeText(u"plain"), toggle = MakeText(u"toggle");
  AppendGadgetEntry(list, u"plain", 0, 0, u"", plain);
  AppendGadgetEntry(list, u"toggle", ItemFlag::ToggleIcon, 2, u"toggle tip", toggle);
  AppendGadgetEntry(list, u"last", 0, 0);
  auto image = [&](int index) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  };
  struct Step {
    int click;
    Ref<TObject> extra;
    int32_t selected;  // afterwards
  } steps[] = {{1, toggle, -1}, {1, toggle, -1}, {0, plain, 0}, {1, toggle, -1}};
  for (const Step& step : steps) {
    ClickItem(step.click);
    auto events = Only(TakeEvents(), GadgetSelect, list);
    ASSERT_EQ(events.size(), 1u) << "click on " << step.click;
    EXPECT_EQ(events[0].data, step.click);
    EXPECT_EQ(events[0].extra, step.extra);
    EXPECT_EQ(GetSelectedEntry(list), step.selected) << "click on " << step.click;
    // The report turned the toggle off again: it shows its own icon, not the next one.
    EXPECT_EQ(image(1), 2);
    EXPECT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(NativeText(0), "plain");
    EXPECT_EQ(NativeText(1), "toggle");
    EXPECT_EQ(NativeText(2), "last");
    auto tools = Tools();
    ASSERT_EQ(tools.size(), 1u);
    EXPECT_EQ(tools[0].rect.top, Bounds(1).top);
    EXPECT_EQ(tools[0].rect.bottom, Bounds(1).bottom);
  }
}

TEST_F(ListBoxes, TooltipsFollowTheirItems) {
  AppendGadgetEntry(list, u"a", 0, -1, u"tip a");
  AppendGadgetEntry(list, u"b");
  AppendGadgetEntry(list, u"c", 0, -1, u"tip c");
  EXPECT_EQ(ToolCount(), 2);
  DeleteGadgetEntry(list, 0);
  ASSERT_EQ(ToolCount(), 1);
  // The tip of "c" moved up with its item, now at index 1.
  TTTOOLINFOA t = Tools()[0];
  RECT now = Bounds(1);
  EXPECT_EQ(t.rect.top, now.top);
  EXPECT_EQ(t.rect.bottom, now.bottom);
  ChangeGadgetEntry(list, 1, u"c", 0, -1, u"");
  EXPECT_EQ(ToolCount(), 0);
  AppendGadgetEntry(list, u"d", 0, -1, u"tip d");
  ClearGadgetEntries(list);
  EXPECT_EQ(ToolCount(), 0);
}

// Each entry shows its own tip when hovered after another entry's tip went away, by removal or by
// a set with an empty tip: the tooltip keeps watching the list for the tips that stay.
TEST_F(ListBoxes, HoveringEachEntryShowsItsTipAfterOthersLoseTheirs) {
  AppendGadgetEntry(list, u"z", 0, -1, u"tip z");
  HWND tips = TooltipOver(List());
  ASSERT_NE(tips, nullptr);
  DeleteGadgetEntry(list, 0);
  struct Step {
    const char* what;
    void (*change)(const Ref<TGadget>&);
    std::vector<std::u16string> shown;  // per entry
  } steps[] = {
      {"three with tips",
       [](const Ref<TGadget>& l) {
         for (const char16_t* name : {u"a", u"b", u"c"})
           AppendGadgetEntry(l, name, 0, -1, u"tip " + std::u16string(name));
       },
       {u"tip a", u"tip b", u"tip c"}},
      {"the first removed", [](const Ref<TGadget>& l) { DeleteGadgetEntry(l, 0); }, {u"tip b", u"tip c"}},
      {"the first set without a tip",
       [](const Ref<TGadget>& l) { ChangeGadgetEntry(l, 0, u"b", 0, -1, u""); },
       {u"", u"tip c"}},
      {"one added with a tip",
       [](const Ref<TGadget>& l) { AppendGadgetEntry(l, u"d", 0, -1, u"tip d"); },
       {u"", u"tip c", u"tip d"}},
  };
  for (const Step& step : steps) {
    step.change(list);
    ASSERT_EQ(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(step.shown.size()))
        << step.what;
    for (size_t i = 0; i < step.shown.size(); ++i) {
      HoverAway(Hwnd(win), tips);
      HoverAt(List(), Middle(Bounds(static_cast<int>(i))));
      EXPECT_EQ(ShownTip(tips, !step.shown[i].empty()), step.shown[i]) << step.what << ", entry " << i;
    }
  }
}

TEST_F(ListBoxes, IconsComeFromTheStripAndToggleItemsShowTheNextOne) {
  auto strip = New<TWin32IconStrip>();
  auto* native = new Win32IconStrip();
  native->list = ImageList_Create(16, 16, ILC_COLOR32, 4, 0);
  strip->handle = native;
  ChangeGadgetIconStrip(list, strip);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(List(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
            native->list);
  AppendGadgetEntry(list, u"a", ItemFlag::ToggleIcon, 2);
  auto image = [&](int index) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = index;
    SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  };
  EXPECT_EQ(image(0), 2);
  SelectGadgetEntry(list, 0);
  EXPECT_EQ(image(0), 3);
  EXPECT_EQ(GetSelectedEntry(list), 0);
  DeselectGadgetEntry(list, 0);
  EXPECT_EQ(image(0), 2);
  // Taking the strip away is ignored: the images stay.
  ChangeGadgetIconStrip(list, nullptr);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(List(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
            native->list);
}

}  // namespace
