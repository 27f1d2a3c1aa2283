// Creation functions and driver services: each goes through the active driver.
#include "gui/need.h"
#include "gui/toolkit.h"

namespace {

// The colour of the last successful colour request.
uint32_t requestedColor = 0;

Ref<TGadget> Create(int32_t cls, const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                    const Ref<TGadget>& group, int32_t style) {
  return RequireGuiDriver().CreateGadget(cls, text, x, y, w, h, group, style);
}

}  // namespace

TGadget& NeedGadget(const Ref<TGadget>& g) {
  if (!g) RuntimeError(u"Gadget function called with a Null gadget");
  return *g;
}

Ref<TGadget> GetDesktop() { return Create(GadgetClass::Desktop, u"", 0, 0, 0, 0, nullptr, 0); }

Ref<TGadget> MakeWindow(const std::u16string& title, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style) {
  return Create(GadgetClass::Window, title, x, y, w, h, group, style);
}

Ref<TGadget> MakeButton(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                        const Ref<TGadget>& group, int32_t style) {
  return Create(GadgetClass::Button, text, x, y, w, h, group, style);
}

Ref<TGadget> MakePanel(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group, int32_t style,
                       const std::u16string& title) {
  return Create(GadgetClass::Panel, title, x, y, w, h, group, style);
}

Ref<TGadget> MakeTextField(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                           int32_t style) {
  return Create(GadgetClass::TextField, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeTextArea(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(GadgetClass::TextArea, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeComboBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(GadgetClass::ComboBox, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeListBox(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                         int32_t style) {
  return Create(GadgetClass::ListBox, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeToolBar(const Ref<TObject>& source, int32_t x, int32_t y, int32_t w, int32_t h,
                         const Ref<TGadget>& group, int32_t style) {
  Ref<TGadget> toolbar = Create(GadgetClass::ToolBar, u"", x, y, w, h, group, style);
  if (!toolbar) return nullptr;
  Ref<TIconStrip> strip = LoadIconStrip(source);
  if (!strip) return toolbar;
  toolbar->SetIconStrip(strip);
  for (int32_t i = 0; i < strip->count; ++i) AppendGadgetEntry(toolbar, u"", 0, i, u"", nullptr);
  return toolbar;
}

Ref<TGadget> MakeTabber(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                        int32_t style) {
  return Create(GadgetClass::Tabber, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeTreeView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(GadgetClass::TreeView, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeHtmlView(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                          int32_t style) {
  return Create(GadgetClass::HtmlView, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeLabel(const std::u16string& text, int32_t x, int32_t y, int32_t w, int32_t h,
                       const Ref<TGadget>& group, int32_t style) {
  return Create(GadgetClass::Label, text, x, y, w, h, group, style);
}

Ref<TGadget> MakeSlider(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                        int32_t style) {
  return Create(GadgetClass::Slider, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeProgressBar(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                             int32_t style) {
  return Create(GadgetClass::ProgBar, u"", x, y, w, h, group, style);
}

Ref<TGadget> MakeMenu(const std::u16string& text, int32_t tag, const Ref<TGadget>& parent, int32_t hotkey,
                      int32_t modifiers) {
  // The tag travels as the style; the driver reports it as the data of the menu's actions.
  Ref<TGadget> menu = Create(GadgetClass::Menu, text, 0, 0, 0, 0, parent, tag);
  if (menu && hotkey != 0) BindGadgetHotKey(menu, hotkey, modifiers);
  return menu;
}

Ref<TGadget> MakeCanvas(int32_t x, int32_t y, int32_t w, int32_t h, const Ref<TGadget>& group,
                        int32_t style) {
  Ref<TGadget> canvas = Create(GadgetClass::Canvas, u"", x, y, w, h, group, style);
  if (!canvas) return nullptr;
  canvas->AttachGraphics(DefaultGraphicsFlags);
  return canvas;
}

Ref<TGadget> ActiveGadget() { return RequireGuiDriver().ActiveGadget(); }

int32_t RequestColor(int32_t r, int32_t g, int32_t b) {
  const int32_t chosen = RequireGuiDriver().RequestColor(r, g, b);
  if (chosen == 0) return 0;
  requestedColor = static_cast<uint32_t>(chosen);
  return 1;
}

int32_t ChosenRed() { return static_cast<int32_t>((requestedColor >> 16) & 255); }
int32_t ChosenGreen() { return static_cast<int32_t>((requestedColor >> 8) & 255); }
int32_t ChosenBlue() { return static_cast<int32_t>(requestedColor & 255); }

Ref<TGuiFont> RequestFont(const Ref<TGuiFont>& font) { return RequireGuiDriver().RequestFont(font); }

Ref<TGuiFont> OpenGuiFont(const std::u16string& name, int32_t size, int32_t bold, int32_t italic,
                          int32_t underline) {
  int32_t style = 0;
  if (bold) style |= FontStyle::Bold;
  if (italic) style |= FontStyle::Italic;
  if (underline) style |= FontStyle::Underline;
  return RequireGuiDriver().LoadFont(name, size, style);
}

std::u16string GetFontName(const Ref<TGuiFont>& font) { return font ? font->name : std::u16string(); }
int32_t GetFontSize(const Ref<TGuiFont>& font) { return font ? font->size : 0; }
int32_t GetFontStyle(const Ref<TGuiFont>& font) { return font ? font->style : 0; }

int32_t SetPointer(int32_t shape) {
  RequireGuiDriver().SetPointer(shape);
  return 0;
}

Ref<TIconStrip> LoadIconStrip(const Ref<TObject>& source) { return RequireGuiDriver().LoadIconStrip(source); }
