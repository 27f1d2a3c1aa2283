// A window's gadgets taking a new DPI: their fonts and icon lists made again for it.
#include "gui/win32/native/dpi_change.h"

#include <algorithm>
#include <vector>

void RefitForDpi(VellGadget* gadget) {
  if (VellFont* f = gadget->font) {
    // Setting the same font again re-sends it; held meanwhile so the swap cannot free it.
    f->Retain();
    gadget->SetFont(f);
    f->Release();
  }
  if (VellIconStrip* s = gadget->iconstrip) {
    s->Retain();
    gadget->SetIconStrip(s);
    s->Release();
  }
  auto* group = dynamic_cast<VellGroup*>(gadget);
  if (!group) return;
  // Sending a font runs platform code; a child that leaves meanwhile is skipped.
  std::vector<VellGadget*> now = group->kids;
  for (VellGadget* k : now) {
    if (std::find(group->kids.begin(), group->kids.end(), k) != group->kids.end()) RefitForDpi(k);
  }
}
