// Tabbers: a tab control whose page area below the tabs is a group of its own; an empty tabber
// shows one blank tab, and choosing a tab becomes an action.
#include "gui/win32/kinds/tabber.h"

#include <windows.h>
// The tab control declarations need the base platform header first.
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/text.h"

namespace {

constexpr DWORD TabberWindowStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP;
constexpr DWORD PageWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

class Win32Tabber : public VellTabber, public Win32WndProc {
 public:
  Win32Tabber(VellGroup* group, int32_t style);
  ~Win32Tabber() override;

  intptr_t Query(int32_t kind) override;
  void SetFont(VellFont* f) override;
  void SetText(const std::u16string& t) override;
  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
  void SetShow(int32_t flag) override;
  void SetEnabled(int32_t flag) override;
  int32_t Activate(int32_t command) override;
  void SetIconStrip(VellIconStrip* strip) override;
  void UpdateClientSize() override;

  void ClearItems() override;
  void InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                  int32_t icon) override;
  void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon) override;
  void RemoveItem(int32_t index) override;
  void SetItemState(int32_t index, int32_t state) override;
  int32_t ItemState(int32_t index) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

 private:
  void InsertPlaceholder();
  TCITEMW Tab(std::u16string& text, int32_t icon) const;
  TTTOOLINFOW Tool(UINT_PTR id) const;
  // Lays a tooltip tool over every tab that has a tip, at the tab's current rectangle.
  void LayTips();

  Win32Gadget tabs_;
  Win32Gadget page_;
  int32_t count_ = 0;  // real tabs, not the placeholder
  HWND tips_ = nullptr;
  std::vector<std::u16string> tiptexts_;  // per real tab: its tip, empty for none
  std::vector<UINT_PTR> tools_;           // the ids of the tools laid now
};

Win32Tabber::Win32Tabber(VellGroup* g, int32_t s) : VellTabber(g, s) {
  HWND h = CreateNativeWindow(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"", TabberWindowStyle, g);
  AttachHwnd(tabs_, h, this, this);
  tips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                          nullptr);
  SendMessageW(h, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips_), 0);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 300);
  HWND p = CreateWindowExW(WS_EX_CONTROLPARENT, RegisterWindowClass(), L"", PageWindowStyle, 0, 0, 0, 0, h,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  AttachHwnd(page_, p, this, this);
  InsertPlaceholder();
  UpdateClientSize();
}

Win32Tabber::~Win32Tabber() {
  // The tooltip hooks into the tab control and lets go first; then the page goes, then the tab
  // control (each with its record).
  if (tips_) DestroyWindow(tips_);
}

intptr_t Win32Tabber::Query(int32_t kind) {
  return kind == QueryKind::NativeHandle || kind == QueryKind::ClientHandle
             ? reinterpret_cast<intptr_t>(page_.hwnd)
             : 0;
}

void Win32Tabber::SetFont(VellFont* f) {
  VellGadget::SetFont(f);
  SetNativeFont(tabs_.hwnd, f);
}

void Win32Tabber::SetText(const std::u16string& t) {
  VellGadget::SetText(t);
  SetNativeText(page_.hwnd, t);
}

void Win32Tabber::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  w = std::max(w, 4);
  h = std::max(h, 4);
  MoveNativeWindow(tabs_.hwnd, nx, ny, w, h);
  RECT c = ProgramClientRect(tabs_.hwnd), first{};
  SendMessageW(tabs_.hwnd, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  const int32_t top = c.top + ToProgram(first.bottom - first.top, DpiOf(tabs_.hwnd)) + 2;
  MoveNativeWindow(page_.hwnd, c.left + 2, top, std::max<LONG>(0, c.right - 2 - (c.left + 2)),
                   std::max<LONG>(0, c.bottom - 2 - top));
  StoreShape(nx, ny, w, h);
}

void Win32Tabber::SetShow(int32_t flag) { visible = ShowNative(tabs_.hwnd, flag); }

void Win32Tabber::SetEnabled(int32_t flag) { enabled = EnableNative(tabs_.hwnd, flag); }

int32_t Win32Tabber::Activate(int32_t command) { return ActivateNative(tabs_.hwnd, command); }

