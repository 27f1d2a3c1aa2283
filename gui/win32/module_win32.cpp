// Start-up of the Win32 gadget driver module.
#include "gui/win32/module_win32.h"

#include "event/hook.h"
#include "event/input.h"
#include "event/queue.h"
#include "event/timer.h"
#include "event/win32/system_win32.h"
#include "gui/gadget.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/hooks.h"
#include "runtime/module.h"

void Win32GuiModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  // Every module a toolkit program uses, in dependency order; the program starts nothing else:
  // its loop takes events from the queue, timers tick into it and the polled input is read beside
  // it.
  RuntimeModuleStart();
  EventModuleStart();
  QueueModuleStart();
  Win32SystemModuleStart();
  GuiModuleStart();
  TimerModuleStart();
  InputModuleStart();
  MenuTagMap.clear();
  MenuGadgetMap.clear();
  NextMenuTag = MenuTag::First;
  ActiveGuiDriver = New<TWin32GUIDriver>();
  // After the driver, so that the hooks' exit handler runs before the native layer's.
  InstallThreadHooks();
}
