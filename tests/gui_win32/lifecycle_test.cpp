// Gadget life: the toolkit's one start, the gadget and HWND maps, freeing a tree, the
// duplicate-handle guard, moving a gadget into another group, and panels.
#include <gmock/gmock.h>

#include <cstdio>
#include <cstdlib>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/win32/managed/gadget.h"
#include "gui/win32/module_win32.h"
#include "gui/win32/native/hwnd.h"
#include "gui/win32/native/vell.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/support.h"

namespace {

bool InGadgetMap(VellGadget* native) {
  return GadgetMap.count(TIntWrapper::Create(reinterpret_cast<intptr_t>(native))) > 0;
}

// A wait that never ends shows as exit status 3 instead of hanging the run.
DWORD WINAPI EndAStuckRun(LPVOID) {
  Sleep(20000);
  ExitProcess(3);
}

}  // namespace

class Lifecycle : public DriverTest {};

// Every other test here starts the queue itself, so the child is a fresh run of this test alone:
// what a program gets that calls the toolkit's start and nothing else.
TEST(ToolkitStart, StartingTheToolkitAloneLetsTheLoopTakeAButtonPress) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        CloseHandle(CreateThread(nullptr, 0, EndAStuckRun, nullptr, 0, nullptr));
        Win32GuiModuleStart();
        Ref<TGadget> window = TestWindow(WindowStyle::TitleBar | WindowStyle::ClientCoords, 200, 100);
        Ref<TGadget> button = MakeButton(u"Press", 50, 30, 100, 30, window, ButtonStyle::Push);
        RECT r;
        GetClientRect(Hwnd(button), &r);
        ClickAt(Hwnd(button), Middle(r));
        while (WaitNextEvent() != GadgetAction) {
        }
        std::fputs(ActiveEventSource() == button ? "pressed" : "another gadget acted", stderr);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), testing::HasSubstr("pressed"));
}

TEST_F(Lifecycle, FreeRemovesGadgetsAndHwndsAndDestroysTheWindows) {
  auto win = MakeWindow(u"free", 0, 0, 300, 200, nullptr, WindowStyle::TitleBar | WindowStyle::StatusBar);
  auto panel = MakePanel(10, 10, 200, 100, win, PanelStyle::Plain, u"");
  auto button = MakeButton(u"b", 5, 5, 50, 20, panel, ButtonStyle::Push);
  VellGadget* nwin = Cast<TWin32Gadget>(win)->native();
  VellGadget* nbutton = Cast<TWin32Gadget>(button)->native();
  HWND outer = Hwnd(win), client = reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::ClientHandle)),
       hb = Hwnd(button);
  ASSERT_TRUE(InGadgetMap(nwin));
  ASSERT_TRUE(InGadgetMap(nbutton));
  ASSERT_TRUE(FindHwnd(outer) && FindHwnd(client) && FindHwnd(hb));
  DestroyGadget(win);
  EXPECT_FALSE(InGadgetMap(nwin));
  EXPECT_FALSE(InGadgetMap(nbutton));
  EXPECT_EQ(FindHwnd(outer), nullptr);
  EXPECT_EQ(FindHwnd(client), nullptr);
  EXPECT_EQ(FindHwnd(hb), nullptr);
  EXPECT_FALSE(IsWindow(outer));
  EXPECT_FALSE(IsWindow(hb));
  EXPECT_EQ(Cast<TWin32Gadget>(button)->handle, nullptr);
  EXPECT_EQ(GetGadgetParent(button), nullptr);
  EXPECT_EQ(win->kids->Count(), 0u);
  // A freed gadget forwards nothing any more.
  ChangeGadgetText(button, u"gone");
  EXPECT_EQ(QueryGadgetHandle(button, QueryKind::NativeHandle), 0);
}

