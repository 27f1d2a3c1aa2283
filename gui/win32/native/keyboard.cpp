// Keyboard navigation in the toolkit's windows: one tab order for the whole window, page turning
// in tabbers, Enter on a push button, Escape for the Cancel-style button and the menu keys.
#include "gui/win32/native/keyboard.h"

// The tab control declarations need the base platform header first.
#include <commctrl.h>

#include <optional>

#include "event/event.h"
#include "event/win32/system_win32.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/hwnd.h"

namespace {

// Bit 30 of a key message's flags: the key was already down (an auto-repeat).
constexpr LPARAM KeyWasDown = LPARAM(1) << 30;

struct Place {
  HWND hwnd;
  bool stop;
};

LONG_PTR StyleOf(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }

// The windows of the toolkit's gadgets below `parent` that are shown and enabled, depth first in
// creation order (the platform keeps siblings in the order they were made). Containers are
// entered (a group box's client window is one, though it is no control parent); a control is
// entered only when it says it holds others (a tabber's page), and what a foreign window holds (a
// browser, a combo box's field) is its own.
void Walk(HWND parent, std::vector<Place>& out) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    // A hidden or disabled window hides or disables everything inside it.
    if (!IsWindowVisible(h) || !IsWindowEnabled(h) || !FindHwnd(h)) continue;
    const bool stop = (StyleOf(h) & WS_TABSTOP) != 0;
    out.push_back(Place{h, stop});
    if (!stop || (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) Walk(h, out);
  }
}

std::vector<Place> PlacesOf(HWND root) {
  std::vector<Place> out;
  if (root && FindHwnd(root) && IsWindowEnabled(root)) Walk(root, out);
  return out;
}

// The place holding `h`: h itself or its nearest listed container; -1 for none (the window).
int PlaceOf(const std::vector<Place>& places, HWND h, HWND root) {
  for (; h && h != root; h = GetAncestor(h, GA_PARENT)) {
    for (size_t i = 0; i < places.size(); ++i) {
      if (places[i].hwnd == h) return static_cast<int>(i);
    }
  }
  return -1;
}

