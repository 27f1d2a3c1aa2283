// Native menus: menu bars and popup menus built from the item tree, and the popup's owner.
#include "gui/win32/kinds/menu.h"

#include "gui/constants.h"
#include "gui/shortcut.h"
#include "gui/win32/kinds/window.h"
#include "gui/win32/native/keyboard.h"
#include "runtime/text.h"
#include "runtime/wide.h"

namespace {

// The window a popup menu belongs to: the gadget's own when this thread made it; otherwise (the
// desktop's window is another thread's, a menu item has none) a hidden one of this thread, made
// for the popup and destroyed after it.
struct PopupOwner {
  HWND hwnd;
  bool made = false;
  explicit PopupOwner(HWND own) : hwnd(own) {
    if (hwnd && GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) return;
    hwnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    made = true;
  }
  ~PopupOwner() {
    if (made && hwnd) DestroyWindow(hwnd);
  }
  PopupOwner(const PopupOwner&) = delete;
  PopupOwner& operator=(const PopupOwner&) = delete;
};

UINT ItemState(const VellMenu* item) {
  return (item->checked ? MF_CHECKED : 0) | (item->enabled ? 0 : MF_GRAYED);
}

}  // namespace

HMENU BuildNativeMenu(const VellMenu* node, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  for (const VellMenu* c = node->firstchild; c; c = c->next) {
    // Only what can show is copied: a label never holds more than its buffer.
    std::u16string text(CutText(c->text, MenuLabelBuffer - 1));
    if (c->firstchild) {
      AppendMenuW(menu, MF_POPUP | ItemState(c), reinterpret_cast<UINT_PTR>(BuildNativeMenu(c, true)),
                  Wide(text));
    } else if (c->text.empty()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING | ItemState(c), static_cast<UINT_PTR>(c->tag + MenuTag::CommandOffset),
                  Wide(ComposeMenuLabel(text, c->hotkey, c->hotkeymods)));
    }
  }
  return menu;
}

VellMenu* Win32Window::RootMenu() { return rootmenu; }

void Win32Window::UpdateMenu() {
  if (!rootmenu) return;
  HMENU old = ::GetMenu(outer.hwnd);
  HMENU bar = BuildNativeMenu(rootmenu, false);
  // A child window cannot have a bar; its geometry must not count one either.
  if (!SetMenu(outer.hwnd, bar)) {
    DestroyMenu(bar);
    return;
  }
  menubar = bar;
  if (old) DestroyMenu(old);
}

int32_t TrackNativePopup(const VellMenu* root, HWND own) {
  PopupOwner owner(own);
  HMENU popup = BuildNativeMenu(root, true);
  POINT at{};
  if (!TakeKeyboardMenuPlace(at)) ::GetCursorPos(&at);
  // The choice comes back from the call rather than as a posted command: a pump that is already
  // running (a hook that opens the popup) would handle that only after the caller's state is gone.
  // The platform closes a popup on a click outside only while its thread is in the foreground:
  // opened while another program is (a tray icon's menu), its owner comes to the foreground first,
  // and the owner takes a message afterwards so that the next popup works too.
  HWND foreground = GetForegroundWindow();
  if (!foreground || GetWindowThreadProcessId(foreground, nullptr) != GetCurrentThreadId())
    SetForegroundWindow(GetAncestor(owner.hwnd, GA_ROOT));
  UINT chosen = TrackPopupMenu(popup, TPM_RETURNCMD, at.x, at.y, 0, owner.hwnd, nullptr);
  PostMessageW(owner.hwnd, WM_NULL, 0, 0);
  DestroyMenu(popup);
  return chosen > MenuTag::CommandOffset ? static_cast<int32_t>(chosen - MenuTag::CommandOffset) : 0;
}
