// Varnoc's entry point: the runtime start-up, the modules in their order, then the program.
#include <windows.h>

#include "app/program.h"
#include "event/hook.h"
#include "event/queue.h"
#include "event/win32/system_win32.h"
#include "gui/gadget.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/module.h"
#include "runtime/startup.h"

namespace {

// The program's own module: the core, then every module it links in dependency order; the Win32
// gadget driver, started last, is the toolkit's driver.
void AppModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventModuleStart();
  QueueModuleStart();
  Win32SystemModuleStart();
  GuiModuleStart();
  Win32GuiModuleStart();
}

void Program() {
  AppModuleStart();
  RunProgram();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RuntimeMain(__argc, __argv, Program); }
