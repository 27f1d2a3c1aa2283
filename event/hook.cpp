// Hook lists: reservation of ids, ordered installation, removal and running a list.
#include "event/hook.h"

#include <array>

#include "runtime/module.h"

int32_t EventHookId = 0;

namespace {

std::array<Ref<THook>, HookListCount> hookLists;
int32_t lastHookId = -1;

bool ValidHookId(int32_t id) { return id >= 0 && id < HookListCount; }

}  // namespace

Ref<TObject> NullHookFunc(int32_t, const Ref<TObject>&, const Ref<TObject>&) { ThrowNullFunction(); }

int32_t ReserveHookId() {
  if (lastHookId >= HookListCount - 1) RuntimeError(u"Too many hook ids");
  return ++lastHookId;
}

void InstallHook(int32_t id, THookFunc func, Ref<TObject> context, int32_t priority) {
  if (!ValidHookId(id)) return;
  Ref<THook> hook = New<THook>();
  hook->priority = priority;
  hook->func = func;
  hook->context = std::move(context);
  Ref<THook>* link = &hookLists[id];
  while (*link && (*link)->priority >= priority) link = &(*link)->succ;
  hook->succ = std::move(*link);
  *link = std::move(hook);
}

void UninstallHook(int32_t id, THookFunc func, const Ref<TObject>& context) {
  if (!ValidHookId(id)) return;
  for (Ref<THook>* link = &hookLists[id]; *link; link = &(*link)->succ) {
    THook* h = link->get();
    if (h->func == func && h->context == context) {
      // The removed hook keeps its successor, so a list that is running through it carries on;
      // the mark stops that run at hooks that left the list after it.
      h->removed = true;
      *link = h->succ;
      return;
    }
  }
}

Ref<TObject> CallHooks(int32_t id, Ref<TObject> data) {
  if (!ValidHookId(id)) return data;
  // The running hook is held so that removing itself from inside its function is safe. A hook
  // that removed itself still leads on through its old successors, which it may have removed
  // afterwards: those are passed over.
  for (Ref<THook> h = hookLists[id]; h; h = h->succ) {
    if (!h->removed) data = h->func(id, data, h->context);
  }
  return data;
}

Ref<THook> HookListHead(int32_t id) { return ValidHookId(id) ? hookLists[id] : Ref<THook>(); }

void EventModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventHookId = ReserveHookId();
}
