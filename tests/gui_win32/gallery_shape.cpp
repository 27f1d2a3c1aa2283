// The gallery-shaped window of the keyboard tests.
#include "tests/gui_win32/gallery_shape.h"

#include <utility>

#include "gui/constants.h"
#include "tests/gui_win32/support.h"

std::vector<Ref<TGadget>> GalleryShape::Stops() const {
  return {field, push, check, track, scroll, updown, tabber, pageButton, pageField, tree, area, ok};
}

void GalleryShape::ShowPage(int32_t index) const {
  index == 0 ? RevealGadget(page1) : ConcealGadget(page1);
  index == 1 ? RevealGadget(page2) : ConcealGadget(page2);
  Pump();
}

HWND GalleryShape::Target(const Ref<TGadget>& g) {
  // A tabber's handle is its page area, inside the tab control that takes the focus.
  HWND h = Hwnd(g);
  wchar_t cls[32] = {};
  GetClassNameW(GetParent(h), cls, 32);
  return std::wstring(cls) == L"SysTabControl32" ? GetParent(h) : h;
}

std::string GalleryShape::Focused() const {
  // Containers come before what they hold: the last one holding the focus is the innermost.
  const std::pair<const char*, Ref<TGadget>> named[] = {{"window", win},
                                                        {"outer panel", outer},
                                                        {"field", field},
                                                        {"inner panel", inner},
                                                        {"push", push},
                                                        {"check", check},
                                                        {"group box", group},
                                                        {"track bar", track},
                                                        {"scroll bar", scroll},
                                                        {"up-down", updown},
                                                        {"tabber", tabber},
                                                        {"page button", pageButton},
                                                        {"page field", pageField},
                                                        {"page list", pageList},
                                                        {"tree", tree},
                                                        {"text area", area},
                                                        {"ok", ok}};
  HWND focus = GetFocus();
  std::string found = focus ? "elsewhere" : "none";
  for (const auto& [name, g] : named) {
    HWND h = Target(g);
    if (focus == h || IsChild(h, focus)) found = name;
  }
  return found;
}

GalleryShape MakeGalleryShape() {
  GalleryShape s;
  s.win = TestWindow(WindowStyle::TitleBar, 660, 460);
  s.outer = MakePanel(10, 10, 300, 120, s.win, PanelStyle::Plain);
  s.field = MakeTextField(10, 10, 200, 24, s.outer, 0);
  s.inner = MakePanel(10, 40, 280, 70, s.outer, PanelStyle::Border);
  s.push = MakeButton(u"Push", 10, 10, 100, 26, s.inner, ButtonStyle::Push);
  s.check = MakeButton(u"Check", 120, 10, 100, 26, s.inner, ButtonStyle::CheckBox);
  s.group = MakePanel(10, 140, 300, 150, s.win, PanelStyle::GroupBox, u"Sliders");
  s.track = MakeSlider(10, 10, 200, 30, s.group, SliderStyle::TrackBar | SliderStyle::Horizontal);
  s.scroll = MakeSlider(10, 50, 200, 20, s.group, SliderStyle::ScrollBar | SliderStyle::Horizontal);
  s.updown = MakeSlider(10, 80, 20, 30, s.group, SliderStyle::UpDown);
  s.tabber = MakeTabber(330, 10, 300, 200, s.win, 0);
  AppendGadgetEntry(s.tabber, u"One");
  AppendGadgetEntry(s.tabber, u"Two");
  s.page1 = MakePanel(0, 0, 280, 150, s.tabber, PanelStyle::Plain);
  s.pageButton = MakeButton(u"On page one", 8, 8, 120, 26, s.page1, ButtonStyle::Push);
  s.pageField = MakeTextField(8, 40, 150, 24, s.page1, 0);
  s.page2 = MakePanel(0, 0, 280, 150, s.tabber, PanelStyle::Plain);
  s.pageList = MakeListBox(8, 8, 200, 100, s.page2, 0);
  ConcealGadget(s.page2);
  s.tree = MakeTreeView(330, 220, 140, 150, s.win, 0);
  AppendTreeNode(u"Node", GetTreeRoot(s.tree));
  s.area = MakeTextArea(480, 220, 150, 150, s.win, 0);
  s.ok = MakeButton(u"OK", 10, 300, 80, 26, s.win, ButtonStyle::Push | ButtonStyle::Default);
  Pump();
  return s;
}
