// Menus as real native menus: what a built bar shows, choices from bars, popups and hot keys as
// menu actions, and items that are freed or still held when their menu goes.
#include <iterator>
#include <string>
#include <vector>

#include "runtime/text.h"
#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/support.h"

namespace {

class Menus : public DriverTest {};

constexpr int32_t MenuStyle = WindowStyle::TitleBar | WindowStyle::MenuBar;

HMENU Bar(const Ref<TGadget>& win) { return GetMenu(Hwnd(win)); }

std::string ItemText(HMENU menu, int index) {
  char text[1024] = {};
  GetMenuStringA(menu, static_cast<UINT>(index), text, sizeof text, MF_BYPOSITION);
  return text;
}

MENUITEMINFOA ItemInfo(HMENU menu, int index) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  GetMenuItemInfoA(menu, static_cast<UINT>(index), TRUE, &info);
  return info;
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

// What choosing an item of the window's bar sends the window.
void Choose(const Ref<TGadget>& win, UINT id) { SendMessageA(Hwnd(win), WM_COMMAND, id, 0); }

TEST_F(Menus, BuiltBarShowsSubmenusSeparatorsShortcutsChecksAndGrayedItems) {
  auto win = TestWindow(MenuStyle);
  auto file = MakeMenu(u"File", 1, win);
  auto open = MakeMenu(u"Open", 2, file, 112, 2);
  MakeMenu(u"", 3, file);
  auto check = MakeMenu(u"Checked", 4, file);
  auto gray = MakeMenu(u"Grayed", 5, file);
  auto longer = MakeMenu(std::u16string(10000, u'x'), 6, file, 112, 2);
  auto plain = MakeMenu(u"Plain", 7, file, 255, 2);  // a key without a name shows no shortcut
  TickMenuEntry(check);
  DisableMenuEntry(gray);
  RebuildWindowMenu(win);

  HMENU bar = Bar(win);
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  EXPECT_EQ(ItemText(bar, 0), "File");
  HMENU sub = GetSubMenu(bar, 0);
  ASSERT_TRUE(sub);
  ASSERT_EQ(GetMenuItemCount(sub), 6);
  EXPECT_EQ(ItemText(sub, 0), "Open\tCtrl+F1");
  EXPECT_TRUE(ItemInfo(sub, 1).fType & MFT_SEPARATOR);
  EXPECT_EQ(ItemInfo(sub, 1).wID, 0u);
  EXPECT_EQ(ItemText(sub, 2), "Checked");
  EXPECT_TRUE(ItemInfo(sub, 2).fState & MFS_CHECKED);
  EXPECT_FALSE(ItemInfo(sub, 2).fState & MFS_GRAYED);
  EXPECT_TRUE(ItemInfo(sub, 3).fState & MFS_GRAYED);
  EXPECT_FALSE(ItemInfo(sub, 3).fState & MFS_CHECKED);
  EXPECT_FALSE(ItemInfo(sub, 0).fState & (MFS_CHECKED | MFS_GRAYED));
  EXPECT_EQ(ItemText(sub, 4), std::string(255 - 8, 'x') + "\tCtrl+F1");
  EXPECT_EQ(ItemText(sub, 5), "Plain");

  // The toolkit's view of the same items: a menu item never counts as visible.
  EXPECT_EQ(check->State(), GadgetState::Selected | GadgetState::Hidden);
  EXPECT_EQ(gray->State(), GadgetState::Hidden | GadgetState::Disabled);
  EXPECT_EQ(open->State(), GadgetState::Hidden);
  EXPECT_EQ(GetMenuText(longer).size(), 10000u);
  (void)plain;
}

TEST_F(Menus, AShortcutWrittenAfterATabGivesWayToTheItemsHotKey) {
  auto win = TestWindow(MenuStyle);
  auto file = MakeMenu(u"File", 1, win);
  struct Case {
    const char16_t* text;
    int32_t key, mods;
    const char* shown;
  } cases[] = {
      {u"&Quit\tCtrl+Q", 'Q', ModControl, "&Quit\tCtrl+Q"},    // written as the key composes it: once
      {u"&Save\tCtrl+X", 'S', ModControl, "&Save\tCtrl+S"},    // a stale written shortcut is replaced
      {u"&Find\t", VK_F3, 0, "&Find\tF3"},                     // an empty one as well
      {u"Tabs\tone\ttwo", VK_F2, ModShift, "Tabs\tShift+F2"},  // everything after the first tab
      {u"&Quit\tCtrl+Q", 0, 0, "&Quit\tCtrl+Q"},               // no hot key: shown as written
      {u"&Open", VK_F1, ModControl, "&Open\tCtrl+F1"},
      {u"&Open", 0, 0, "&Open"},
      {u"Odd\tCtrl+P", 255, ModControl, "Odd\tCtrl+P"},  // a key without a name composes nothing
  };
  std::vector<Ref<TGadget>> items;
  for (const Case& c : cases) items.push_back(MakeMenu(c.text, 2, file, c.key, c.mods));
  RebuildWindowMenu(win);
  HMENU sub = GetSubMenu(Bar(win), 0);
  ASSERT_EQ(GetMenuItemCount(sub), static_cast<int>(std::size(cases)));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ItemText(sub, static_cast<int>(i)), cases[i].shown) << "item " << i;
    // The program reads back what it wrote, not what the menu shows.
    EXPECT_TRUE(GetMenuText(items[i]) == cases[i].text) << "item " << i;
  }

  // Re-binding, unbinding, and new text under a bound key.
  auto quit = items[0];
  struct Step {
    void (*change)(const Ref<TGadget>&);
    const char* shown;
    const char16_t* text;
  } steps[] = {
      {[](const Ref<TGadget>& g) { BindGadgetHotKey(g, VK_F4, ModAlt); }, "&Quit\tAlt+F4", u"&Quit\tCtrl+Q"},
      {[](const Ref<TGadget>& g) { ChangeMenuText(g, u"E&xit\tAlt+X"); }, "E&xit\tAlt+F4", u"E&xit\tAlt+X"},
      {[](const Ref<TGadget>& g) { BindGadgetHotKey(g, 0, 0); }, "E&xit\tAlt+X", u"E&xit\tAlt+X"},
      {[](const Ref<TGadget>& g) { ChangeMenuText(g, u"Leave"); }, "Leave", u"Leave"},
      {[](const Ref<TGadget>& g) { BindGadgetHotKey(g, 'L', ModShift | ModControl); }, "Leave\tShift+Ctrl+L",
       u"Leave"},
  };
  for (const Step& s : steps) {
    s.change(quit);
    RebuildWindowMenu(win);
    EXPECT_EQ(ItemText(GetSubMenu(Bar(win), 0), 0), s.shown);
    EXPECT_TRUE(GetMenuText(quit) == s.text) << s.shown;
  }
}

