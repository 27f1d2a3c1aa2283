// The managed layer as the native layer's host: events of native gadgets become toolkit events of
// their gadgets, a gadget's key filter decides on its keys, and hot keys find their events.
#include "event/event.h"
#include "gui/hotkey.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/managed/menus.h"
#include "gui/win32/native/vell.h"

namespace {

bool IsItemClass(int32_t cls) {
  return cls == GadgetClass::ComboBox || cls == GadgetClass::ListBox || cls == GadgetClass::ToolBar ||
         cls == GadgetClass::Tabber;
}

// The managed layer as the native layer's host.
class ManagedHost : public VellHost {
 public:
  int32_t PostEvent(int32_t id, VellResource* native, int32_t data, int32_t mods, int32_t x, int32_t y,
                    Ref<TObject> extra) override;
  bool PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods) override;
  Ref<TObject> GadgetOf(const VellResource* native) override {
    return Ref<TObject>(TWin32GUIDriver::GadgetFromHandle(native));
  }
  Ref<TEvent> HotKeyEvent(int32_t key, int32_t mods, intptr_t owner) override {
    return LookupHotKeyEvent(key, mods, owner);
  }
};

}  // namespace

VellHost* ManagedNativeHost() {
  static ManagedHost* host = new ManagedHost();
  return host;
}

int32_t ManagedHost::PostEvent(int32_t id, VellResource* native, int32_t data, int32_t mods, int32_t x,
                               int32_t y, Ref<TObject> extra) {
  Ref<TWin32Gadget> gadget = TWin32GUIDriver::GadgetFromHandle(native);
  if (gadget && id == WindowSize) gadget->UpdateSize();
  if (gadget && id == WindowMove) gadget->UpdatePos();
  if (id == MenuAction) {
    TWin32Gadget* item = MenuItemGadget(data);
    // A command of a freed item (from a menu built before it went) is no item's any more.
    if (!item) return 0;
    data = MenuUserTag(data);
    gadget = Ref<TWin32Gadget>(item);
    extra = PopupExtra;
  }
  if (gadget && gadget->cls == GadgetClass::TreeView) {
    // A tree view's data is a node id (a pointer would not fit); the extra is that node's gadget.
    auto* tree = dynamic_cast<VellTreeView*>(gadget->handle);
    extra = Ref<TObject>(tree ? TWin32GUIDriver::GadgetFromHandle(tree->NodeFromId(data)) : nullptr);
  } else if (gadget && IsItemClass(gadget->cls) && data > -1 && data < gadget->ItemCount()) {
    extra = gadget->ItemExtra(data);
    if (gadget->ItemFlags(data) & ItemFlag::ToggleIcon) gadget->SelectItem(data, ItemSelect::Toggle);
  }
  return PostGadgetEvent(id, gadget, data, mods, x, y, extra);
}

bool ManagedHost::PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods) {
  Ref<TWin32Gadget> gadget = TWin32GUIDriver::GadgetFromHandle(native);
  if (!gadget) return true;
  return ConsultEventFilter(gadget, id, data, mods) != 0;
}
