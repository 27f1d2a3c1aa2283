// Creation functions and driver services: each goes through the active driver.
#include "gui/need.h"
#include "gui/toolkit.h"
#include "runtime/thread.h"

namespace {

// The colour of the last successful colour request.
uint32_t requestedColor = 0;

// The kinds that live inside a group; a window (owned or not) and a menu (a popup's root) may be
// made without one.
bool NeedsGroup(int32_t cls) {
  return cls != GadgetClass::Desktop && cls != GadgetClass::Window && cls != GadgetClass::Menu;
}

// How an error names a group: by the text it was made with.
std::u16string GroupName(const TGadget& group) {
  return group.name.empty() ? u"the group" : u"the group \"" + group.name + u"\"";
}

// `function` names the public function in the errors: a kind that needs a group and got Null, or a
// group that was freed, would give a gadget with no native window and no word of why.
Ref<TGadget> Create(const char16_t* function, int32_t cls, const std::u16string& text, int32_t x, int32_t y,
                    int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style) {
  TGuiDriver& driver = RequireGuiDriver(function);
  if (!group && NeedsGroup(cls)) {
    RuntimeError(std::u16string(function) +
                 u": the group is Null; make it in a window, a panel or another gadget that holds gadgets");
  }
  if (group && group->IsFreed()) {
    RuntimeError(std::u16string(function) + u": " + GroupName(*group) + u" was freed; make it in a live one");
  }
  return driver.CreateGadget(cls, text, x, y, w, h, group, style);
}

}  // namespace

std::u16string FunctionName(const char* function) {
  const std::string_view name = function;
  return std::u16string(name.begin(), name.end());
}

TGadget& NeedGadget(const Ref<TGadget>& g, const char* caller) {
  if (!OnMainThread()) RaiseNotMainThread(FunctionName(caller));
  if (!g) RuntimeError(u"Gadget function called with a Null gadget");
  return *g;
}

TGadget* LiveGadget(const Ref<TGadget>& g, const char* caller) {
  TGadget& gadget = NeedGadget(g, caller);
  return gadget.IsFreed() ? nullptr : &gadget;
}

Ref<TGadget> GetDesktop() { return Create(u"GetDesktop", GadgetClass::Desktop, u"", 0, 0, 0, 0, nullptr, 0); }

Ref<TGadget> MakeWindow(const std::u16string& title, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style) {
  return Create(u"MakeWindow", GadgetClass::Window, title, x, y, w, h, group, style);
}

Ref<TGadget> MakeButton(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style) {
  return Create(u"MakeButton", GadgetClass::Button, text, x, y, w, h, group, style);
}

Ref<TGadget> MakePanel(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style,
                       const std::u16string& title) {
  return Create(u"MakePanel", GadgetClass::Panel, title, x, y, w, h, group, style);
}

Ref<TGadget> MakeTextField(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                           int32_t style) {
  return Create(u"MakeTextField", GadgetClass::TextField, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeTextArea(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(u"MakeTextArea", GadgetClass::TextArea, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeComboBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(u"MakeComboBox", GadgetClass::ComboBox, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeListBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                         int32_t style) {
  return Create(u"MakeListBox", GadgetClass::ListBox, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeToolBar(const Ref<TObject>& source, int32_t x, int32_t y, int32_t w, int32_t h,
                         const Ref<TGadget>& group, int32_t style) {
  Ref<TGadget> toolbar = Create(u"MakeToolBar", GadgetClass::ToolBar, u"", x, y, w, h, group, style);
  if (!toolbar) return nullptr;
  Ref<TIconStrip> strip = LoadIconStrip(source);
  if (!strip) return toolbar;
  toolbar->SetIconStrip(strip);
  for (int32_t i = 0; i < strip->count; ++i) AppendGadgetEntry(toolbar, u"", 0, i, u"", nullptr);
  return toolbar;
}

Ref<TGadget> MakeTabber(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                        int32_t style) {
  return Create(u"MakeTabber", GadgetClass::Tabber, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeTreeView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(u"MakeTreeView", GadgetClass::TreeView, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeHtmlView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(u"MakeHtmlView", GadgetClass::HtmlView, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeLabel(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                       const Ref<TGadget>& group, int32_t style) {
  return Create(u"MakeLabel", GadgetClass::Label, text, x, y, w, h, group, style);
}

Ref<TGadget> MakeSlider(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                        int32_t style) {
  return Create(u"MakeSlider", GadgetClass::Slider, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeProgressBar(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                             int32_t style) {
  return Create(u"MakeProgressBar", GadgetClass::ProgBar, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeMenu(const std::u16string& text, int32_t tag, const Ref<TGadget>& parent, int32_t hotkey,
                      int32_t modifiers) {
  // The tag travels as the style; the driver reports it as the data of the menu's actions.
  Ref<TGadget> menu = Create(u"MakeMenu", GadgetClass::Menu, text, 0, 0, 0, 0, parent, tag);
  if (menu && hotkey != 0) BindGadgetHotKey(menu, hotkey, modifiers);
  return menu;
}

Ref<TGadget> MakeCanvas(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                        int32_t style) {
  Ref<TGadget> canvas = Create(u"MakeCanvas", GadgetClass::Canvas, u"", x, y, w, h, group, style);
  if (!canvas) return nullptr;
  canvas->AttachGraphics(DefaultGraphicsFlags);
  return canvas;
}

Ref<TGadget> ActiveGadget() { return RequireGuiDriver(u"ActiveGadget").ActiveGadget(); }

int32_t RequestColor(int32_t r, int32_t g, int32_t b) {
  const int32_t chosen = RequireGuiDriver(u"RequestColor").RequestColor(r, g, b);
  if (chosen == 0) return 0;
  requestedColor = static_cast<uint32_t>(chosen);
  return 1;
}

int32_t ChosenRed() { return static_cast<int32_t>((requestedColor >> 16) & 255); }
int32_t ChosenGreen() { return static_cast<int32_t>((requestedColor >> 8) & 255); }
int32_t ChosenBlue() { return static_cast<int32_t>(requestedColor & 255); }

Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font) {
  return RequireGuiDriver(u"RequestFont").RequestFont(font);
}

Ref<TGuiFont> OpenGuiFont(const std::u16string& name, int32_t size, int32_t bold, int32_t italic,
                          int32_t underline) {
  int32_t style = 0;
  if (bold) style |= FontStyle::Bold;
  if (italic) style |= FontStyle::Italic;
  if (underline) style |= FontStyle::Underline;
  return RequireGuiDriver(u"OpenGuiFont").LoadFont(name, size, style);
}

std::u16string GetFontName(const Ref<TGuiFont>& font) { return font ? font->name : std::u16string(); }
int32_t GetFontSize(const Ref<TGuiFont>& font) { return font ? font->size : 0; }
int32_t GetFontStyle(const Ref<TGuiFont>& font) { return font ? font->style : 0; }

int32_t SetPointer(int32_t shape) {
  RequireGuiDriver(u"SetPointer").SetPointer(shape);
  return 0;
}

Ref<TIconStrip> LoadIconStrip(const Ref<TObject>& source) {
  return RequireGuiDriver(u"LoadIconStrip").LoadIconStrip(source);
}
