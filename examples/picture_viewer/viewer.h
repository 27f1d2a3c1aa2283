// The picture viewer's gadgets and its reaction to events, shared by the program and its script.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "gui/toolkit.h"

// The tool bar's buttons, in the order of the icons in its strip.
namespace ViewerButton {
constexpr int32_t Open = 0;
constexpr int32_t Fit = 1;
constexpr int32_t ActualSize = 2;
}  // namespace ViewerButton

struct Viewer {
  Ref<TGadget> window, toolbar, panel;
  Ref<TPixmap> picture;              // Null until a picture was opened
  int32_t mode = PanelPicture::Fit;  // how the panel shows it: Fit or Centre
  // Paths the Open button takes instead of asking, oldest first; only a scripted run fills it.
  std::deque<std::u16string> scriptedPaths;

  void Build();
  // Reacts to one event taken from the queue; false when the program should end.
  bool Handle(int32_t id);
  // Asks for a picture file and shows it; the title says when it cannot be read.
  void Open();
  void ShowAs(int32_t pictureMode);
};

// The scripted run (--script): drives the viewer through its tool bar and checks what the panel
// shows. Answers the exit status: 0 when every check passed.
int RunViewerScript(Viewer& viewer);
