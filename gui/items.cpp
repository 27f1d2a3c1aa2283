// The item list of list-like gadgets: kept here, mirrored to the native side through the
// list-item hooks; selection and enabled state live only on the native side.
#include "gui/items.h"

#include "gui/gadget.h"
#include "runtime/text.h"

void TGadgetItem::Set(std::u16string newText, std::u16string newTip, int32_t newIcon, Ref<TObject> newExtra,
                      int32_t newFlags) {
  text = std::move(newText);
  tip = std::move(newTip);
  icon = newIcon;
  extra = std::move(newExtra);
  flags = newFlags;
}

void TGadget::CheckItemIndex(int32_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= items->Length()) {
    RuntimeError(u"Gadget item index " + IntText(index) + u" is outside the " + IntText(items->Length()) +
                 u" items");
  }
}

std::vector<Ref<TGadgetItem>> TGadget::TakeItems() {
  // An array nobody else holds can give up its entries; one handed out must stay as it is.
  if (items->RefCount() == 1) return std::move(items->items);
  return items->items;
}

void TGadget::ReplaceItems(std::vector<Ref<TGadgetItem>> next) {
  items = New<TGadgetItemArray>(std::move(next));
}

void TGadget::Clear() {
  ClearListItems();
  items = New<TGadgetItemArray>();
}

void TGadget::InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                         Ref<TObject> extra, int32_t flags) {
  if (index < 0 || static_cast<std::size_t>(index) > items->Length()) {
    RuntimeError(u"Gadget item insertion index " + IntText(index) + u" is outside 0.." +
                 IntText(items->Length()));
  }
  auto item = New<TGadgetItem>();
  item->Set(text, tip, icon, extra, flags);
  std::vector<Ref<TGadgetItem>> next = TakeItems();
  next.insert(next.begin() + index, std::move(item));
  ReplaceItems(std::move(next));
  InsertListItem(index, text, tip, icon, std::move(extra));
  if (flags & ItemFlag::SelectOnSet) SelectItem(index, 1);
}

void TGadget::SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon,
                      Ref<TObject> extra, int32_t flags) {
  CheckItemIndex(index);
  (*items)[index]->Set(text, tip, icon, extra, flags);
  SetListItem(index, text, tip, icon, std::move(extra));
  if (flags & ItemFlag::SelectOnSet) SelectItem(index, 1);
}

void TGadget::RemoveItem(int32_t index) {
  CheckItemIndex(index);
  std::vector<Ref<TGadgetItem>> next = TakeItems();
  next.erase(next.begin() + index);
  ReplaceItems(std::move(next));
  RemoveListItem(index);
}

int32_t TGadget::ItemCount() { return static_cast<int32_t>(items->Length()); }

std::u16string TGadget::ItemText(int32_t index) {
  CheckItemIndex(index);
  return (*items)[index]->text;
}

std::u16string TGadget::ItemTip(int32_t index) {
  CheckItemIndex(index);
  return (*items)[index]->tip;
}

int32_t TGadget::ItemFlags(int32_t index) {
  CheckItemIndex(index);
  return (*items)[index]->flags;
}

int32_t TGadget::ItemIcon(int32_t index) {
  CheckItemIndex(index);
  return (*items)[index]->icon;
}

Ref<TObject> TGadget::ItemExtra(int32_t index) {
  CheckItemIndex(index);
  return (*items)[index]->extra;
}

void TGadget::SetItemState(int32_t index, int32_t state) {
  CheckItemIndex(index);
  SetListItemState(index, state);
}

int32_t TGadget::ItemState(int32_t index) {
  CheckItemIndex(index);
  return ListItemState(index);
}

void TGadget::SelectItem(int32_t index, int32_t op) {
  if (index == -1) {
    for (int32_t i = 0; i < ItemCount(); ++i) SelectItem(i, op);
    return;
  }
  CheckItemIndex(index);
  int32_t state = ItemState(index);
  switch (op) {
    case 0:
      state &= ~GadgetState::Selected;
      break;
    case 1:
      state |= GadgetState::Selected;
      break;
    case 2:
      state ^= GadgetState::Selected;
      break;
    default:
      break;
  }
  // Hold the item: the hook may change the items meanwhile.
  const Ref<TGadgetItem> item = (*items)[index];
  if (item->icon > -1 && (item->flags & ItemFlag::ToggleIcon)) {
    const int32_t shown = (state & GadgetState::Selected) ? item->icon + 1 : item->icon;
    SetListItem(index, item->text, item->tip, shown, item->extra);
  }
  SetItemState(index, state);
}

int32_t TGadget::SelectedItem() {
  for (int32_t i = 0; i < ItemCount(); ++i) {
    if (ListItemState(i) & GadgetState::Selected) return i;
  }
  return -1;
}

std::vector<int32_t> TGadget::SelectedItems() {
  std::vector<int32_t> selected;
  for (int32_t i = 0; i < ItemCount(); ++i) {
    if (ListItemState(i) & GadgetState::Selected) selected.push_back(i);
  }
  return selected;
}
