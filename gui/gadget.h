// The gadget: one element of the user interface, its place in the tree, its layout, items and
// data source, and the platform operations a driver overrides.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gui/constants.h"
#include "gui/font.h"
#include "gui/iconstrip.h"
#include "gui/items.h"
#include "gui/pixmap.h"
#include "runtime/containers.h"
#include "runtime/object.h"

class TEvent;

// A key filter: called with a KeyDown or KeyChar event whose source is the gadget and with the
// context given together with the filter; the key goes through only when it answers non-zero.
using TEventFilter = int32_t (*)(const Ref<TEvent>& event, const Ref<TObject>& context);

// The filter of a gadget without a filter. Drivers compare `eventfilter` with it and never call
// it; calling it raises TNullFunctionException.
int32_t NullEventFilter(const Ref<TEvent>& event, const Ref<TObject>& context);

// The platform-independent gadget. Everything that touches the platform is a virtual operation
// that does nothing here and answers 0, the empty text or Null; a driver's gadget class overrides
// them. Layout (SetShape ... DoLayout) works on the stored rectangles alone; the item list and
// the data source are kept here too and reach the native side through the list-item hooks.
class TGadget : public TObject {
 public:
  TGadget();
  ~TGadget() override;

  // When set, events of this gadget are reported as events of `source`. Not a counted reference:
  // the proxy that sets it holds this gadget and clears it when it lets go, so neither keeps the
  // other alive.
  TGadget* source = nullptr;

  Ref<TGadget> parent;                                // Null for the desktop and for gadgets not attached
  Ref<TList> kids;                                    // children, in the order _setparent fixes
  int32_t xpos = 0, ypos = 0, width = 0, height = 0;  // in the parent's client coordinates
  std::u16string name;                                // the text given at creation
  int32_t style = 0;
  int32_t visible = 0;
  int32_t total = 1;
  int32_t lockl = 0, lockr = 0, lockt = 0, lockb = 0;  // EdgeMode of each edge
  int32_t lockx = 0, locky = 0, lockw = 0, lockh = 0;  // the rectangle LockLayout recorded
  int32_t lockcw = 0, lockch = 0;  // the parent's client size then; 0 until a base is recorded
  TEventFilter eventfilter = NullEventFilter;
  Ref<TObject> context;  // second argument of eventfilter
  Ref<TGadgetItemArray> items;
  Ref<TObject> datasource;  // a TList, TStringArray or TObjectArray the items mirror

  // True when a filter other than the null function is set.
  bool HasEventFilter() const noexcept { return eventfilter != NullEventFilter; }

  // --- tree and layout ---
  // A C++ null function pointer counts as the null function.
  virtual void SetFilter(TEventFilter filter, Ref<TObject> context);
  // Leaves the old parent's kids; with a parent, joins its kids: index below 0 or not below the
  // kid count appends, 0 puts first, otherwise before the kid now at `index`. A gadget cannot
  // become a kid of itself or of one of its own descendants (runtime error).
  virtual void _setparent(Ref<TGadget> parent, int32_t index);
  // The gadget the toolkit functions act on: itself (a proxy answers itself too, forwarding the
  // platform operations).
  virtual Ref<TGadget> Handle();
  // Places the gadget (SetArea) and records the result as the base its edges follow from.
  virtual void SetShape(int32_t x, int32_t y, int32_t w, int32_t h);
  // Places the gadget without recording a new base: the rectangle, the platform's element
  // (Rethink), then the children's layout.
  virtual void SetArea(int32_t x, int32_t y, int32_t w, int32_t h);
  // Stores the rectangle alone; nothing else follows.
  virtual void SetRect(int32_t x, int32_t y, int32_t w, int32_t h);
  // Records the rectangle and the parent's client size now as the base layout starts from.
  virtual void LockLayout();
  // Sets the EdgeMode of each edge and records the base (LockLayout).
  virtual void SetLayout(int32_t left, int32_t right, int32_t top, int32_t bottom);
  // Lays out every child (DoLayout) after the client size changed.
  virtual void LayoutKids();
  // Places the gadget by its edge modes in the parent's client size now; a gadget without a
  // recorded base keeps its rectangle.
  virtual void DoLayout();

