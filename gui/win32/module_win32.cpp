// Start-up of the Win32 gadget driver module.
#include "gui/win32/module_win32.h"

#include "event/win32/system_win32.h"
#include "gui/gadget.h"
#include "gui/win32/gadget_win32.h"
#include "runtime/module.h"

void Win32GuiModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  GuiModuleStart();
  Win32SystemModuleStart();
  MenuTagMap.clear();
  MenuGadgetMap.clear();
  NextMenuTag = 100;
  ActiveGuiDriver = New<TWin32GUIDriver>();
}
