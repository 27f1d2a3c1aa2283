// Tree views as native tree controls: where nodes go, what clicks, keys and right clicks report,
// freeing nodes, and node ids that stay sound in the 64-bit build.
#include "tests/gui_win32/support.h"
// The control messages need the platform header, which the support header brings.
#include <commctrl.h>

#include <cstring>
#include <string>

#include "gui/win32/kinds/tree_view.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"

namespace {

Win32TreeViewNode* NativeNode(const Ref<TGadget>& node) {
  auto* g = dynamic_cast<TWin32Gadget*>(node.get());
  return g ? dynamic_cast<Win32TreeViewNode*>(g->handle) : nullptr;
}

HTREEITEM Item(const Ref<TGadget>& node) { return NativeNode(node)->item; }

std::string ItemText(HWND tree, HTREEITEM item) {
  char buffer[64] = {};
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = buffer;
  tv.cchTextMax = sizeof buffer;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return buffer;
}

// The texts of the control's items below `parent`, in the control's order, joined by spaces.
std::string ChildTexts(HWND tree, HTREEITEM parent) {
  std::string out;
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
  while (item) {
    out += (out.empty() ? "" : " ") + ItemText(tree, item);
    item = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
  }
  return out;
}

// The centre of a node's text in the tree's client coordinates.
POINT Centre(HWND tree, const Ref<TGadget>& node) {
  RECT r{};
  HTREEITEM item = Item(node);
  std::memcpy(&r, &item, sizeof item);  // the message takes the item in the rectangle
  SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Moves the pointer to a client point of `hwnd` and presses a mouse button there `times` times
// as hardware input.
void MouseAt(HWND hwnd, POINT at, DWORD down, DWORD up, int times = 1) {
  ClientToScreen(hwnd, &at);
  SetCursorPos(at.x, at.y);
  for (int i = 0; i < 3; ++i) {
    Sleep(10);
    Pump();
  }
  std::vector<INPUT> in(static_cast<size_t>(2 * times));
  for (size_t i = 0; i < in.size(); ++i) {
    in[i].type = INPUT_MOUSE;
    in[i].mi.dwFlags = i % 2 ? up : down;
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    Pump();
  }
}

// Right-clicks a client point of `hwnd` as hardware input, once the pointer has settled there:
// the tree view reads the pointer's position when the control reports the click.
void RightClickAt(HWND hwnd, POINT at) {
  POINT screen = at;
  ClientToScreen(hwnd, &screen);
  SettlePointer(screen);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(2, in, sizeof(INPUT));
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    Pump();
  }
}

}  // namespace

class TreeViews : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 300, 300);
    tree = MakeTreeView(10, 10, 260, 240, win, 0);
    Pump();
  }
  HWND Tree() { return Hwnd(tree); }

  Ref<TGadget> win, tree;
};

