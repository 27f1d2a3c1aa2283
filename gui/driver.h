// The gadget driver interface and the one active driver.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gui/font.h"
#include "gui/gadget.h"
#include "gui/iconstrip.h"
#include "runtime/object.h"

// Every operation raises TNullMethodException ("Attempt to call abstract method") here; a
// platform driver overrides all of them.
class TGuiDriver : public TObject {
 public:
  // style: FontStyle bits.
  virtual Ref<TGuiFont> LoadFont(const std::u16string& name, int32_t size, int32_t style);
  // A new element of the GadgetClass in `group` (Null: the desktop), attached to it. Class 0
  // answers the one desktop gadget; for class Menu, `style` carries the menu tag. May answer Null.
  virtual Ref<TGadget> CreateGadget(int32_t cls, const std::u16string& text, int32_t x, int32_t y, int32_t w,
                                    int32_t h, Ref<TGadget> group, int32_t style);
  // The gadget with the keyboard focus, or Null.
  virtual Ref<TGadget> ActiveGadget();
  // 0 when cancelled, else 0xFFrrggbb (the top byte set so that black is not 0).
  virtual int32_t RequestColor(int32_t r, int32_t g, int32_t b);
  // The platform's font chooser starting at `font`; the chosen font, or Null when cancelled.
  virtual Ref<TGuiFont> RequestFont(Ref<TGuiFont> font);
  // The pointer's shape over the program's windows.
  virtual void SetPointer(int32_t shape);
  // From a pixmap or anything a pixmap can be loaded from; Null when none is made.
  virtual Ref<TIconStrip> LoadIconStrip(Ref<TObject> source);
};

// The installed driver, Null until a driver module starts; the last one to start wins.
extern Ref<TGuiDriver> ActiveGuiDriver;

// The installed driver, asked for by `function`. Without one, raises the runtime error
// "<function>: no gadget driver installed (call Win32GuiModuleStart first)": every creation
// function and driver service fails that way rather than touching a Null driver. From a thread
// other than the main one it raises the error of RequireMainThread (runtime/thread.h).
TGuiDriver& RequireGuiDriver(std::u16string_view function = u"RequireGuiDriver");