void Win32Tabber::SetIconStrip(VellIconStrip* strip) {
  VellGadget::SetIconStrip(strip);
  SendMessageW(tabs_.hwnd, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListOf(strip, tabs_.hwnd)));
}

void Win32Tabber::UpdateClientSize() {
  RECT c = ProgramClientRect(page_.hwnd);
  clientwidth = c.right;
  clientheight = c.bottom;
}

void Win32Tabber::InsertPlaceholder() {
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<wchar_t*>(L"");
  SendMessageW(tabs_.hwnd, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
}

TCITEMW Win32Tabber::Tab(std::u16string& text, int32_t icon) const {
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = Wide(text);
  if (iconstrip && icon >= 0) {
    tab.mask |= TCIF_IMAGE;
    tab.iImage = icon;
  }
  return tab;
}

TTTOOLINFOW Win32Tabber::Tool(UINT_PTR id) const {
  TTTOOLINFOW t{};
  t.cbSize = sizeof t;
  t.hwnd = tabs_.hwnd;
  t.uId = id;
  return t;
}

void Win32Tabber::LayTips() {
  // Taking one tool away from the tooltip stops it watching the tab control for the tools that
  // stay, and tabs move whenever one comes, goes or changes its text: every change lays all the
  // tools anew.
  for (UINT_PTR id : tools_) {
    TTTOOLINFOW t = Tool(id);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&t));
  }
  tools_.clear();
  for (size_t i = 0; i < tiptexts_.size(); ++i) {
    if (tiptexts_[i].empty()) continue;
    TTTOOLINFOW t = Tool(i + 1);
    t.uFlags = TTF_SUBCLASS;
    SendMessageW(tabs_.hwnd, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&t.rect));
    t.lpszText = Wide(tiptexts_[i]);
    if (SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&t))) tools_.push_back(t.uId);
  }
}

void Win32Tabber::ClearItems() {
  for (int32_t i = count_ - 1; i >= 0; --i) RemoveItem(i);
}

void Win32Tabber::InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                             int32_t icon) {
  if (index < 0 || index > count_) return;
  if (count_ == 0) SendMessageW(tabs_.hwnd, TCM_DELETEALLITEMS, 0, 0);
  std::u16string copy = text;
  TCITEMW tab = Tab(copy, icon);
  if (SendMessageW(tabs_.hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab)) <
      0) {
    if (count_ == 0) InsertPlaceholder();
    return;
  }
  ++count_;
  tiptexts_.insert(tiptexts_.begin() + index, tip);
  LayTips();
}

void Win32Tabber::SetItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                          int32_t icon) {
  if (index < 0 || index >= count_) return;
  std::u16string copy = text;
  TCITEMW tab = Tab(copy, icon);
  SendMessageW(tabs_.hwnd, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
  tiptexts_[static_cast<size_t>(index)] = tip;
  LayTips();
}

void Win32Tabber::RemoveItem(int32_t index) {
  if (index < 0 || index >= count_) return;
  tiptexts_.erase(tiptexts_.begin() + index);
  SendMessageW(tabs_.hwnd, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  if (--count_ == 0) InsertPlaceholder();
  LayTips();
}

void Win32Tabber::SetItemState(int32_t index, int32_t state) {
  if (state & GadgetState::Selected) SendMessageW(tabs_.hwnd, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int32_t Win32Tabber::ItemState(int32_t index) {
  if (count_ == 0) return index == -1 ? GadgetState::Selected : 0;
  return index == SendMessageW(tabs_.hwnd, TCM_GETCURSEL, 0, 0) ? GadgetState::Selected : 0;
}

LRESULT Win32Tabber::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_NOTIFY:  // the parent passed on the tab control's own notification
      if (reinterpret_cast<NMHDR*>(lp)->hwndFrom == tabs_.hwnd &&
          reinterpret_cast<NMHDR*>(lp)->code == TCN_SELCHANGE) {
        Emit(GadgetAction, count_ ? static_cast<int32_t>(SendMessageW(tabs_.hwnd, TCM_GETCURSEL, 0, 0)) : -1,
             0, 0, 0);
        return 0;
      }
      break;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

}  // namespace

VellTabber* NewWin32Tabber(VellGroup* group, int32_t style) { return new Win32Tabber(group, style); }
