// Changes the program makes to a gadget itself are silent in every kind, while the user's own
// equivalent action, made with real input, still posts its event.
#include <windows.h>
// The control messages need the base platform header first.
#include <commctrl.h>
// The toolkit's slider operations share their names with platform macros.
#undef SetProp
#undef GetProp

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "gui/constants.h"
#include "gui/win32/kinds/tree_view.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/strip.h"
#include "tests/gui_win32/support.h"

namespace {

// One kind and one change the program can make to it. `make` builds the gadget in `win` and
// answers the gadget whose events are watched (a menu item for menus, the tree view for nodes);
// `program` makes the change through the toolkit; `user` makes the user's equivalent with real
// input, which must post `posts` from the watched gadget.
struct Case {
  const char* name;
  int32_t windowStyle;
  std::function<Ref<TGadget>(const Ref<TGadget>& win)> make;
  std::function<void(const Ref<TGadget>& g)> program;
  std::function<void(const Ref<TGadget>& g, const Ref<TGadget>& win)> user;
  int32_t posts;
};

std::vector<Seen> From(const std::vector<Seen>& events, const Ref<TGadget>& g) {
  std::vector<Seen> out;
  for (const Seen& e : events) {
    if (e.source == Ref<TObject>(g)) out.push_back(e);
  }
  return out;
}

std::string Names(const std::vector<Seen>& events) {
  std::string out;
  for (const Seen& e : events)
    out += Utf8(std::u16string(EventIdName(e.id))) + "(" + std::to_string(e.data) + ") ";
  return out;
}

POINT ClientMiddle(HWND h) {
  RECT r{};
  GetClientRect(h, &r);
  return Middle(r);
}

void TypeInto(HWND h, std::vector<WORD> keys) {
  SetForegroundWindow(GetAncestor(h, GA_ROOT));
  SetFocus(h);
  PressKeys(keys);
}

HWND ComboInner(const Ref<TGadget>& c) {
  return reinterpret_cast<HWND>(SendMessageA(Hwnd(c), CBEM_GETCOMBOCONTROL, 0, 0));
}

HWND ComboEdit(const Ref<TGadget>& c) {
  return reinterpret_cast<HWND>(SendMessageA(Hwnd(c), CBEM_GETEDITCONTROL, 0, 0));
}

Ref<TGadget> WithEntries(Ref<TGadget> g) {
  for (const char16_t* text : {u"zero", u"one", u"two"}) AppendGadgetEntry(g, text);
  return g;
}

// The tree's nodes by text, for the rows that act on them.
Ref<TGadget> NodeNamed(const Ref<TGadget>& parent, const std::u16string& text) {
  for (const Ref<TObject>& k : *parent->kids) {
    auto* node = dynamic_cast<TGadget*>(k.get());
    if (node && node->name == text) return Ref<TGadget>(node);
    if (node) {
      if (Ref<TGadget> below = NodeNamed(Ref<TGadget>(node), text)) return below;
    }
  }
  return nullptr;
}

Ref<TGadget> Tree(const Ref<TGadget>& win) {
  auto tree = MakeTreeView(10, 10, 260, 200, win, 0);
  auto parent = AppendTreeNode(u"parent", tree);
  AppendTreeNode(u"child", parent);
  AppendTreeNode(u"other", tree);
  return tree;
}

// The middle of a node's text, in the tree's client coordinates.
POINT NodeCentre(const Ref<TGadget>& tree, const std::u16string& text) {
  auto* node = dynamic_cast<TWin32Gadget*>(NodeNamed(tree, text).get());
  auto* native = node ? dynamic_cast<Win32TreeViewNode*>(node->handle) : nullptr;
  RECT r{};
  if (native)
    std::memcpy(&r, &native->item, sizeof native->item);  // the message takes the item in the rectangle
  SendMessageA(Hwnd(tree), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
  return Middle(r);
}

void PutOnClipboard(const wchar_t* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(h), text, bytes);
  GlobalUnlock(h);
  SetClipboardData(CF_UNICODETEXT, h);
  CloseClipboard();
}

constexpr int32_t MenuBarStyle = 1 | 4;

const Case cases[] = {
    {"check box", 1, [](const Ref<TGadget>& w) { return MakeButton(u"check", 10, 10, 150, 24, w, 2); },
     [](const Ref<TGadget>& g) {
       ChangeButtonCheck(g, 1);
       ChangeButtonCheck(g, 0);
       ChangeButtonCheck(g, 1);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { ClickAt(Hwnd(g), ClientMiddle(Hwnd(g))); },
     GadgetAction},
    {"radio button", 1, [](const Ref<TGadget>& w) { return MakeButton(u"radio", 10, 10, 150, 24, w, 3); },
     [](const Ref<TGadget>& g) {
       ChangeButtonCheck(g, 1);
       ChangeButtonCheck(g, 0);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { ClickAt(Hwnd(g), ClientMiddle(Hwnd(g))); },
     GadgetAction},
    {"text field text", 1, [](const Ref<TGadget>& w) { return MakeTextField(10, 10, 200, 24, w, 0); },
     [](const Ref<TGadget>& g) { ChangeGadgetText(g, u"from the program"); },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { TypeInto(Hwnd(g), {'D'}); }, GadgetAction},
    {"text area text", 1, [](const Ref<TGadget>& w) { return MakeTextArea(10, 10, 300, 200, w, 0); },
     [](const Ref<TGadget>& g) { ChangeGadgetText(g, u"from the program"); },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { TypeInto(Hwnd(g), {'X'}); }, GadgetAction},
    {"text area selection", 1,
     [](const Ref<TGadget>& w) {
       auto a = MakeTextArea(10, 10, 300, 200, w, 0);
       AppendTextAreaText(a, u"0123456789");
       return a;
     },
     [](const Ref<TGadget>& g) {
       SelectTextAreaRange(g, 2, 3, 1);
       SelectTextAreaRange(g, 0, 1, 2);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { TypeInto(Hwnd(g), {VK_RIGHT}); }, GadgetSelect},
    {"text area clipboard", 1,
     [](const Ref<TGadget>& w) {
       auto a = MakeTextArea(10, 10, 300, 200, w, 0);
       AppendTextAreaText(a, u"0123456789");
       SelectTextAreaRange(a, 0, 3, 1);
       return a;
     },
     [](const Ref<TGadget>& g) {
       CutFromGadget(g);
       PasteIntoGadget(g);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       PutOnClipboard(L"pasted");
       SetFocus(Hwnd(g));
       PressChord({VK_CONTROL, 'V'});
     },
     GadgetAction},
    {"scroll bar", 1, [](const Ref<TGadget>& w) { return MakeSlider(10, 10, 160, 30, w, 1); },
     [](const Ref<TGadget>& g) {
       ChangeSliderRange(g, 2, 20);
       ChangeSliderPosition(g, 5);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       RECT r{};
       GetClientRect(Hwnd(g), &r);
       ClickAt(Hwnd(g), POINT{r.right - 5, r.bottom / 2});  // the arrow that counts up
     },
     GadgetAction},
    {"track bar", 1, [](const Ref<TGadget>& w) { return MakeSlider(10, 10, 160, 40, w, 4 | 1); },
     [](const Ref<TGadget>& g) {
       ChangeSliderRange(g, 0, 20);
       ChangeSliderPosition(g, 5);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { TypeInto(Hwnd(g), {VK_END}); }, GadgetAction},
    {"up-down", 1, [](const Ref<TGadget>& w) { return MakeSlider(10, 10, 30, 60, w, 8); },
     [](const Ref<TGadget>& g) {
       ChangeSliderRange(g, 0, 20);
       ChangeSliderPosition(g, 5);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       ClickAt(Hwnd(g), POINT{10, 5});
     },
     GadgetAction},
    {"combo box selection", 1,
     [](const Ref<TGadget>& w) { return WithEntries(MakeComboBox(10, 10, 200, 24, w, 0)); },
     [](const Ref<TGadget>& g) {
       SelectGadgetEntry(g, 2);
       DeselectGadgetEntry(g, 2);
       SelectGadgetEntry(g, 0);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { TypeInto(ComboInner(g), {VK_DOWN}); }, GadgetAction},
    {"combo box text", 1,
     [](const Ref<TGadget>& w) {
       return WithEntries(MakeComboBox(10, 10, 200, 24, w, ComboBoxStyle::Editable));
     },
     [](const Ref<TGadget>& g) { ChangeGadgetText(g, u"from the program"); },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { TypeInto(ComboEdit(g), {'X'}); }, GadgetAction},
    {"list box selection", 1,
     [](const Ref<TGadget>& w) { return WithEntries(MakeListBox(10, 10, 300, 200, w, 0)); },
     [](const Ref<TGadget>& g) {
       SelectGadgetEntry(g, 1);
       ChangeGadgetEntry(g, 0, u"ZERO", ItemFlag::SelectOnSet);
       DeselectGadgetEntry(g, 0);
       ToggleGadgetEntry(g, 1);
       SelectGadgetEntry(g, 2);
       DeleteGadgetEntry(g, 2);
       AppendGadgetEntry(g, u"two");
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       RECT r{};
       r.left = LVIR_SELECTBOUNDS;
       SendMessageA(Hwnd(g), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
       ClickAt(Hwnd(g), Middle(r));
     },
     GadgetSelect},
    {"tabber selection", 1,
     [](const Ref<TGadget>& w) { return WithEntries(MakeTabber(10, 10, 300, 200, w, 0)); },
     [](const Ref<TGadget>& g) {
       SelectGadgetEntry(g, 2);
       DeleteGadgetEntry(g, 2);
       AppendGadgetEntry(g, u"two");
       SelectGadgetEntry(g, 0);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       HWND tabs = GetParent(Hwnd(g));
       RECT r{};
       SendMessageA(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
       ClickAt(tabs, Middle(r));
     },
     GadgetAction},
    {"tool bar buttons", 1,
     [](const Ref<TGadget>& w) {
       auto bar = MakeToolBar(nullptr, 0, 0, 100, 30, w, 0);
       ChangeGadgetIconStrip(bar, TestStrip(3));
       AppendGadgetEntry(bar, u"", 0, 0);
       AppendGadgetEntry(bar, u"", ItemFlag::ToggleIcon, 1);
       return bar;
     },
     [](const Ref<TGadget>& g) {
       SelectGadgetEntry(g, 1);
       ToggleGadgetEntry(g, 1);
       DisableGadgetEntry(g, 0);
       EnableGadgetEntry(g, 0);
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       RECT r{};
       SendMessageA(Hwnd(g), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
       ClickAt(Hwnd(g), Middle(r));
     },
     GadgetAction},
    {"tree view selection", 1, Tree, [](const Ref<TGadget>& g) { SelectTreeNode(NodeNamed(g, u"parent")); },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) { ClickAt(Hwnd(g), NodeCentre(g, u"other")); },
     GadgetSelect},
    {"tree view expansion", 1, Tree,
     [](const Ref<TGadget>& g) {
       ExpandTreeNode(NodeNamed(g, u"parent"));
       CollapseTreeNode(NodeNamed(g, u"parent"));
       ExpandTreeNode(NodeNamed(g, u"parent"));
     },
     [](const Ref<TGadget>& g, const Ref<TGadget>&) {
       // The user closes the node the program opened, from the keyboard.
       ClickAt(Hwnd(g), NodeCentre(g, u"parent"));
       TakeEvents();
       TypeInto(Hwnd(g), {VK_LEFT});
     },
     GadgetClose},
    {"menu check", MenuBarStyle,
     [](const Ref<TGadget>& w) {
       auto file = MakeMenu(u"File", 1, w);
       auto check = MakeMenu(u"Check", 2, file);
       RebuildWindowMenu(w);
       return check;
     },
     [](const Ref<TGadget>& g) {
       TickMenuEntry(g);
       UntickMenuEntry(g);
       TickMenuEntry(g);
       RebuildWindowMenu(GetGadgetParent(GetGadgetParent(g)));
     },
     [](const Ref<TGadget>&, const Ref<TGadget>& w) { ChooseFromBar(Hwnd(w), 0, 0); }, MenuAction},
};

class ProgramChanges : public DriverTest {};

TEST_F(ProgramChanges, PostNothingWhileTheUsersOwnActionsPost) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto win = TestWindow(c.windowStyle, 400, 300);
    Ref<TGadget> g = c.make(win);
    ASSERT_NE(g, nullptr);
    TakeEvents();
    c.program(g);
    auto quiet = From(TakeEvents(), g);
    EXPECT_TRUE(quiet.empty()) << "the program's change posted " << Names(quiet);
    c.user(g, win);
    auto posted = Only(TakeEvents(), c.posts, g);
    EXPECT_FALSE(posted.empty()) << "the user's action posted no "
                                 << Utf8(std::u16string(EventIdName(c.posts)));
    DestroyGadget(win);
    TakeEvents();
  }
}

}  // namespace