TEST_F(Lifecycle, FreeingOneChildLeavesItsSiblings) {
  auto win = TestWindow();
  auto a = MakeButton(u"a", 0, 0, 50, 20, win, ButtonStyle::Push);
  auto b = MakeButton(u"b", 0, 30, 50, 20, win, ButtonStyle::Push);
  HWND ha = Hwnd(a);
  DestroyGadget(a);
  EXPECT_FALSE(IsWindow(ha));
  EXPECT_TRUE(IsWindow(Hwnd(b)));
  ASSERT_EQ(win->kids->Count(), 1u);
  EXPECT_EQ(win->kids->At(0), Ref<TObject>(b));
}

TEST_F(Lifecycle, SecondGadgetForTheSameNativeGadgetThrows) {
  auto win = TestWindow();
  auto button = MakeButton(u"b", 0, 0, 50, 20, win, ButtonStyle::Push);
  VellGadget* native = Cast<TWin32Gadget>(button)->native();
  size_t kids = win->kids->Count();
  try {
    TWin32Gadget::Create(GadgetClass::Button, native, win);
    FAIL() << "no error";
  } catch (const TRuntimeError& e) {
    EXPECT_EQ(e.Text(), u"Gadget handle already in map!");
  }
  EXPECT_EQ(win->kids->Count(), kids);
  EXPECT_EQ(Ref<TGadget>(TWin32GUIDriver::GadgetFromHandle(native)), button);
}

TEST_F(Lifecycle, AttachingSubclassesAndDetachingRestoresTheProcedure) {
  auto win = TestWindow();
  HWND raw =
      CreateWindowExW(0, L"BUTTON", L"raw", WS_CHILD, 0, 0, 10, 10, Hwnd(win), nullptr, nullptr, nullptr);
  auto before = GetWindowLongPtrW(raw, GWLP_WNDPROC);
  Win32Hwnd record;
  AttachHwnd(record, raw, nullptr, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(raw, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&MainWindowProc));
  EXPECT_EQ(FindHwnd(raw), &record);
  AttachHwnd(record, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(raw, GWLP_WNDPROC), before);
  EXPECT_EQ(FindHwnd(raw), nullptr);
  DestroyWindow(raw);
}

TEST_F(Lifecycle, OwnClassWindowsKeepTheSharedProcedureAfterDetaching) {
  auto win = TestWindow();
  HWND own = CreateWindowExW(0, RegisterWindowClass(), L"", WS_CHILD, 0, 0, 10, 10, Hwnd(win), nullptr,
                             nullptr, nullptr);
  Win32Hwnd record;
  AttachHwnd(record, own, nullptr, nullptr);
  EXPECT_EQ(record.previous, &DefWindowProcW);
  AttachHwnd(record, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(own, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&MainWindowProc));
  DestroyWindow(own);
}

TEST_F(Lifecycle, HwndDestroyedWithItsParentLeavesTheMap) {
  auto win = TestWindow();
  HWND raw = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, Hwnd(win), nullptr, nullptr, nullptr);
  Win32Hwnd record;
  AttachHwnd(record, raw, nullptr, nullptr);
  DestroyWindow(raw);
  EXPECT_EQ(FindHwnd(raw), nullptr);
  EXPECT_EQ(record.hwnd, nullptr);
}

TEST_F(Lifecycle, InsertMovesTheControlIntoTheNewGroup) {
  auto win = TestWindow();
  auto left = MakePanel(0, 0, 100, 100, win, PanelStyle::Plain, u"");
  auto right = MakePanel(100, 0, 100, 100, win, PanelStyle::Plain, u"");
  auto button = MakeButton(u"b", 5, 5, 50, 20, left, ButtonStyle::Push);
  right->Insert(button, -1);
  EXPECT_EQ(GetGadgetParent(button), right);
  EXPECT_EQ(GetParent(Hwnd(button)), Hwnd(right));
  EXPECT_EQ(left->kids->Count(), 0u);
}

TEST_F(Lifecycle, UnknownClassesGiveGadgetsWithoutNativeObjects) {
  auto win = TestWindow();
  auto odd = RequireGuiDriver().CreateGadget(99, u"", 0, 0, 100, 20, win, 0);
  ASSERT_TRUE(odd);
  EXPECT_EQ(Cast<TWin32Gadget>(odd)->handle, nullptr);
  EXPECT_EQ(QueryGadgetHandle(odd, QueryKind::NativeHandle), 0);
  DestroyGadget(odd);
}

