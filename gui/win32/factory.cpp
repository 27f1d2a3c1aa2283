// Starting the native layer and creating native gadgets of each kind with the default font.
#include "gui/win32/factory.h"

#include <commctrl.h>
#include <ole2.h>

#include "gui/constants.h"
#include "gui/win32/kinds/button.h"
#include "gui/win32/kinds/combo_box.h"
#include "gui/win32/kinds/html_view.h"
#include "gui/win32/kinds/label.h"
#include "gui/win32/kinds/list_box.h"
#include "gui/win32/kinds/menu.h"
#include "gui/win32/kinds/panel.h"
#include "gui/win32/kinds/progress_bar.h"
#include "gui/win32/kinds/slider.h"
#include "gui/win32/kinds/tabber.h"
#include "gui/win32/kinds/text_area.h"
#include "gui/win32/kinds/text_field.h"
#include "gui/win32/kinds/tool_bar.h"
#include "gui/win32/kinds/tree_view.h"
#include "gui/win32/kinds/window.h"
#include "gui/win32/native/desktop.h"
#include "gui/win32/native/dpi.h"
#include "runtime/module.h"

Win32GuiDriver* NativeGuiDriver = nullptr;
VellDesktop* NativeDesktop = nullptr;

Win32GuiDriver::Win32GuiDriver() {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX),
                           ICC_WIN95_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryW(L"riched32.dll");
  DefaultFont = NativeFontDriver->MessageFont();
  NativeDesktop = NewDesktop();
  NativeGuiDriver = this;
}

Win32Font* Win32GuiDriver::FontFromHandle(HFONT h) { return NativeFontDriver->FontFromHandle(h, false); }

namespace {

// Every new native gadget starts with the default font.
template <class T>
T* WithDefaultFont(T* g) {
  g->SetFont(DefaultFont);
  return g;
}

}  // namespace

// One line a kind: a new kind is made here and nowhere else.
VellGadget* Win32GuiDriver::NewGadget(int32_t cls, VellGroup* g, int32_t s) {
  switch (cls) {
    case GadgetClass::Window:
      return WithDefaultFont(new Win32Window(g, s));
    case GadgetClass::Button:
      return WithDefaultFont(new Win32Button(g, s));
    case GadgetClass::Label:
      return WithDefaultFont(new Win32Label(g, s));
    case GadgetClass::Panel:
      return WithDefaultFont(new Win32Panel(g, s));
    case GadgetClass::Canvas:
      return WithDefaultFont(new Win32Panel(g, s | PanelStyle::Active));
    case GadgetClass::TextArea:
      return WithDefaultFont(new Win32TextArea(g, s));
    case GadgetClass::TextField:
      return WithDefaultFont(new Win32TextField(g, s));
    case GadgetClass::Slider:
      return WithDefaultFont(new Win32Slider(g, s));
    case GadgetClass::ProgBar:
      return WithDefaultFont(new Win32ProgBar(g, s));
    case GadgetClass::ComboBox:
      return WithDefaultFont(NewWin32ComboBox(g, s));
    case GadgetClass::ListBox:
      return WithDefaultFont(NewWin32ListBox(g, s));
    case GadgetClass::TreeView:
      return WithDefaultFont(new Win32TreeView(g, s));
    case GadgetClass::ToolBar:
      return WithDefaultFont(NewWin32ToolBar(g, s));
    case GadgetClass::HtmlView:
      return WithDefaultFont(new Win32HtmlView(g, s));
    case GadgetClass::Tabber:
      return WithDefaultFont(NewWin32Tabber(g, s));
  }
  return nullptr;
}
VellDesktop* Win32GuiDriver::NewDesktop() { return new Win32Desktop(); }

int32_t Win32GuiDriver::TrackPopup(const VellMenu* root, intptr_t owner) {
  return TrackNativePopup(root, reinterpret_cast<HWND>(owner));
}

void StartNativeLayer() {
  static bool started = false;
  if (started) return;
  started = true;
  // Before the first window and device context, which fix the scale a process gets.
  DeclareDpiAwareness();
  NativeFontDriver = new Win32FontDriver();
  new Win32GuiDriver();
  AtExit([] {
    // OleInitialize's counterpart: it also ends the COM use it started.
    OleUninitialize();
    NativeFontDriver->ReleaseScreen();
  });
}