TEST_F(Menus, BarChangesOnlyWhenUpdated) {
  auto win = TestWindow(MenuStyle);
  auto edit = MakeMenu(u"Edit", 1, win);
  MakeMenu(u"Undo", 2, edit);
  RebuildWindowMenu(win);
  ChangeMenuText(edit, u"Change");
  MakeMenu(u"View", 3, win);
  EXPECT_EQ(GetMenuItemCount(Bar(win)), 1);
  EXPECT_EQ(ItemText(Bar(win), 0), "Edit");
  EXPECT_EQ(GetMenuText(edit), u"Change");
  RebuildWindowMenu(win);
  ASSERT_EQ(GetMenuItemCount(Bar(win)), 2);
  EXPECT_EQ(ItemText(Bar(win), 0), "Change");
  EXPECT_EQ(ItemText(Bar(win), 1), "View");
}

TEST_F(Menus, BarChoicesReportTheChosenItemWithItsTagAndNoExtra) {
  auto win = TestWindow(MenuStyle);
  auto edit = MakeMenu(u"Edit", 1, win);
  auto cut = MakeMenu(u"Cut", 7, edit);
  auto copy = MakeMenu(u"Copy", 7, edit);  // the same tag: only the source tells them apart
  RebuildWindowMenu(win);
  HMENU sub = GetSubMenu(Bar(win), 0);
  TakeEvents();
  Choose(win, GetMenuItemID(sub, 1));
  Choose(win, GetMenuItemID(sub, 0));
  auto actions = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(copy));
  EXPECT_EQ(actions[1].source, Ref<TObject>(cut));
  for (const Seen& a : actions) {
    EXPECT_EQ(a.data, 7);
    EXPECT_EQ(a.extra, nullptr);
  }
}

TEST_F(Menus, PopupChoiceCarriesTheExtraObject) {
  auto win = TestWindow(WindowStyle::TitleBar);
  auto popup = MakeMenu(u"Popup", 1, nullptr);
  auto first = MakeMenu(u"First", 11, popup);
  MakeMenu(u"Second", 12, popup);
  Ref<TObject> extra = MakeText(u"context");
  TakeEvents();
  // The keys wait in the queue until the popup's own loop reads them: the first item, chosen.
  PostMessageA(Hwnd(win), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(Hwnd(win), WM_KEYDOWN, VK_RETURN, 0);
  // Should the popup miss the keys, it is closed rather than left open.
  SetTimer(nullptr, 0, 3000, CloseMenu);
  ShowPopupMenu(win, popup, extra);
  auto actions = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(first));
  EXPECT_EQ(actions[0].data, 11);
  EXPECT_EQ(actions[0].extra, extra);
  DestroyGadget(popup);
}

TEST_F(Menus, HotKeyOfAnItemPostsItsAction) {
  auto win = TestWindow(MenuStyle);
  auto file = MakeMenu(u"File", 1, win);
  auto reload = MakeMenu(u"Reload", 42, file, VK_F5, 0);
  TakeEvents();
  PressKeys({VK_F5});
  auto actions = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(reload));
  EXPECT_EQ(actions[0].data, 42);
  // Setting another key lets the old one go.
  BindGadgetHotKey(reload, VK_F6, 0);
  PressKeys({VK_F5});
  EXPECT_TRUE(Only(TakeEvents(), MenuAction).empty());
  PressKeys({VK_F6});
  EXPECT_EQ(Only(TakeEvents(), MenuAction).size(), 1u);
}

