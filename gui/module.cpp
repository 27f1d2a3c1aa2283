// The gadget toolkit's start-up.
#include "runtime/module.h"

#include "event/hook.h"
#include "event/system.h"
#include "gui/gadget.h"
#include "gui/pixmap.h"

void GuiModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventModuleStart();
  SystemModuleStart();
  PixmapModuleStart();
  nullGadget = New<TGadget>();
}
