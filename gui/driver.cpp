// The base gadget driver, whose operations are all abstract, and the active-driver slot.
#include "gui/driver.h"

#include <string>

#include "runtime/thread.h"

Ref<TGuiDriver> ActiveGuiDriver;

Ref<TGuiFont> TGuiDriver::LoadFont(const std::u16string&, int32_t, int32_t) { ThrowNullMethod(); }
Ref<TGadget> TGuiDriver::CreateGadget(int32_t, const std::u16string&, int32_t, int32_t, int32_t, int32_t,
                                      Ref<TGadget>, int32_t) {
  ThrowNullMethod();
}
Ref<TGadget> TGuiDriver::ActiveGadget() { ThrowNullMethod(); }
int32_t TGuiDriver::RequestColor(int32_t, int32_t, int32_t) { ThrowNullMethod(); }
Ref<TGuiFont> TGuiDriver::RequestFont(Ref<TGuiFont>) { ThrowNullMethod(); }
void TGuiDriver::SetPointer(int32_t) { ThrowNullMethod(); }
Ref<TIconStrip> TGuiDriver::LoadIconStrip(Ref<TObject>) { ThrowNullMethod(); }

TGuiDriver& RequireGuiDriver(std::u16string_view function) {
  // Every creation function and driver service passes here: the one place to refuse another thread.
  RequireMainThread(function);
  if (!ActiveGuiDriver) {
    RuntimeError(std::u16string(function) + u": no gadget driver installed (call Win32GuiModuleStart first)");
  }
  return *ActiveGuiDriver;
}
