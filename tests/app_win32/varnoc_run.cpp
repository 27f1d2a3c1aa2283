// One run of the real Varnoc.exe for the end-to-end tests.
#include "tests/app_win32/varnoc_run.h"

#include <vector>

#include "app/texts.h"
#include "runtime/text.h"
#include "tests/app_win32/desktop.h"

std::string HostName() { return Utf8(MakerHost); }
std::string MainTitle() { return "Varnoc V1.0" + std::string(7, ' ') + HostName(); }
std::string AlertTitle() { return "Quorvex Varnoc V1.0   - " + HostName() + " -  "; }

std::string VarnocPath() { return TestProgramPath("..\\app\\Varnoc.exe"); }

VarnocRun VarnocRun::Start(const std::string& exe) {
  VarnocRun run;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  run.process = StartChild(exe, temp);
  if (!run.process.running()) {
    run.error = "could not start " + exe;
    return run;
  }
  run.main = WaitTopWindow(run.process.id(), GadgetWindowClass, MainTitle(), 15000);
  if (!run.main) {
    run.error = "no main window titled \"" + MainTitle() + "\"";
    return run;
  }
  // The window gets its title before its gadgets exist: wait for the list area and the buttons.
  std::vector<HWND> areas;
  WaitUntil(
      [&] {
        areas = ChildWindows(run.main, "RichEdit20A");
        if (areas.empty()) areas = ChildWindows(run.main, "RichEdit20W");
        return areas.size() == 1 && ChildWindows(run.main, "Button").size() == 4;
      },
      15000);
  if (areas.size() != 1) {
    run.error = "the main window has " + std::to_string(areas.size()) + " text areas";
    return run;
  }
  run.list = areas.front();
  // The program answers other processes only once it waits in its dispatch: the list is built
  // without pumping, so the first answer that carries text comes after the last line.
  bool listed = WaitUntil([&] { return !TextOf(run.list, 15000).empty(); }, 15000);
  if (!listed || !Responds(run.main)) run.error = "the start-up list never completed";
  return run;
}

HWND VarnocRun::Button(const std::string& caption) const { return ChildWithText(main, "Button", caption); }

std::vector<std::string> VarnocRun::ListLines() const { return SplitLines(TextOf(list)); }

HWND VarnocRun::WaitWindow(const std::string& title, DWORD timeoutMs) const {
  return WaitTopWindow(process.id(), GadgetWindowClass, title, timeoutMs);
}

void WarmUpWine() {
  static bool done = false;
  if (done) return;
  done = true;
  VarnocRun run = VarnocRun::Start();
  if (!run.ok()) return;
  Press(run.Button("Exit"));
  run.process.WaitExit(10000);
}
