// Exit handlers, run last registered first, and the end of the program.
#include "runtime/module.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/thread.h"

namespace {
// Never destroyed: the handlers run from std::atexit, after static destructors of objects made
// later than the registration, so a list that static destruction could free would be read freed.
std::vector<std::function<void()>>& Handlers() {
  static auto& handlers = *new std::vector<std::function<void()>>;
  return handlers;
}
bool runtimeStarted = false;
}  // namespace

void RuntimeModuleStart() {
  if (!EnterModule(runtimeStarted)) return;
  // The thread that starts the program's modules is the one every toolkit and event call must
  // come from.
  MarkMainThread();
  // A plain exit() or a return from main still releases what the modules registered.
  std::atexit(RunExitHandlers);
}

void AtExit(std::function<void()> handler) { Handlers().push_back(std::move(handler)); }

void RunExitHandlers() {
  auto& h = Handlers();
  // A handler may register another; popping first runs each exactly once.
  while (!h.empty()) {
    auto handler = std::move(h.back());
    h.pop_back();
    handler();
  }
}

void End() {
  RunExitHandlers();
  std::fflush(nullptr);
  // Static destructors are skipped on purpose: native windows and hooks are gone by now and the
  // globals that referred to them must not be released into a dead driver.
  std::_Exit(0);
}
