// Text areas: appending and replacing, reading back, positions and lines, locking, notifications,
// the key filter, the right click and the clipboard fix-up.
#include "gui/win32/kinds/text_area.h"
#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/support.h"

namespace {

class TextAreas : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 300);
    area = MakeTextArea(10, 10, 300, 200, win, 0);
    TakeEvents();
  }
  HWND Area() const { return Hwnd(area); }
  Ref<TGadget> win, area;
};

// Types one character as the control receives it from the keyboard.
void Type(HWND h, char16_t c) {
  SendMessageW(h, WM_KEYDOWN, c >= u'a' && c <= u'z' ? c - 32 : c, 1);
  SendMessageW(h, WM_CHAR, c, 1);
  SendMessageW(h, WM_KEYUP, c >= u'a' && c <= u'z' ? c - 32 : c, 0xC0000001);
}

int32_t refusedChar = 0;
int32_t RefuseOneChar(const Ref<TEvent>& e, const Ref<TObject>&) {
  return e->id == KeyChar && e->data == refusedChar ? 0 : 1;
}

}  // namespace

TEST_F(TextAreas, AppendedTextReadsBackWithLineFeeds) {
  AppendTextAreaText(area, u"one\ntwo\n");
  AppendTextAreaText(area, u"three");
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"one\ntwo\nthree");
  EXPECT_EQ(GetTextAreaLength(area, TextUnits::Chars), 13);
  EXPECT_EQ(GetTextAreaLength(area, TextUnits::Lines), 3);
  EXPECT_EQ(GetTextAreaRange(area, 1, 1, TextUnits::Lines), u"two\n");
  EXPECT_TRUE(GetTextAreaRange(area, 4, 0, TextUnits::Chars).empty());
  // The caret follows the appended text.
  EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Chars), 13);
}

TEST_F(TextAreas, WideCharactersSurviveAppendAndReadBack) {
  AppendTextAreaText(area, u"\u00e9t\u00e9 \u20ac");
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"\u00e9t\u00e9 \u20ac");
}

TEST_F(TextAreas, ReplaceChangesOnlyTheRange) {
  AppendTextAreaText(area, u"hello world");
  ReplaceTextAreaRange(area, u"there", 6, 5, TextUnits::Chars);
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"hello there");
  ReplaceTextAreaRange(area, u"HELLO", -5, 5, TextUnits::Chars);
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"HELLO there");
  ReplaceTextAreaRange(area, u"!", 100, 5, TextUnits::Chars);
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"HELLO there!");
}

TEST_F(TextAreas, ReplaceByLinesSwapsWholeLines) {
  AppendTextAreaText(area, u"a\nb\nc");
  ReplaceTextAreaRange(area, u"B\n", 1, 1, TextUnits::Lines);
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"a\nB\nc");
}

TEST_F(TextAreas, PositionsBeyondTheEndGiveCountsNotErrors) {
  AppendTextAreaText(area, u"ab\ncd\nef");
  EXPECT_EQ(TextAreaLineOf(area, 1000), 3);
  EXPECT_EQ(TextAreaLineOf(area, -4), 0);
  EXPECT_EQ(TextAreaLineOf(area, 4), 1);
  EXPECT_EQ(TextAreaLineStart(area, 99), 8);
  EXPECT_EQ(TextAreaLineStart(area, -1), 0);
  EXPECT_EQ(TextAreaLineStart(area, 2), 6);
}

TEST_F(TextAreas, SelectionLengthInLinesCountsTheCaretLine) {
  AppendTextAreaText(area, u"ab\ncd\nef");
  SelectTextAreaRange(area, 3, 0, TextUnits::Chars);  // caret at the start of the second line
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Lines), 0);
  SelectTextAreaRange(area, 0, 0, TextUnits::Chars);  // at the start of the first line
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Lines), 1);
  SelectTextAreaRange(area, 4, 0, TextUnits::Chars);  // inside a line
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Lines), 1);
  SelectTextAreaRange(area, 1, 4, TextUnits::Chars);  // over two lines
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Lines), 2);
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Chars), 4);
  EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Lines), 0);
  SelectTextAreaRange(area, 1, 1, TextUnits::Lines);
  EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Chars), 3);
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Chars), 3);
}

TEST_F(TextAreas, ProgrammaticEditsPostNoChangeOrSelection) {
  AppendTextAreaText(area, u"first\n");
  ReplaceTextAreaRange(area, u"1st", 0, 5, TextUnits::Chars);
  StyleTextAreaRange(area, 255, 0, 0, FontStyle::Bold, 0, 3, TextUnits::Chars);
  auto events = TakeEvents();
  EXPECT_TRUE(Only(events, GadgetAction, area).empty());
  EXPECT_TRUE(Only(events, GadgetSelect, area).empty());
}

TEST_F(TextAreas, TypingPostsChangeAndSelection) {
  SetFocus(Area());
  Type(Area(), u'x');
  auto events = TakeEvents();
  EXPECT_FALSE(Only(events, GadgetAction, area).empty());
  EXPECT_FALSE(Only(events, GadgetSelect, area).empty());
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"x");
}

