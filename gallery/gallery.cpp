// The gadget gallery: one window with every gadget kind of the toolkit, a menu bar, a status bar
// telling what just happened, and a popup menu on right clicks. With --churn a timer keeps list
// entries, tree nodes, menu entries and panel pictures coming and going.
#include <windows.h>
#undef SetProp
#undef GetProp

#include <cstdio>
#include <map>
#include <memory>

#include "event/event.h"
#include "event/hook.h"
#include "event/queue.h"
#include "event/timer.h"
#include "event/win32/system_win32.h"
#include "gallery/gallery.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/module_win32.h"
#include "runtime/module.h"
#include "runtime/startup.h"
#include "runtime/text.h"
#include "runtime/wide.h"

namespace {

namespace Tag {
constexpr int32_t Quit = 1;
constexpr int32_t ToggleChurn = 2;
constexpr int32_t Check = 3;
constexpr int32_t Expand = 10;
constexpr int32_t Collapse = 11;
constexpr int32_t Rename = 12;
constexpr int32_t About = 20;
constexpr int32_t PopupCopy = 30;
constexpr int32_t PopupPaste = 31;
}  // namespace Tag

// Who is who, for the status bar.
std::map<const TObject*, std::u16string> names;

Ref<TGadget> Named(const Ref<TGadget>& g, const std::u16string& name) {
  if (g) names[g.get()] = name;
  return g;
}

std::u16string NameOf(const Ref<TObject>& o) {
  if (!o) return u"nothing";
  auto it = names.find(o.get());
  if (it != names.end()) return it->second;
  // Nodes and menu entries are known by their text.
  if (auto g = Cast<TGadget>(o)) return u"\"" + GetGadgetText(g) + u"\"";
  return o->ToString();
}

struct Gallery {
  Ref<TGadget> win, status, toolbar, tabber, tree, list, panelPicture, popup;
  std::vector<Ref<TGadget>> pages;
  Ref<TGadget> churnItem;
  Ref<TTimer> timer;
  std::unique_ptr<Churn> churn;
  int32_t progress = 0;
  Ref<TGadget> progressBar, progressSlider;
};

void BuildMenus(Gallery& g) {
  Ref<TGadget> root = GetWindowMenuRoot(g.win);
  Ref<TGadget> file = MakeMenu(u"&File", 0, root);
  g.churnItem = MakeMenu(u"&Churn", Tag::ToggleChurn, file, 'C', ModControl);
  MakeMenu(u"Chec&k me", Tag::Check, file);
  MakeMenu(u"", 0, file);
  MakeMenu(u"E&xit", Tag::Quit, file);
  Ref<TGadget> tree = MakeMenu(u"&Tree", 0, root);
  MakeMenu(u"&Expand all", Tag::Expand, tree);
  MakeMenu(u"&Collapse all", Tag::Collapse, tree);
  MakeMenu(u"&Rename selected", Tag::Rename, tree);
  Ref<TGadget> help = MakeMenu(u"&Help", 0, root);
  MakeMenu(u"&About the gallery", Tag::About, help);
  RebuildWindowMenu(g.win);
  // A popup menu hangs below an entry of no window.
  g.popup = MakeMenu(u"popup", 0, nullptr);
  MakeMenu(u"&Copy", Tag::PopupCopy, g.popup);
  MakeMenu(u"&Paste", Tag::PopupPaste, g.popup);
}

// Column 1: buttons, labels, text fields, combo boxes.
void BuildControls(Gallery& g, int32_t x, int32_t y) {
  Ref<TGadget> w = g.win;
  Named(MakeLabel(u"Buttons", x, y, 200, 18, w, 0), u"label");
  Named(MakeButton(u"Push me", x, y + 20, 95, 26, w, ButtonStyle::Push), u"push button");
  Named(MakeButton(u"Default", x + 105, y + 20, 95, 26, w, ButtonStyle::Push | ButtonStyle::Default),
        u"default button");
  Named(MakeButton(u"Check box", x, y + 50, 200, 22, w, ButtonStyle::CheckBox), u"check box");
  Named(MakeButton(u"Radio one", x, y + 74, 100, 22, w, ButtonStyle::Radio), u"radio one");
  Named(MakeButton(u"Radio two", x + 100, y + 74, 100, 22, w, ButtonStyle::Radio), u"radio two");
  MakeLabel(u"", x, y + 102, 200, 4, w, LabelStyle::Separator);
  Named(MakeLabel(u"Left, flat", x, y + 110, 200, 18, w, LabelStyle::Flat), u"flat label");
  Named(MakeLabel(u"Centred, sunken", x, y + 132, 200, 18, w, LabelStyle::Center | LabelStyle::Sunken),
        u"sunken label");
  Named(MakeLabel(u"Right", x, y + 154, 200, 18, w, LabelStyle::Right), u"right label");
  Named(MakeLabel(u"Text field / password", x, y + 180, 200, 18, w, 0), u"label");
  Ref<TGadget> field = Named(MakeTextField(x, y + 198, 200, 22, w, 0), u"text field");
  ChangeGadgetText(field, u"Type here");
  Ref<TGadget> password =
      Named(MakeTextField(x, y + 224, 200, 22, w, TextFieldStyle::Password), u"password field");
  ChangeGadgetText(password, u"secret");
  Named(MakeLabel(u"Combo boxes: list / editable", x, y + 252, 200, 18, w, 0), u"label");
  Ref<TGadget> combo = Named(MakeComboBox(x, y + 270, 200, 24, w, 0), u"drop-down list");
  Ref<TGadget> editable =
      Named(MakeComboBox(x, y + 300, 200, 24, w, ComboBoxStyle::Editable), u"editable combo box");
  for (const char16_t* t : {u"Apples", u"Pears", u"Plums", u"Cherries"}) {
    AppendGadgetEntry(combo, t);
    AppendGadgetEntry(editable, t);
  }
  SelectGadgetEntry(combo, 0);
  Named(MakeLabel(u"Text area", x, y + 330, 200, 18, w, 0), u"label");
  Ref<TGadget> area = Named(MakeTextArea(x, y + 348, 200, 150, w, TextAreaStyle::WordWrap), u"text area");
  AppendTextAreaText(area, u"A text area with word wrap.\nStyled words: red, bold.\n");
  StyleTextAreaRange(area, 200, 0, 0, 1, 41, 10, TextUnits::Chars);
}

// Column 2: list box, sliders, progress bar, tabber.
void BuildLists(Gallery& g, Ref<TIconStrip> strip, int32_t x, int32_t y) {
  Ref<TGadget> w = g.win;
  Named(MakeLabel(u"List box (entries with tips)", x, y, 220, 18, w, 0), u"label");
  g.list = Named(MakeListBox(x, y + 20, 220, 160, w, 0), u"list box");
  ChangeGadgetIconStrip(g.list, strip);
  const char16_t* fruits[] = {u"Apple", u"Banana", u"Cherry", u"Damson", u"Elderberry", u"Fig", u"Grape"};
  int32_t i = 0;
  for (const char16_t* f : fruits) {
    AppendGadgetEntry(g.list, f, 0, i % 5, std::u16string(u"The ") + f + u" entry", MakeText(f));
    ++i;
  }
  Named(MakeLabel(u"Sliders: scroll bar, track bar, up-down", x, y + 186, 220, 18, w, 0), u"label");
  Ref<TGadget> scroll = Named(
      MakeSlider(x, y + 206, 220, 18, w, SliderStyle::ScrollBar | SliderStyle::Horizontal), u"scroll bar");
  ChangeSliderRange(scroll, 10, 100);
  g.progressSlider = Named(
      MakeSlider(x, y + 228, 180, 30, w, SliderStyle::TrackBar | SliderStyle::Horizontal), u"track bar");
  ChangeSliderRange(g.progressSlider, 0, 100);
  Named(MakeSlider(x + 185, y + 228, 35, 30, w, SliderStyle::UpDown), u"up-down");
  Named(MakeSlider(x + 200, y + 262, 20, 80, w, SliderStyle::TrackBar), u"vertical track bar");
  Named(MakeLabel(u"Progress bar", x, y + 262, 190, 18, w, 0), u"label");
  g.progressBar = Named(MakeProgressBar(x, y + 282, 190, 18, w, 0), u"progress bar");
  ChangeProgressValue(g.progressBar, 0.3f);
  Named(MakeLabel(u"Tabber", x, y + 318, 190, 18, w, 0), u"label");
  g.tabber = Named(MakeTabber(x, y + 338, 220, 160, w, 0), u"tabber");
  for (const char16_t* t : {u"First", u"Second", u"Third"})
    AppendGadgetEntry(g.tabber, t, 0, -1, u"Page tip");
  // Pages need a tabber that has a page area to hold them.
  if (!QueryGadgetHandle(g.tabber, QueryKind::ClientHandle)) return;
  int32_t cw = ClientWidth(g.tabber), ch = ClientHeight(g.tabber);
  for (int32_t p = 0; p < 3; ++p) {
    Ref<TGadget> page = MakePanel(0, 0, cw, ch, g.tabber, PanelStyle::Plain);
    SetGadgetEdges(page, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned);
    g.pages.push_back(page);
    Named(MakeLabel(u"Page " + IntText(p + 1), 8, 8, 100, 18, page, 0), u"page label");
    Named(MakeButton(u"Button on page " + IntText(p + 1), 8, 30, 150, 26, page, ButtonStyle::Push),
          u"page button");
    if (p > 0) ConcealGadget(page);
  }
}

// Column 3: tree view and tool bar strip icons.
void BuildTree(Gallery& g, Ref<TIconStrip> strip, int32_t x, int32_t y) {
  Named(MakeLabel(u"Tree view (right-click a node)", x, y, 220, 18, g.win, 0), u"label");
  g.tree = Named(MakeTreeView(x, y + 20, 220, 478, g.win, 0), u"tree view");
  ChangeGadgetIconStrip(g.tree, strip);
  Ref<TGadget> root = GetTreeRoot(g.tree);
  const char16_t* kingdoms[] = {u"Fruit", u"Vegetables", u"Grains"};
  const char16_t* kinds[][3] = {
      {u"Apple", u"Pear", u"Plum"}, {u"Leek", u"Kale", u"Beet"}, {u"Oat", u"Rye", u"Barley"}};
  Ref<TGadget> first;
  for (int32_t k = 0; k < 3; ++k) {
    Ref<TGadget> node = AppendTreeNode(kingdoms[k], root, k);
    if (!first) first = node;
    for (int32_t i = 0; i < 3; ++i) {
      Ref<TGadget> leaf = AppendTreeNode(kinds[k][i], node, 3 + i % 2);
      if (i == 0) AppendTreeNode(u"variety", leaf, 5);
    }
  }
  InsertTreeNode(0, u"(inserted first)", root, 1);
  ExpandTreeNode(first);
}

// Column 4: panels and the HTML view.
void BuildPanels(Gallery& g, int32_t x, int32_t y) {
  Ref<TGadget> w = g.win;
  Named(MakeLabel(u"Panels: colour, picture", x, y, 240, 18, w, 0), u"label");
  Ref<TGadget> coloured = Named(MakePanel(x, y + 20, 115, 64, w, PanelStyle::Border), u"coloured panel");
  ChangePanelColor(coloured, 90, 160, 220);
  g.panelPicture = Named(MakePanel(x + 125, y + 20, 115, 64, w, PanelStyle::Plain), u"picture panel");
  ChangePanelPixmap(g.panelPicture, Gradient(96, 64, 0), PanelPicture::Stretch);
  Ref<TGadget> box =
      Named(MakePanel(x, y + 90, 240, 80, w, PanelStyle::GroupBox, u"Group box"), u"group box");
  Named(MakeButton(u"Inside", 10, 8, 90, 24, box, ButtonStyle::CheckBox), u"check box in group");
  Named(MakeTextField(110, 8, 110, 22, box, 0), u"text field in group");
  Named(MakeLabel(u"Active panel (right-click) / canvas", x, y + 176, 240, 18, w, 0), u"label");
  Ref<TGadget> active =
      Named(MakePanel(x, y + 196, 115, 64, w, PanelStyle::Sensitive | PanelStyle::Border), u"active panel");
  ChangePanelColor(active, 250, 230, 150);
  Named(MakeCanvas(x + 125, y + 196, 115, 64, w, 0), u"canvas");
  Named(MakeLabel(u"HTML view", x, y + 266, 240, 18, w, 0), u"label");
  Ref<TGadget> html = Named(MakeHtmlView(x, y + 286, 240, 212, w, 0), u"HTML view");
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  std::u16string path = FromWide(dir) + u"varnoc-gallery.html";
  if (FILE* f = _wfopen(Wide(path), L"w")) {
    std::fputs(
        "<html><body style='font-family:sans-serif'><h3>Gallery</h3><p>An <b>HTML view</b> "
        "showing a page written by the gallery.</p><ul><li>one</li><li>two</li></ul></body></html>",
        f);
    std::fclose(f);
  }
  NavigateHtmlView(html, u"file:///" + path);
}

void Say(Gallery& g, const std::u16string& text) { ChangeStatusText(g.win, text); }

void SetChurn(Gallery& g, bool on) {
  if (on && !g.timer) {
    if (!g.churn) g.churn = std::make_unique<Churn>(ChurnTargets{g.win, g.list, g.tree, g.panelPicture});
    g.timer = NewTimer(20, nullptr);
    TickMenuEntry(g.churnItem);
  } else if (!on && g.timer) {
    HaltTimer(g.timer);
    g.timer = nullptr;
    UntickMenuEntry(g.churnItem);
  }
  RebuildWindowMenu(g.win);
}

// Everything the gallery reacts to beyond reporting it; false ends the program.
bool React(Gallery& g, int32_t id, const Ref<TObject>& source) {
  int32_t data = ActiveEventData();
  if (id == WindowClose && source == Ref<TObject>(g.win)) return false;
  if (id == MenuAction) {
    switch (data) {
      case Tag::Quit:
        return false;
      case Tag::ToggleChurn:
        SetChurn(g, !g.timer);
        break;
      case Tag::Check: {
        auto item = Cast<TGadget>(source);
        IsMenuTicked(item) ? UntickMenuEntry(item) : TickMenuEntry(item);
        RebuildWindowMenu(g.win);
        break;
      }
      case Tag::Expand:
      case Tag::Collapse:
        for (const Ref<TObject>& k : *g.tree->kids) {
          auto node = Cast<TGadget>(k);
          data == Tag::Expand ? ExpandTreeNode(node) : CollapseTreeNode(node);
        }
        break;
      case Tag::Rename:
        if (Ref<TGadget> node = GetSelectedTreeNode(g.tree)) ChangeTreeNode(node, u"renamed", 5);
        break;
      case Tag::About:
        MessageBoxW(reinterpret_cast<HWND>(QueryGadgetHandle(g.win, QueryKind::NativeHandle)),
                    L"Every gadget kind of the toolkit in one window.", L"Gadget gallery", MB_OK);
        break;
    }
    return true;
  }
  if (id == GadgetAction && source == Ref<TObject>(g.tabber)) {
    for (size_t p = 0; p < g.pages.size(); ++p) {
      static_cast<int32_t>(p) == data ? RevealGadget(g.pages[p]) : ConcealGadget(g.pages[p]);
    }
  }
  if (id == GadgetAction && source == Ref<TObject>(g.progressSlider)) {
    ChangeProgressValue(g.progressBar, static_cast<float>(data) / 100.0f);
  }
  // Right clicks: a node of the tree, or the active panel.
  if (id == GadgetMenu || (id == MouseDown && data == 2)) ShowPopupMenu(g.win, g.popup, ActiveEventExtra());
  if (id == TimerTick && g.timer && source == Ref<TObject>(g.timer)) {
    g.churn->Step();
    ChangeProgressValue(g.progressBar, static_cast<float>(g.churn->Steps() % 101) / 100.0f);
  }
  return true;
}

std::u16string Describe(int32_t id, const Ref<TObject>& source) {
  std::u16string text =
      std::u16string(EventIdName(id)) + u" from " + NameOf(source) + u": data=" + IntText(ActiveEventData());
  if (Ref<TObject> extra = ActiveEventExtra()) text += u", extra=" + NameOf(extra);
  if (ActiveEventX() || ActiveEventY())
    text += u", at " + IntText(ActiveEventX()) + u"," + IntText(ActiveEventY());
  return text;
}

void RunGallery() {
  bool churnAtStart = false;
  for (const std::u16string& a : AppInfo.args) churnAtStart |= a == u"--churn";
  Gallery g;
  int32_t style = WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::MenuBar |
                  WindowStyle::StatusBar | WindowStyle::ClientCoords;
  g.win = Named(MakeWindow(u"Gadget gallery", 40, 60, 1000, 560, nullptr, style), u"main window");
  BuildMenus(g);
  // The tool bar's strip is drawn in memory; its fourth icon is blank and becomes a separator.
  Ref<TPixmap> icons = IconRow(8, 16, 3);
  g.toolbar = Named(MakeToolBar(icons, 0, 0, 1000, 28, g.win, 0), u"tool bar");
  const char16_t* tips[] = {u"Red", u"Orange", u"Yellow", nullptr, u"Green", u"Cyan", u"Blue", u"Violet"};
  for (int32_t i = 0; i < CountGadgetEntries(g.toolbar); ++i) {
    if (tips[i]) ChangeGadgetEntry(g.toolbar, i, u"", 0, i, tips[i]);
  }
  Ref<TIconStrip> strip = LoadIconStrip(icons);
  BuildControls(g, 10, 36);
  BuildLists(g, strip, 230, 36);
  BuildTree(g, strip, 470, 36);
  BuildPanels(g, 710, 36);
  Say(g, u"Ready: use any gadget; right-click a tree node or the active panel for a menu.");
  if (churnAtStart) SetChurn(g, true);
  for (;;) {
    int32_t id = WaitNextEvent();
    Ref<TObject> source = ActiveEventSource();
    if (!React(g, id, source)) break;
    // Ticks and pointer motion would drown everything else.
    if (id != TimerTick && id != MouseMove && id != MouseEnter && id != MouseLeave)
      Say(g, Describe(id, source));
  }
  SetChurn(g, false);
  DestroyGadget(g.win);
}

void Program() {
  Win32GuiModuleStart();
  RunGallery();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RuntimeMain(__argc, __argv, Program); }
