// Cut, copy and paste by the program on the gadgets that hold a line of text the user edits: a
// text field and an editable combo box, through the real clipboard.
#include <windows.h>
// The combo box messages need the base platform header first.
#include <commctrl.h>

#include <cstring>
#include <string>

#include "gui/constants.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/support.h"

namespace {

// The clipboard's text, or "<none>" when it holds none.
std::u16string ClipboardText() {
  std::u16string text = u"<none>";
  if (!OpenClipboard(nullptr)) return u"<unopened>";
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const char16_t*>(GlobalLock(h))) {
      text = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

void PutOnClipboard(const std::u16string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(char16_t);
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(h), text.c_str(), bytes);
  GlobalUnlock(h);
  if (!SetClipboardData(CF_UNICODETEXT, h)) GlobalFree(h);
  CloseClipboard();
}

// The window the user types into: the field itself, or the combo box's edit field.
HWND EditOf(const Ref<TGadget>& g) {
  HWND h = Hwnd(g);
  HWND edit = reinterpret_cast<HWND>(SendMessageA(h, CBEM_GETEDITCONTROL, 0, 0));
  return edit ? edit : h;
}

class Clipboard : public DriverTest {};

TEST_F(Clipboard, CutCopyAndPasteWorkOnTextFieldsAndEditableComboBoxes) {
  auto win = TestWindow(WindowStyle::TitleBar, 400, 200);
  struct Case {
    const char* kind;
    Ref<TGadget> gadget;
  } cases[] = {
      {"text field", MakeTextField(10, 10, 200, 24, win, 0)},
      {"editable combo box", MakeComboBox(10, 50, 200, 24, win, ComboBoxStyle::Editable)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    ChangeGadgetText(c.gadget, u"hello world");
    // The user clicks into the text and selects "world" with the keys.
    RECT r{};
    GetClientRect(EditOf(c.gadget), &r);
    ClickAt(EditOf(c.gadget), Middle(r));
    ASSERT_EQ(GetFocus(), EditOf(c.gadget));
    PressChord({VK_END});
    for (int i = 0; i < 5; ++i) PressChord({VK_SHIFT, VK_LEFT});
    PutOnClipboard(u"before");
    TakeEvents();

    CopyFromGadget(c.gadget);
    EXPECT_EQ(ClipboardText(), u"world");
    EXPECT_EQ(GetGadgetText(c.gadget), u"hello world");
    CutFromGadget(c.gadget);
    EXPECT_EQ(ClipboardText(), u"world");
    EXPECT_EQ(GetGadgetText(c.gadget), u"hello ");
    PutOnClipboard(u"there");
    PasteIntoGadget(c.gadget);
    EXPECT_EQ(GetGadgetText(c.gadget), u"hello there");
    EXPECT_EQ(ClipboardText(), u"there");
    // The program's own changes are not the user's edits.
    EXPECT_TRUE(Only(TakeEvents(), GadgetAction, c.gadget).empty());
  }
}

}  // namespace
