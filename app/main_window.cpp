// The program's start-up sequence, the main window, the start-up task list and the main dispatch.
#include "app/program.h"
#include "app/texts.h"
#include "app/tray.h"
#include "event/event.h"
#include "event/queue.h"
#include "event/system.h"
#include "gui/toolkit.h"
#include "runtime/module.h"
#include "runtime/startup.h"

Ref<TGadget> mainWindow;
Ref<TGadget> listArea;
Ref<TGadget> aboutButton;
Ref<TGadget> helpButton;
Ref<TGadget> goButton;
Ref<TGadget> exitButton;
std::unique_ptr<PROCESSENTRY32> currentEntry;
std::u16string lineText;

void RunProgram() {
  ApplicationTitle = ProgramTitle;
  BuildMainWindow();
  AddTrayIcon(mainWindow, u"Varnoc", u"xicon.ico");
  ListTasks();
  DispatchMainWindow();
}

void BuildMainWindow() {
  mainWindow = MakeWindow(MainWindowTitle(), 100, 100, 320, 600, nullptr, WindowStyle::TitleBar);
  listArea = MakeTextArea(5, 5, 305, 500, mainWindow, 0);
  aboutButton = MakeButton(u"About", 10, 530, 70, 25, mainWindow, ButtonStyle::Push);
  helpButton = MakeButton(u"Help", 83, 530, 70, 25, mainWindow, ButtonStyle::Push);
  goButton = MakeButton(u" G O ! ", 157, 530, 70, 25, mainWindow, ButtonStyle::Push);
  exitButton = MakeButton(u"Exit", 230, 530, 70, 25, mainWindow, ButtonStyle::Push);
  // The keyboard starts on the first button: Tab in the list would be typed into it.
  FocusGadget(aboutButton);
}

void ListTasks() {
  currentEntry = std::make_unique<PROCESSENTRY32>();
  int32_t n = 0;
  WalkProcessSnapshot(*currentEntry, [&n](const PROCESSENTRY32& entry) {
    lineText = TaskLine(n, ReadExeName(entry));
    // The pause paces the list so that it visibly builds line by line.
    PauseMillis(25);
    ++n;
    AppendTextAreaText(listArea, lineText);
    // Nothing else repaints the window while the list is built: no events are pumped here.
    RepaintNow(QueryGadgetHandle(mainWindow, QueryKind::NativeHandle));
  });
}

void DispatchMainWindow() {
  for (;;) {
    WaitNextEvent();
    int32_t id = ActiveEventId();
    if (id == WindowClose) QuitProgram();
    if (id != GadgetAction) continue;
    const TObject* source = ActiveEventSource().get();
    if (source == aboutButton.get()) {
      ShowAbout();
    } else if (source == goButton.get()) {
      WatchForNewTask();
    } else if (source == helpButton.get()) {
      ShowHelp();
    } else if (source == exitButton.get()) {
      QuitProgram();
    }
  }
}
