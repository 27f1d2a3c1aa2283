// Varnoc's entry point: the runtime start-up, the modules in their order, then the program.
#include <windows.h>

#include "app/program.h"
#include "gui/win32/module_win32.h"
#include "runtime/startup.h"

namespace {

void Program() {
  // Every module the program links, in dependency order; the Win32 gadget driver is the toolkit's.
  Win32GuiModuleStart();
  RunProgram();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RuntimeMain(__argc, __argv, Program); }