TEST_F(Menus, HotKeyOfAPopupItemWorksInEveryWindow) {
  auto win = TestWindow(WindowStyle::TitleBar);
  auto popup = MakeMenu(u"Popup", 1, nullptr);
  auto find = MakeMenu(u"Find", 9, popup, VK_F7, 0);
  TakeEvents();
  PressKeys({VK_F7});
  auto actions = Only(TakeEvents(), MenuAction, find);
  EXPECT_EQ(actions.size(), 1u);
  DestroyGadget(popup);
  PressKeys({VK_F7});
  EXPECT_TRUE(Only(TakeEvents(), MenuAction).empty());
}

TEST_F(Menus, FreedItemChosenFromAStaleMenuGivesNoEvent) {
  auto win = TestWindow(MenuStyle);
  auto file = MakeMenu(u"File", 1, win);
  auto gone = MakeMenu(u"Gone", 5, file);
  auto kept = MakeMenu(u"Kept", 6, file);
  RebuildWindowMenu(win);
  HMENU sub = GetSubMenu(Bar(win), 0);
  UINT goneId = GetMenuItemID(sub, 0);
  DestroyMenuEntry(gone);
  TakeEvents();
  Choose(win, goneId);
  Choose(win, GetMenuItemID(sub, 1));
  auto actions = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(kept));
}

TEST_F(Menus, AFreeThatFailsLeavesTheItemWhole) {
  auto win = TestWindow(MenuStyle);
  auto file = MakeMenu(u"File", 1, win);
  auto open = MakeMenu(u"Open", 2, file);
  auto save = MakeMenu(u"Save", 3, file, 'S', ModControl);
  // Moved in the gadget tree only: its item stays in File's submenu, so freeing File would
  // destroy an item still in use.
  win->Insert(open, -1);
  try {
    DestroyMenuEntry(file);
    FAIL() << "freeing File let go of an item still in use";
  } catch (const TRuntimeError& e) {
    EXPECT_EQ(e.Text(), u"Unable to release menu child");
  }
  EXPECT_EQ(file->parent, win);
  EXPECT_TRUE(file->kids->Count() == 1 && file->kids->At(0) == Ref<TObject>(save));
  TakeEvents();
  PressChord({VK_CONTROL, 'S'});
  auto keyed = Only(TakeEvents(), MenuAction, save);
  EXPECT_EQ(keyed.size(), 1u);

  RebuildWindowMenu(win);
  ASSERT_EQ(GetMenuItemCount(Bar(win)), 1);
  EXPECT_EQ(ItemText(Bar(win), 0), "File");
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(Bar(win), 0)), 2);
  ChooseFromBar(Hwnd(win), 0, 1);
  auto chosen = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].source, Ref<TObject>(save));
  EXPECT_EQ(chosen[0].data, 3);

  DestroyMenuEntry(open);
  DestroyMenuEntry(file);
}

TEST_F(Menus, RebuildingDestroysTheOldBarAndChoicesComeFromTheNewOne) {
  auto win = TestWindow(MenuStyle);
  auto file = MakeMenu(u"File", 1, win);
  MakeMenu(u"Old", 2, file);
  HMENU placeholder = Bar(win);
  ASSERT_TRUE(IsMenu(placeholder));
  RebuildWindowMenu(win);
  EXPECT_FALSE(IsMenu(placeholder));
  HMENU built = Bar(win);
  HMENU builtSub = GetSubMenu(built, 0);
  ASSERT_TRUE(IsMenu(builtSub));
  auto fresh = MakeMenu(u"New", 3, file);
  RebuildWindowMenu(win);
  EXPECT_FALSE(IsMenu(built));
  EXPECT_FALSE(IsMenu(builtSub));
  TakeEvents();
  ChooseFromBar(Hwnd(win), 0, 1);
  auto chosen = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].source, Ref<TObject>(fresh));
}

TEST_F(Menus, AChildWindowThatRefusesABarKeepsNone) {
  auto top = TestWindow(WindowStyle::TitleBar, 500, 400);
  auto child = MakeWindow(u"child", 10, 10, 300, 200, top,
                          WindowStyle::TitleBar | WindowStyle::MenuBar | WindowStyle::Child);
  auto file = MakeMenu(u"File", 1, child);
  MakeMenu(u"Open", 2, file);
  int before = LiveMenuCount();
  HMENU probe = CreateMenu();  // the count must see a menu that is left alive
  ASSERT_EQ(LiveMenuCount(), before + 1);
  DestroyMenu(probe);
  RebuildWindowMenu(child);
  EXPECT_EQ(LiveMenuCount(), before);
  EXPECT_EQ(GetMenu(Hwnd(child)), nullptr);
}

}  // namespace
