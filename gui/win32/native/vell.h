// The platform-independent native gadget layer: counted resources, gadgets, groups and layout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/object.h"

class TEvent;

// Platform headers name some functions by macro; the slider's operations keep these names.
#ifdef SetProp
#undef SetProp
#endif
#ifdef GetProp
#undef GetProp
#endif

// A native object with a count of its own, created at 1 for whoever made it; it destroys itself
// when the count drops to 0.
class VellResource {
 public:
  VellResource() = default;
  VellResource(const VellResource&) = delete;
  VellResource& operator=(const VellResource&) = delete;
  virtual ~VellResource() = default;

  void Retain() noexcept { ++refs_; }
  void Release() noexcept {
    if (--refs_ == 0) delete this;
  }
  int RefCount() const noexcept { return refs_; }

 private:
  int refs_ = 1;
};

// Replaces a counted native reference: retains the new one before releasing the old one, so
// setting the same object again is safe.
template <class T>
void VellAssign(T*& slot, T* value) {
  if (value) value->Retain();
  if (slot) slot->Release();
  slot = value;
}

class VellFont : public VellResource {
 public:
  std::u16string name;
  int32_t size = 0;   // points
  int32_t style = 0;  // bold 1, italic 2, underline 4
};

// A row of square icons for the item kinds; the platform's strip adds its image list.
class VellIconStrip : public VellResource {
 public:
  int32_t iconwidth = 0;
  int32_t iconheight = 0;
  int32_t count = 0;
  std::vector<bool> blank;  // one bit per icon: every pixel of the icon is white
  // True for an icon whose pixels are all white; false for indices outside the strip.
  bool IsBlank(int32_t icon) const {
    return icon >= 0 && static_cast<size_t>(icon) < blank.size() && blank[static_cast<size_t>(icon)];
  }
};

// One menu item of a window's menu bar or of a popup menu; the tree is built into native menus
// on demand.
class VellMenu : public VellResource {
 public:
  // Children go first; one still held by its gadget is only let go: it stays alive, without parent.
  ~VellMenu() override;
  // Takes the item out of its parent's chain; the chain's reference goes with it.
  void Unlink();
  std::u16string text;  // empty: a separator
  int32_t tag = 0;      // native tag, unique per item
  uint8_t checked = 0;
  uint8_t enabled = 1;
  VellMenu* firstchild = nullptr;
  VellMenu* next = nullptr;
  VellMenu* parent = nullptr;
  int32_t hotkey = 0;      // virtual key shown as the shortcut, 0 for none
  int32_t hotkeymods = 0;  // shift 1, control 2, alt 4
};

class VellTreeView;

// One node of a tree view below its parent node (the root node stands for the control's root).
class VellTreeViewNode : public VellResource {
 public:
  std::vector<VellTreeViewNode*> kids;  // child nodes in order, not owned: each is owned by its gadget
  VellTreeViewNode* parent = nullptr;
  VellTreeView* tree = nullptr;  // none once the tree view is gone
};

class VellGroup;
class TPixmap;

// One native gadget: what every kind has regardless of the platform.
class VellGadget : public VellResource {
 public:
  // Joins the group's children and takes the first layout lock at once.
  VellGadget(VellGroup* group, int32_t style);
  ~VellGadget() override;

  virtual intptr_t Query(int32_t kind);
  virtual void SetFont(VellFont* font);
  virtual void SetText(const std::u16string& text);
  // Moves the native element and stores the shape; a group lays its children out again.
  virtual void SetShape(int32_t x, int32_t y, int32_t w, int32_t h);
  virtual void SetShow(int32_t flag) = 0;
  virtual void SetEnabled(int32_t flag) = 0;
  virtual int32_t Activate(int32_t command) = 0;
  virtual void SetTextColor(int32_t r, int32_t g, int32_t b);
  virtual void SetColor(int32_t r, int32_t g, int32_t b);
  virtual void SetIconStrip(VellIconStrip* strip);
  // Recomputes the shape from the layout lock and the group's client size and applies it.
  virtual void DoLayout();

