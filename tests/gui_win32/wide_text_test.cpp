// Texts beyond the 8-bit code page on every kind that shows text: what the program sets is what
// the control holds (read by the control's own wide query) and what the toolkit reads back.
#include <windows.h>
// The common controls' messages and records need the base platform header first.
#include <commctrl.h>

#include <functional>
#include <string>

#include "gui/constants.h"
#include "runtime/text.h"
#include "tests/gui_win32/strip.h"
#include "tests/gui_win32/support.h"

namespace {

// Polish, Greek, Japanese, a euro sign and a character outside the basic plane (two units).
const std::u16string Sample =
    u"Za\u017c\u00f3\u0142\u0107 \u03a9\u03bc\u03ad\u03b3\u03b1 \u65e5\u672c\u8a9e \u20ac \U0001F600";

constexpr int Room = 256;

std::u16string Units(const wchar_t* s) { return reinterpret_cast<const char16_t*>(s); }

std::u16string WindowTextW(HWND h) {
  wchar_t buf[Room] = {};
  GetWindowTextW(h, buf, Room);
  return Units(buf);
}

std::u16string ListItemW(HWND list, int index) {
  wchar_t buf[Room] = {};
  LVITEMW item{};
  item.pszText = buf;
  item.cchTextMax = Room;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return Units(buf);
}

std::u16string ComboItemW(HWND combo, int index) {
  wchar_t buf[Room] = {};
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = buf;
  item.cchTextMax = Room;
  SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return Units(buf);
}

std::u16string TabW(HWND tabs, int index) {
  wchar_t buf[Room] = {};
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = buf;
  tab.cchTextMax = Room;
  SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
  return Units(buf);
}

std::u16string FirstTreeItemW(HWND tree) {
  wchar_t buf[Room] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  tv.pszText = buf;
  tv.cchTextMax = Room;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return Units(buf);
}

std::u16string MenuItemW(HMENU menu, UINT position) {
  wchar_t buf[Room] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = buf;
  info.cch = Room;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  return Units(buf);
}

std::u16string StatusW(HWND window) {
  wchar_t buf[Room] = {};
  HWND bar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buf));
  return Units(buf);
}

// The tip the tool bar gives when the platform asks for the first button's, the wide way.
std::u16string ToolTipW(HWND bar) {
  wchar_t buf[Room] = {};
  NMTBGETINFOTIPW ask{};
  ask.hdr.hwndFrom = bar;
  ask.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(bar));
  ask.hdr.code = TBN_GETINFOTIPW;
  TBBUTTON first{};
  SendMessageW(bar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
  ask.iItem = first.idCommand;
  ask.pszText = buf;
  ask.cchTextMax = Room;
  SendMessageW(GetParent(bar), WM_NOTIFY, ask.hdr.idFrom, reinterpret_cast<LPARAM>(&ask));
  return Units(buf);
}

class WideTexts : public DriverTest {};