// Controls where Tab has a meaning of their own (a text area) say so; they are left with Ctrl+Tab.
bool KeepsTab(HWND h) {
  return (SendMessageW(h, WM_GETDLGCODE, VK_TAB, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
}

// Moves the focus as Tab does: a field reached by Tab has its whole text selected, ready to be
// typed over.
void TabTo(HWND h) {
  SetFocus(h);
  if ((SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) && !KeepsTab(h))
    SendMessageW(h, EM_SETSEL, 0, -1);
}

bool IsPushButton(HWND h) {
  if (!IsNativeClass(h, L"Button")) return false;
  const LONG_PTR type = StyleOf(h) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Presses a button as a click does: its command reaches its container, which hands it on.
void Press(HWND button) {
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// The nearest tab control that holds `h` (its strip or a control on its page), or none.
HWND TabControlHolding(HWND h, HWND root) {
  for (; h && h != root; h = GetAncestor(h, GA_PARENT)) {
    if (IsNativeClass(h, WC_TABCONTROLW)) return h;
  }
  return nullptr;
}

// Shows the next (previous) page of the tab control, wrapping round, with the notifications a
// click on its tab gives; the strip takes the focus, as the page it came from may go.
void TurnPage(HWND tabs, bool backward) {
  const int n = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  if (n < 2) return;
  const int now = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
  const int next = ((now < 0 ? 0 : now) + (backward ? n - 1 : 1)) % n;
  HWND parent = GetParent(tabs);
  NMHDR note{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGING)};
  if (SendMessageW(parent, WM_NOTIFY, note.idFrom, reinterpret_cast<LPARAM>(&note))) return;
  SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(next), 0);
  note.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageW(parent, WM_NOTIFY, note.idFrom, reinterpret_cast<LPARAM>(&note));
  SetFocus(tabs);
}

bool TakeTab(HWND target, int32_t mods) {
  if (mods & ModAlt) return false;  // the system's window switching
  const bool backward = (mods & ModShift) != 0, control = (mods & ModControl) != 0;
  const bool keeps = KeepsTab(target);
  if (keeps && !control) return false;
  HWND root = GetAncestor(target, GA_ROOT);
  if (control && !keeps) {
    if (HWND tabs = TabControlHolding(target, root)) {
      TurnPage(tabs, backward);
      return true;
    }
  }
  if (HWND next = NextTabStop(target, backward)) TabTo(next);
  return true;
}

// A combo box whose list is open uses Escape to close it.
bool InOpenComboBox(HWND h, HWND root) {
  for (; h && h != root; h = GetAncestor(h, GA_PARENT)) {
    if (IsNativeClass(h, WC_COMBOBOXW)) return SendMessageW(h, CB_GETDROPPEDSTATE, 0, 0) != 0;
  }
  return false;
}

// The first shown, enabled push button of the window with the command identifier `id`.
HWND ButtonWithId(HWND root, int id) {
  for (const Place& p : PlacesOf(root)) {
    if (IsPushButton(p.hwnd) && GetDlgCtrlID(p.hwnd) == id) return p.hwnd;
  }
  return nullptr;
}

// Escape presses the Cancel-style button; a window whose only answer is OK (a notice) closes with
// its OK-style button instead, as the platform's message boxes do.
HWND EscapeButtonOf(HWND root) {
  HWND cancel = ButtonWithId(root, IDCANCEL);
  return cancel ? cancel : ButtonWithId(root, IDOK);
}

// The menu key or F10 whose going down asked for a menu: its coming up is taken too, or the
// platform would answer it again (a second menu; F10 alone enters the menu bar).
WPARAM menuKeyDown = 0;

// Shift+F10 and the menu key ask for the focused control's menu, as a right click does; each kind
// answers for its focused entry.
bool TakeMenuKey(const MSG& m, int32_t mods) {
  if (m.message == WM_KEYUP || m.message == WM_SYSKEYUP) {
    if (m.wParam != menuKeyDown) return false;
    menuKeyDown = 0;
    return true;
  }
  const bool menuKey = m.wParam == VK_APPS && !(mods & (ModShift | ModControl | ModAlt));
  const bool shiftF10 = m.wParam == VK_F10 && mods == ModShift;
  if (!menuKey && !shiftF10) return false;
  menuKeyDown = m.wParam;
  if (!(m.lParam & KeyWasDown)) {
    SendMessageW(m.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m.hwnd), MAKELPARAM(-1, -1));
  }
  return true;
}

// Where the last keyboard menu request asked its menu to open, until other input comes.
std::optional<POINT> keyboardMenuPlace;

void ForgetKeyboardMenuOn(const MSG& m) {
  switch (m.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      keyboardMenuPlace.reset();
  }
}

// The platform's dialog manager shows the cues on these keys; the toolkit takes them before it.
void ShowCuesForKey(const MSG& m, HWND root) {
  if ((m.message != WM_KEYDOWN && m.message != WM_SYSKEYDOWN) || (m.lParam & KeyWasDown)) return;
  WORD cues = 0;
  switch (m.wParam) {
    case VK_MENU:  // and F10, which enters the menu bar
    case VK_F10:
      cues = UISF_HIDEACCEL;
      break;
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_APPS:
      cues = UISF_HIDEFOCUS;
      break;
    default:
      return;
  }
  // Sent to the top-level window, which passes the new state to all it holds.
  SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

}  // namespace

void InitializeCues(HWND root) {
  BOOL always = FALSE;
  SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0);
  if (always) return;  // nothing to hide
  // The platform sets or clears them by the last input: opened from the keyboard, they show.
  SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

std::vector<HWND> TabStopsOf(HWND root) {
  std::vector<HWND> out;
  for (const Place& p : PlacesOf(root)) {
    if (p.stop) out.push_back(p.hwnd);
  }
  return out;
}

HWND NextTabStop(HWND from, bool backward) {
  HWND root = GetAncestor(from, GA_ROOT);
  const std::vector<Place> places = PlacesOf(root);
  const int n = static_cast<int>(places.size());
  const int at = PlaceOf(places, from, root);
  // From the window itself the walk starts before the first place (after the last, backward).
  const int start = at >= 0 ? at : backward ? 0 : n - 1;
  for (int k = 1; k <= n; ++k) {
    const int i = backward ? (start - k + n) % n : (start + k) % n;
    if (places[i].stop) return places[i].hwnd;
  }
  return nullptr;
}

HWND FirstTabStop(HWND root) {
  for (const Place& p : PlacesOf(root)) {
    if (p.stop) return p.hwnd;
  }
  return nullptr;
}

void TakeFocusFromItsWindow(HWND shown) {
  if (!(StyleOf(shown) & WS_TABSTOP) || !IsWindowVisible(shown) || !IsWindowEnabled(shown)) return;
  HWND focus = GetFocus();
  if (!focus || focus == shown || !IsChild(focus, shown)) return;
  // Only the window or a container around the control (its client area) may hold it; a control
  // the user or the program chose keeps it.
  HWND root = GetAncestor(shown, GA_ROOT);
  if (focus != root && (StyleOf(focus) & WS_TABSTOP)) return;
  if (FirstTabStop(root) == shown) SetFocus(shown);
}

void NoteKeyboardMenuAt(HWND control, POINT client) {
  ClientToScreen(control, &client);
  keyboardMenuPlace = client;
}

bool TakeKeyboardMenuPlace(POINT& screen) {
  if (!keyboardMenuPlace) return false;
  screen = *keyboardMenuPlace;
  keyboardMenuPlace.reset();
  return true;
}

bool TakeNavigationKey(const MSG& m) {
  ForgetKeyboardMenuOn(m);  // the request itself, a key going down, notes its place afterwards
  const bool queuedMenu = m.message == WM_CONTEXTMENU && ContextMenuFromKeyboard(m.lParam);
  if ((!IsKeyMessage(m.message) && !queuedMenu) || !m.hwnd) return false;
  HWND root = GetAncestor(m.hwnd, GA_ROOT);
  if (!FindHwnd(root)) return false;  // a window of the platform's own (a message box) navigates itself
  // Some platforms queue a menu request of their own for the menu key; the key already sent one.
  if (queuedMenu) return true;
  ShowCuesForKey(m, root);
  const int32_t mods = CurrentModifiers();
  if (TakeMenuKey(m, mods)) return true;
  if (m.message != WM_KEYDOWN && m.message != WM_SYSKEYDOWN) return false;
  switch (m.wParam) {
    case VK_TAB:
      return TakeTab(m.hwnd, mods);
    case VK_RETURN:  // a held key presses the button once
      if ((m.lParam & KeyWasDown) || mods || !IsPushButton(m.hwnd) || !FindHwnd(m.hwnd)) return false;
      Press(m.hwnd);
      return true;
    case VK_ESCAPE: {
      if (mods || (m.lParam & KeyWasDown) || InOpenComboBox(m.hwnd, root)) return false;
      HWND button = EscapeButtonOf(root);
      if (!button) return false;
      Press(button);
      return true;
    }
  }
  return false;
}
