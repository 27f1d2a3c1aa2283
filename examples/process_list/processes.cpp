// Process list: a list box kept in step with the running processes. A timer takes a snapshot a few
// times a second into the list's data source and re-synchronises the list from it; a check box
// pauses that. With --script it drives and checks itself.
#include "examples/process_list/processes.h"

#include <windows.h>
// The snapshot functions need the base platform header first.
#include <tlhelp32.h>

#include "event/event.h"
#include "event/queue.h"
#include "examples/script/script.h"
#include "gui/constants.h"
#include "gui/win32/module_win32.h"
#include "runtime/startup.h"
#include "runtime/text.h"
#include "runtime/wide.h"

namespace {

constexpr float RefreshesPerSecond = 4;

int scriptStatus = 0;

std::vector<std::u16string> RunningProcesses() {
  std::vector<std::u16string> keys;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return keys;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    keys.push_back(FromWide(entry.szExeFile) + u" (" + IntText(entry.th32ProcessID) + u")");
  }
  CloseHandle(snapshot);
  return keys;
}

}  // namespace

void ProcessList::Build() {
  window = MakeWindow(u"Processes", 140, 100, 360, 420, nullptr,
                      WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::ClientCoords);
  count = MakeLabel(u"", 10, 14, 200, 20, window, 0);
  pause = MakeButton(u"Pause", 270, 10, 80, 24, window, ButtonStyle::CheckBox);
  SetGadgetEdges(pause, EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
  // [guide:data-source]
  list = MakeListBox(10, 40, 340, 370, window, 0);
  SetGadgetEdges(list, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned);
  // From now on the list's entries are the data source's keys; the program changes the source
  // and asks for a re-synchronisation instead of adding and deleting entries itself.
  list->SetDataSource(processes);
  Refresh();
  // Ticks arrive as TimerTick events whose source is the timer.
  timer = NewTimer(RefreshesPerSecond, nullptr);
  // [/guide:data-source]
}

// [guide:refresh]
bool ProcessList::Handle(int32_t id) {
  const Ref<TObject> source = ActiveEventSource();
  if (id == WindowClose && source == window) return false;
  if (id == TimerTick && source == timer) Refresh();
  if (id == GadgetAction && source == pause) Refresh();  // unpaused: catch up at once
  return true;
}

void ProcessList::Refresh() {
  if (GetButtonCheck(pause)) return;
  processes->items = RunningProcesses();
  // Entries that stayed keep their place (and their selection); only the changes are made.
  list->SyncDataSource();
  ChangeGadgetText(count, IntText(CountGadgetEntries(list)) + u" processes");
}
// [/guide:refresh]

namespace {

void Program() {
  ApplicationTitle = u"Processes";
  // The scripted run's child: it only waits, listed like any other process, until it is ended.
  if (script::HasArgument(u"--sleep")) {
    Sleep(60000);
    return;
  }
  Win32GuiModuleStart();
  ProcessList app;
  app.Build();
  if (script::HasArgument(u"--script")) {
    scriptStatus = RunProcessListScript(app);
  } else {
    while (app.Handle(WaitNextEvent())) {
    }
  }
  HaltTimer(app.timer);
  DestroyGadget(app.window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int status = RuntimeMain(__argc, __argv, Program);
  return status != 0 ? status : scriptStatus;
}