TEST_F(WideTexts, EveryKindKeepsEveryCharacter) {
  const std::u16string text = Sample;
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::MenuBar | WindowStyle::StatusBar, 600, 400);
  struct Case {
    const char* kind;
    // Sets the sample and answers what the control holds and what the toolkit reads back.
    std::function<std::pair<std::u16string, std::u16string>()> run;
  } cases[] = {
      {"window title",
       [&] {
         ChangeGadgetText(win, text);
         return std::make_pair(WindowTextW(Hwnd(win)), GetGadgetText(win));
       }},
      {"button",
       [&] {
         auto b = MakeButton(text, 10, 10, 200, 24, win, ButtonStyle::Push);
         return std::make_pair(WindowTextW(Hwnd(b)), GetGadgetText(b));
       }},
      {"check box",
       [&] {
         auto b = MakeButton(u"", 10, 40, 200, 24, win, ButtonStyle::CheckBox);
         ChangeGadgetText(b, text);
         return std::make_pair(WindowTextW(Hwnd(b)), GetGadgetText(b));
       }},
      {"label",
       [&] {
         auto l = MakeLabel(text, 10, 70, 200, 20, win, 0);
         return std::make_pair(WindowTextW(Hwnd(l)), GetGadgetText(l));
       }},
      {"text field",
       [&] {
         auto f = MakeTextField(10, 100, 200, 24, win, 0);
         ChangeGadgetText(f, text);
         return std::make_pair(WindowTextW(Hwnd(f)), GetTextFieldText(f));
       }},
      {"text area",
       [&] {
         auto a = MakeTextArea(220, 10, 200, 80, win, 0);
         AppendTextAreaText(a, text);
         return std::make_pair(WindowTextW(Hwnd(a)), GetTextAreaRange(a, 0, -1, TextUnits::Chars));
       }},
      {"list box entry",
       [&] {
         auto l = MakeListBox(220, 100, 200, 80, win, 0);
         AppendGadgetEntry(l, u"first");
         AppendGadgetEntry(l, text);
         return std::make_pair(ListItemW(Hwnd(l), 1), GetEntryText(l, 1));
       }},
      {"changed list box entry",
       [&] {
         auto l = MakeListBox(220, 100, 200, 80, win, 0);
         AppendGadgetEntry(l, u"first");
         ChangeGadgetEntry(l, 0, text);
         return std::make_pair(ListItemW(Hwnd(l), 0), GetEntryText(l, 0));
       }},
      {"combo box entry",
       [&] {
         auto c = MakeComboBox(10, 130, 200, 24, win, 0);
         AppendGadgetEntry(c, text);
         return std::make_pair(ComboItemW(Hwnd(c), 0), GetEntryText(c, 0));
       }},
      {"tabber entry",
       [&] {
         auto t = MakeTabber(10, 190, 300, 100, win, 0);
         AppendGadgetEntry(t, u"one");
         AppendGadgetEntry(t, text);
         return std::make_pair(TabW(GetParent(Hwnd(t)), 1), GetEntryText(t, 1));
       }},
      {"tree node",
       [&] {
         auto t = MakeTreeView(320, 190, 200, 100, win, 0);
         auto node = AppendTreeNode(u"", t);
         ChangeTreeNode(node, text);
         return std::make_pair(FirstTreeItemW(Hwnd(t)), GetGadgetText(node));
       }},
      {"menu title and entry",
       [&] {
         auto file = MakeMenu(text, 1, win);
         auto item = MakeMenu(text, 2, file);
         RebuildWindowMenu(win);
         HMENU bar = GetMenu(Hwnd(win));
         EXPECT_EQ(MenuItemW(bar, 0), text) << "menu title";
         EXPECT_EQ(GetMenuText(file), text) << "menu title";
         return std::make_pair(MenuItemW(GetSubMenu(bar, 0), 0), GetMenuText(item));
       }},
      {"status bar",
       [&] {
         ChangeStatusText(win, text);
         return std::make_pair(StatusW(Hwnd(win)), text);
       }},
  };
  for (const Case& c : cases) {
    auto [shown, read] = c.run();
    EXPECT_EQ(shown, text) << c.kind << ": the control holds " << Utf8(shown);
    EXPECT_EQ(read, text) << c.kind << ": the toolkit reads " << Utf8(read);
  }
}

TEST_F(WideTexts, AToolBarTipKeepsEveryCharacter) {
  auto win = TestWindow(WindowStyle::TitleBar, 400, 200);
  auto bar = MakeToolBar(nullptr, 0, 0, 300, 30, win, 0);
  ChangeGadgetIconStrip(bar, TestStrip(2));
  AppendGadgetEntry(bar, u"", 0, 0, Sample);
  ASSERT_EQ(SendMessageW(Hwnd(bar), TB_BUTTONCOUNT, 0, 0), 1);
  EXPECT_EQ(ToolTipW(Hwnd(bar)), Sample);
}

TEST_F(WideTexts, LongTextsAreCutAtACharacter) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::MenuBar, 400, 200);
  // Window texts are cut to 4095 units: a pair across the cut is left out whole.
  const std::u16string pairAcross = std::u16string(4094, u'w') + u"\U0001F600";
  auto button = MakeButton(pairAcross, 10, 10, 100, 24, win, ButtonStyle::Push);
  const int n = GetWindowTextLengthW(Hwnd(button));
  EXPECT_EQ(n, 4094);
  // Menu labels are cut to 255 units the same way.
  auto file = MakeMenu(std::u16string(254, u'm') + u"\U0001F600", 1, win);
  RebuildWindowMenu(win);
  EXPECT_EQ(MenuItemW(GetMenu(Hwnd(win)), 0), std::u16string(254, u'm'));
  (void)file;
}

}  // namespace
