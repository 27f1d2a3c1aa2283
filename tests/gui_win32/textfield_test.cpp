// Text fields: silent program texts, the user's edits, the kept selection, password fields, the
// key filter, lost focus and cursor operations in both units.
#include <cstring>
#include <string>

#include "gui/constants.h"
#include "tests/gui_win32/support.h"

namespace {

class TextFields : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 200);
    field = MakeTextField(10, 10, 200, 24, win, 0);
    other = MakeButton(u"other", 10, 50, 80, 24, win, ButtonStyle::Push);
    TakeEvents();
  }
  HWND Field() const { return Hwnd(field); }
  std::pair<DWORD, DWORD> Sel() const {
    DWORD s = 0, e = 0;
    SendMessageA(Field(), EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {s, e};
  }
  Ref<TGadget> win, field, other;
};

int32_t refusedId = 0, refusedData = 0;
int32_t RefuseOneKey(const Ref<TEvent>& e, const Ref<TObject>&) {
  return e->id == refusedId && e->data == refusedData ? 0 : 1;
}

}  // namespace

TEST_F(TextFields, ProgramTextIsSilentButTypingIsReported) {
  ChangeGadgetText(field, u"abc");
  EXPECT_TRUE(Only(TakeEvents(), GadgetAction, field).empty());
  EXPECT_EQ(GetGadgetText(field), u"abc");

  FocusGadget(field);
  ASSERT_EQ(GetFocus(), Field());
  SendMessageA(Field(), EM_SETSEL, 3, 3);
  PressKeys({'D'});
  EXPECT_FALSE(Only(TakeEvents(), GadgetAction, field).empty());
  // What the user typed is read from the control, not the text last set.
  EXPECT_EQ(GetGadgetText(field), u"abcd");
}

TEST_F(TextFields, SelectionSurvivesSettingTheText) {
  ChangeGadgetText(field, u"hello world");
  SelectTextAreaRange(field, 2, 3, TextUnits::Chars);
  ChangeGadgetText(field, u"HELLO WORLD");
  EXPECT_EQ(Sel(), std::make_pair(DWORD{2}, DWORD{5}));
  EXPECT_EQ(GetTextAreaCursor(field, TextUnits::Chars), 2);
  EXPECT_EQ(GetTextAreaSelectionLength(field, TextUnits::Chars), 3);
}

TEST_F(TextFields, SelectingClampsToTheTextInCharsAndLines) {
  ChangeGadgetText(field, u"hello world");  // 11 characters
  struct Case {
    int32_t pos, length, units;
    DWORD start, end;
  } cases[] = {
      {2, 3, TextUnits::Chars, 2, 5},    {-4, 2, TextUnits::Chars, 0, 2},   {8, -1, TextUnits::Chars, 8, 11},
      {5, 100, TextUnits::Chars, 5, 11}, {40, 2, TextUnits::Chars, 11, 11}, {0, 1, TextUnits::Lines, 0, 11},
      {0, 0, TextUnits::Lines, 0, 0},    {1, 0, TextUnits::Lines, 11, 11},  {0, -1, TextUnits::Lines, 0, 11},
  };
  for (const Case& c : cases) {
    SelectTextAreaRange(field, c.pos, c.length, c.units);
    EXPECT_EQ(Sel(), std::make_pair(c.start, c.end)) << c.pos << "," << c.length << " units " << c.units;
  }
  // The one line holds the cursor and every selection.
  SelectTextAreaRange(field, 4, 3, TextUnits::Chars);
  EXPECT_EQ(GetTextAreaCursor(field, TextUnits::Lines), 0);
  EXPECT_EQ(GetTextAreaSelectionLength(field, TextUnits::Lines), 1);
}

TEST_F(TextFields, PasswordFieldMasksTheTextButReadsItBack) {
  auto secret = MakeTextField(10, 80, 200, 24, win, TextFieldStyle::Password);
  HWND h = Hwnd(secret);
  EXPECT_NE(SendMessageA(h, EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_EQ(SendMessageA(Field(), EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_TRUE(GetWindowLongPtrA(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  ChangeGadgetText(secret, u"s3cret");
  EXPECT_EQ(GetGadgetText(secret), u"s3cret");
}

TEST_F(TextFields, KeyFilterAnsweringZeroDiscardsTheKey) {
  ChangeGadgetText(field, u"ab");
  InstallGadgetFilter(field, RefuseOneKey, nullptr);
  SetFocus(Field());
  struct Case {
    int32_t id, data;
    UINT msg;
    WPARAM wp;
    const char16_t* after;
  } cases[] = {
      {KeyChar, 'x', WM_CHAR, 'x', u"ab"},              // refused character
      {KeyChar, 'x', WM_CHAR, 'y', u"aby"},             // another character passes
      {KeyDown, VK_HOME, WM_KEYDOWN, VK_HOME, u"aby"},  // refused key: the caret stays at the end
  };
  for (const Case& c : cases) {
    refusedId = c.id;
    refusedData = c.data;
    SendMessageA(Field(), EM_SETSEL, 100, 100);
    SendMessageA(Field(), c.msg, c.wp, 1);
    EXPECT_EQ(GetGadgetText(field), c.after) << c.wp;
  }
  EXPECT_EQ(Sel().first, 3u);
  InstallGadgetFilter(field, nullptr, nullptr);
  SendMessageA(Field(), WM_KEYDOWN, VK_HOME, 1);
  EXPECT_EQ(Sel().first, 0u);
}

TEST_F(TextFields, LeavingTheFieldReportsLostFocusAndDropsTheSelection) {
  ChangeGadgetText(field, u"hello");
  FocusGadget(field);
  // Taking the focus selects everything, so typing replaces the text.
  EXPECT_EQ(Sel(), std::make_pair(DWORD{0}, DWORD{5}));
  TakeEvents();
  SetFocus(Hwnd(other));
  EXPECT_EQ(Only(TakeEvents(), GadgetLostFocus, field).size(), 1u);
  EXPECT_EQ(Sel(), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(TextFields, OverlongTextIsCutInTheControl) {
  std::u16string longText(10000, u'x');
  ChangeGadgetText(field, longText);
  EXPECT_EQ(GetGadgetText(field).size(), 4095u);
  EXPECT_TRUE(Only(TakeEvents(), GadgetAction, field).empty());
}
