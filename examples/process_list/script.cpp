// The process list's scripted run: a child process it starts appears in the list (not while the
// list is paused), and disappears once the script has ended it again.
#include "examples/script/script.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "examples/process_list/processes.h"
#include "runtime/text.h"
#include "runtime/wide.h"

using namespace script;

namespace {

// The list's key for a process of this executable.
std::string KeyOf(DWORD pid) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string file = Utf8(FromWide(path));
  return file.substr(file.find_last_of("\\/") + 1) + " (" + std::to_string(pid) + ")";
}

bool Lists(HWND list, DWORD pid) {
  const std::vector<std::string> texts = ListTexts(list);
  return std::find(texts.begin(), texts.end(), KeyOf(pid)) != texts.end();
}

// Starts this executable again as a child that only waits.
PROCESS_INFORMATION StartChild() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string command = u"\"" + FromWide(path) + u"\" --sleep";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(path, Wide(command), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
    child = PROCESS_INFORMATION{};
  return child;
}

}  // namespace

int RunProcessListScript(ProcessList& app) {
  HandleEventsWith([&](int32_t id) { return app.Handle(id); });
  const HWND list = Hwnd(app.list), pause = Hwnd(app.pause);
  const DWORD self = GetCurrentProcessId();
  auto paused = [&] { return SendMessageW(pause, BM_GETCHECK, 0, 0) == BST_CHECKED; };
  auto clickPause = [&] {
    RECT r{};
    GetClientRect(pause, &r);
    Click(pause, POINT{8, r.bottom / 2});  // on the box itself
  };

  Check(WaitUntil([&] { return Lists(list, self); }), "the list shows this program: " + KeyOf(self));

  // Paused, the list stands still while ticks go by.
  clickPause();
  Check(WaitUntil(paused), "a click checks Pause");
  PROCESS_INFORMATION child = StartChild();
  Check(child.hProcess != nullptr, "the child process starts");
  const int32_t ticks = TimerTickCount(app.timer);
  Check(WaitUntil([&] { return TimerTickCount(app.timer) >= ticks + 3; }), "the timer keeps ticking");
  Check(!Lists(list, child.dwProcessId), "a paused list does not show a new process");

  // Unpaused, it catches up.
  clickPause();
  Check(WaitUntil([&] { return !paused(); }), "a second click clears Pause");
  Check(WaitUntil([&] { return Lists(list, child.dwProcessId); }),
        "the list shows the child: " + KeyOf(child.dwProcessId));
  Check(WindowText(Hwnd(app.count)) == std::to_string(ListTexts(list).size()) + " processes",
        "the label counts the listed processes: " + WindowText(Hwnd(app.count)));

  // Only the child this script started is ended, by its own handle.
  if (child.hProcess) {
    TerminateProcess(child.hProcess, 0);
    WaitForSingleObject(child.hProcess, 5000);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
  }
  Check(WaitUntil([&] { return !Lists(list, child.dwProcessId); }), "the ended child leaves the list");
  Check(Lists(list, self), "this program stays listed");

  PressKeys({VK_MENU, VK_F4});
  Check(WaitUntil(Ended), "Alt+F4 ends the program");
  return Result();
}
