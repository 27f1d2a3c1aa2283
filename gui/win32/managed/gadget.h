// The managed side of the Win32 gadget driver: the driver, its gadget class and their maps.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "gui/driver.h"
#include "gui/gadget.h"
#include "gui/hotkey.h"
#include "gui/pixmap.h"
#include "gui/win32/module_win32.h"
#include "runtime/object.h"

// Platform headers name some functions by macro; the driver's own operations keep these names.
#ifdef SendMessage
#undef SendMessage
#endif
#ifdef CreateFont
#undef CreateFont
#endif

class VellResource;
class VellIconStrip;
class VellGadget;
class VellFont;
class VellHost;

// The key of GadgetMap: a native gadget's address as a comparable object.
class TIntWrapper : public TObject {
 public:
  intptr_t value = 0;
  static Ref<TIntWrapper> Create(intptr_t i);
  // Ascending order of the values; equal values are the same key.
  int Compare(const TObject* other) const override;
};

// A gadget realised by a native gadget. Every operation forwards to the native object; after
// Free `handle` is none and nothing is forwarded any more.
class TWin32Gadget : public TGadget {
 public:
  ~TWin32Gadget() override;

  int32_t cls = 0;                 // the gadget class the gadget was created with
  VellResource* handle = nullptr;  // the native object (one counted reference), none after Free
  Ref<TGraphics> canvas;
  int32_t disabled = 0;
  int32_t menuid = 0;
  Ref<THotKey> hotkey;
  Ref<TPixmap> pix;

  // A new gadget of class `cls` for `native`, appended to `group`'s kids. A native gadget that
  // already has a gadget raises "Gadget handle already in map!" before anything is changed.
  static Ref<TWin32Gadget> Create(int32_t cls, VellResource* native, Ref<TGadget> group);
  // The native gadget behind a gadget that has a window (none for menu items, nodes and after Free).
  VellGadget* native() const;
  // The main HWND of the first window among the gadget and its ancestors, or 0.
  intptr_t findowner();
  // Re-reads the native shape into the rectangle fields, for the kids too.
  void UpdateSize();
  void UpdatePos();

  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
  void SetLayout(int32_t left, int32_t right, int32_t top, int32_t bottom) override;
  void Insert(Ref<TGadget> gadget, int32_t index) override;
  intptr_t Query(int32_t kind) override;
  void Free() override;
  // After Free the native object is gone.
  bool IsFreed() override { return handle == nullptr; }
  void Rethink() override;
  int32_t ClientWidth() override;
  int32_t ClientHeight() override;
  float Scale() override;
  void Activate(int32_t command) override;
  int32_t State() override;
  void SetText(const std::u16string& text) override;
  std::u16string GetText() override;
  void SetFont(Ref<TGuiFont> font) override;
  void SetColor(int32_t r, int32_t g, int32_t b) override;
  void SetTextColor(int32_t r, int32_t g, int32_t b) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  void SetSelected(int32_t flag) override;
  void SetHotKey(int32_t key, int32_t modifiers) override;
  void SetStatus(const std::u16string& text) override;
  void SetMinimumSize(int32_t w, int32_t h) override;
  void SetIconStrip(Ref<TIconStrip> strip) override;

  // Menus (win32_menu.cpp).
  Ref<TGadget> GetMenu() override;
  // Shows the items below `menu` as a popup menu at the pointer, on a gadget of any kind; a
  // choice posts the item's menu action (0x8001) carrying `extra`. Refuses (shows nothing for) a
  // `menu` that is neither a window nor a menu item.
  void PopupMenu(Ref<TGadget> menu, Ref<TObject> extra) override;
  void UpdateMenu() override;

