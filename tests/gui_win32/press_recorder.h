// Counting presses: the sources of the actions emitted while a recorder lives.
#pragma once

#include <cstddef>
#include <vector>

// The support header first: it keeps the platform's macros off the toolkit's names.
#include "tests/gui_win32/support.h"

// Records the source of every GadgetAction emitted while it lives, each emit counted: the queue
// merges waiting actions of one gadget, so only the emits show a press made twice.
class PressRecorder {
 public:
  PressRecorder();
  ~PressRecorder();
  PressRecorder(const PressRecorder&) = delete;
  PressRecorder& operator=(const PressRecorder&) = delete;
  // Every action's source so far, in order.
  const std::vector<Ref<TObject>>& All() const;
  // How many actions `g` emitted.
  size_t Of(const Ref<TGadget>& g) const;
};
