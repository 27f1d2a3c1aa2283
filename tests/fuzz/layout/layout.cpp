// Fuzz target: the layout arithmetic with any edge modes, shapes and parent sizes. Overflow must
// wrap, never trap, and a laid-out gadget's rectangle must be what its edges say.
#include "gui/constants.h"
#include "gui/gadget.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

class TSizedGadget : public TGadget {
 public:
  int32_t cw = 0, ch = 0;
  int32_t ClientWidth() override { return cw; }
  int32_t ClientHeight() override { return ch; }
};

int32_t Number(FuzzedDataProvider& in) {
  // Small numbers, and now and then the extremes where the arithmetic wraps.
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      return in.ConsumeIntegral<int32_t>();
    case 1:
      return in.PickValueInArray({INT32_MIN, INT32_MIN + 1, -1, 0, 1, INT32_MAX - 1, INT32_MAX});
    default:
      return in.ConsumeIntegralInRange<int32_t>(-1000, 1000);
  }
}

int32_t Mode(FuzzedDataProvider& in) {
  // The three modes, and a value that is none of them.
  return in.ConsumeIntegralInRange<int32_t>(-1, 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  auto parent = New<TSizedGadget>();
  parent->cw = Number(in);
  parent->ch = Number(in);
  auto kid = New<TSizedGadget>();
  kid->cw = Number(in);
  kid->ch = Number(in);
  kid->_setparent(parent, -1);
  auto grandkid = New<TSizedGadget>();
  grandkid->_setparent(kid, -1);
  grandkid->SetShape(Number(in), Number(in), Number(in), Number(in));
  grandkid->SetLayout(Mode(in), Mode(in), Mode(in), Mode(in));
  kid->SetShape(Number(in), Number(in), Number(in), Number(in));
  kid->SetLayout(Mode(in), Mode(in), Mode(in), Mode(in));
  for (int round = 0; round < 4 && in.remaining_bytes() > 0; ++round) {
    parent->cw = Number(in);
    parent->ch = Number(in);
    kid->cw = Number(in);
    kid->ch = Number(in);
    parent->LayoutKids();
    // Both edges aligned: the distances to the parent's edges stay (modulo 2^32).
    if (kid->lockl == EdgeMode::Aligned && kid->lockr == EdgeMode::Aligned) {
      const int32_t now = parent->cw < 1 ? 1 : parent->cw;
      const uint32_t right = static_cast<uint32_t>(kid->xpos) + static_cast<uint32_t>(kid->width);
      const uint32_t want = static_cast<uint32_t>(kid->lockx) + static_cast<uint32_t>(kid->lockw) -
                            static_cast<uint32_t>(kid->lockcw) + static_cast<uint32_t>(now);
      FUZZ_CHECK(kid->xpos == kid->lockx && right == want);
    }
  }
  // A kid and its parent hold each other; detaching breaks the cycle.
  grandkid->_setparent(nullptr, -1);
  kid->_setparent(nullptr, -1);
  return 0;
}
