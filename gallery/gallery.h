// The gadget gallery's shared pieces: its pictures and the churn that keeps gadgets changing.
#pragma once

#include <cstdint>
#include <vector>

#include "gui/toolkit.h"

// A row of `count` square icons of `size` pixels in bright colours; icon `blankAt` (if any) is
// left all white, which tool bars show as a separator.
Ref<TPixmap> IconRow(int32_t count, int32_t size, int32_t blankAt = -1);
// A picture of `w` x `h` pixels: a colour wheel-like gradient whose hues turn with `phase`.
Ref<TPixmap> Gradient(int32_t w, int32_t h, int32_t phase);

// What the churn works on; every member may be Null when its kind is not available.
struct ChurnTargets {
  Ref<TGadget> window;
  Ref<TGadget> list;
  Ref<TGadget> tree;
  Ref<TGadget> panel;
};

// Creates, changes and frees list entries, tree nodes, menu entries and panel pictures, one step
// per call, so that a long run shows whether anything leaks or goes stale.
class Churn {
 public:
  explicit Churn(ChurnTargets targets);
  void Step();
  int64_t Steps() const { return steps; }

 private:
  ChurnTargets t;
  Ref<TGadget> menu;                // a menu bar entry whose items come and go
  std::vector<Ref<TGadget>> items;  // its items, oldest first
  Ref<TGadget> branch;              // a tree node whose children come and go
  int64_t steps = 0;
};
