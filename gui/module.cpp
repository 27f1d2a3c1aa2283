// The gadget toolkit's start-up.
#include "runtime/module.h"

#include "event/hook.h"
#include "gui/gadget.h"
#include "gui/pixmap.h"

void GuiModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventModuleStart();
  PixmapModuleStart();
  nullGadget = New<TGadget>();
}