  // Records the current shape and the group's client size as the layout base.
  void LockLayout();
  void SetLayout(int32_t left, int32_t right, int32_t top, int32_t bottom);
  // Leaves the current group (if any) and joins `group` at the end of its children.
  void MoveToGroup(VellGroup* group);
  // Reports something the user did; the managed layer turns it into a toolkit event.
  void Emit(int32_t id, int32_t data, int32_t mods, int32_t x, int32_t y, Ref<TObject> extra = nullptr);

  VellGroup* group = nullptr;
  int32_t style = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;
  uint8_t visible = 0;
  uint8_t enabled = 1;
  VellFont* font = nullptr;
  std::u16string text;
  VellIconStrip* iconstrip = nullptr;
  int32_t lockx = 0, locky = 0, lockw = 0, lockh = 0, lockcw = 1, lockch = 1;
  int32_t lockl = 0, lockr = 0, lockt = 0, lockb = 0;

 protected:
  // Stores a shape the platform already has (no move); a group refreshes its client size and
  // lays its children out.
  virtual void StoreShape(int32_t x, int32_t y, int32_t w, int32_t h);
};

// A native gadget with children. The children list does not own them: each child is owned by
// its managed gadget and leaves the list when it goes.
class VellGroup : public VellGadget {
 public:
  using VellGadget::VellGadget;
  ~VellGroup() override;

  void LayoutKids();
  // Re-reads the client size from the platform; the base keeps the stored shape's size.
  virtual void UpdateClientSize();

  std::vector<VellGadget*> kids;
  int32_t clientwidth = 0;
  int32_t clientheight = 0;

 protected:
  void StoreShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
};

class VellWindow : public VellGroup {
 public:
  using VellGroup::VellGroup;
  // The root of the window's menu tree (items created with the window as group hang below it).
  virtual VellMenu* RootMenu() = 0;
  // Rebuilds the native menu bar from the menu tree.
  virtual void UpdateMenu() = 0;
  virtual void FocusFirstChild() = 0;
  virtual void SetMinimumSize(int32_t w, int32_t h) = 0;
  virtual void SetStatusText(const std::u16string& text) = 0;
  virtual void Minimize() = 0;
  virtual void Maximize() = 0;
  virtual void Restore() = 0;
  // Window state bits: 1 minimized, 2 maximized.
  virtual int32_t SizeState() = 0;
};

class VellPanel : public VellGroup {
 public:
  using VellGroup::VellGroup;
  // Shows an RGB888 picture as the background in a PanelPicture mode; none, or one without
  // pixels, clears it.
  virtual void SetPicture(const TPixmap* rgb, int32_t mode) = 0;
  // How opaque the picture is drawn, from 0 to 1.
  virtual void SetAlpha(float alpha) = 0;
};

// The native side of the item kinds (list box, combo box, tabber, tool bar): the toolkit keeps the
// items and calls these to mirror them in the control.
class VellItemList {
 public:
  virtual ~VellItemList() = default;
  virtual void ClearItems() = 0;
  virtual void InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                          int32_t icon) = 0;
  virtual void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                       int32_t icon) = 0;
  virtual void RemoveItem(int32_t index) = 0;
  // State bit 0x10: selected (checked for a tool bar button); 4: disabled.
  virtual void SetItemState(int32_t index, int32_t state) = 0;
  virtual int32_t ItemState(int32_t index) = 0;
};

class VellTabber : public VellGroup, public VellItemList {
 public:
  using VellGroup::VellGroup;
};

class VellDesktop : public VellGroup {
 public:
  using VellGroup::VellGroup;
};

class VellButton : public VellGadget {
 public:
  using VellGadget::VellGadget;
  virtual void SetSelected(int32_t flag) = 0;
  virtual int32_t Checked() = 0;
};