  // Items of list boxes, combo boxes, tabbers and tool bars.
  void ClearListItems() override;
  void InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                      Ref<TObject> extra) override;
  void SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                   Ref<TObject> extra) override;
  void RemoveListItem(int32_t index) override;
  void SetListItemState(int32_t index, int32_t state) override;
  int32_t ListItemState(int32_t index) override;

  // Tree views and nodes (win32_treeview.cpp).
  Ref<TGadget> RootNode() override;
  Ref<TGadget> InsertNode(int32_t index, const std::u16string& text, int32_t icon) override;
  void ModifyNode(const std::u16string& text, int32_t icon) override;
  Ref<TGadget> SelectedNode() override;
  int32_t CountKids() override;

  // Sliders and progress bars.
  void SetValue(float value) override;
  void SetRange(int32_t a, int32_t b) override;
  void SetProp(int32_t value) override;
  int32_t GetProp() override;

  // Panels (win32_panel.cpp).
  void SetPixmap(Ref<TPixmap> pixmap, int32_t flags) override;
  void SetAlpha(float alpha) override;

  // HTML views (win32_htmlview.cpp).
  std::u16string Run(const std::u16string& script) override;

  void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) override;
  void AddText(const std::u16string& text) override;
  std::u16string AreaText(int32_t pos, int32_t length, int32_t units) override;
  int32_t AreaLen(int32_t units) override;
  void LockText() override;
  void UnlockText() override;
  void SetTabs(int32_t width) override;
  int32_t GetCursorPos(int32_t units) override;
  int32_t GetSelectionLength(int32_t units) override;
  void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                int32_t units) override;
  void SetSelection(int32_t pos, int32_t length, int32_t units) override;
  int32_t CharAt(int32_t line) override;
  int32_t LineAt(int32_t index) override;

 private:
  // Drops the native gadget: out of GadgetMap first, then its reference.
  void ReleaseNative();
  // Forgets the gadget's hot key; its registry entry goes only while it still fires for this gadget.
  void DropHotKey();
};

// An icon strip of the Win32 driver: the toolkit's record and one counted reference to the native
// strip (its image list).
class TWin32IconStrip : public TIconStrip {
 public:
  ~TWin32IconStrip() override;
  VellIconStrip* handle = nullptr;
};

// Orders GadgetMap's keys by their Compare, which is the order of their values; a native gadget's
// address is compared with the keys as such, so a lookup makes no key object.
struct TIntWrapperLess {
  using is_transparent = void;
  bool operator()(const Ref<TIntWrapper>& a, const Ref<TIntWrapper>& b) const {
    return a->Compare(b.get()) < 0;
  }
  bool operator()(const Ref<TIntWrapper>& a, intptr_t b) const { return a->value < b; }
  bool operator()(intptr_t a, const Ref<TIntWrapper>& b) const { return a < b->value; }
};

// One entry per live native gadget. The map does not keep its gadgets alive: a gadget leaves it
// when it is freed or destroyed. The driver's globals are never destroyed: windows still open when
// the program ends go with the process, not with static destructors that run in no fixed order.
extern std::map<Ref<TIntWrapper>, TWin32Gadget*, TIntWrapperLess>& GadgetMap;
// The desktop's gadget (class 0), the group of every gadget created without one.
extern Ref<TWin32Gadget>& DesktopGadget;
// Native menu tag (decimal text) -> the user's menu tag (decimal text), and -> the item's gadget.
// Ordered as texts; a lookup may name its key by a view of characters held elsewhere.
extern std::map<std::u16string, std::u16string, std::less<>>& MenuTagMap;
extern std::map<std::u16string, TWin32Gadget*, std::less<>>& MenuGadgetMap;
// The native tag the next menu item gets.
extern int32_t NextMenuTag;

class TWin32GUIDriver : public TGuiDriver {
 public:
  // Becomes the native layer's host, starts that layer (once per process), then makes the desktop gadget.
  TWin32GUIDriver();

  // A copy of an event `message`, with `target` as its source, posted as a gadget event.
  Ref<TObject> SendMessage(const Ref<TObject>& message, const Ref<TObject>& target);
  Ref<TGuiFont> LoadFont(const std::u16string& name, int32_t size, int32_t style) override;
  Ref<TGadget> CreateGadget(int32_t cls, const std::u16string& text, int32_t x, int32_t y, int32_t w,
                            int32_t h, Ref<TGadget> group, int32_t style) override;
  Ref<TGadget> ActiveGadget() override;
  int32_t RequestColor(int32_t r, int32_t g, int32_t b) override;
  Ref<TGuiFont> RequestFont(Ref<TGuiFont> font) override;
  void SetPointer(int32_t shape) override;
  Ref<TIconStrip> LoadIconStrip(Ref<TObject> source) override;

  // The gadget of a native gadget; Null for none or an unknown one.
  static Ref<TWin32Gadget> GadgetFromHandle(const VellResource* native);
  // A gadget font describing the native font; the font record keeps the native font alive.
  Ref<TGuiFont> CreateFont(VellFont* native);
  // Prepares an icon image with alpha for a mask colour of white (see the definition).
  static int32_t ProcessIconPix(const Ref<TPixmap>& pixmap);
};

// The host the native layer calls up through (events, key filters, gadgets of natives); the
// driver installs it as it starts.
VellHost* ManagedNativeHost();

// The pointer shape table of SetPointer: the system cursor id of a shape (15 and above: 0's).
int32_t PointerCursorId(int32_t shape);
