// List boxes: a one-column report list view with a tooltip per item that has a tip; selections,
// double clicks and right clicks become events.
#include "gui/win32/kinds/list_box.h"

#include <windows.h>
// The list view and tooltip declarations need the base platform header first.
#include <commctrl.h>

#include <string>
#include <vector>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/icon_strip.h"
#include "gui/win32/native/keyboard.h"
#include "runtime/text.h"

namespace {

// Posted to the list view itself: the column is sized once per turn of the message loop, not once
// per item, however many items a turn adds or removes (sizing measures every item).
constexpr UINT AutosizeMessage = WM_APP + 0x4C;

constexpr DWORD ListBoxWindowStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                     LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER;

// One native item as the list box knows it: the id its item parameter and tooltip carry, and
// its tip (empty for none), kept to lay its tool anew.
struct ListEntry {
  int32_t id;
  std::u16string tip;
};

class Win32ListBox : public Win32Simple<VellListBox> {
 public:
  Win32ListBox(VellGroup* group, int32_t style);
  ~Win32ListBox() override;

  void SetIconStrip(VellIconStrip* strip) override;
  void ClearItems() override;
  void InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                  int32_t icon) override;
  void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon) override;
  void RemoveItem(int32_t index) override;
  void SetItemState(int32_t index, int32_t state) override;
  int32_t ItemState(int32_t index) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

 private:
  bool Has(int32_t index) const { return index >= 0 && static_cast<size_t>(index) < entries_.size(); }
  int32_t Selected() const;
  void AutosizeColumn() const;
  void AutosizeSoon();
  RECT ItemBounds(int32_t index) const;
  TTTOOLINFOW Tool(int32_t id) const;
  // Puts the tooltips of the items from `from` on over their items' current bounds.
  void MoveTips(size_t from) const;
  // Gives the item at `index` its tool over its current bounds.
  void AddTip(size_t index) const;
  // Takes every tool away and adds those of the items with tips again.
  void LayTips() const;

  HWND tips_ = nullptr;
  int32_t nextid_ = 0;
  int32_t lastselected_ = -1;
  std::vector<ListEntry> entries_;
  size_t tipcount_ = 0;
  bool autosizing_ = false;  // an AutosizeMessage is on its way
};

Win32ListBox::Win32ListBox(VellGroup* g, int32_t s) : Win32Simple<VellListBox>(g, s) {
  HWND h = CreateNativeWindow(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", ListBoxWindowStyle, g);
  AttachHwnd(self, h, this, this);
  tips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  // A tooltip the control made for itself would be left without an owner.
  auto own = reinterpret_cast<HWND>(SendMessageW(h, LVM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips_), 0));
  if (own && own != tips_) DestroyWindow(own);
  SendMessageW(h, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 300);
  LVCOLUMNW column{};
  SendMessageW(h, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

Win32ListBox::~Win32ListBox() {
  // The tooltip hooks into the list view; it lets go before the list view goes.
  if (tips_) DestroyWindow(tips_);
}

void Win32ListBox::SetIconStrip(VellIconStrip* strip) {
  if (!strip) return;
  VellGadget::SetIconStrip(strip);
  SendMessageW(self.hwnd, LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(ImageListOf(strip, self.hwnd)));
}

int32_t Win32ListBox::Selected() const {
  return static_cast<int32_t>(
      SendMessageW(self.hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32ListBox::AutosizeColumn() const {
  SendMessageW(self.hwnd, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
}

void Win32ListBox::AutosizeSoon() {
  if (autosizing_) return;
  autosizing_ = PostMessageW(self.hwnd, AutosizeMessage, 0, 0);
  if (!autosizing_) AutosizeColumn();
}

RECT Win32ListBox::ItemBounds(int32_t index) const {
  RECT r{};
  r.left = LVIR_SELECTBOUNDS;
  SendMessageW(self.hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

TTTOOLINFOW Win32ListBox::Tool(int32_t id) const {
  TTTOOLINFOW t{};
  t.cbSize = sizeof t;
  t.hwnd = self.hwnd;
  t.uId = static_cast<UINT_PTR>(id);
  return t;
}

void Win32ListBox::MoveTips(size_t from) const {
  if (tipcount_ == 0) return;
  for (size_t i = from; i < entries_.size(); ++i) {
    if (entries_[i].tip.empty()) continue;
    TTTOOLINFOW t = Tool(entries_[i].id);
    t.rect = ItemBounds(static_cast<int32_t>(i));
    SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&t));
  }
}

void Win32ListBox::AddTip(size_t index) const {
  TTTOOLINFOW t = Tool(entries_[index].id);
  t.uFlags = TTF_SUBCLASS;
  t.rect = ItemBounds(static_cast<int32_t>(index));
  std::u16string tip = entries_[index].tip;
  t.lpszText = Wide(tip);
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&t));
}

void Win32ListBox::LayTips() const {
  // Taking one tool away from the tooltip stops it watching the list view for the tools that stay:
  // they are all laid anew, as the tabber does.
  for (const ListEntry& e : entries_) {
    if (e.tip.empty()) continue;
    TTTOOLINFOW t = Tool(e.id);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&t));
  }
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (!entries_[i].tip.empty()) AddTip(i);
  }
}

void Win32ListBox::ClearItems() {
  lastselected_ = -1;
  for (const ListEntry& e : entries_) {
    if (e.tip.empty()) continue;
    TTTOOLINFOW t = Tool(e.id);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&t));
  }
  entries_.clear();
  tipcount_ = 0;
  SendMessageW(self.hwnd, LVM_DELETEALLITEMS, 0, 0);
}

