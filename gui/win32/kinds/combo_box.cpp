// Combo boxes: an extended combo box, a drop-down list or an editable one; choosing an item and
// typing become actions, what the program does to the control does not.
#include "gui/win32/kinds/combo_box.h"

#include <windows.h>
// The combo box declarations need the base platform header first.
#include <commctrl.h>

#include <optional>
#include <string>

#include "event/event.h"
#include "gui/constants.h"
#include "gui/win32/native/accessible.h"
#include "gui/win32/native/common.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/scoped_value.h"
#include "runtime/text.h"

namespace {

// The drop-down list's height. The control keeps the height it is created with for its list, so
// it has this height from the start, whatever height the layout gives it later.
constexpr int DropDownHeight = 128;

DWORD ComboWindowStyle(int32_t style) {
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL;
  if (!(style & ComboBoxStyle::Editable)) s |= CBS_DROPDOWNLIST;
  return s;
}

void AddTabStop(HWND h) {
  if (h) SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) | WS_TABSTOP);
}

class Win32ComboBox : public Win32Simple<VellComboBox> {
 public:
  Win32ComboBox(VellGroup* group, int32_t style);

  void SetShape(int32_t x, int32_t y, int32_t w, int32_t h) override;
  void SetIconStrip(VellIconStrip* strip) override;
  void ClearItems() override;
  void InsertItem(int32_t index, const std::u16string& text, const std::u16string& tip,
                  int32_t icon) override;
  void SetItem(int32_t index, const std::u16string& text, const std::u16string& tip, int32_t icon) override;
  void RemoveItem(int32_t index) override;
  void SetItemState(int32_t index, int32_t state) override;
  int32_t ItemState(int32_t index) override;
  std::u16string CurrentText() override;
  int32_t Activate(int32_t command) override;
  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) override;

 private:
  COMBOBOXEXITEMW Item(int32_t index, std::u16string& text, int32_t icon) const;
  int32_t Current() const { return static_cast<int32_t>(SendMessageW(self.hwnd, CB_GETCURSEL, 0, 0)); }
  // The text of an item as the control holds it; none when the control cannot tell.
  std::optional<std::u16string> ItemText(int32_t index) const;
  // What the edit field shows: what was typed into an editable combo box.
  std::u16string EditText() const;

  // The program is changing the control: an editable box reports the new text in its edit field
  // as if it had been typed.
  bool programmatic_ = false;
};

Win32ComboBox::Win32ComboBox(VellGroup* g, int32_t s) : Win32Simple<VellComboBox>(g, s) {
  HWND h = CreateWindowExW(0, WC_COMBOBOXEXW, L"", ComboWindowStyle(s), 0, 0, 0, DropDownHeight,
                           ClientHwndOf(g), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!h) RuntimeError(u"Unable to create combobox");
  AttachHwnd(self, h, this, this);
  // The focus rests in the inner combo or its edit field, and a screen reader asks there.
  for (HWND part : {reinterpret_cast<HWND>(SendMessageW(h, CBEM_GETCOMBOCONTROL, 0, 0)),
                    reinterpret_cast<HWND>(SendMessageW(h, CBEM_GETEDITCONTROL, 0, 0))}) {
    AddTabStop(part);
    AnswerAsWhole(part, h);
  }
}

void Win32ComboBox::SetShape(int32_t nx, int32_t ny, int32_t w, int32_t h) {
  MoveNativeWindow(self.hwnd, nx, ny, w, DropDownHeight);
  VellGadget::SetShape(nx, ny, w, h);
}

void Win32ComboBox::SetIconStrip(VellIconStrip* strip) {
  VellGadget::SetIconStrip(strip);
  SendMessageW(self.hwnd, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ImageListOf(strip, self.hwnd)));
}

COMBOBOXEXITEMW Win32ComboBox::Item(int32_t index, std::u16string& text, int32_t icon) const {
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = Wide(text);
  if (iconstrip && icon >= 0) {
    item.mask |= CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iImage = item.iSelectedImage = icon;
  }
  return item;
}

