// The native factory of the Win32 gadget kinds and the start of the native layer.
#pragma once

#include "gui/win32/native/font.h"
#include "gui/win32/native/vell.h"

// Every kind is made here with the default font; the kinds' own files hold the rest.
class Win32GuiDriver : public VellGuiDriver {
 public:
  // Initialises OLE and the common controls, loads the rich edit library and builds DefaultFont.
  Win32GuiDriver();
  VellGadget* NewGadget(int32_t cls, VellGroup* group, int32_t style) override;
  VellDesktop* NewDesktop() override;
  int32_t TrackPopup(const VellMenu* root, intptr_t owner) override;
  Win32Font* FontFromHandle(HFONT h);
};

// The current native driver and the native desktop; both made by StartNativeLayer.
extern Win32GuiDriver* NativeGuiDriver;
extern VellDesktop* NativeDesktop;

// Starts the font driver, then the GUI driver, once per process; an exit handler gives back OLE
// and the screen device context.
void StartNativeLayer();
