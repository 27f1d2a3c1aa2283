// The platform-independent layout engine: shapes, the recorded layout base and edge modes.
#include <algorithm>

#include "gui/gadget.h"

namespace {

// 32-bit arithmetic that wraps like the machine's instead of overflowing into undefined
// behaviour; a parent millions of pixels wide must not crash layout.
int32_t Add(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t Sub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
int32_t Mul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// Truncates toward zero; d is at least 1 wherever layout divides.
int32_t Div(int32_t a, int32_t d) { return a / d; }

// One axis of DoLayout: start and size of the gadget, its two edge modes, the recorded start and
// size, the recorded parent extent and the parent's extent now. Answers the new start and end.
void LayAxis(int32_t pos, int32_t size, int32_t lockLow, int32_t lockHigh, int32_t base, int32_t extent,
             int32_t baseParent, int32_t parentNow, int32_t& p0, int32_t& p1) {
  p0 = pos;
  p1 = Add(pos, size);
  if (lockLow != EdgeMode::Free || lockHigh != EdgeMode::Free) {
    if (lockLow == EdgeMode::Aligned) {
      p0 = base;
    } else if (lockLow == EdgeMode::Relative) {
      p0 = Div(Mul(parentNow, base), baseParent);
    }
    if (lockHigh == EdgeMode::Aligned) {
      p1 = Add(Sub(Add(base, extent), baseParent), parentNow);
    } else if (lockHigh == EdgeMode::Relative) {
      p1 = Div(Mul(parentNow, Add(base, extent)), baseParent);
    }
    if (lockLow == EdgeMode::Free) {
      p0 = Sub(p1, extent);
    } else if (lockHigh == EdgeMode::Free) {
      p1 = Add(p0, extent);
    }
  } else {
    // Both edges free: the size stays and the centre scales with the parent.
    const int32_t half = Div(extent, 2);
    p0 = Sub(Div(Mul(parentNow, Add(base, half)), baseParent), half);
    p1 = Add(p0, extent);
  }
}

}  // namespace

void TGadget::SetShape(int32_t x, int32_t y, int32_t w, int32_t h) {
  SetArea(x, y, w, h);
  LockLayout();
}

void TGadget::SetArea(int32_t x, int32_t y, int32_t w, int32_t h) {
  SetRect(x, y, w, h);
  Rethink();
  LayoutKids();
}

void TGadget::SetRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  xpos = x;
  ypos = y;
  width = w;
  height = h;
}

void TGadget::LockLayout() {
  lockx = xpos;
  locky = ypos;
  lockw = width;
  lockh = height;
  lockcw = 1;
  lockch = 1;
  if (parent) {
    lockcw = std::max(1, parent->ClientWidth());
    lockch = std::max(1, parent->ClientHeight());
  }
}

void TGadget::SetLayout(int32_t left, int32_t right, int32_t top, int32_t bottom) {
  lockl = left;
  lockr = right;
  lockt = top;
  lockb = bottom;
  LockLayout();
}

void TGadget::LayoutKids() {
  // A driver's Rethink may attach or detach gadgets while the kids are laid out; work on the kids
  // as they were when layout began.
  std::vector<Ref<TGadget>> snapshot;
  snapshot.reserve(kids->Count());
  for (const Ref<TObject>& kid : *kids) {
    if (auto* g = dynamic_cast<TGadget*>(kid.get())) snapshot.emplace_back(g);
  }
  for (const Ref<TGadget>& g : snapshot) g->DoLayout();
}

void TGadget::DoLayout() {
  if (!parent) return;
  // A gadget whose base was never recorded (no SetShape or SetLayout yet) keeps its rectangle:
  // the base divides the parent's size, and a gadget that was never placed by layout has nothing
  // to follow. Its own kids need nothing either, since its client size does not change.
  if (lockcw < 1 || lockch < 1) return;
  const int32_t cw = std::max(1, parent->ClientWidth());
  const int32_t ch = std::max(1, parent->ClientHeight());
  int32_t x0, x1, y0, y1;
  LayAxis(xpos, width, lockl, lockr, lockx, lockw, lockcw, cw, x0, x1);
  LayAxis(ypos, height, lockt, lockb, locky, lockh, lockch, ch, y0, y1);
  SetArea(x0, y0, Sub(x1, x0), Sub(y1, y0));
}
