// The layout chapter: gadgets that follow their window's size by the modes of their four edges.
#include "docs/examples/guide.h"

void Guide::BuildLayout() {
  // [guide:layout]
  // With ClientCoords the shape given is the client area's, so the children's places add up to it.
  window = MakeWindow(u"Guide", 100, 80, 400, 300, nullptr,
                      WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::ClientCoords);
  // The list keeps the distance of each edge to the window's: it grows with the window.
  list = MakeListBox(10, 10, 250, 240, window, 0);
  SetGadgetEdges(list, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned);
  // The button keeps its size in the bottom right corner: its left and top edges are free.
  ok = MakeButton(u"OK", 310, 260, 80, 30, window, ButtonStyle::Default);
  SetGadgetEdges(ok, EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Free, EdgeMode::Aligned);
  // The label below the list stretches sideways and keeps its height.
  error = MakeLabel(u"", 10, 262, 290, 24, window, 0);
  SetGadgetEdges(error, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free, EdgeMode::Aligned);
  // [/guide:layout]
}
