// The notes window's scripted run: notes added by hot key, by the menu bar and by the Add button,
// typed and chosen with real input, and read back from the list, the tree and the status bar.
#include <windows.h>
// The tree view and status bar declarations need the base platform header first.
#include <commctrl.h>

#include <iterator>

#include "examples/notes/notes.h"
#include "examples/script/script.h"
#include "runtime/text.h"
#include "runtime/wide.h"

using namespace script;

namespace {

std::string MenuText(HMENU menu, int index) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, static_cast<UINT>(index), text, static_cast<int>(std::size(text)), MF_BYPOSITION);
  return Utf8(FromWide(text));
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
  wchar_t text[256] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = text;
  tv.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
  return Utf8(FromWide(text));
}

// The texts of the notes the tree shows below the top-level node `group`.
std::vector<std::string> TreeGroup(HWND tree, const std::string& group) {
  std::vector<std::string> texts;
  auto next = [&](HTREEITEM item, WPARAM how) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
  };
  for (HTREEITEM top = next(nullptr, TVGN_ROOT); top; top = next(top, TVGN_NEXT)) {
    if (TreeItemText(tree, top) != group) continue;
    for (HTREEITEM kid = next(top, TVGN_CHILD); kid; kid = next(kid, TVGN_NEXT))
      texts.push_back(TreeItemText(tree, kid));
  }
  return texts;
}

using Texts = std::vector<std::string>;

}  // namespace

int RunNotesScript(Notes& notes) {
  HandleEventsWith([&](int32_t id) { return notes.Handle(id); });
  const HWND window = Hwnd(notes.window), field = Hwnd(notes.title), combo = Hwnd(notes.category);
  const HWND list = Hwnd(notes.list), tree = Hwnd(notes.tree);
  const HWND status = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  auto category = [&] { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); };
  auto typed = [&](const std::string& text) {
    Click(field, POINT{20, 10});
    TypeText(text);
    return WaitUntil([&] { return WindowText(field) == text; });
  };

  // The File menu shows each entry's hot key after its text.
  const HMENU file = GetSubMenu(GetMenu(window), 0);
  Check(MenuText(file, 0) == "&New note\tCtrl+N", "File shows New note with Ctrl+N: " + MenuText(file, 0));
  Check(MenuText(file, 2) == "&Quit\tCtrl+Q", "File shows Quit with Ctrl+Q: " + MenuText(file, 2));

  // A note by hot key: type its title, Tab to the category and step down to Home, press Ctrl+N.
  Check(typed("Buy milk"), "the title field shows what was typed");
  PressKeys({VK_TAB});
  PressKeys({VK_DOWN});
  Check(WaitUntil([&] { return category() == 1; }), "Down in the category chooses Home");
  PressKeys({VK_CONTROL, 'N'});
  Check(WaitUntil([&] { return ListTexts(list).size() == 1; }), "Ctrl+N adds a note to the list");
  Check(ListTexts(list) == Texts{"Buy milk (Home)"}, "the list shows the note with its category");
  Check(TreeGroup(tree, "Home") == Texts{"Buy milk"}, "the tree files the note under Home");
  Check(WindowText(field).empty(), "the title field is emptied for the next note");

  // A note through the menu bar, opened with the keyboard: Alt+F opens File, N chooses New note.
  Check(typed("Call Anna"), "the title field shows the second title");
  PressKeys({VK_TAB});
  PressKeys({VK_UP});
  Check(WaitUntil([&] { return category() == 0; }), "Up in the category chooses Work");
  PressKeys({VK_MENU, 'F'});
  PressKeys({'N'});
  Check(WaitUntil([&] { return ListTexts(list).size() == 2; }), "File > New note adds a note");
  Check(ListTexts(list) == Texts{"Buy milk (Home)", "Call Anna (Work)"},
        "the list shows both notes in order");
  Check(TreeGroup(tree, "Work") == Texts{"Call Anna"}, "the tree files the second note under Work");
  Check(TreeGroup(tree, "Home") == Texts{"Buy milk"}, "the first note stays under Home");

  // A note with the Add button, clicked.
  Check(typed("Sketch logo"), "the title field shows the third title");
  PressKeys({VK_TAB});
  PressKeys({VK_DOWN});
  PressKeys({VK_DOWN});
  Check(WaitUntil([&] { return category() == 2; }), "Down twice chooses Ideas");
  RECT button{};
  GetClientRect(Hwnd(notes.add), &button);
  Click(Hwnd(notes.add), POINT{button.right / 2, button.bottom / 2});
  Check(WaitUntil([&] { return ListTexts(list).size() == 3; }), "Add adds a note");
  Check(TreeGroup(tree, "Ideas") == Texts{"Sketch logo"}, "the tree files the third note under Ideas");
  Check(WindowText(status) == "3 notes", "the status bar counts the notes: " + WindowText(status));

  // Without a title nothing is added, and the status bar says why.
  PressKeys({VK_CONTROL, 'N'});
  const bool refused = WaitUntil([&] { return WindowText(status) == "A note needs a title."; });
  Check(refused, "an empty title is refused with a reason: " + WindowText(status));
  Check(ListTexts(list).size() == 3, "an empty title adds no note");

  PressKeys({VK_CONTROL, 'Q'});
  Check(WaitUntil(Ended), "Ctrl+Q ends the program");
  return Result();
}
