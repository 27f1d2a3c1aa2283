// Once-only module start-up, exit handlers and the end of the program.
#pragma once

#include <functional>

// Each module's start-up routine begins with `if (!EnterModule(flag)) return;`. The flag is set
// before anything else is done, so a cycle of start-up routines that call each other ends at the
// second visit; the routine then starts the runtime core, its dependencies and its own globals.
inline bool EnterModule(bool& started) {
  if (started) return false;
  started = true;
  return true;
}

// The runtime core's own start-up; every module's start-up calls it first.
void RuntimeModuleStart();

// Registers a handler to run when the program ends; the last registered runs first.
void AtExit(std::function<void()> handler);
// Runs the registered exit handlers now, last registered first, each at most once.
void RunExitHandlers();
// Ends the program at once with exit status 0 after the exit handlers. Never returns.
[[noreturn]] void End();
