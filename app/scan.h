// One scan of watch mode: what a walk over the process list tells about the newest process.
#pragma once

#include <string>
#include <utility>

#include "app/snapshot.h"
#include "app/texts.h"

// Walks once (`walk(visit)` calls `visit(entry)` for each entry it delivers) and answers whether
// watching goes on. The last entry's name becomes `lastName`, and watching goes on while that is
// the program's own name; a walk that delivers no entry leaves `lastName` as it was and decides on
// it. A last entry without a name is a process caught while it is still being created (its image
// name is filled in a moment later): such a scan decides nothing, leaves `lastName` alone, and
// the next scan sees the name.
template <class Walk>
bool ScanKeepsWatching(std::u16string& lastName, Walk&& walk) {
  bool walked = false;
  std::u16string name;
  walk([&](const PROCESSENTRY32& entry) {
    walked = true;
    name = ReadExeName(entry);
  });
  if (walked && name.empty()) return true;
  if (walked) lastName = std::move(name);
  return IsOwnExeName(lastName);
}