TEST_F(TreeViews, InsertionIndexPlacesTheNode) {
  struct Case {
    int32_t index;
    const char* order;
  };
  // Each case inserts "n" below a fresh parent holding "a b c".
  const Case cases[] = {{0, "n a b c"}, {-1, "a b c n"}, {3, "a b c n"},
                        {7, "a b c n"}, {1, "a n b c"},  {2, "a b n c"}};
  for (const Case& c : cases) {
    auto parent = AppendTreeNode(u"p", GetTreeRoot(tree));
    for (const char16_t* t : {u"a", u"b", u"c"}) AppendTreeNode(t, parent);
    auto n = InsertTreeNode(c.index, u"n", parent);
    EXPECT_EQ(ChildTexts(Tree(), Item(parent)), c.order) << "index " << c.index;
    EXPECT_EQ(CountTreeNodes(parent), 4);
    EXPECT_EQ(GetGadgetText(n), u"n");
    DestroyTreeNode(parent);
  }
  EXPECT_EQ(CountTreeNodes(tree), 0);
  EXPECT_EQ(SendMessageA(Tree(), TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TreeViews, TopLevelNodesGoBelowTheRootAndCount) {
  EXPECT_EQ(GetTreeRoot(tree), tree);
  AppendTreeNode(u"b", GetTreeRoot(tree));
  InsertTreeNode(0, u"a", tree);
  auto c = AppendTreeNode(u"c", tree);
  AppendTreeNode(u"c1", c);
  EXPECT_EQ(ChildTexts(Tree(), TVI_ROOT), "a b c");
  EXPECT_EQ(CountTreeNodes(tree), 3);
  EXPECT_EQ(CountTreeNodes(c), 1);
}

TEST_F(TreeViews, ClickingANodeSelectsItWithTheNodeAsExtra) {
  AppendTreeNode(u"first", tree);
  auto second = AppendTreeNode(u"second", tree);
  TakeEvents();
  MouseAt(Tree(), Centre(Tree(), second), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  auto selects = Only(TakeEvents(), GadgetSelect, tree);
  ASSERT_EQ(selects.size(), 1u);
  EXPECT_EQ(selects[0].extra, Ref<TObject>(second));
  EXPECT_EQ(GetSelectedTreeNode(tree), second);
}

TEST_F(TreeViews, DoubleClickActsOnTheSelectedNode) {
  AppendTreeNode(u"first", tree);
  auto second = AppendTreeNode(u"second", tree);
  TakeEvents();
  MouseAt(Tree(), Centre(Tree(), second), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
  auto actions = Only(TakeEvents(), GadgetAction, tree);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].extra, Ref<TObject>(second));
}

TEST_F(TreeViews, RightClickAnywhereOnARowReportsItsNodeAndBelowTheRowsNothing) {
  auto parent = AppendTreeNode(u"parent", tree);
  auto child = AppendTreeNode(u"child", parent);
  ExpandTreeNode(parent);
  auto label = [&](const Ref<TGadget>& node) {
    RECT r{};
    HTREEITEM item = Item(node);
    std::memcpy(&r, &item, sizeof item);  // the message takes the item in the rectangle
    SendMessageA(Tree(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    return r;
  };
  const RECT p = label(parent), c = label(child);
  const int indent = static_cast<int>(SendMessageA(Tree(), TVM_GETINDENT, 0, 0));
  struct Case {
    const char* where;
    POINT at;
    UINT part;          // what the control says lies there
    Ref<TGadget> node;  // the node reported; none: nothing is
  };
  const Case cases[] = {
      {"on the label", Middle(p), TVHT_ONITEMLABEL, parent},
      {"on the button", POINT{p.left - indent / 2, Middle(p).y}, TVHT_ONITEMBUTTON, parent},
      {"in the indent", POINT{2, Middle(c).y}, TVHT_ONITEMINDENT, child},
      {"right of the label", POINT{c.right + 40, Middle(c).y}, TVHT_ONITEMRIGHT, child},
      {"below every row", POINT{c.left, c.bottom + 60}, TVHT_NOWHERE, nullptr},
  };
  for (const Case& k : cases) {
    TVHITTESTINFO hit{};
    hit.pt = k.at;
    SendMessageA(Tree(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    ASSERT_TRUE(hit.flags & k.part) << k.where << ": the point is elsewhere (" << hit.flags << ")";
    TakeEvents();
    RightClickAt(Tree(), k.at);
    auto menus = Only(TakeEvents(), GadgetMenu, tree);
    if (!k.node) {
      EXPECT_TRUE(menus.empty()) << k.where;
      continue;
    }
    EXPECT_EQ(menus.size(), 1u) << k.where;
    if (menus.size() != 1) continue;  // failed above; the other places still tell
    EXPECT_EQ(menus[0].extra, Ref<TObject>(k.node)) << k.where;
    POINT screen = k.at;
    ClientToScreen(Tree(), &screen);
    EXPECT_EQ(menus[0].x, screen.x) << k.where;
    EXPECT_EQ(menus[0].y, screen.y) << k.where;
  }
}

TEST_F(TreeViews, AChangedNodeAnswersItsNewText) {
  auto parent = AppendTreeNode(u"parent", tree);
  auto child = AppendTreeNode(u"child", parent);
  for (const Ref<TGadget>& node : {parent, child}) {
    ChangeTreeNode(node, u"renamed", 1);
    EXPECT_EQ(ItemText(Tree(), Item(node)), "renamed");
    EXPECT_EQ(GetGadgetText(node), u"renamed");
  }
}

TEST_F(TreeViews, KeysOpenAndCloseTheSelectedNode) {
  auto parent = AppendTreeNode(u"parent", tree);
  AppendTreeNode(u"child", parent);
  SelectTreeNode(parent);
  SetFocus(Tree());
  TakeEvents();
  PressKeys({VK_RIGHT});
  auto opened = Only(TakeEvents(), GadgetOpen, tree);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].extra, Ref<TObject>(parent));
  PressKeys({VK_LEFT});
  auto events = TakeEvents();
  auto closed = Only(events, GadgetClose, tree);
  ASSERT_EQ(closed.size(), 1u);
  EXPECT_EQ(closed[0].extra, Ref<TObject>(parent));
  EXPECT_TRUE(Only(events, GadgetOpen).empty());
}

TEST_F(TreeViews, ProgramOperationsReachTheControl) {
  auto parent = AppendTreeNode(u"parent", tree, 3);
  AppendTreeNode(u"child", parent);
  auto state = [&] {
    return SendMessageA(Tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(Item(parent)), TVIS_EXPANDED);
  };
  ExpandTreeNode(parent);
  EXPECT_TRUE(state() & TVIS_EXPANDED);
  CollapseTreeNode(parent);
  EXPECT_FALSE(state() & TVIS_EXPANDED);
  SelectTreeNode(parent);
  EXPECT_EQ(SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0), reinterpret_cast<LRESULT>(Item(parent)));
  EXPECT_EQ(GetSelectedTreeNode(tree), parent);
  ChangeTreeNode(parent, u"renamed", 5);
  EXPECT_EQ(ItemText(Tree(), Item(parent)), "renamed");
  TVITEMA tv{};
  tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tv.hItem = Item(parent);
  SendMessageA(Tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  EXPECT_EQ(tv.iImage, 5);
  EXPECT_EQ(tv.iSelectedImage, 5);
  ChangeGadgetColor(tree, 1, 2, 3);
  ChangeGadgetTextColor(tree, 4, 5, 6);
  EXPECT_EQ(SendMessageA(Tree(), TVM_GETBKCOLOR, 0, 0), 0x030201);
  EXPECT_EQ(SendMessageA(Tree(), TVM_GETTEXTCOLOR, 0, 0), 0x060504);
}

TEST_F(TreeViews, FreeingANodeTakesItsChildrenAndTheSelection) {
  auto keep = AppendTreeNode(u"keep", tree);
  auto parent = AppendTreeNode(u"parent", tree);
  auto child = AppendTreeNode(u"child", parent);
  AppendTreeNode(u"grandchild", child);
  ExpandTreeNode(parent);
  SelectTreeNode(child);
  TakeEvents();
  DestroyTreeNode(parent);
  EXPECT_EQ(SendMessageA(Tree(), TVM_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(CountTreeNodes(tree), 1);
  EXPECT_EQ(GetSelectedTreeNode(tree), nullptr);
  EXPECT_EQ(SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0), 0);
  EXPECT_EQ(dynamic_cast<TWin32Gadget*>(child.get())->handle, nullptr);
  // Nothing was chosen by the user meanwhile.
  EXPECT_TRUE(Only(TakeEvents(), GadgetSelect).empty());
  EXPECT_EQ(ChildTexts(Tree(), TVI_ROOT), "keep");
  EXPECT_EQ(GetGadgetParent(keep), tree);
}

TEST_F(TreeViews, EventsNameNodesByIdsThatDieWithTheNode) {
  auto a = AppendTreeNode(u"a", tree);
  auto b = AppendTreeNode(u"b", tree);
  TakeEvents();
  ClickAt(Tree(), Centre(Tree(), b));
  auto selects = Only(TakeEvents(), GadgetSelect, tree);
  ASSERT_EQ(selects.size(), 1u);
  int32_t id = selects[0].data;
  EXPECT_EQ(TreeNodeFromId(id), NativeNode(b));
  EXPECT_NE(TreeNodeFromId(id), NativeNode(a));
  auto* native = dynamic_cast<TWin32Gadget*>(tree.get())->handle;
  DestroyTreeNode(b);
  EXPECT_EQ(TreeNodeFromId(id), nullptr);
  // A stale id in a late event names nothing, and a new node does not take it over.
  auto c = AppendTreeNode(u"c", tree);
  EXPECT_NE(NativeNode(c)->id, id);
  TakeEvents();
  PostNativeGuiEvent(GadgetAction, native, id, 0, 0, 0, nullptr);
  auto late = Only(TakeEvents(), GadgetAction, tree);
  ASSERT_EQ(late.size(), 1u);
  EXPECT_EQ(late[0].extra, nullptr);
}

// The user's selection stays through the removal of any node outside the selected one's branch:
// the control would move it to a neighbour of a deleted selected item, but no other deletion may
// touch it.
TEST_F(TreeViews, RemovingANodeClearsTheSelectionOnlyWhenItHeldTheSelectedNode) {
  struct Case {
    const char* removed;
    bool cleared;
  };
  const Case cases[] = {{"b", false}, {"c", false}, {"leaf", false}, {"picked", true}, {"a", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.removed);
    auto a = AppendTreeNode(u"a", tree);
    auto picked = AppendTreeNode(u"picked", a);
    auto leaf = AppendTreeNode(u"leaf", picked);
    auto b = AppendTreeNode(u"b", tree);
    auto last = AppendTreeNode(u"c", tree);
    const std::pair<const char*, Ref<TGadget>> byName[] = {
        {"a", a}, {"picked", picked}, {"leaf", leaf}, {"b", b}, {"c", last}};
    ExpandTreeNode(a);
    TakeEvents();
    ClickAt(Tree(), Centre(Tree(), picked));
    ASSERT_EQ(GetSelectedTreeNode(tree), picked);
    TakeEvents();
    for (const auto& [name, node] : byName) {
      if (std::strcmp(name, c.removed) == 0) DestroyTreeNode(node);
    }
    const auto caret = reinterpret_cast<HTREEITEM>(SendMessageA(Tree(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (c.cleared) {
      EXPECT_EQ(GetSelectedTreeNode(tree), nullptr);
      EXPECT_EQ(caret, nullptr);
    } else {
      EXPECT_EQ(GetSelectedTreeNode(tree), picked);
      EXPECT_EQ(caret, Item(picked));
    }
    EXPECT_TRUE(Only(TakeEvents(), GadgetSelect).empty());
    for (const Ref<TGadget>& n : {a, b, last}) DestroyTreeNode(n);
  }
}
