// Hook ids and prioritised hook lists: the mechanism every emitted event runs through.
#pragma once

#include <cstdint>

#include "runtime/object.h"

// A hook function gets the list's id, the value the previous hook returned (the emitted object
// for the first hook) and the context it was installed with; what it returns is what the next
// hook receives. Returning Null swallows the value. Hook functions are plain function pointers so
// that removal can compare them by identity and running a list costs no allocation.
using THookFunc = Ref<TObject> (*)(int32_t id, const Ref<TObject>& data, const Ref<TObject>& context);

// The function a new hook starts with: raises TNullFunctionException when called.
Ref<TObject> NullHookFunc(int32_t id, const Ref<TObject>& data, const Ref<TObject>& context);

// One entry of a hook list. Lists run from the highest priority down.
class THook : public TObject {
 public:
  Ref<THook> succ;
  int32_t priority = 0;
  THookFunc func = NullHookFunc;
  Ref<TObject> context;
  // Set when the hook leaves its list. A run that is passing through it still follows its succ,
  // which may lead to hooks removed since; a run skips every hook marked so.
  bool removed = false;
};

// Number of hook lists; ids run 0..HookListCount-1.
constexpr int32_t HookListCount = 256;

// The list every emitted event runs through; the first id reserved in the program (0).
extern int32_t EventHookId;

// Reserves the next hook id (0, 1, 2, ...). The 257th reservation throws "Too many hook ids".
int32_t ReserveHookId();

// Adds a hook behind every hook of greater or equal priority, so equal priorities run in the
// order they were installed. The same function and context may be installed several times.
// Ids outside 0..255 are ignored by InstallHook and UninstallHook; CallHooks returns data for them.
// Neither InstallHook nor UninstallHook raises.
void InstallHook(int32_t id, THookFunc func, Ref<TObject> context, int32_t priority);
// Removes the first hook of list `id` whose function and context are both the given ones (by
// identity); nothing happens when there is none.
void UninstallHook(int32_t id, THookFunc func, const Ref<TObject>& context);
// Runs list `id` in order, each hook receiving the previous one's result; returns the last result,
// or `data` itself when the list is empty. Hooks may install or remove hooks while the list runs;
// a hook removed by then never runs, whatever the order of removals (a hook may remove itself and
// then others). Raises what a hook raises, which ends the run there (later hooks do not run); a
// hook never given a function raises TNullFunctionException.
Ref<TObject> CallHooks(int32_t id, Ref<TObject> data);

// The first hook of list `id` (Null for an empty list or an id outside 0..255).
Ref<THook> HookListHead(int32_t id);

// Starts the event module: reserves EventHookId.
void EventModuleStart();