void Win32ListBox::InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                              int32_t icon) {
  const int32_t id = nextid_++;
  std::u16string copy = text;
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = Wide(copy);
  item.lParam = id;
  if (iconstrip) {
    item.mask |= LVIF_IMAGE;
    item.iImage = icon & 0x7FFF;
  }
  int32_t at =
      static_cast<int32_t>(SendMessageW(self.hwnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (at < 0) return;
  // The selection remembered by index moves with the items below the new one.
  if (lastselected_ >= at) ++lastselected_;
  entries_.insert(entries_.begin() + std::min<size_t>(static_cast<size_t>(at), entries_.size()),
                  ListEntry{id, tip});
  AutosizeSoon();
  if (!tip.empty()) {
    AddTip(std::min<size_t>(static_cast<size_t>(at), entries_.size() - 1));
    ++tipcount_;
  }
  MoveTips(static_cast<size_t>(at) + 1);
}

void Win32ListBox::SetItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                           int32_t icon) {
  if (!Has(index)) return;
  const bool selected = ItemState(index) & GadgetState::Selected;
  RemoveItem(index);
  InsertItem(index, text, tip, icon);
  if (selected) SetItemState(index, GadgetState::Selected);
}

void Win32ListBox::RemoveItem(int32_t index) {
  if (!Has(index)) return;
  if (lastselected_ == index) {
    lastselected_ = -1;
  } else if (lastselected_ > index) {
    --lastselected_;
  }
  const ListEntry gone = entries_[static_cast<size_t>(index)];
  entries_.erase(entries_.begin() + index);
  if (!gone.tip.empty()) {
    TTTOOLINFOW t = Tool(gone.id);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&t));
    --tipcount_;
  }
  SendMessageW(self.hwnd, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
  AutosizeSoon();
  if (!gone.tip.empty() && tipcount_ > 0) {
    LayTips();
  } else {
    MoveTips(static_cast<size_t>(index));
  }
}

void Win32ListBox::SetItemState(int32_t index, int32_t state) {
  LVITEMW item{};
  item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
  if (state & GadgetState::Selected) {
    // Remembered first: the change the control reports is the program's, not the user's.
    lastselected_ = index;
    item.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(self.hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SendMessageW(self.hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
  } else {
    if (lastselected_ == index) lastselected_ = -1;
    item.state = 0;
    SendMessageW(self.hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

int32_t Win32ListBox::ItemState(int32_t index) {
  LRESULT s = SendMessageW(self.hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED);
  return (s & LVIS_SELECTED) ? GadgetState::Selected : 0;
}

LRESULT Win32ListBox::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_SIZE:  // the one column spans the new width
      AutosizeColumn();
      break;
    case AutosizeMessage:  // items came or went since the column was last sized
      if (hwnd != self.hwnd) break;
      autosizing_ = false;
      AutosizeColumn();
      MoveTips(0);
      return 0;
    case WM_CONTEXTMENU:  // the menu key asks for the selected item's menu, as a right click
      if (hwnd == self.hwnd && ContextMenuFromKeyboard(lp)) {
        // Its menu opens on the focused entry's text, or at the list's corner without one.
        const int focused = static_cast<int>(SendMessageW(self.hwnd, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
        RECT entry{LVIR_LABEL, 0, 0, 0};
        if (focused < 0 || !SendMessageW(self.hwnd, LVM_GETITEMRECT, focused, reinterpret_cast<LPARAM>(&entry)))
          entry = RECT{};
        NoteKeyboardMenuAt(self.hwnd, POINT{entry.left, (entry.top + entry.bottom) / 2});
        Emit(GadgetMenu, Selected(), 0, 0, 0);
        return 0;
      }
      break;
    case WM_NOTIFY: {  // the parent passed on the list view's own notification
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->hwndFrom != self.hwnd) break;
      switch (hdr->code) {
        case LVN_ITEMCHANGED: {  // the user selected another item
          auto* change = reinterpret_cast<NMLISTVIEW*>(lp);
          if ((change->uNewState & LVIS_SELECTED) && change->iItem != lastselected_) {
            lastselected_ = change->iItem;
            Emit(GadgetSelect, change->iItem, 0, 0, 0);
          }
          break;
        }
        case NM_CLICK:  // a click beside the items dropped the selection
          if (lastselected_ != -1 && Selected() == -1) {
            lastselected_ = -1;
            Emit(GadgetSelect, -1, 0, 0, 0);
          }
          break;
        case NM_DBLCLK:  // a double click acts on the selected item
          Emit(GadgetAction, Selected(), 0, 0, 0);
          return 0;
        case NM_RCLICK:  // a right click asks for the selected item's menu
          Emit(GadgetMenu, Selected(), 0, 0, 0);
          return 0;
        case NM_CUSTOMDRAW:  // scrolling moved the items under their tooltips
          MoveTips(0);
          break;
      }
      break;
    }
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

}  // namespace

VellListBox* NewWin32ListBox(VellGroup* group, int32_t style) { return new Win32ListBox(group, style); }
