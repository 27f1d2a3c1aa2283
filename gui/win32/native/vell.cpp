// Native gadgets: group membership, stored shapes, layout locks and the layout itself; the menu
// item chain.
#include "gui/win32/native/vell.h"

#include <algorithm>

#include "event/event.h"
#include "gui/constants.h"

VellGadget::VellGadget(VellGroup* g, int32_t s) : style(s) {
  MoveToGroup(g);
  LockLayout();
}

VellGadget::~VellGadget() {
  MoveToGroup(nullptr);
  VellAssign<VellFont>(font, nullptr);
  VellAssign<VellIconStrip>(iconstrip, nullptr);
}

intptr_t VellGadget::Query(int32_t) { return 0; }
void VellGadget::SetFont(VellFont* f) { VellAssign(font, f); }
void VellGadget::SetText(const std::u16string& t) { text = t; }
void VellGadget::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) { StoreShape(nx, ny, w, h); }
void VellGadget::SetTextColor(int32_t, int32_t, int32_t) {}
void VellGadget::SetColor(int32_t, int32_t, int32_t) {}
void VellGadget::SetIconStrip(VellIconStrip* strip) { VellAssign(iconstrip, strip); }

void VellGadget::StoreShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  x = nx;
  y = ny;
  width = w;
  height = h;
}

void VellGadget::LockLayout() {
  lockx = x;
  locky = y;
  lockw = width;
  lockh = height;
  lockcw = group ? std::max(1, group->clientwidth) : 1;
  lockch = group ? std::max(1, group->clientheight) : 1;
}

void VellGadget::SetLayout(int32_t l, int32_t r, int32_t t, int32_t b) {
  lockl = l;
  lockr = r;
  lockt = t;
  lockb = b;
  LockLayout();
}

void VellGadget::MoveToGroup(VellGroup* g) {
  if (group) {
    auto& k = group->kids;
    k.erase(std::remove(k.begin(), k.end(), this), k.end());
  }
  group = g;
  if (group) group->kids.push_back(this);
}

void VellGadget::Emit(int32_t id, int32_t data, int32_t mods, int32_t ex, int32_t ey, Ref<TObject> extra) {
  PostNativeGuiEvent(id, this, data, mods, ex, ey, std::move(extra));
}

VellHost* NativeHost = nullptr;

int32_t PostNativeGuiEvent(int32_t id, VellResource* native, int32_t data, int32_t mods, int32_t x, int32_t y,
                           Ref<TObject> extra) {
  return NativeHost ? NativeHost->PostEvent(id, native, data, mods, x, y, std::move(extra)) : 0;
}

bool PassesKeyFilter(VellGadget* native, int32_t id, int32_t data, int32_t mods) {
  return NativeHost ? NativeHost->PassesKeyFilter(native, id, data, mods) : true;
}

Ref<TObject> ManagedGadgetOf(const VellResource* native) {
  return NativeHost ? NativeHost->GadgetOf(native) : nullptr;
}

Ref<TEvent> HotKeyEventFor(int32_t key, int32_t mods, intptr_t owner) {
  return NativeHost ? NativeHost->HotKeyEvent(key, mods, owner) : nullptr;
}

void VellLayoutAxis(int32_t modeStart, int32_t modeEnd, int32_t lockPos, int32_t lockExtent,
                    int32_t lockClient, int32_t client, int32_t& pos, int32_t& extent) {
  // 64-bit intermediates keep large windows from overflowing before the division.
  using W = int64_t;
  int32_t p0 = pos, p1 = pos + extent;
  if (modeStart != EdgeMode::Free || modeEnd != EdgeMode::Free) {
    if (modeStart == EdgeMode::Aligned) p0 = lockPos;
    if (modeStart == EdgeMode::Relative) p0 = static_cast<int32_t>(W(client) * lockPos / lockClient);
    if (modeEnd == EdgeMode::Aligned) p1 = lockPos + lockExtent - lockClient + client;
    if (modeEnd == EdgeMode::Relative)
      p1 = static_cast<int32_t>(W(client) * (lockPos + lockExtent) / lockClient);
    if (modeStart == EdgeMode::Free) {
      p0 = p1 - lockExtent;
    } else if (modeEnd == EdgeMode::Free) {
      p1 = p0 + lockExtent;
    }
  } else {
    p0 = static_cast<int32_t>(W(client) * (lockPos + lockExtent / 2) / lockClient) - lockExtent / 2;
    p1 = p0 + lockExtent;
  }
  pos = p0;
  extent = p1 - p0;
}

void VellGadget::DoLayout() {
  if (!group) return;
  int32_t nx = x, nw = width, ny = y, nh = height;
  VellLayoutAxis(lockl, lockr, lockx, lockw, std::max(1, lockcw), std::max(1, group->clientwidth), nx, nw);
  VellLayoutAxis(lockt, lockb, locky, lockh, std::max(1, lockch), std::max(1, group->clientheight), ny, nh);
  SetShape(nx, ny, nw, nh);
}

VellGroup::~VellGroup() {
  // Children that outlive their group (still held by their managed gadgets) stay without one.
  for (VellGadget* k : kids) k->group = nullptr;
  kids.clear();
}

void VellGroup::UpdateClientSize() {
  clientwidth = width;
  clientheight = height;
}

void VellGroup::StoreShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  VellGadget::StoreShape(nx, ny, w, h);
  UpdateClientSize();
  LayoutKids();
}

void VellGroup::LayoutKids() {
  // Moving a child runs platform code that may free another child, so the walk goes over a copy
  // and skips children that left meanwhile.
  std::vector<VellGadget*> now = kids;
  for (VellGadget* k : now) {
    if (std::find(kids.begin(), kids.end(), k) != kids.end()) k->DoLayout();
  }
}

int32_t VellTextField::CursorPos(int32_t units) {
  int32_t start = 0, end = 0;
  GetSelection(start, end);
  return units == TextUnits::Lines ? 0 : start;
}

int32_t VellTextField::SelectionLength(int32_t units) {
  int32_t start = 0, end = 0;
  GetSelection(start, end);
  return units == TextUnits::Lines ? 1 : end - start;
}

void VellTextField::SelectRange(int32_t pos, int32_t length, int32_t units) {
  const auto chars = static_cast<int32_t>(CurrentText().size());
  const int32_t total = units == TextUnits::Lines ? 1 : chars;
  pos = std::clamp(pos, 0, total);
  if (length < 0 || int64_t(pos) + length > total) length = total - pos;
  if (units != TextUnits::Lines) return Select(pos, pos + length);
  const int32_t start = pos == 0 ? 0 : chars;
  Select(start, length > 0 ? chars : start);
}

VellMenu::~VellMenu() {
  VellMenu* c = firstchild;
  firstchild = nullptr;
  while (c) {
    VellMenu* next = c->next;
    c->next = nullptr;
    c->parent = nullptr;
    c->Release();
    c = next;
  }
}

VellMenu* NewMenu(const std::u16string& text, int32_t tag, VellMenu* parent) {
  auto* item = new VellMenu();
  item->text = text;
  item->tag = tag;
  if (parent) {
    item->Retain();
    item->parent = parent;
    VellMenu** link = &parent->firstchild;
    while (*link) link = &(*link)->next;
    *link = item;
  }
  return item;
}

void VellMenu::Unlink() {
  if (!parent) return;
  VellMenu** link = &parent->firstchild;
  while (*link && *link != this) link = &(*link)->next;
  if (*link) *link = next;
  next = nullptr;
  parent = nullptr;
  Release();
}
