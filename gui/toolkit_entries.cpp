// Entry functions of combo boxes, list boxes, tabbers and tool bars.
#include "gui/need.h"
#include "gui/toolkit.h"

int32_t ClearGadgetEntries(const Ref<TGadget>& g) {
  if (TGadget* gadget = LiveGadget(g)) gadget->Clear();
  return 0;
}

// The public functions take (text, flags, icon, tip, extra); the item operations take
// (text, tip, icon, extra, flags).
int32_t AppendGadgetEntry(const Ref<TGadget>& g, const std::u16string& text, int32_t flags, int32_t icon,
                          const std::u16string& tip, const Ref<TObject>& extra) {
  if (TGadget* gadget = LiveGadget(g)) gadget->InsertItem(gadget->ItemCount(), text, tip, icon, extra, flags);
  return 0;
}

int32_t InsertGadgetEntry(const Ref<TGadget>& g, int32_t index, const std::u16string& text, int32_t flags,
                          int32_t icon, const std::u16string& tip, const Ref<TObject>& extra) {
  if (TGadget* gadget = LiveGadget(g)) gadget->InsertItem(index, text, tip, icon, extra, flags);
  return 0;
}

int32_t ChangeGadgetEntry(const Ref<TGadget>& g, int32_t index, const std::u16string& text, int32_t flags,
                          int32_t icon, const std::u16string& tip, const Ref<TObject>& extra) {
  if (TGadget* gadget = LiveGadget(g)) gadget->SetItem(index, text, tip, icon, extra, flags);
  return 0;
}

int32_t DeleteGadgetEntry(const Ref<TGadget>& g, int32_t index) {
  if (TGadget* gadget = LiveGadget(g)) gadget->RemoveItem(index);
  return 0;
}

int32_t EnableGadgetEntry(const Ref<TGadget>& g, int32_t index) {
  if (TGadget* gadget = LiveGadget(g))
    gadget->SetItemState(index, gadget->ItemState(index) & ~GadgetState::Disabled);
  return 0;
}

int32_t DisableGadgetEntry(const Ref<TGadget>& g, int32_t index) {
  if (TGadget* gadget = LiveGadget(g))
    gadget->SetItemState(index, gadget->ItemState(index) | GadgetState::Disabled);
  return 0;
}

int32_t SelectGadgetEntry(const Ref<TGadget>& g, int32_t index) {
  if (TGadget* gadget = LiveGadget(g)) gadget->SelectItem(index, 1);
  return 0;
}

int32_t DeselectGadgetEntry(const Ref<TGadget>& g, int32_t index) {
  if (TGadget* gadget = LiveGadget(g)) gadget->SelectItem(index, 0);
  return 0;
}

int32_t ToggleGadgetEntry(const Ref<TGadget>& g, int32_t index) {
  if (TGadget* gadget = LiveGadget(g)) gadget->SelectItem(index, 2);
  return 0;
}

// A freed list reads as one without entries: nothing selected, no entry to read.
int32_t GetSelectedEntry(const Ref<TGadget>& g) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->SelectedItem() : -1;
}
std::vector<int32_t> GetSelectedEntries(const Ref<TGadget>& g) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->SelectedItems() : std::vector<int32_t>();
}
int32_t CountGadgetEntries(const Ref<TGadget>& g) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->ItemCount() : 0;
}
std::u16string GetEntryText(const Ref<TGadget>& g, int32_t index) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->ItemText(index) : std::u16string();
}
int32_t GetEntryIcon(const Ref<TGadget>& g, int32_t index) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->ItemIcon(index) : 0;
}
Ref<TObject> GetEntryExtra(const Ref<TGadget>& g, int32_t index) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->ItemExtra(index) : nullptr;
}
int32_t GetEntryFlags(const Ref<TGadget>& g, int32_t index) {
  TGadget* gadget = LiveGadget(g);
  return gadget ? gadget->ItemFlags(index) : 0;
}

int32_t ChangeToolBarTips(const Ref<TGadget>& toolbar, const std::vector<std::u16string>& tips) {
  TGadget* bar = LiveGadget(toolbar);
  if (!bar) return 0;
  int32_t index = 0;
  for (const std::u16string& tip : tips) {
    // The null text marks a gap in the list of tips, not a button without a tip.
    if (tip.empty()) continue;
    // A list longer than the bar has nothing left to describe.
    if (index >= bar->ItemCount()) break;
    ChangeGadgetEntry(toolbar, index, GetEntryText(toolbar, index), GetEntryFlags(toolbar, index),
                      GetEntryIcon(toolbar, index), tip, GetEntryExtra(toolbar, index));
    ++index;
  }
  return 0;
}
