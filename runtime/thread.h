// The main thread, the one that started the runtime, and the check that a call comes from it.
#pragma once

#include <string_view>
#include <thread>

// The thread that started the runtime (RuntimeModuleStart); no thread's id before the start.
extern std::thread::id RuntimeMainThread;

// Records the calling thread as the main thread; RuntimeModuleStart calls it once.
void MarkMainThread();

// True on the main thread, and on every thread before the runtime is started. Reference counts
// and the toolkit's and event system's state are the main thread's alone.
inline bool OnMainThread() {
  return RuntimeMainThread == std::thread::id() || std::this_thread::get_id() == RuntimeMainThread;
}

// Raises the runtime error of a call from another thread: "<function>: called from a thread other
// than the main one ...", naming the way to hand the call over, PostMainThreadCall.
[[noreturn]] void RaiseNotMainThread(std::u16string_view function);

// Sends nothing; refuses a call of `function` from a thread other than the main one with the
// runtime error of RaiseNotMainThread, instead of letting it race with the main thread or wait for
// a message that never comes.
inline void RequireMainThread(std::u16string_view function) {
  if (!OnMainThread()) RaiseNotMainThread(function);
}
