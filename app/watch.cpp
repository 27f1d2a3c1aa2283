// Watch mode: scans of the process list until a new task is last, then the interception alert.
#include "app/program.h"
#include "app/scan.h"
#include "app/texts.h"
#include "app/tray.h"
#include "event/event.h"
#include "event/queue.h"
#include "event/system.h"
#include "gui/toolkit.h"

std::u16string lastName;

namespace {
Ref<TGadget> alertWindow;
Ref<TGadget> alertLabel;
Ref<TGadget> alertExit;
}  // namespace

void WatchForNewTask() {
  WindowToMinimized(mainWindow);
  currentEntry = std::make_unique<PROCESSENTRY32>();
  // Each snapshot is closed before the pause, so a long watch holds no more than a short one.
  bool watching;
  do {
    watching = ScanKeepsWatching(lastName, [](auto&& visit) { WalkProcessSnapshot(*currentEntry, visit); });
    PauseMillis(100);
  } while (watching);
  ShowAlert();
}

void ShowAlert() {
  DestroyGadget(mainWindow);
  RemoveTrayIcon();
  std::u16string date = CurrentDateText();
  std::u16string time = CurrentTimeText();
  lineText = AlertText(time, date, lastName);
  alertWindow = MakeWindow(AlertWindowTitle(), 50, 100, 640, 125, nullptr, WindowStyle::TitleBar);
  alertLabel = MakeLabel(lineText, 15, 20, 600, 16, alertWindow, LabelStyle::Center | LabelStyle::Sunken);
  alertExit = MakeButton(u"Exit", 272, 55, 80, 23, alertWindow, ButtonStyle::Ok);
  // The alert comes up in a program that has no active window left: taking the focus activates
  // it, so that it answers the keyboard (Enter, Escape, Alt+F4) at once.
  FocusGadget(alertExit);
  for (;;) {
    WaitNextEvent();
    int32_t id = ActiveEventId();
    if (id == WindowClose) QuitProgram();
    if (id == GadgetAction && ActiveEventSource().get() == alertExit.get()) QuitProgram();
  }
}
