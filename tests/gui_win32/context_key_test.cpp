// The context menu from the keyboard, through real keys and the driver's pump: Shift+F10 and the
// menu key send the focused gadget the event a right click sends, for its focused entry or node,
// at that entry's place.
#include <windows.h>
// The tree view messages need the base platform header first.
#include <commctrl.h>

#include <cstring>
#include <functional>
#include <vector>

#include "gui/constants.h"
#include "tests/gui_win32/gallery_shape.h"
#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/support.h"

namespace {

class ContextKey : public DriverTest {};

const std::vector<WORD> MenuKey{VK_APPS}, ShiftF10{VK_SHIFT, VK_F10};

// What one focused gadget should answer: the data of its GadgetMenu and, when it reports a place,
// the rectangle the place must fall in (screen or client coordinates, as the gadget reports them).
struct Expect {
  Ref<TGadget> source;
  int32_t data;
  Ref<TObject> extra;
  bool placed;
  RECT where;
};

// A list box on the second page with three entries, the second selected.
Expect ListBox(const GalleryShape& s) {
  s.ShowPage(1);
  for (const char16_t* t : {u"one", u"two", u"three"}) AppendGadgetEntry(s.pageList, t);
  SelectGadgetEntry(s.pageList, 1);
  FocusGadget(s.pageList);
  return {s.pageList, 1, nullptr, false, {}};
}

// The tree with three nodes, the last one selected: the menu comes at its row, on the screen.
Expect Tree(const GalleryShape& s) {
  Ref<TGadget> root = GetTreeRoot(s.tree);
  AppendTreeNode(u"two", root);
  Ref<TGadget> three = AppendTreeNode(u"three", root);
  SelectTreeNode(three);
  FocusGadget(s.tree);
  Pump();
  HWND tv = Hwnd(s.tree);
  RECT row{};
  // The message takes the item in the rectangle.
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tv, TVM_GETNEXTITEM, TVGN_CARET, 0));
  std::memcpy(&row, &item, sizeof item);
  SendMessageA(tv, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&row));
  MapWindowPoints(tv, nullptr, reinterpret_cast<POINT*>(&row), 2);
  return {s.tree, -1, three, true, row};
}

// The text area with the caret after "hello ": the menu comes there, in its client area.
Expect TextArea(const GalleryShape& s) {
  ChangeGadgetText(s.area, u"hello world");
  FocusGadget(s.area);
  SelectTextAreaRange(s.area, 6, 0, TextUnits::Chars);
  Pump();
  // Right of the first letters, left of the last ones, on the first line.
  RECT client{};
  GetClientRect(Hwnd(s.area), &client);
  return {s.area, 0, nullptr, true, {10, 0, client.right / 2 + 40, 30}};
}

TEST_F(ContextKey, MenuKeyAndShiftF10AskTheFocusedGadgetForItsEntrysMenu) {
  struct Case {
    const char* what;
    std::function<Expect(const GalleryShape&)> prepare;
  } cases[] = {{"list box", ListBox}, {"tree view", Tree}, {"text area", TextArea}};
  for (const Case& c : cases) {
    for (const auto* chord : {&MenuKey, &ShiftF10}) {
      const char* key = chord == &MenuKey ? "menu key" : "Shift+F10";
      const GalleryShape s = MakeGalleryShape();
      const Expect e = c.prepare(s);
      TakeEvents();
      PressChord(*chord);
      auto menus = Only(TakeEvents(), GadgetMenu);
      ASSERT_EQ(menus.size(), 1u) << c.what << ", " << key;
      EXPECT_EQ(menus[0].source, Ref<TObject>(e.source)) << c.what << ", " << key;
      if (e.data >= 0) {
        EXPECT_EQ(menus[0].data, e.data) << c.what << ", " << key;
      }
      if (e.extra) {
        EXPECT_EQ(menus[0].extra, e.extra) << c.what << ", " << key;
      }
      if (e.placed) {
        EXPECT_TRUE(menus[0].x >= e.where.left && menus[0].x < e.where.right && menus[0].y >= e.where.top &&
                    menus[0].y < e.where.bottom)
            << c.what << ", " << key << ": at " << menus[0].x << "," << menus[0].y << ", not in "
            << e.where.left << "," << e.where.top << "-" << e.where.right << "," << e.where.bottom;
      }
      DestroyGadget(s.win);
      Pump();
    }
  }
}

TEST_F(ContextKey, AGadgetWithoutAMenuSendsNothing) {
  const GalleryShape s = MakeGalleryShape();
  for (const Ref<TGadget>& g : {s.push, s.check, s.track, s.tabber}) {
    FocusGadget(g);
    TakeEvents();
    PressChord(MenuKey);
    PressChord(ShiftF10);
    EXPECT_TRUE(Only(TakeEvents(), GadgetMenu).empty());
  }
}

TEST_F(ContextKey, ThePopupAnsweringTheKeyOpensAtTheEntryUnlessTheMouseWasUsedSince) {
  struct Case {
    const char* what;
    std::function<Expect(const GalleryShape&)> prepare;
    bool clickSince;
  } cases[] = {{"list box", ListBox, false},
               {"tree view", Tree, false},
               {"text area", TextArea, false},
               {"tree view, a click since", Tree, true}};
  for (const Case& c : cases) {
    const GalleryShape s = MakeGalleryShape();
    const Expect e = c.prepare(s);
    auto popup = MakeMenu(u"Popup", 0, nullptr);
    MakeMenu(u"Only", 1, popup);
    // The pointer rests in the window's corner, away from every entry.
    POINT away{4, 4};
    ClientToScreen(Hwnd(s.win), &away);
    PointerTo(away);
    TakeEvents();
    PressChord(MenuKey);
    ASSERT_EQ(Only(TakeEvents(), GadgetMenu).size(), 1u) << c.what;
    if (c.clickSince) {
      SendClick(away);
      Pump();
    }
    POINT at{};
    {
      MenuChooser choose(0);
      ShowPopupMenu(s.win, popup, nullptr);
      ASSERT_TRUE(choose.Opened()) << c.what;
      at = choose.OpenedAt();
    }
    RECT gadget{};
    GetWindowRect(Hwnd(e.source), &gadget);
    if (c.clickSince) {
      EXPECT_EQ(at.x, away.x) << c.what;
      EXPECT_EQ(at.y, away.y) << c.what;
    } else {
      EXPECT_TRUE(PtInRect(&gadget, at)) << c.what << ": opened at " << at.x << "," << at.y;
    }
    DestroyGadget(popup);
    DestroyGadget(s.win);
    Pump();
  }
}

}  // namespace