  // --- items and data source ---
  // Makes `source` (a TList, TStringArray or TObjectArray; Null: none) what the items mirror:
  // clears the items and synchronises at once.
  virtual void SetDataSource(Ref<TObject> source);
  // The keys of a list's or object array's elements: the text form of every non-null element,
  // in order (class functions, they use no gadget).
  static std::vector<std::u16string> KeysFromList(const TList& list);
  // The keys of an object array's elements, like KeysFromList.
  static std::vector<std::u16string> KeysFromObjectArray(const TObjectArray& array);
  // Makes the items equal to the data source's keys with as few insertions and removals as it can;
  // items that stay keep their place and state. 1 when an empty source cleared the items, else 0.
  virtual int32_t SyncDataSource();
  // The edit behind SyncDataSource: from the items' texts as they are now (hand edits included) to
  // `keys`.
  virtual void SyncData(const std::vector<std::u16string>& keys);
  // Inserts the item for a new key: the key as its text, the data source as its extra.
  virtual void InsertItemFromKey(int32_t index, const std::u16string& key);
  // Removes every item, on the native side too.
  virtual void Clear();
  // Item indices outside the items (for InsertItem: below 0 or above the count) raise a runtime
  // error before anything changes.
  virtual void InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                          Ref<TObject> extra, int32_t flags);
  // Replaces everything of the item at `index`.
  virtual void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                       Ref<TObject> extra, int32_t flags);
  // Removes the item at `index`.
  virtual void RemoveItem(int32_t index);
  // The number of items.
  virtual int32_t ItemCount();
  // The text of the item at `index`.
  virtual std::u16string ItemText(int32_t index);
  // The tip of the item at `index`.
  virtual std::u16string ItemTip(int32_t index);
  // The ItemFlag bits of the item at `index`.
  virtual int32_t ItemFlags(int32_t index);
  // The icon number of the item at `index`.
  virtual int32_t ItemIcon(int32_t index);
  // The extra object of the item at `index`.
  virtual Ref<TObject> ItemExtra(int32_t index);
  // Sets the GadgetState bits (Selected, Disabled) of the item at `index`, on the native side too.
  virtual void SetItemState(int32_t index, int32_t state);
  // The GadgetState bits of the item at `index`, as the native side shows them.
  virtual int32_t ItemState(int32_t index);
  // op 0 deselects, 1 selects, 2 toggles; index -1 applies op to every item.
  virtual void SelectItem(int32_t index, int32_t op);
  // The index of the first selected item, or -1.
  virtual int32_t SelectedItem();
  // The indices of every selected item, in order.
  virtual std::vector<int32_t> SelectedItems();

  // --- hooks for the driver ---
  // Driver hook: the native side of attaching `gadget` as a kid at `index`.
  virtual void Insert(Ref<TGadget> gadget, int32_t index);
  // The platform handle of QueryKind `kind`; 0 for any other kind.
  virtual intptr_t Query(int32_t kind);
  // Destroys the native element with the children's and detaches the gadget from its parent.
  virtual void Free();
  // True once the gadget was freed (or never got a native element): its operations then do
  // nothing and answer 0. False here; a driver's gadget answers for its native element.
  virtual bool IsFreed();
  // Moves the native element to the stored rectangle.
  virtual void Rethink();
  // The width of the client area, as the native element reports it.
  virtual int32_t ClientWidth();
  // The height of the client area, as the native element reports it.
  virtual int32_t ClientHeight();
  // How many of the screen's pixels one unit of the gadget's shape covers (its DPI / 96); 1 where
  // the driver does not scale.
  virtual float Scale();
  // Carries out an ActivateCommand (focus, clipboard, window state, tree node, history, print,
  // redraw).
  virtual void Activate(int32_t command);
  // The GadgetState bits the native element shows now.
  virtual int32_t State();
  // Shows `text` as the gadget's text (title, caption, content, or the HTML view's address).
  virtual void SetText(const std::u16string& text);
  // The text the native element shows now.
  virtual std::u16string GetText();
  // Shows the text in `font`.
  virtual void SetFont(Ref<TGuiFont> font);
  // The background colour.
  virtual void SetColor(int32_t r, int32_t g, int32_t b);
  // The opacity of a panel's background.
  virtual void SetAlpha(float alpha);
  // The text colour.
  virtual void SetTextColor(int32_t r, int32_t g, int32_t b);
  // The strip whose icons the items or nodes show.
  virtual void SetIconStrip(Ref<TIconStrip> strip);
  // Shows (non-zero) or hides the native element.
  virtual void SetShow(int32_t flag);
  // Lets the user's input through (non-zero) or refuses it.
  virtual void SetEnabled(int32_t flag);
  // Checks a button or ticks a menu entry (non-zero), or clears it.
  virtual void SetSelected(int32_t flag);
  // Binds a key combination that sends the gadget's action (key 0: none).
  virtual void SetHotKey(int32_t key, int32_t modifiers);
  // A window's status bar text.
  virtual void SetStatus(const std::u16string& text);
  // A window's menu root.
  virtual Ref<TGadget> GetMenu();
  // Shows the items below `menu` as a popup at the pointer; the chosen item's MenuAction carries
  // `extra`.
  virtual void PopupMenu(Ref<TGadget> menu, Ref<TObject> extra);
  // Rebuilds a window's menu bar from its menu tree.
  virtual void UpdateMenu();
  // The smallest size the user can give a window.
  virtual void SetMinimumSize(int32_t w, int32_t h);
  // The native side of the item list; only the item operations call these.
  virtual void ClearListItems();
  // Inserts the native item at `index`.
  virtual void InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                              int32_t icon, Ref<TObject> extra);
  // Changes the native item at `index`.
  virtual void SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                           Ref<TObject> extra);
  // Removes the native item at `index`.
  virtual void RemoveListItem(int32_t index);
  // Sets the native item's GadgetState bits.
  virtual void SetListItemState(int32_t index, int32_t state);
  // The native item's GadgetState bits.
  virtual int32_t ListItemState(int32_t index);
  // Tree view and node.
  // The tree view's invisible root node.
  virtual Ref<TGadget> RootNode();
  // A new child node before `index` (-1: last) with `text` and `icon`.
  virtual Ref<TGadget> InsertNode(int32_t index, const std::u16string& text, int32_t icon);
  // The node's text and icon.
  virtual void ModifyNode(const std::u16string& text, int32_t icon);
  // The tree view's selected node, or Null.
  virtual Ref<TGadget> SelectedNode();
  // The number of a node's children.
  virtual int32_t CountKids();
  // Text area; units are TextUnits.
  // Replaces `length` units from `pos` with `text`.
  virtual void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units);
  // Adds `text` at the end of a text area.
  virtual void AddText(const std::u16string& text);
  // The text of `length` units from `pos`.
  virtual std::u16string AreaText(int32_t pos, int32_t length, int32_t units);
  // The length in `units`.
  virtual int32_t AreaLen(int32_t units);
  // Freezes the text area's drawing and reports (nesting).
  virtual void LockText();
  // Undoes one LockText.
  virtual void UnlockText();
  // The tab stop width.
  virtual void SetTabs(int32_t width);
  // The caret's position in `units`.
  virtual int32_t GetCursorPos(int32_t units);
  // The selection's length in `units`.
  virtual int32_t GetSelectionLength(int32_t units);
  // Colours and styles (FontStyle `flags`) `length` units from `pos`.
  virtual void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                        int32_t units);
  // Selects `length` units from `pos`.
  virtual void SetSelection(int32_t pos, int32_t length, int32_t units);
  // The character index where `line` begins.
  virtual int32_t CharAt(int32_t line);
  // The line of the character at `index`.
  virtual int32_t LineAt(int32_t index);
  // Progress bar and slider.
  // How far a progress bar is filled, 0 to 1.
  virtual void SetValue(float value);
  // A slider's range.
  virtual void SetRange(int32_t a, int32_t b);
  // A slider's position.
  virtual void SetProp(int32_t value);
  // A slider's position.
  virtual int32_t GetProp();
  // Panel and canvas.
  // The picture a panel shows, in a PanelPicture mode.
  virtual void SetPixmap(Ref<TPixmap> pixmap, int32_t flags);
  // Attaches a drawing context to a canvas; Null when the driver has none.
  virtual Ref<TGraphics> AttachGraphics(int32_t flags);
  // The drawing context attached to a canvas, or Null.
  virtual Ref<TGraphics> CanvasGraphics();
  // HTML view.
  // Runs a script in an HTML view's page; its result as text.
  virtual std::u16string Run(const std::u16string& script);

 private:
  void CheckItemIndex(int32_t index) const;
  void ReplaceItems(std::vector<Ref<TGadgetItem>> next);
  std::vector<Ref<TGadgetItem>> TakeItems();
};

// The inert gadget a new proxy points at; made when the toolkit starts.
extern Ref<TGadget> nullGadget;

// Builds the event and emits it; a source whose `source` field is set is replaced by that gadget
// (one step only). Returns 0.
int32_t PostGadgetEvent(int32_t id, Ref<TGadget> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                        Ref<TObject> extra);

// Asks the gadget's key filter about a KeyDown or KeyChar: builds the event with the gadget as
// source and calls the filter. 1 lets the key through: always, when no filter is set.
int32_t ConsultEventFilter(const Ref<TGadget>& gadget, int32_t id, int32_t code, int32_t mods);

// The toolkit's start-up: its dependencies, then nullGadget. It installs no driver.
void GuiModuleStart();
