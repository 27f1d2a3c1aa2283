// The chapter on calls from another thread: work done on a thread of its own, its result shown by
// a function that runs on the main thread.
#include "docs/examples/guide.h"
#include "event/win32/system_win32.h"
#include "runtime/text.h"

namespace {

// [guide:main-thread]
// Runs on a thread of its own: it may not touch a gadget, an event or any counted object.
intptr_t SumUpTo(intptr_t n) {
  intptr_t sum = 0;
  for (intptr_t i = 1; i <= n; ++i) sum += i;
  return sum;
}

// Runs on the main thread, inside the event loop's wait, with the worker's result. `label` is
// the object given to StartBackgroundCall, kept alive until this call has returned.
void ShowSum(void* label, intptr_t sum) {
  const Ref<TGadget> gadget(static_cast<TGadget*>(static_cast<TObject*>(label)));
  ChangeGadgetText(gadget, u"Sum: " + IntText(sum));
}
// [/guide:main-thread]

}  // namespace

void Guide::StartSum() {
  // [guide:main-thread-start]
  sum = MakeLabel(u"Adding up...", 270, 100, 120, 20, window, 0);
  SetGadgetEdges(sum, EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
  // False only when no thread could be started.
  if (!StartBackgroundCall(SumUpTo, 1000, ShowSum, sum)) ChangeGadgetText(sum, u"No thread");
  // [/guide:main-thread-start]
}
