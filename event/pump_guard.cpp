// The refusal of a wait asked for inside the message pump.
#include "event/pump_guard.h"

#include <string>

#include "event/system.h"
#include "runtime/object.h"

void RefuseInsidePump(const char16_t* function) {
  if (!SystemPumpBusy()) return;
  RuntimeError(
      std::u16string(function) +
      u": called inside the message pump (from a hook, an event filter or a window procedure), where "
      u"no new event can arrive; take events only in the program's own loop");
}
