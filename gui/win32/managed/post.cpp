// Events of native gadgets become toolkit events of their gadgets; the key filter of a gadget.
#include "event/event.h"
#include "gui/win32/kinds/menu.h"
#include "gui/win32/kinds/tree_view.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/vell.h"
#include "runtime/text.h"

namespace {

int32_t DecimalValue(const std::u16string& text) {
  int64_t v = 0;
  bool negative = !text.empty() && text[0] == u'-';
  for (size_t i = negative ? 1 : 0; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    v = v * 10 + (text[i] - u'0');
  }
  return static_cast<int32_t>(negative ? -v : v);
}

bool IsItemClass(int32_t cls) {
  return cls == GadgetClass::ComboBox || cls == GadgetClass::ListBox || cls == GadgetClass::ToolBar ||
         cls == GadgetClass::Tabber;
}

}  // namespace

int32_t PostNativeGuiEvent(int32_t id, VellResource* native, int32_t data, int32_t mods, int32_t x, int32_t y,
                           Ref<TObject> extra) {
  Ref<TWin32Gadget> gadget = TWin32GUIDriver::GadgetFromHandle(native);
  if (gadget && id == WindowSize) gadget->UpdateSize();
  if (gadget && id == WindowMove) gadget->UpdatePos();
  if (id == MenuAction) {
    std::u16string key = IntText(data);
    auto tag = MenuTagMap.find(key);
    data = tag == MenuTagMap.end() ? 0 : DecimalValue(tag->second);
    auto item = MenuGadgetMap.find(key);
    // A command of a freed item (from a menu built before it went) is no item's any more.
    if (item == MenuGadgetMap.end()) return 0;
    gadget = Ref<TWin32Gadget>(item->second);
    extra = PopupExtra;
  }
  if (gadget && gadget->cls == GadgetClass::TreeView) {
    // A tree view's data is a node id (a pointer would not fit); the extra is that node's gadget.
    extra = Ref<TObject>(TWin32GUIDriver::GadgetFromHandle(TreeNodeFromId(data)));
  } else if (gadget && IsItemClass(gadget->cls) && data > -1 && data < gadget->ItemCount()) {
    extra = gadget->ItemExtra(data);
    if (gadget->ItemFlags(data) & ItemFlag::ToggleIcon) gadget->SelectItem(data, ItemSelect::Toggle);
  }
  return PostGadgetEvent(id, gadget, data, mods, x, y, extra);
}

bool PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods) {
  Ref<TWin32Gadget> gadget = TWin32GUIDriver::GadgetFromHandle(native);
  if (!gadget) return true;
  return ConsultEventFilter(gadget, id, data, mods) != 0;
}