TEST_F(TextAreas, NestedLocksKeepTheUsersSelectionAndFocus) {
  AppendTextAreaText(area, u"0123456789");
  SetFocus(Area());
  SelectTextAreaRange(area, 2, 3, TextUnits::Chars);
  TakeEvents();
  FreezeTextArea(area);
  for (int i = 0; i < 5; ++i) AppendTextAreaText(area, u"\nmore");
  ReplaceTextAreaRange(area, u"AB", 0, 2, TextUnits::Chars);
  // Still locked after the inner edits: the control keeps quiet.
  EXPECT_EQ(SendMessageA(Area(), EM_GETEVENTMASK, 0, 0), 0);
  ThawTextArea(area);
  EXPECT_EQ(SendMessageA(Area(), EM_GETEVENTMASK, 0, 0),
            ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_SELCHANGE);
  EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Chars), 2);
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Chars), 3);
  EXPECT_EQ(GetFocus(), Area());
  auto events = TakeEvents();
  EXPECT_TRUE(Only(events, GadgetAction, area).empty());
  EXPECT_TRUE(Only(events, GadgetLostFocus, area).empty());
}

// What the program does to the selection and the focus while the area is frozen is what it shows
// after the thaw: the thaw puts back only what the freeze itself took away.
TEST_F(TextAreas, ThawKeepsTheSelectionAndFocusTheProgramSetWhileFrozen) {
  auto field = MakeTextField(10, 220, 200, 24, win, 0);
  struct Case {
    const char* what;
    bool select, focusField;
    int32_t cursor, length;
  } cases[] = {
      {"nothing done while frozen", false, false, 0, 1},
      {"a selection set", true, false, 4, 2},
      {"the focus given to a field", false, true, 0, 1},
      {"both", true, true, 4, 2},
  };
  ChangeGadgetText(area, u"0123456789");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The user clicks into the area and selects its first character with the keys.
    ClickAt(Area(), POINT{40, 40});
    PressChord({VK_CONTROL, VK_HOME});
    PressChord({VK_SHIFT, VK_RIGHT});
    ASSERT_EQ(GetFocus(), Area());
    ASSERT_EQ(GetTextAreaSelectionLength(area, TextUnits::Chars), 1);
    TakeEvents();
    FreezeTextArea(area);
    ReplaceTextAreaRange(area, u"ab", 8, 2, TextUnits::Chars);
    if (c.select) SelectTextAreaRange(area, 4, 2, TextUnits::Chars);
    if (c.focusField) FocusGadget(field);
    ThawTextArea(area);
    EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Chars), c.cursor);
    EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Chars), c.length);
    EXPECT_EQ(GetFocus(), c.focusField ? Hwnd(field) : Area());
    auto events = TakeEvents();
    // The area reports the focus it lost to the field, once, and nothing the program changed.
    EXPECT_EQ(Only(events, GadgetLostFocus, area).size(), c.focusField ? 1u : 0u);
    EXPECT_TRUE(Only(events, GadgetAction, area).empty());
  }
}

TEST_F(TextAreas, UnbalancedThawIsHarmless) {
  ThawTextArea(area);
  AppendTextAreaText(area, u"ok");
  EXPECT_EQ(SendMessageA(Area(), EM_GETEVENTMASK, 0, 0),
            ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS | ENM_SELCHANGE);
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"ok");
}

TEST_F(TextAreas, StyleWithNoLengthLeavesTheTextAlone) {
  AppendTextAreaText(area, u"plain");
  StyleTextAreaRange(area, 0, 0, 255, FontStyle::Bold, 2, 0, TextUnits::Chars);
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  SelectTextAreaRange(area, 0, 5, TextUnits::Chars);
  SendMessageA(Area(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  EXPECT_FALSE(cf.dwEffects & CFE_BOLD);
  StyleTextAreaRange(area, 0, 0, 255, FontStyle::Bold, 0, 5, TextUnits::Chars);
  SendMessageA(Area(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
  EXPECT_EQ(cf.crTextColor, RGB(0, 0, 255));
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"plain");
}

TEST_F(TextAreas, KeyFilterAnsweringZeroDiscardsTheKey) {
  refusedChar = 'q';
  InstallGadgetFilter(area, RefuseOneChar, nullptr);
  SetFocus(Area());
  Type(Area(), u'q');
  Type(Area(), u'w');
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"w");
  InstallGadgetFilter(area, nullptr, nullptr);
  Type(Area(), u'q');
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"wq");
}

TEST_F(TextAreas, RightClickWithoutSelectionMovesTheCaretBeforeTheMenu) {
  AppendTextAreaText(area, u"hello world");
  SelectTextAreaRange(area, 0, 0, TextUnits::Chars);
  LRESULT at = SendMessageA(Area(), EM_POSFROMCHAR, 6, 0);
  LPARAM point = MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2);
  TakeEvents();
  SendMessageA(Area(), WM_RBUTTONDOWN, MK_RBUTTON, point);
  EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Chars), 6);
  SendMessageA(Area(), WM_RBUTTONUP, 0, point);
  auto menus = Only(TakeEvents(), GadgetMenu, area);
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].x, LOWORD(at) + 1);
  EXPECT_EQ(menus[0].y, HIWORD(at) + 2);
}

