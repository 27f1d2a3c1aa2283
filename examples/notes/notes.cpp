// Notes: a window with a menu bar and hot keys, a title field, a category choice, a list of every
// note and a tree grouping the notes by category. With --script it drives and checks itself.
#include "examples/notes/notes.h"

#include <windows.h>

#include "event/event.h"
#include "event/queue.h"
#include "examples/script/script.h"
#include "gui/constants.h"
#include "gui/win32/module_win32.h"
#include "runtime/startup.h"
#include "runtime/text.h"

namespace {

const char16_t* const categories[] = {u"Work", u"Home", u"Ideas"};

int scriptStatus = 0;

}  // namespace

void Notes::Build() {
  window = MakeWindow(u"Notes", 100, 80, 520, 340, nullptr,
                      WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::MenuBar |
                          WindowStyle::StatusBar | WindowStyle::ClientCoords);

  // [guide:menu-bar]
  // Menu entries hang below the window's menu root; a hot key shows itself in the entry's text.
  // The bar shows changes only once it is rebuilt.
  const Ref<TGadget> file = MakeMenu(u"&File", 0, GetWindowMenuRoot(window));
  MakeMenu(u"&New note", NotesTag::NewNote, file, 'N', ModControl);
  MakeMenu(u"", 0, file);  // an empty text makes a separator
  MakeMenu(u"&Quit", NotesTag::Quit, file, 'Q', ModControl);
  RebuildWindowMenu(window);
  // [/guide:menu-bar]

  MakeLabel(u"Title:", 10, 14, 40, 20, window, 0);
  title = MakeTextField(55, 10, 200, 24, window, 0);
  category = MakeComboBox(265, 10, 110, 24, window, 0);
  for (const char16_t* c : categories) AppendGadgetEntry(category, c);
  SelectGadgetEntry(category, 0);
  add = MakeButton(u"Add", 385, 9, 70, 26, window, ButtonStyle::Push | ButtonStyle::Default);

  // [guide:list-and-tree]
  list = MakeListBox(10, 44, 245, 290, window, 0);
  tree = MakeTreeView(265, 44, 245, 290, window, 0);
  // The list keeps its left edge and takes half the width; the tree the other half.
  SetGadgetEdges(list, EdgeMode::Aligned, EdgeMode::Relative, EdgeMode::Aligned, EdgeMode::Aligned);
  SetGadgetEdges(tree, EdgeMode::Relative, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned);
  for (const char16_t* c : categories) categoryNodes.push_back(AppendTreeNode(c, GetTreeRoot(tree)));
  // [/guide:list-and-tree]

  ChangeStatusText(window, u"Type a title, choose a category, then File > New note (Ctrl+N).");
}

// [guide:handle]
bool Notes::Handle(int32_t id) {
  const Ref<TObject> source = ActiveEventSource();
  // Gadgets are compared by identity with the ones the program made.
  if (id == WindowClose && source == window) return false;
  if (id == MenuAction && ActiveEventData() == NotesTag::Quit) return false;
  if ((id == MenuAction && ActiveEventData() == NotesTag::NewNote) || (id == GadgetAction && source == add)) {
    AddNote();
  }
  return true;
}
// [/guide:handle]

// [guide:add-note]
void Notes::AddNote() {
  const std::u16string text = GetTextFieldText(title);
  if (text.empty()) {
    ChangeStatusText(window, u"A note needs a title.");
    return;
  }
  int32_t chosen = GetSelectedEntry(category);
  if (chosen < 0) chosen = 0;
  AppendGadgetEntry(list, text + u" (" + categories[chosen] + u")");
  AppendTreeNode(text, categoryNodes[chosen]);
  ExpandTreeNode(categoryNodes[chosen]);
  // The program's own changes send no events: clearing the field is not taken for typing.
  ChangeGadgetText(title, u"");
  ChangeStatusText(window, IntText(CountGadgetEntries(list)) + u" notes");
}
// [/guide:add-note]

namespace {

// [guide:startup]
void Program() {
  ApplicationTitle = u"Notes";
  Win32GuiModuleStart();
  Notes notes;
  notes.Build();
  if (script::HasArgument(u"--script")) {
    scriptStatus = RunNotesScript(notes);
  } else {
    while (notes.Handle(WaitNextEvent())) {
    }
  }
  DestroyGadget(notes.window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // An uncaught runtime error ends the program with status 1 and its text on standard error.
  const int status = RuntimeMain(__argc, __argv, Program);
  return status != 0 ? status : scriptStatus;
}
// [/guide:startup]
