// The program's end from any of its windows: the tray icon goes first, then the modules end.
#include "app/program.h"
#include "app/tray.h"
#include "runtime/module.h"

void QuitProgram() {
  RemoveTrayIcon();
  End();
}