TEST_F(TextAreas, RightClickKeepsAnExistingSelection) {
  AppendTextAreaText(area, u"hello world");
  SelectTextAreaRange(area, 0, 5, TextUnits::Chars);
  LRESULT at = SendMessageA(Area(), EM_POSFROMCHAR, 8, 0);
  SendMessageA(Area(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2));
  SendMessageA(Area(), WM_RBUTTONUP, 0, MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 2));
  EXPECT_EQ(GetTextAreaCursor(area, TextUnits::Chars), 0);
  EXPECT_EQ(GetTextAreaSelectionLength(area, TextUnits::Chars), 5);
}

TEST_F(TextAreas, PastedTextEndingInLineFeedEndsInCarriageReturn) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const wchar_t text[] = L"pasted\n";
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
  memcpy(GlobalLock(h), text, sizeof text);
  GlobalUnlock(h);
  SetClipboardData(CF_UNICODETEXT, h);
  CloseClipboard();
  PasteIntoGadget(area);
  ASSERT_TRUE(OpenClipboard(nullptr));
  auto* now = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
  ASSERT_NE(now, nullptr);
  EXPECT_EQ(std::wstring(now), L"pasted\r");
  GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
  CloseClipboard();
  EXPECT_EQ(GetTextAreaRange(area, 0, -1, TextUnits::Chars), u"pasted\n");
  EXPECT_EQ(GetFocus(), Area());
}

TEST_F(TextAreas, ColoursFontAndTabsReachTheControl) {
  AppendTextAreaText(area, u"a\tb");
  ChangeTextAreaColor(area, 10, 20, 30, 0);
  CHARFORMATA cf{};
  cf.cbSize = sizeof cf;
  SendMessageA(Area(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  EXPECT_EQ(cf.crTextColor, RGB(10, 20, 30));
  auto font = OpenGuiFont(u"Arial", 12);
  ASSERT_TRUE(font);
  ChangeTextAreaFont(area, font);
  SendMessageA(Area(), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  EXPECT_EQ(cf.yHeight, 12 * 20);
  EXPECT_STREQ(cf.szFaceName, "Arial");
  ChangeTextAreaTabs(area, 4);
  PARAFORMAT pf{};
  pf.cbSize = sizeof pf;
  SendMessageA(Area(), EM_SETSEL, 0, 0);
  SendMessageA(Area(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
  HDC dc = GetDC(nullptr);
  int step = (11520 / GetDeviceCaps(dc, LOGPIXELSX)) * 4;
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(pf.cTabCount, 32);
  EXPECT_EQ(pf.rgxTabs[1], step);
}

TEST_F(TextAreas, WrapAndReadOnlyStyles) {
  auto wrap = MakeTextArea(0, 0, 100, 100, win, TextAreaStyle::WordWrap | TextAreaStyle::ReadOnly);
  DWORD s = static_cast<DWORD>(GetWindowLongPtrA(Hwnd(wrap), GWL_STYLE));
  // The control shows and hides its scroll bars itself; horizontal scrolling shows in the style.
  EXPECT_FALSE(s & ES_AUTOHSCROLL);
  EXPECT_TRUE(s & ES_READONLY);
  DWORD plain = static_cast<DWORD>(GetWindowLongPtrA(Area(), GWL_STYLE));
  EXPECT_TRUE(plain & ES_AUTOHSCROLL);
  EXPECT_FALSE(plain & ES_READONLY);
}

TEST_F(TextAreas, PlainTextFileHoldsTheWholeText) {
  // Every character survives, in UTF-8, into a file whose own name is beyond the code page too.
  const std::u16string second = u"line two Za\u017c\u00f3\u0142\u0107 \u03a9 \u65e5\u672c \u20ac \U0001F600";
  AppendTextAreaText(area, u"line one\n" + second);
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::u16string path =
      reinterpret_cast<const char16_t*>(dir) + std::u16string(u"textarea-\u0141\u00f3d\u017a.txt");
  auto* native = dynamic_cast<Win32TextArea*>(Cast<TWin32Gadget>(area)->handle);
  ASSERT_NE(native, nullptr);
  ASSERT_TRUE(native->WritePlainText(path));
  FILE* f = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"rb");
  ASSERT_NE(f, nullptr);
  char buf[256] = {};
  size_t n = fread(buf, 1, sizeof buf - 1, f);
  fclose(f);
  DeleteFileW(reinterpret_cast<const wchar_t*>(path.c_str()));
  std::string got(buf, n);
  EXPECT_NE(got.find("line one"), std::string::npos);
  EXPECT_NE(got.find(Utf8(second)), std::string::npos) << got;
  EXPECT_FALSE(native->WritePlainText(u"Z:\\no\\such\\folder\\x.txt"));
}
