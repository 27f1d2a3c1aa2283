// Tool bars as native tool bar controls: buttons only with an icon strip, separators, presses
// reporting the current index, the fixed width, button states and tips.
#include "tests/gui_win32/support.h"
// The control messages need the platform header, which the support header brings.
#include <commctrl.h>

#include <string>
#include <vector>

#include "gui/win32/gadget_win32.h"
#include "gui/win32/win32_iconstrip.h"
#include "runtime/text.h"

namespace {

// A strip of `count` 16 x 16 icons; the icons listed in `blank` are marked all white.
Ref<TIconStrip> Strip(int32_t count, std::vector<int32_t> blank = {}) {
  auto* native = new Win32IconStrip();
  native->iconwidth = native->iconheight = 16;
  native->count = count;
  native->blank.assign(static_cast<size_t>(count), false);
  for (int32_t b : blank) native->blank[static_cast<size_t>(b)] = true;
  native->list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
  HDC screen = GetDC(nullptr);
  HBITMAP bits = CreateCompatibleBitmap(screen, 16 * count, 16);
  ReleaseDC(nullptr, screen);
  ImageList_AddMasked(native->list, bits, RGB(255, 255, 255));
  DeleteObject(bits);
  auto strip = New<TWin32IconStrip>();
  strip->handle = native;
  strip->count = count;
  return strip;
}

TBBUTTON Button(HWND bar, int index) {
  TBBUTTON b{};
  SendMessageA(bar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&b));
  return b;
}

// Clicks the centre of a button with the left mouse button as hardware input.
void ClickButton(HWND bar, int index) {
  RECT r{};
  SendMessageA(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(bar, &at);
  SetCursorPos(at.x, at.y);
  // The bar tracks the button under the pointer from its moves: let it see the pointer arrive,
  // and keep two presses apart so the second is not taken for a double click.
  for (int i = 0; i < 5; ++i) {
    Sleep(10);
    Pump();
  }
  Sleep(GetDoubleClickTime());
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  for (int i = 0; i < 10; ++i) {
    Sleep(10);
    Pump();
  }
}

// The tip the bar shows for command `id`, asked the way its tip window asks when the pointer
// rests on the button.
std::string TipOf(HWND bar, int id) {
  NMTTDISPINFOW request{};
  request.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(bar, TB_GETTOOLTIPS, 0, 0));
  request.hdr.idFrom = static_cast<UINT_PTR>(id);
  request.hdr.code = TTN_GETDISPINFOW;
  request.lpszText = request.szText;
  SendMessageW(bar, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&request));
  std::string out;
  for (const wchar_t* c = request.lpszText; c && *c; ++c) out += static_cast<char>(*c);
  return out;
}

}  // namespace

class ToolBars : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(1, 400, 200);
    bar = MakeToolBar(nullptr, 0, 0, 100, 30, win, 0);
    Pump();
  }
  HWND Bar() { return Hwnd(bar); }
  int Count() { return static_cast<int>(SendMessageA(Bar(), TB_BUTTONCOUNT, 0, 0)); }

  Ref<TGadget> win, bar;
};

TEST_F(ToolBars, EntriesBeforeAnIconStripShowNoButtons) {
  AppendGadgetEntry(bar, u"early", 0, 0);
  EXPECT_EQ(Count(), 0);
  ChangeGadgetIconStrip(bar, Strip(2));
  AppendGadgetEntry(bar, u"late", 0, 1);
  EXPECT_EQ(Count(), 1);
}

TEST_F(ToolBars, MinusTwoAndBlankIconsBecomeSeparators) {
  ChangeGadgetIconStrip(bar, Strip(3, {1}));
  struct Case {
    int32_t icon;
    bool separator;
  };
  const Case cases[] = {{0, false}, {-2, true}, {1, true}, {2, false}};
  for (const Case& c : cases) AppendGadgetEntry(bar, u"", 0, c.icon);
  ASSERT_EQ(Count(), 4);
  for (int i = 0; i < 4; ++i) {
    TBBUTTON b = Button(Bar(), i);
    EXPECT_EQ((b.fsStyle & TBSTYLE_SEP) != 0, cases[i].separator) << "icon " << cases[i].icon;
    EXPECT_EQ(b.idCommand, cases[i].separator ? 0 : i + 1);
    if (!cases[i].separator) {
      EXPECT_EQ(b.iBitmap, cases[i].icon);
    }
  }
}