void Win32ComboBox::ClearItems() {
  ScopedValue quiet(programmatic_, true);
  SendMessageW(self.hwnd, CB_RESETCONTENT, 0, 0);
}

void Win32ComboBox::InsertItem(int32_t index, const std::u16string& text, const std::u16string&,
                               int32_t icon) {
  ScopedValue quiet(programmatic_, true);
  std::u16string copy = text;
  COMBOBOXEXITEMW item = Item(index, copy, icon);
  SendMessageW(self.hwnd, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32ComboBox::SetItem(int32_t index, const std::u16string& text, const std::u16string&, int32_t icon) {
  ScopedValue quiet(programmatic_, true);
  std::u16string copy = text;
  COMBOBOXEXITEMW item = Item(index, copy, icon);
  SendMessageW(self.hwnd, CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32ComboBox::RemoveItem(int32_t index) {
  ScopedValue quiet(programmatic_, true);
  SendMessageW(self.hwnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void Win32ComboBox::SetItemState(int32_t index, int32_t state) {
  const bool selected = state & GadgetState::Selected;
  // Deselecting an item that is not the chosen one leaves the choice alone.
  if (!selected && index != Current()) return;
  ScopedValue quiet(programmatic_, true);
  SendMessageW(self.hwnd, CB_SETCURSEL, selected ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
}

int32_t Win32ComboBox::ItemState(int32_t index) { return index == Current() ? GadgetState::Selected : 0; }

std::optional<std::u16string> Win32ComboBox::ItemText(int32_t index) const {
  // The item's text length is not known up front: the buffer grows until the text fits.
  for (size_t size = 256;; size *= 2) {
    std::u16string buffer(size, u'\0');
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = Wide(buffer);
    item.cchTextMax = static_cast<int>(size);
    if (!SendMessageW(self.hwnd, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return std::nullopt;
    size_t n = buffer.find(u'\0');
    if (n == std::u16string::npos) n = size;
    if (n + 1 < size || size >= (1u << 20)) return buffer.substr(0, n);
  }
}

std::u16string Win32ComboBox::EditText() const { return NativeText(self.hwnd); }

std::u16string Win32ComboBox::CurrentText() {
  const int32_t current = Current();
  if (current >= 0) {
    if (std::optional<std::u16string> text = ItemText(current)) return *text;
  }
  return EditText();
}

int32_t Win32ComboBox::Activate(int32_t command) {
  const UINT clip = ClipboardMessage(command);
  if (!clip) return ActivateNative(self.hwnd, command);
  // Only an editable box has an edit field to cut from and paste into; the program's cut or paste
  // is not the user's typing.
  if (HWND edit = reinterpret_cast<HWND>(SendMessageW(self.hwnd, CBEM_GETEDITCONTROL, 0, 0))) {
    ScopedValue quiet(programmatic_, true);
    SendMessageW(edit, clip, 0, 0);
  }
  return 0;
}

LRESULT Win32ComboBox::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC previous) {
  switch (msg) {
    case WM_SETTEXT: {  // only the program sets the text; its edit field passes it on as typing
      ScopedValue quiet(programmatic_, true);
      return CallWindowProcW(previous, hwnd, msg, wp, lp);
    }
    case WM_COMMAND:  // the parent passed on the control's own notification
      if (programmatic_) return 0;
      switch (HIWORD(wp)) {
        case CBN_SELCHANGE:  // an item was chosen
          Emit(GadgetAction, Current(), 0, 0, 0);
          break;
        case CBN_EDITCHANGE: {  // the typed text changed
          // A key that chooses an item of an editable box is reported only as an edit change that
          // puts the item's text in the edit field: that is the choice of the item, not typing.
          const int32_t current = Current();
          const bool chosen = current >= 0 && ItemText(current) == EditText();
          Emit(GadgetAction, chosen ? current : -1, 0, 0, 0);
          break;
        }
      }
      return 0;
  }
  return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

}  // namespace

VellComboBox* NewWin32ComboBox(VellGroup* group, int32_t style) { return new Win32ComboBox(group, style); }
