// The process list's gadgets, its data source and its reaction to events, shared by the program
// and its script.
#pragma once

#include <cstdint>

#include "event/timer.h"
#include "gui/toolkit.h"
#include "runtime/containers.h"

struct ProcessList {
  Ref<TGadget> window, count, pause, list;
  // The list box's data source: one key per running process, "name (id)". The list box follows
  // it with few insertions and removals each time it is re-synchronised.
  Ref<TStringArray> processes = New<TStringArray>();
  Ref<TTimer> timer;

  void Build();
  // Reacts to one event taken from the queue; false when the program should end.
  bool Handle(int32_t id);
  // Takes a fresh snapshot of the running processes into the data source and syncs the list.
  void Refresh();
};

// The scripted run (--script): starts a child process and ends it again, checking that the list
// follows. Answers the exit status: 0 when every check passed.
int RunProcessListScript(ProcessList& app);
