// A window shaped like the gallery's for the keyboard tests: nested panels, a group box of
// sliders, a tabber with controls on two pages, a tree, a text area and a default button.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/toolkit.h"

struct GalleryShape {
  Ref<TGadget> win;
  Ref<TGadget> outer, field, inner, push, check;  // a panel with a field and a panel in it
  Ref<TGadget> group, track, scroll, updown;      // a group box of sliders
  Ref<TGadget> tabber, page1, pageButton, pageField, page2, pageList;
  Ref<TGadget> tree, area, ok;

  // Every control the keyboard reaches while the first page shows, in the order they were made.
  std::vector<Ref<TGadget>> Stops() const;
  // Shows the page with `index` and hides the other, as a program does on the tabber's action.
  void ShowPage(int32_t index) const;
  // The window the focus is on when `g` has it: a tabber's tab strip, any other gadget's main
  // window.
  static HWND Target(const Ref<TGadget>& g);
  // A short name of the gadget that has the focus, for messages ("none" outside the window).
  std::string Focused() const;
};

// Makes the window, shown and active; freed at the fixture's end.
GalleryShape MakeGalleryShape();
