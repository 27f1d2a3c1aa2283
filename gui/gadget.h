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

  Ref<TGadget> source;  // when set, events of this gadget are reported as events of `source`
  Ref<TGadget> parent;  // Null for the desktop and for gadgets not attached
  Ref<TList> kids;      // children, in the order _setparent fixes
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
  Ref<TObject> datasource;               // a TList, TStringArray or TObjectArray the items mirror
  std::vector<std::u16string> datakeys;  // the keys of the last synchronisation

  // True when a filter other than the null function is set.
  bool HasEventFilter() const noexcept { return eventfilter != NullEventFilter; }

  // --- tree and layout ---
  // A C++ null function pointer counts as the null function.
  virtual void SetFilter(TEventFilter filter, Ref<TObject> context);
  // Leaves the old parent's kids; with a parent, joins its kids: index below 0 or not below the
  // kid count appends, 0 puts first, otherwise before the kid now at `index`. A gadget cannot
  // become a kid of itself or of one of its own descendants (runtime error).
  virtual void _setparent(Ref<TGadget> parent, int32_t index);
  virtual Ref<TGadget> Handle();
  virtual void SetShape(int32_t x, int32_t y, int32_t w, int32_t h);
  virtual void SetArea(int32_t x, int32_t y, int32_t w, int32_t h);
  virtual void SetRect(int32_t x, int32_t y, int32_t w, int32_t h);
  virtual void LockLayout();
  virtual void SetLayout(int32_t left, int32_t right, int32_t top, int32_t bottom);
  virtual void LayoutKids();
  virtual void DoLayout();

  // --- items and data source ---
  virtual void SetDataSource(Ref<TObject> source);
  // The keys of a list's or object array's elements: the text form of every non-null element,
  // in order (class functions, they use no gadget).
  static std::vector<std::u16string> KeysFromList(const TList& list);
  static std::vector<std::u16string> KeysFromObjectArray(const TObjectArray& array);
  virtual int32_t SyncDataSource();
  virtual void SyncData(const std::vector<std::u16string>& keys);
  virtual void InsertItemFromKey(int32_t index, const std::u16string& key);
  virtual void Clear();
  // Item indices outside the items (for InsertItem: below 0 or above the count) raise a runtime
  // error before anything changes.
  virtual void InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                          Ref<TObject> extra, int32_t flags);
  virtual void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                       Ref<TObject> extra, int32_t flags);
  virtual void RemoveItem(int32_t index);
  virtual int32_t ItemCount();
  virtual std::u16string ItemText(int32_t index);
  virtual std::u16string ItemTip(int32_t index);
  virtual int32_t ItemFlags(int32_t index);
  virtual int32_t ItemIcon(int32_t index);
  virtual Ref<TObject> ItemExtra(int32_t index);
  virtual void SetItemState(int32_t index, int32_t state);
  virtual int32_t ItemState(int32_t index);
  // op 0 deselects, 1 selects, 2 toggles; index -1 applies op to every item.
  virtual void SelectItem(int32_t index, int32_t op);
  virtual int32_t SelectedItem();
  virtual std::vector<int32_t> SelectedItems();

  // --- hooks for the driver ---
  virtual void Insert(Ref<TGadget> gadget, int32_t index);
  virtual intptr_t Query(int32_t kind);
  virtual void Free();
  virtual void Rethink();
  virtual int32_t ClientWidth();
  virtual int32_t ClientHeight();
  virtual void Activate(int32_t command);
  virtual int32_t State();
  virtual void SetText(const std::u16string& text);
  virtual std::u16string GetText();
  virtual void SetFont(Ref<TGuiFont> font);
  virtual void SetColor(int32_t r, int32_t g, int32_t b);
  virtual void SetAlpha(float alpha);
  virtual void SetTextColor(int32_t r, int32_t g, int32_t b);
  virtual void SetIconStrip(Ref<TIconStrip> strip);
  virtual void SetShow(int32_t flag);
  virtual void SetEnabled(int32_t flag);
  virtual void SetSelected(int32_t flag);
  virtual void SetHotKey(int32_t key, int32_t modifiers);
  virtual void SetStatus(const std::u16string& text);
  virtual Ref<TGadget> GetMenu();
  virtual void PopupMenu(Ref<TGadget> menu, Ref<TObject> extra);
  virtual void UpdateMenu();
  virtual void SetMinimumSize(int32_t w, int32_t h);
  // The native side of the item list; only the item operations call these.
  virtual void ClearListItems();
  virtual void InsertListItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                              int32_t icon, Ref<TObject> extra);
  virtual void SetListItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                           Ref<TObject> extra);
  virtual void RemoveListItem(int32_t index);
  virtual void SetListItemState(int32_t index, int32_t state);
  virtual int32_t ListItemState(int32_t index);
  // Tree view and node.
  virtual Ref<TGadget> RootNode();
  virtual Ref<TGadget> InsertNode(int32_t index, const std::u16string& text, int32_t icon);
  virtual void ModifyNode(const std::u16string& text, int32_t icon);
  virtual Ref<TGadget> SelectedNode();
  virtual int32_t CountKids();
  // Text area; units are TextUnits.
  virtual void ReplaceText(int32_t pos, int32_t length, const std::u16string& text, int32_t units);
  virtual void AddText(const std::u16string& text);
  virtual std::u16string AreaText(int32_t pos, int32_t length, int32_t units);
  virtual int32_t AreaLen(int32_t units);
  virtual void LockText();
  virtual void UnlockText();
  virtual void SetTabs(int32_t width);
  virtual int32_t GetCursorPos(int32_t units);
  virtual int32_t GetSelectionLength(int32_t units);
  virtual void SetStyle(int32_t r, int32_t g, int32_t b, int32_t flags, int32_t pos, int32_t length,
                        int32_t units);
  virtual void SetSelection(int32_t pos, int32_t length, int32_t units);
  virtual int32_t CharAt(int32_t line);
  virtual int32_t LineAt(int32_t index);
  // Progress bar and slider.
  virtual void SetValue(float value);
  virtual void SetRange(int32_t a, int32_t b);
  virtual void SetProp(int32_t value);
  virtual int32_t GetProp();
  // Panel and canvas.
  virtual void SetPixmap(Ref<TPixmap> pixmap, int32_t flags);
  virtual Ref<TGraphics> AttachGraphics(int32_t flags);
  virtual Ref<TGraphics> CanvasGraphics();
  // HTML view.
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
