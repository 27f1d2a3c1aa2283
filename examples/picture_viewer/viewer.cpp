// Picture viewer: a tool bar of icons drawn in code, a file requester, and a panel showing the
// picture scaled to fit or at its actual size. With --script it drives and checks itself.
#include "examples/picture_viewer/viewer.h"

#include <windows.h>

#include "event/event.h"
#include "event/queue.h"
#include "event/system.h"
#include "examples/script/script.h"
#include "gui/constants.h"
#include "gui/win32/module_win32.h"
#include "runtime/startup.h"
#include "runtime/text.h"

namespace {

constexpr uint32_t White = 0xFFFFFFFF;
constexpr int32_t IconSize = 16;

int scriptStatus = 0;

void Fill(const Ref<TPixmap>& p, int32_t icon, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
          uint32_t argb) {
  for (int32_t y = y0; y < y1; ++y) {
    for (int32_t x = x0; x < x1; ++x) p->WritePixel(icon * IconSize + x, y, argb);
  }
}

// [guide:icon-strip]
// The tool bar's icons side by side in one strip, each as wide as the strip is high. White is
// transparent on the bar (an all-white icon would become a separator).
Ref<TPixmap> ToolIcons() {
  auto strip = New<TPixmap>(3 * IconSize, IconSize, PixmapFormat::RGB888);
  Fill(strip, 0, 0, 0, 3 * IconSize, IconSize, White);
  // Open: a folder with its tab.
  Fill(strip, ViewerButton::Open, 1, 3, 7, 5, 0xFFC08000);
  Fill(strip, ViewerButton::Open, 1, 5, 15, 14, 0xFFC08000);
  Fill(strip, ViewerButton::Open, 2, 6, 14, 13, 0xFFFFD040);
  // Fit: a frame filled to its edges.
  Fill(strip, ViewerButton::Fit, 1, 2, 15, 14, 0xFF204080);
  Fill(strip, ViewerButton::Fit, 3, 4, 13, 12, 0xFF60A0E0);
  // Actual size: a small picture in the middle of an empty frame.
  Fill(strip, ViewerButton::ActualSize, 1, 2, 15, 14, 0xFF204080);
  Fill(strip, ViewerButton::ActualSize, 2, 3, 14, 13, 0xFFF0F0F0);
  Fill(strip, ViewerButton::ActualSize, 6, 6, 10, 10, 0xFF60A0E0);
  return strip;
}
// [/guide:icon-strip]

std::u16string FileName(const std::u16string& path) {
  const size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

}  // namespace

// [guide:build]
void Viewer::Build() {
  window = MakeWindow(u"Picture viewer", 120, 90, 480, 360, nullptr,
                      WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::ClientCoords);
  // One button per icon of the strip; the bar spans the window's top and takes its own height.
  toolbar = MakeToolBar(ToolIcons(), 0, 0, 480, 28, window, 0);
  ChangeToolBarTips(toolbar, {u"Open a picture", u"Fit to the window", u"Actual size"});
  const int32_t top = GetGadgetHeight(toolbar);
  panel = MakePanel(0, top, 480, 360 - top, window, PanelStyle::Plain);
  ChangePanelColor(panel, 64, 64, 64);  // shown around a picture that leaves room
  SetGadgetEdges(panel, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned);
}
// [/guide:build]

bool Viewer::Handle(int32_t id) {
  const Ref<TObject> source = ActiveEventSource();
  if (id == WindowClose && source == window) return false;
  if (id == GadgetAction && source == toolbar) {
    // A tool bar's action carries the index of the pressed button.
    switch (ActiveEventData()) {
      case ViewerButton::Open:
        Open();
        break;
      case ViewerButton::Fit:
        ShowAs(PanelPicture::Fit);
        break;
      case ViewerButton::ActualSize:
        ShowAs(PanelPicture::Centre);
        break;
    }
  }
  return true;
}

void Viewer::Open() {
  std::u16string path;
  if (!scriptedPaths.empty()) {
    path = scriptedPaths.front();
    scriptedPaths.pop_front();
  } else {
    // The empty text when the user cancels.
    path = RequestFile(u"Open a picture", u"Pictures:png,bmp,jpg,jpeg,gif,tga", 0, u"");
  }
  if (path.empty()) return;
  // [guide:open]
  // A text names a file to load; an unreadable or undecodable one gives Null.
  const Ref<TPixmap> loaded = LoadPixmap(MakeText(path));
  if (!loaded) {
    ChangeGadgetText(window, u"Picture viewer - cannot read " + FileName(path));
    return;
  }
  picture = loaded;
  ChangeGadgetText(window, u"Picture viewer - " + FileName(path) + u" (" + IntText(picture->width) + u" x " +
                               IntText(picture->height) + u")");
  ShowAs(mode);
}

void Viewer::ShowAs(int32_t pictureMode) {
  mode = pictureMode;
  // The panel keeps the picture and repaints itself whenever it is uncovered or resized.
  if (picture) ChangePanelPixmap(panel, picture, mode);
}
// [/guide:open]

namespace {

void Program() {
  ApplicationTitle = u"Picture viewer";
  Win32GuiModuleStart();
  Viewer viewer;
  viewer.Build();
  if (script::HasArgument(u"--script")) {
    scriptStatus = RunViewerScript(viewer);
  } else {
    while (viewer.Handle(WaitNextEvent())) {
    }
  }
  DestroyGadget(viewer.window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int status = RuntimeMain(__argc, __argv, Program);
  return status != 0 ? status : scriptStatus;
}