class VellLabel : public VellGadget {
 public:
  using VellGadget::VellGadget;
};

// The text area's operations; positions and lengths in characters (units 1) or lines (units 2).
class VellTextArea : public VellGadget {
 public:
  using VellGadget::VellGadget;
  virtual void SetTabs(int32_t width) = 0;
  virtual int32_t AreaLen(int32_t units) = 0;
  virtual int32_t GetSelectionLength(int32_t units) = 0;
  virtual int32_t GetCursorPos(int32_t units) = 0;
  virtual int32_t LineAt(int32_t pos) = 0;
  virtual int32_t CharAt(int32_t line) = 0;
  virtual void AddText(const std::u16string& text) = 0;
  virtual void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units) = 0;
  virtual void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                        int32_t units) = 0;
  virtual void SetSelection(int32_t pos, int32_t length, int32_t units) = 0;
  virtual std::u16string AreaText(int32_t pos, int32_t length, int32_t units) = 0;
  virtual void LockText() = 0;
  virtual void UnlockText() = 0;
  int32_t LineLength(int32_t line) { return CharAt(line + 1) - CharAt(line); }
};

class VellTextField : public VellGadget {
 public:
  using VellGadget::VellGadget;
  // The text the control holds now (typing changes it without the program knowing).
  virtual std::u16string CurrentText() = 0;
  // The selection as character positions: start (the cursor) and end.
  virtual void GetSelection(int32_t& start, int32_t& end) = 0;
  virtual void Select(int32_t start, int32_t end) = 0;

  // The toolkit's cursor operations in characters, or in lines (units 2). The field holds one
  // line: in lines the cursor is always on line 0 and any selection, even an empty one, spans
  // that line, as a text area counts the caret's line.
  int32_t CursorPos(int32_t units);
  int32_t SelectionLength(int32_t units);
  // Selects `length` characters (or lines) from `pos`; positions are clamped to the text, and a
  // negative or overlong length runs to the end. In lines, line 0 with any length but 0 selects
  // the whole text; positions past line 0 put the caret at the end.
  void SelectRange(int32_t pos, int32_t length, int32_t units);
};

class VellSlider : public VellGadget {
 public:
  using VellGadget::VellGadget;
  virtual void SetRange(int32_t a, int32_t b) = 0;
  virtual void SetProp(int32_t value) = 0;
  virtual int32_t GetProp() = 0;
};

class VellProgBar : public VellGadget {
 public:
  using VellGadget::VellGadget;
  virtual void SetValue(float value) = 0;
};

class VellListBox : public VellGadget, public VellItemList {
 public:
  using VellGadget::VellGadget;
};

class VellComboBox : public VellGadget, public VellItemList {
 public:
  using VellGadget::VellGadget;
  // The selected item's text, or what was typed when nothing is selected.
  virtual std::u16string CurrentText() = 0;
};

class VellToolBar : public VellGadget, public VellItemList {
 public:
  using VellGadget::VellGadget;
};

class VellTreeView : public VellGadget {
 public:
  using VellGadget::VellGadget;
  virtual VellTreeViewNode* RootNode() = 0;
  // The live node an event's data names (none for 0, a node gone or a number never handed out).
  virtual VellTreeViewNode* NodeFromId(int32_t id) = 0;
  // A new node below `parent` at `index` (0 first; negative or past the last child: last); none
  // when the control refuses the item.
  virtual VellTreeViewNode* InsertNode(VellTreeViewNode* parent, int32_t index, const std::u16string& text,
                                       int32_t icon) = 0;
  virtual void ModifyNode(VellTreeViewNode* node, const std::u16string& text, int32_t icon) = 0;
  virtual VellTreeViewNode* SelectedNode() = 0;
  // Select 7, expand 8, collapse 9.
  virtual void ActivateNode(VellTreeViewNode* node, int32_t command) = 0;
  // Deletes the node's item and takes it out of its parent's children.
  virtual void RemoveNode(VellTreeViewNode* node) = 0;
};

