// Start-up of the Win32 gadget driver module.
#include "gui/win32/module_win32.h"

#include "event/input.h"
#include "event/queue.h"
#include "event/timer.h"
#include "event/win32/system_win32.h"
#include "gui/gadget.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/module.h"

void Win32GuiModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  GuiModuleStart();
  Win32SystemModuleStart();
  // A toolkit program needs nothing else started: its loop takes events from the queue, timers
  // tick into it and the polled input is read beside it.
  QueueModuleStart();
  TimerModuleStart();
  InputModuleStart();
  MenuTagMap.clear();
  MenuGadgetMap.clear();
  NextMenuTag = MenuTag::First;
  ActiveGuiDriver = New<TWin32GUIDriver>();
}