TEST_F(Lifecycle, DesktopIsOneGadgetAnsweringTheDesktopWindow) {
  EXPECT_EQ(GetDesktop(), Ref<TGadget>(DesktopGadget));
  EXPECT_EQ(QueryGadgetHandle(GetDesktop(), QueryKind::NativeHandle),
            reinterpret_cast<intptr_t>(GetDesktopWindow()));
  EXPECT_EQ(QueryGadgetHandle(GetDesktop(), QueryKind::ClientHandle),
            reinterpret_cast<intptr_t>(GetDesktopWindow()));
  EXPECT_GT(GetGadgetWidth(GetDesktop()), 0);
}

TEST_F(Lifecycle, NodesAreNotMadeByCreateGadget) {
  try {
    RequireGuiDriver().CreateGadget(GadgetClass::Node, u"", 0, 0, 0, 0, nullptr, 0);
    FAIL() << "no error";
  } catch (const TRuntimeError& e) {
    EXPECT_EQ(e.Text(), u"chunks");
  }
}

class Panels : public DriverTest {};

TEST_F(Panels, GroupBoxKeepsChildrenInsideItsFrame) {
  auto win = TestWindow();
  auto box = MakePanel(10, 10, 200, 120, win, PanelStyle::GroupBox, u"Title");
  HWND client = reinterpret_cast<HWND>(QueryGadgetHandle(box, QueryKind::ClientHandle));
  ASSERT_NE(client, Hwnd(box));
  RECT r{};
  GetWindowRect(client, &r);
  MapWindowPoints(nullptr, Hwnd(box), reinterpret_cast<POINT*>(&r), 2);
  RECT outer{};
  GetClientRect(Hwnd(box), &outer);
  EXPECT_EQ(r.left, 4);
  EXPECT_EQ(r.top, 16);
  EXPECT_EQ(outer.right - r.right, 4);
  EXPECT_EQ(outer.bottom - r.bottom, 4);
  EXPECT_EQ(ClientWidth(box), outer.right - 8);
  char title[16] = {};
  GetWindowTextA(Hwnd(box), title, sizeof title);
  EXPECT_STREQ(title, "Title");
  auto b = MakeButton(u"in", 0, 0, 40, 20, box, ButtonStyle::Push);
  EXPECT_EQ(GetParent(Hwnd(b)), client);
}

TEST_F(Panels, SensitivePanelsReportRawInput) {
  auto win = TestWindow();
  auto plain = MakePanel(0, 0, 100, 100, win, PanelStyle::Plain, u"");
  auto active = MakePanel(100, 0, 100, 100, win, PanelStyle::Sensitive, u"");
  EXPECT_EQ(FindHwnd(Hwnd(plain))->SensitivityFlags, 0);
  EXPECT_EQ(FindHwnd(Hwnd(active))->SensitivityFlags, SensitiveInput | SensitiveWheel);
  TakeEvents();
  SendMessageA(Hwnd(active), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
  SendMessageA(Hwnd(active), WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
  auto events = TakeEvents();
  auto downs = Only(events, MouseDown, active);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].x, 7);
  EXPECT_EQ(downs[0].y, 9);
  EXPECT_EQ(GetFocus(), Hwnd(active));
  SendMessageA(Hwnd(plain), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
  SendMessageA(Hwnd(plain), WM_LBUTTONUP, 0, MAKELPARAM(7, 9));
  EXPECT_TRUE(Only(TakeEvents(), MouseDown, plain).empty());
}

TEST_F(Panels, SunkenStyleAddsTheClientEdge) {
  auto win = TestWindow();
  auto edged = MakePanel(0, 0, 100, 100, win, PanelStyle::Border, u"");
  EXPECT_TRUE(GetWindowLongPtrA(Hwnd(edged), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}
