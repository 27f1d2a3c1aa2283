// The main thread's identity and the error of a call from another thread.
#include "runtime/thread.h"

#include <string>

#include "runtime/object.h"

std::thread::id RuntimeMainThread;

void MarkMainThread() { RuntimeMainThread = std::this_thread::get_id(); }

void RaiseNotMainThread(std::u16string_view function) {
  RuntimeError(std::u16string(function) +
               u": called from a thread other than the main one (the thread that started the toolkit); "
               u"the toolkit and the event system run on the main thread only: hand the call to it with "
               u"PostMainThreadCall");
}
