// Text fields: the program's texts go in silently with the selection kept; the user's edits,
// lost focus and filtered keys become events.
#include "gui/win32/kinds/text_field.h"

#include <vector>

#include "event/event.h"
#include "event/win32/modifiers.h"
#include "gui/constants.h"
#include "runtime/scoped_value.h"
#include "runtime/text.h"

int32_t TextFieldSettingText = 0;

namespace {

// Bit 30 of a key message's flags: the key was already down (an auto-repeat).
constexpr LPARAM KeyWasDown = 1 << 30;

// Check boxes and radio buttons take the default bit into their window style but are no push
// buttons; every other kind is one.
bool HasDefaultStyle(const VellGadget* g) {
  auto* b = dynamic_cast<const VellButton*>(g);
  if (!b || !(b->style & ButtonStyle::Default)) return false;
  int32_t kind = b->style & ButtonStyle::KindMask;
  return kind != ButtonStyle::CheckBox && kind != ButtonStyle::Radio;
}

// A button the user could click now: shown, and neither it nor a container of it disabled.
bool Clickable(HWND button, HWND root) {
  if (!IsWindowVisible(button)) return false;
  for (HWND h = button;; h = GetAncestor(h, GA_PARENT)) {
    if (!IsWindowEnabled(h)) return false;
    if (h == root) return true;
  }
}

// The first clickable default button below `group` that lives in the top-level window `root`,
// each container's contents searched where the container stands among its siblings. Windows of
// their own made in the group (dialogs) have their own default buttons.
HWND FindDefaultButton(VellGroup* group, HWND root) {
  for (VellGadget* k : group->kids) {
    if (HasDefaultStyle(k)) {
      HWND b = reinterpret_cast<HWND>(k->Query(QueryKind::NativeHandle));
      if (b && GetAncestor(b, GA_ROOT) == root && Clickable(b, root)) return b;
    }
    if (auto* sub = dynamic_cast<VellGroup*>(k)) {
      if (HWND b = FindDefaultButton(sub, root)) return b;
    }
  }
  return nullptr;
}

// Presses the default button of the field's top-level window the way a click does: the button's
// command reaches its container, which hands it to the button.
void PressDefaultButton(HWND field) {
  HWND root = GetAncestor(field, GA_ROOT);
  Win32Hwnd* record = FindHwnd(root);
  auto* window = record ? dynamic_cast<VellGroup*>(record->gadget) : nullptr;
  if (!window) return;
  HWND button = FindDefaultButton(window, root);
  if (!button) return;
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

}  // namespace

DWORD TextFieldWindowStyle(int32_t style) {
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_AUTOHSCROLL;
  if (style & TextFieldStyle::Password) s |= ES_PASSWORD;
  return s;
}

Win32TextField::Win32TextField(VellGroup* g, int32_t s) : Win32Simple<VellTextField>(g, s) {
  HWND h = CreateNativeWindow(WS_EX_CLIENTEDGE, L"EDIT", L"", TextFieldWindowStyle(s), g);
  AttachHwnd(self, h, this, this);
}

void Win32TextField::SetText(const std::u16string& t) {
  // Restored rather than cleared: a field set while another one is being set stays silent too.
  ScopedValue<int32_t> quiet(TextFieldSettingText, 1);
  DWORD start = 0, end = 0;
  SendMessageW(self.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SetNativeText(self.hwnd, t);
  SendMessageW(self.hwnd, EM_SETSEL, start, end);
  VellGadget::SetText(t);
}

std::u16string Win32TextField::CurrentText() { return NativeText(self.hwnd); }

void Win32TextField::GetSelection(int32_t& start, int32_t& end) {
  DWORD s = 0, e = 0;
  SendMessageW(self.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = static_cast<int32_t>(s);
  end = static_cast<int32_t>(e);
}

void Win32TextField::Select(int32_t start, int32_t end) { SendMessageW(self.hwnd, EM_SETSEL, start, end); }

int32_t Win32TextField::Activate(int32_t command) {
  if (command == ActivateCommand::Focus) SendMessageW(self.hwnd, EM_SETSEL, 0, -1);
  if (UINT clip = ClipboardMessage(command)) {
    // The program's cut or paste is not the user's edit.
    ScopedValue<int32_t> quiet(TextFieldSettingText, 1);
    SendMessageW(self.hwnd, clip, 0, 0);
    return 0;
  }
  return ActivateNative(self.hwnd, command);
}

LRESULT Win32TextField::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_KEYDOWN:  // the gadget's filter may swallow the key before the control sees it
      if (!PassesKeyFilter(this, KeyDown, static_cast<int32_t>(wp), CurrentModifiers())) return 1;
      // Enter accepts the entry as in any dialog; a held key presses the button only once.
      if (wp == VK_RETURN && !(lp & KeyWasDown)) PressDefaultButton(hwnd);
      break;
    case WM_CHAR:  // the same for the typed character
      if (!PassesKeyFilter(this, KeyChar, static_cast<int32_t>(wp), CurrentModifiers())) return 1;
      break;
    case WM_COMMAND:  // the parent passed on the control's notification
      if (TextFieldSettingText) break;
      if (HIWORD(wp) == EN_UPDATE) Emit(GadgetAction, 0, 0, 0, 0);
      // A field left behind shows no stale selection.
      if (HIWORD(wp) == EN_KILLFOCUS) SendMessageW(self.hwnd, EM_SETSEL, 0, 0);
      break;
    case WM_KILLFOCUS:  // the user moved on: the program may now check the text
      Emit(GadgetLostFocus, 0, 0, 0, 0);
      break;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}