TEST_F(ToolBars, PressingAButtonReportsItsCurrentIndexAndExtra) {
  ChangeGadgetIconStrip(bar, Strip(4));
  std::vector<Ref<TObject>> extras;
  for (int i = 0; i < 4; ++i) {
    extras.push_back(MakeText(IntText(i)));
    AppendGadgetEntry(bar, u"", 0, i, u"", extras.back());
  }
  TakeEvents();
  ClickButton(Bar(), 2);
  auto pressed = Only(TakeEvents(), GadgetAction, bar);
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].data, 2);
  EXPECT_EQ(pressed[0].extra, extras[2]);
  // Once the first button is gone, the same button is the second and reports so.
  DeleteGadgetEntry(bar, 0);
  ClickButton(Bar(), 1);
  pressed = Only(TakeEvents(), GadgetAction, bar);
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].data, 1);
  EXPECT_EQ(pressed[0].extra, extras[2]);
  // And a button inserted in front moves it back to the third place.
  InsertGadgetEntry(bar, 0, u"", 0, 0);
  ClickButton(Bar(), 2);
  pressed = Only(TakeEvents(), GadgetAction, bar);
  ASSERT_EQ(pressed.size(), 1u);
  EXPECT_EQ(pressed[0].data, 2);
  EXPECT_EQ(pressed[0].extra, extras[2]);
}

TEST_F(ToolBars, SpansItsGroupFromTheLeftWhateverTheLayout) {
  ChangeGadgetIconStrip(bar, Strip(1));
  AppendGadgetEntry(bar, u"", 0, 0);
  auto check = [&](const char* what) {
    RECT client{}, r{};
    GetClientRect(GetParent(Bar()), &client);
    GetWindowRect(Bar(), &r);
    MapWindowPoints(nullptr, GetParent(Bar()), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 0) << what;
    EXPECT_EQ(r.top, 0) << what;
    EXPECT_EQ(r.right, client.right) << what;
    EXPECT_EQ(GetGadgetWidth(bar), client.right) << what;
  };
  ReshapeGadget(bar, 10, 20, 100, 30);
  check("narrow and moved");
  ReshapeGadget(bar, 50, 0, 900, 40);
  check("wider than the window");
  ReshapeGadget(win, 50, 50, 600, 300);
  check("window widened");
}

TEST_F(ToolBars, EntryStatesCheckAndDisableButtons) {
  ChangeGadgetIconStrip(bar, Strip(2));
  AppendGadgetEntry(bar, u"", 0, 0);
  AppendGadgetEntry(bar, u"", 0, 1);
  auto checked = [&](int id) { return SendMessageA(Bar(), TB_ISBUTTONCHECKED, id, 0) != 0; };
  auto enabled = [&](int id) { return SendMessageA(Bar(), TB_ISBUTTONENABLED, id, 0) != 0; };
  SelectGadgetEntry(bar, 1);
  EXPECT_TRUE(checked(2));
  EXPECT_FALSE(checked(1));
  EXPECT_EQ(GetSelectedEntry(bar), 1);
  DisableGadgetEntry(bar, 0);
  EXPECT_FALSE(enabled(1));
  // Selecting a disabled button leaves it disabled.
  SelectGadgetEntry(bar, 0);
  EXPECT_TRUE(checked(1));
  EXPECT_FALSE(enabled(1));
  EnableGadgetEntry(bar, 0);
  EXPECT_TRUE(enabled(1));
  EXPECT_TRUE(checked(1));
  DeselectGadgetEntry(bar, -1);
  EXPECT_FALSE(checked(1));
  EXPECT_FALSE(checked(2));
  EXPECT_EQ(bar->ListItemState(9), 0);
}

TEST_F(ToolBars, TipsFollowTheirButtons) {
  ChangeGadgetIconStrip(bar, Strip(3));
  AppendGadgetEntry(bar, u"", 0, 0, u"open");
  AppendGadgetEntry(bar, u"", 0, 1, u"");
  AppendGadgetEntry(bar, u"", 0, 2, u"save");
  EXPECT_EQ(TipOf(Bar(), 1), "open");
  EXPECT_EQ(TipOf(Bar(), 2), "");
  EXPECT_EQ(TipOf(Bar(), 3), "save");
  DeleteGadgetEntry(bar, 0);
  EXPECT_EQ(TipOf(Bar(), 1), "");
  EXPECT_EQ(TipOf(Bar(), 2), "save");
  EXPECT_EQ(TipOf(Bar(), 3), "");
  ChangeGadgetEntry(bar, 0, u"", 0, 0, u"new");
  EXPECT_EQ(TipOf(Bar(), 1), "new");
}
