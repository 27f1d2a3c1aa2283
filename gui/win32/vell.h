// The platform-independent native gadget layer: counted resources, gadgets, groups and layout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/object.h"

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

class VellIconStrip : public VellResource {};
class VellMenu : public VellResource {};

class VellGroup;

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
  virtual void Popup(VellMenu* menu);
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
  virtual void UpdateMenu() {}
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
};

class VellTabber : public VellGroup {
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

// The native factory: one creation per kind, each taking (group, style).
class VellGuiDriver {
 public:
  virtual ~VellGuiDriver() = default;
  virtual VellLabel* NewLabel(VellGroup* group, int32_t style) = 0;
  virtual VellButton* NewButton(VellGroup* group, int32_t style) = 0;
  virtual VellTextArea* NewTextArea(VellGroup* group, int32_t style) = 0;
  virtual VellWindow* NewWindow(VellGroup* group, int32_t style) = 0;
  virtual VellPanel* NewPanel(VellGroup* group, int32_t style) = 0;
  virtual VellDesktop* NewDesktop() = 0;
};

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

// The managed layer's entry for events of native gadgets (maps `native` to its gadget and posts).
int32_t PostNativeGuiEvent(int32_t id, VellGadget* native, int32_t data, int32_t mods, int32_t x, int32_t y,
                           Ref<TObject> extra);
// The managed layer's key filter of a gadget: builds the key event (`id` KeyDown or KeyChar with
// `data` and the current modifiers) and asks the gadget's filter; true when the key may pass.
bool PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods);