class VellHtmlView : public VellGadget {
 public:
  using VellGadget::VellGadget;
  virtual void Navigate(const std::u16string& url) = 0;
  // The browser's ready state, 0 to 4 (0 when there is no browser).
  virtual int32_t ReadyState() = 0;
  virtual std::u16string Run(const std::u16string& script) = 0;
};

// The native factory: one creation per kind, each taking (group, style).
class VellGuiDriver {
 public:
  virtual ~VellGuiDriver() = default;
  // A new native gadget of a toolkit gadget class (GadgetClass), hidden, in the group's client area
  // (a top-level one for no group); none for a class that has no native kind.
  virtual VellGadget* NewGadget(int32_t cls, VellGroup* group, int32_t style) = 0;
  virtual VellDesktop* NewDesktop() = 0;
  // Shows a popup menu of the root's children at the pointer and waits for the user's choice;
  // `owner` is the native window it belongs to (none, or another thread's: a hidden one of this
  // thread stands in). Answers the native tag of the item chosen, 0 for none.
  virtual int32_t TrackPopup(const VellMenu* root, intptr_t owner) = 0;
};

// A new item (count 1, held by its creator) appended as the last child of `parent`; the parent's
// chain takes a reference of its own.
VellMenu* NewMenu(const std::u16string& text, int32_t tag, VellMenu* parent);

class VellFontDriver {
 public:
  virtual ~VellFontDriver() = default;
  // A font of the family at the point size with the style bits; none when the platform fails.
  virtual VellFont* LoadFont(const std::u16string& name, int32_t size, int32_t style) = 0;
};

// Computes a layout edge pair along one axis (start, extent) from the lock values and the new
// client extent; shared by every native gadget and worth testing on its own.
void VellLayoutAxis(int32_t modeStart, int32_t modeEnd, int32_t lockPos, int32_t lockExtent,
                    int32_t lockClient, int32_t client, int32_t& pos, int32_t& extent);

// What the native layer needs from the layer above it. That layer installs one in NativeHost before
// it makes any gadget, so that the native layer calls up without naming anything of it.
class VellHost {
 public:
  virtual ~VellHost() = default;
  // Maps `native` to its gadget and posts the event as that gadget's; answers the post's result.
  virtual int32_t PostEvent(int32_t id, VellResource* native, int32_t data, int32_t mods, int32_t x,
                            int32_t y, Ref<TObject> extra) = 0;
  // Builds the key event (`id` KeyDown or KeyChar with `data` and the modifiers) and asks the
  // gadget's key filter; true when the key may pass.
  virtual bool PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods) = 0;
  // The object above that stands for a native gadget; none for an unknown one.
  virtual Ref<TObject> GadgetOf(const VellResource* native) = 0;
  // The event of the hot key `key` with modifiers `mods` for the window `owner` (or for every
  // window); none when no hot key matches.
  virtual Ref<TEvent> HotKeyEvent(int32_t key, int32_t mods, intptr_t owner) = 0;
};

// The layer above; none until it starts (events then go nowhere and every key passes).
extern VellHost* NativeHost;

// The kinds' way up: NativeHost's PostEvent, or nothing before there is a host.
int32_t PostNativeGuiEvent(int32_t id, VellResource* native, int32_t data, int32_t mods, int32_t x, int32_t y,
                           Ref<TObject> extra);
// NativeHost's PassesKeyFilter; true before there is a host.
bool PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods);
// NativeHost's GadgetOf: the source a native gadget's raw input is reported with; none before
// there is a host.
Ref<TObject> ManagedGadgetOf(const VellResource* native);
// NativeHost's HotKeyEvent; none before there is a host.
Ref<TEvent> HotKeyEventFor(int32_t key, int32_t mods, intptr_t owner);
