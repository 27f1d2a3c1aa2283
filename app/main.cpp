// Varnoc's entry point: the runtime start-up, then the program's statements.
#include <windows.h>

#include "app/snapshot.h"
#include "runtime/module.h"
#include "runtime/startup.h"

namespace {
PROCESSENTRY32 entry;

void Program() {
  WalkProcessSnapshot(entry, [](const PROCESSENTRY32&) {});
  End();
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RuntimeMain(__argc, __argv, Program); }
