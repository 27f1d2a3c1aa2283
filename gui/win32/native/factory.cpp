// Starting the native layer and creating native gadgets of each kind with the default font.
#include "gui/win32/native/factory.h"

#include <commctrl.h>
#include <ole2.h>

#include "gui/win32/kinds/button.h"
#include "gui/win32/kinds/label.h"
#include "gui/win32/kinds/panel.h"
#include "gui/win32/kinds/text_area.h"
#include "gui/win32/kinds/window.h"
#include "gui/win32/native/desktop.h"
#include "runtime/module.h"

Win32GuiDriver* NativeGuiDriver = nullptr;
VellDesktop* NativeDesktop = nullptr;

Win32GuiDriver::Win32GuiDriver() {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX),
                           ICC_WIN95_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryA("riched32.dll");
  DefaultFont = FontFromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  NativeDesktop = NewDesktop();
  NativeGuiDriver = this;
}

Win32Font* Win32GuiDriver::FontFromHandle(HFONT h) { return NativeFontDriver->FontFromHandle(h, false); }

VellLabel* Win32GuiDriver::NewLabel(VellGroup* g, int32_t s) { return WithDefaultFont(new Win32Label(g, s)); }
VellButton* Win32GuiDriver::NewButton(VellGroup* g, int32_t s) {
  return WithDefaultFont(new Win32Button(g, s));
}
VellTextArea* Win32GuiDriver::NewTextArea(VellGroup* g, int32_t s) {
  return WithDefaultFont(new Win32TextArea(g, s));
}
VellWindow* Win32GuiDriver::NewWindow(VellGroup* g, int32_t s) {
  return WithDefaultFont(new Win32Window(g, s));
}
VellPanel* Win32GuiDriver::NewPanel(VellGroup* g, int32_t s) { return WithDefaultFont(new Win32Panel(g, s)); }
VellDesktop* Win32GuiDriver::NewDesktop() { return new Win32Desktop(); }

void StartNativeLayer() {
  static bool started = false;
  if (started) return;
  started = true;
  NativeFontDriver = new Win32FontDriver();
  new Win32GuiDriver();
  AtExit([] {
    // OleInitialize's counterpart: it also ends the COM use it started.
    OleUninitialize();
    NativeFontDriver->ReleaseScreen();
  });
}
