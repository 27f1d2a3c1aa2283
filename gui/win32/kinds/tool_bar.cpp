// Tool bars: a row of icon buttons from the gadget's icon strip, with tips, along the top of
// their group; pressing a button reports its index.
#include "gui/win32/kinds/tool_bar.h"

#include <windows.h>
// The tool bar and tip messages need the base platform header first.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/text.h"

namespace {

constexpr DWORD BarStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TBSTYLE_FLAT;
// The width asked for whatever the layout gives: wider than any group, so that the bar spans its
// group from the left edge (the control itself keeps to its parent's width).
constexpr int32_t BarWidth = 2048;
constexpr int TipWidth = 300;
constexpr int MaxCommand = 0xFFFF;

// The bar mirrors every item of the toolkit's list, also those it shows nothing for (items added
// before the icon strip), so the toolkit's index of a button is its place in that mirror, not on
// the bar. A button keeps the command id it was inserted with; the bar registers a tool of its own
// for every button in the tip window, keyed by that id, and asks its parent for the text when the
// pointer rests on one. Fixed ids keep those tools on their buttons, and a press or a tip request
// finds its item by the id.
class Win32ToolBar : public Win32Simple<VellToolBar> {
 public:
  Win32ToolBar(VellGroup* g, int32_t s) : Win32Simple<VellToolBar>(g, s) {
    HWND h = CreateNativeWindow(0, TOOLBARCLASSNAMEW, L"", BarStyle, g);
    AttachHwnd(self, h, this, this);
    SendMessageW(h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    tips =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, h, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tips), 0);
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, TipWidth);
    StoreWindowSize();
  }

  ~Win32ToolBar() override {
    // The tips go first: they watch the bar's window.
    if (tips) DestroyWindow(tips);
  }

  // The control sizes itself to its parent's width and its buttons' height; the shape kept is
  // the one it took.
  void SetShape(int32_t, int32_t, int32_t, int32_t h) override {
    MoveNativeWindow(self.hwnd, 0, 0, BarWidth, h);
    StoreWindowSize();
  }

  void SetIconStrip(VellIconStrip* strip) override {
    // The bar lets go of the old list before the old strip (and its list) may be destroyed.
    SendMessageW(self.hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListOf(strip, self.hwnd)));
    VellToolBar::SetIconStrip(strip);
    SendMessageW(self.hwnd, TB_AUTOSIZE, 0, 0);
    StoreWindowSize();
  }

  void ClearItems() override {
    while (SendMessageW(self.hwnd, TB_BUTTONCOUNT, 0, 0) != 0) SendMessageW(self.hwnd, TB_DELETEBUTTON, 0, 0);
    items.clear();
  }

  // Without an icon strip the item is kept but not shown.
  void InsertItem(int32_t index, const std::u16string&, const std::u16string& tip, int32_t icon) override {
    size_t at = index < 0 ? items.size() : std::min(static_cast<size_t>(index), items.size());
    Item item{tip, Shown::None, 0};
    if (iconstrip) {
      bool separator = icon == ToolBarIcon::Separator || iconstrip->IsBlank(icon);
      item.shown = separator ? Shown::Separator : Shown::Button;
      item.command = separator ? 0 : FreeCommand(static_cast<int>(at) + 1);
      TBBUTTON b{};
      b.iBitmap = separator ? 0 : icon;
      b.idCommand = item.command;
      b.fsState = TBSTATE_ENABLED;
      b.fsStyle = separator ? TBSTYLE_SEP : TBSTYLE_BUTTON;
      b.iString = -1;  // the text is not shown
      SendMessageW(self.hwnd, TB_INSERTBUTTONW, PlaceOnBar(at), reinterpret_cast<LPARAM>(&b));
    }
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    SendMessageW(self.hwnd, TB_AUTOSIZE, 0, 0);
  }

  void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon) override {
    if (index < 0 || static_cast<size_t>(index) >= items.size()) return;
    RemoveItem(index);
    InsertItem(index, text, tip, icon);
  }

  void RemoveItem(int32_t index) override {
    if (index < 0 || static_cast<size_t>(index) >= items.size()) return;
    size_t at = static_cast<size_t>(index);
    if (items[at].shown != Shown::None) SendMessageW(self.hwnd, TB_DELETEBUTTON, PlaceOnBar(at), 0);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
  }

  void SetItemState(int32_t index, int32_t state) override {
    int command = CommandOf(index);
    if (!command) return;
    SendMessageW(self.hwnd, TB_ENABLEBUTTON, command,
                 MAKELONG((state & GadgetState::Disabled) ? FALSE : TRUE, 0));
    SendMessageW(self.hwnd, TB_CHECKBUTTON, command,
                 MAKELONG((state & GadgetState::Selected) ? TRUE : FALSE, 0));
  }

  // Checked and disabled: the toolkit changes one bit by reading the state and setting it
  // back, so a state without the disabled bit would enable a disabled button it selects.
  int32_t ItemState(int32_t index) override {
    int command = CommandOf(index);
    if (!command) return 0;
    LRESULT s = SendMessageW(self.hwnd, TB_GETSTATE, command, 0);
    // A missing button answers -1, which has every bit set.
    if (s == -1) return 0;
    return ((s & TBSTATE_CHECKED) ? GadgetState::Selected : 0) |
           ((s & TBSTATE_ENABLED) ? 0 : GadgetState::Disabled);
  }

  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override {
    switch (msg) {
      case WM_COMMAND:  // the parent passed on a pressed button
        if (reinterpret_cast<HWND>(lp) == self.hwnd) {
          // A command no button has (sent by something other than the bar) presses nothing.
          if (int32_t index = IndexOf(LOWORD(wp)); index >= 0) Emit(GadgetAction, index, 0, 0, 0);
          return 0;
        }
        break;
      case WM_NOTIFY:  // the bar asks for the tip of the button under the pointer
        if (auto* tip = reinterpret_cast<NMTBGETINFOTIPW*>(lp); tip->hdr.hwndFrom == self.hwnd) {
          if (tip->hdr.code == TBN_GETINFOTIPA || tip->hdr.code == TBN_GETINFOTIPW) return Tip(tip);
        }
        break;
    }
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
  }

 private:
  enum class Shown { None, Separator, Button };
  struct Item {
    std::u16string tip;  // empty: no tip
    Shown shown;         // None: added before the icon strip, so not on the bar
    int command;         // a button's command id, fixed while it stands; 0 for the others
  };

  // The narrow and wide requests differ in the text buffer's character type: the wide one gets
  // the tip cut at a character, the narrow one (a parent that asked for 8-bit notifications) the
  // tip in the system's code page, or nothing when that does not fit.
  LRESULT Tip(NMTBGETINFOTIPW* request) {
    int32_t index = IndexOf(request->iItem);
    if (index < 0 || !request->pszText || request->cchTextMax < 1) return 0;
    const std::u16string& tip = items[static_cast<size_t>(index)].tip;
    if (request->hdr.code == TBN_GETINFOTIPW) {
      std::u16string_view shown = CutText(tip, static_cast<size_t>(request->cchTextMax) - 1);
      std::copy(shown.begin(), shown.end(), request->pszText);
      request->pszText[shown.size()] = 0;
    } else {
      auto* out = reinterpret_cast<char*>(request->pszText);
      int n = WideCharToMultiByte(CP_ACP, 0, Wide(tip), static_cast<int>(tip.size()), out,
                                  request->cchTextMax - 1, nullptr, nullptr);
      out[n > 0 ? n : 0] = 0;
    }
    return 0;
  }

  // Where the item at `at` is (or would go) on the bar: after the items before it that are shown.
  size_t PlaceOnBar(size_t at) const {
    return static_cast<size_t>(std::count_if(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(at),
                                             [](const Item& i) { return i.shown != Shown::None; }));
  }

  int CommandOf(int32_t index) const {
    return index < 0 || static_cast<size_t>(index) >= items.size()
               ? 0
               : items[static_cast<size_t>(index)].command;
  }

  // The toolkit's index of the button with `command`; -1 for none.
  int32_t IndexOf(int command) const {
    if (command == 0) return -1;
    auto it = std::find_if(items.begin(), items.end(), [&](const Item& i) { return i.command == command; });
    return it == items.end() ? -1 : static_cast<int32_t>(it - items.begin());
  }

  // `wanted` when no button has it, else the next free one. A press arrives with the id in the
  // low word of a message parameter, so ids stay within 1..65535.
  int FreeCommand(int wanted) const {
    int command = wanted < 1 || wanted > MaxCommand ? 1 : wanted;
    for (int tried = 0; tried < MaxCommand && IndexOf(command) >= 0; ++tried) {
      command = command == MaxCommand ? 1 : command + 1;
    }
    return command;
  }

  void StoreWindowSize() {
    RECT r{};
    GetWindowRect(self.hwnd, &r);
    r = RectToProgram(r, DpiOf(self.hwnd));
    StoreShape(0, 0, r.right - r.left, r.bottom - r.top);
  }

  HWND tips = nullptr;
  std::vector<Item> items;  // one per item of the toolkit's list, in its order
};

}  // namespace

VellToolBar* NewWin32ToolBar(VellGroup* group, int32_t style) { return new Win32ToolBar(group, style); }
