// Windows: close requests, moves, sizes, client coordinates, status bars, child layout and the
// window style bits.
#include "gui/win32/managed/gadget.h"
#include "runtime/text.h"
#include "tests/gui_win32/support.h"

// The driver's own operation is named like the platform's macro.
#undef SendMessage

class Windows : public DriverTest {};

TEST_F(Windows, CloseBoxPostsCloseAndTheWindowStays) {
  auto win = TestWindow();
  TakeEvents();
  SendMessageA(Hwnd(win), WM_SYSCOMMAND, SC_CLOSE, 0);
  auto closes = Only(TakeEvents(), WindowClose, win);
  EXPECT_EQ(closes.size(), 1u);
  EXPECT_TRUE(IsWindow(Hwnd(win)));
  EXPECT_TRUE(IsWindowVisible(Hwnd(win)));
}

TEST_F(Windows, MovePostsTheNewPosition) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::Resizable);
  TakeEvents();
  SetWindowPos(Hwnd(win), nullptr, 120, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  auto moves = Only(TakeEvents(), WindowMove, win);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].x, 120);
  EXPECT_EQ(moves[0].y, 130);
  EXPECT_EQ(GetGadgetX(win), 120);
  EXPECT_EQ(GetGadgetY(win), 130);
}

TEST_F(Windows, MaximisedWindowPostsNoMove) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::Resizable);
  WindowToMaximized(win);
  ASSERT_EQ(IsWindowMaximized(win), 1);
  TakeEvents();
  SendMessageA(Hwnd(win), WM_MOVE, 0, MAKELPARAM(5, 5));
  SetWindowPos(Hwnd(win), nullptr, 3, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(Only(TakeEvents(), WindowMove, win).empty());
  WindowToNormal(win);
  EXPECT_EQ(IsWindowMaximized(win), 0);
}

TEST_F(Windows, MinimisingPostsSizeWithThePreviousSize) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::Resizable, 300, 200);
  int32_t w = GetGadgetWidth(win), h = GetGadgetHeight(win);
  TakeEvents();
  WindowToMinimized(win);
  auto sizes = Only(TakeEvents(), WindowSize, win);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().x, w);
  EXPECT_EQ(sizes.back().y, h);
  EXPECT_EQ(IsWindowMinimized(win), 1);
  EXPECT_EQ(GetGadgetWidth(win), w);
  WindowToNormal(win);
  EXPECT_EQ(IsWindowMinimized(win), 0);
}

TEST_F(Windows, ResizePostsTheOuterSize) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::Resizable);
  TakeEvents();
  SetWindowPos(Hwnd(win), nullptr, 0, 0, 333, 222, SWP_NOMOVE | SWP_NOZORDER);
  auto sizes = Only(TakeEvents(), WindowSize, win);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().x, 333);
  EXPECT_EQ(sizes.back().y, 222);
  EXPECT_EQ(GetGadgetWidth(win), 333);
}

TEST_F(Windows, ClientCoordinatesGiveAndReportTheClientArea) {
  auto win =
      MakeWindow(u"client", 100, 100, 300, 200, nullptr, WindowStyle::TitleBar | WindowStyle::ClientCoords);
  RECT c{};
  GetClientRect(Hwnd(win), &c);
  EXPECT_EQ(c.right, 300);
  EXPECT_EQ(c.bottom, 200);
  EXPECT_EQ(GetGadgetWidth(win), 300);
  EXPECT_EQ(GetGadgetHeight(win), 200);
  POINT o{0, 0};
  ClientToScreen(Hwnd(win), &o);
  EXPECT_EQ(o.x, 100);
  EXPECT_EQ(o.y, 100);
  EXPECT_EQ(ClientWidth(win), 300);
  EXPECT_EQ(ClientHeight(win), 200);
}

TEST_F(Windows, ToolWindowClientCoordinatesAllowForTheSmallCaption) {
  auto win = MakeWindow(u"tool", 100, 100, 250, 150, nullptr,
                        WindowStyle::TitleBar | WindowStyle::ToolWindow | WindowStyle::ClientCoords);
  RECT c{};
  GetClientRect(Hwnd(win), &c);
  EXPECT_EQ(c.right, 250);
  EXPECT_EQ(c.bottom, 150);
}

TEST_F(Windows, StatusBarGetsItsOwnClientWindowAboveIt) {
  auto win = MakeWindow(u"status", 100, 100, 300, 200, nullptr,
                        WindowStyle::TitleBar | WindowStyle::StatusBar | WindowStyle::ClientCoords);
  HWND client = reinterpret_cast<HWND>(QueryGadgetHandle(win, QueryKind::ClientHandle));
  ASSERT_NE(client, Hwnd(win));
  EXPECT_EQ(GetParent(client), Hwnd(win));
  RECT c{};
  GetClientRect(client, &c);
  EXPECT_EQ(c.right, 300);
  EXPECT_EQ(c.bottom, 200);
  EXPECT_EQ(ClientHeight(win), 200);
  ChangeStatusText(win, u"ready");
  HWND bar = FindWindowExA(Hwnd(win), nullptr, "msctls_statusbar32", nullptr);
  ASSERT_NE(bar, nullptr);
  char text[16] = {};
  GetWindowTextA(bar, text, sizeof text);
  EXPECT_STREQ(text, "ready");
  // Children go into the client window, not under the bar.
  auto b = MakeButton(u"in", 0, 0, 50, 20, win, ButtonStyle::Push);
  EXPECT_EQ(GetParent(Hwnd(b)), client);
}

TEST_F(Windows, StyleBitsGiveTheWindowStyles) {
  auto style = [](int32_t s) {
    auto w = MakeWindow(u"s", 0, 0, 100, 100, nullptr, s | WindowStyle::Hidden);
    return static_cast<DWORD>(GetWindowLongPtrA(Hwnd(w), GWL_STYLE)) & ~(WS_VISIBLE | WS_DISABLED);
  };
  auto ex = [](int32_t s) {
    auto w = MakeWindow(u"s", 0, 0, 100, 100, nullptr, s | WindowStyle::Hidden);
    return static_cast<DWORD>(GetWindowLongPtrA(Hwnd(w), GWL_EXSTYLE));
  };
  constexpr DWORD Clipping = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  constexpr DWORD Caption = Clipping | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(style(0), WS_POPUP | Clipping);
  EXPECT_EQ(style(WindowStyle::TitleBar), Caption);
  EXPECT_EQ(style(WindowStyle::TitleBar | WindowStyle::Resizable),
            Caption | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME);
  EXPECT_EQ(style(WindowStyle::Resizable), WS_POPUP | Clipping | WS_THICKFRAME);
  EXPECT_TRUE(ex(0) & WS_EX_CONTROLPARENT);
  EXPECT_TRUE(ex(WindowStyle::ToolWindow) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex(WindowStyle::AcceptFiles) & WS_EX_ACCEPTFILES);
}

TEST_F(Windows, HiddenStyleLeavesTheWindowUnshown) {
  auto win = MakeWindow(u"hidden", 0, 0, 100, 100, nullptr, WindowStyle::TitleBar | WindowStyle::Hidden);
  EXPECT_FALSE(IsWindowVisible(Hwnd(win)));
  EXPECT_EQ(IsGadgetHidden(win), 1);
  RevealGadget(win);
  EXPECT_EQ(IsGadgetHidden(win), 0);
}

TEST_F(Windows, ChildStyleMakesAChildOfTheGroup) {
  auto top = TestWindow();
  auto inner = MakeWindow(u"inner", 10, 10, 100, 80, top, WindowStyle::Child);
  EXPECT_EQ(GetParent(Hwnd(inner)), Hwnd(top));
  EXPECT_TRUE(GetWindowLongPtrA(Hwnd(inner), GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(GetGadgetX(inner), 10);
}

TEST_F(Windows, MenuBarPlaceholderIsThere) {
  auto win = MakeWindow(u"menu", 0, 0, 200, 100, nullptr,
                        WindowStyle::TitleBar | WindowStyle::MenuBar | WindowStyle::Hidden);
  HMENU bar = GetMenu(Hwnd(win));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetMenuItemCount(bar), 1);
}

TEST_F(Windows, ChildrenFollowTheClientSizeByTheirEdges) {
  auto win = MakeWindow(u"layout", 0, 0, 200, 100, nullptr,
                        WindowStyle::TitleBar | WindowStyle::Resizable | WindowStyle::ClientCoords);
  auto right = MakeButton(u"r", 150, 10, 40, 20, win, ButtonStyle::Push);
  auto wide = MakeButton(u"w", 10, 40, 180, 20, win, ButtonStyle::Push);
  SetGadgetEdges(right, EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
  SetGadgetEdges(wide, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free);
  ReshapeGadget(win, 0, 0, 400, 100);
  EXPECT_EQ(GetGadgetX(right), 350);
  EXPECT_EQ(GetGadgetWidth(right), 40);
  EXPECT_EQ(GetGadgetWidth(wide), 380);
  RECT r = {};
  GetWindowRect(Hwnd(right), &r);
  MapWindowPoints(nullptr, Hwnd(win), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 350);
  // The user dragging the frame lays the children out the same way.
  RECT outer{};
  GetWindowRect(Hwnd(win), &outer);
  SetWindowPos(Hwnd(win), nullptr, 0, 0, outer.right - outer.left - 100, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(GetGadgetX(right), 250);
  EXPECT_EQ(GetGadgetWidth(wide), 280);
}

TEST_F(Windows, MinimumSizeLimitsTheTrackingSize) {
  auto win = MakeWindow(u"min", 0, 0, 300, 200, nullptr, WindowStyle::TitleBar | WindowStyle::Resizable);
  SetWindowMinimumSize(win, 250, 150);
  MINMAXINFO mm{};
  SendMessageA(Hwnd(win), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mm));
  EXPECT_EQ(mm.ptMinTrackSize.x, 250);
  EXPECT_EQ(mm.ptMinTrackSize.y, 150);
}

TEST_F(Windows, FocusGoesToTheFirstTabStop) {
  auto win = TestWindow();
  auto label = MakeLabel(u"l", 0, 0, 50, 20, win, 0);
  auto button = MakeButton(u"b", 0, 30, 50, 20, win, ButtonStyle::Push);
  FocusWindow(win);
  EXPECT_EQ(GetFocus(), Hwnd(button));
  EXPECT_EQ(ActiveGadget(), button);
}

namespace {

// The layout of the block a file drop hands over: a header, then the names, each ending in a zero,
// with one more zero after the last. (The shell header that declares it also declares a class
// named like the driver's desktop gadget.)
struct DropHeader {
  DWORD pFiles;
  POINT pt;
  BOOL fNC;
  BOOL fWide;
};

}  // namespace

TEST_F(Windows, DroppedFilesArriveOneEventEachWithThePath) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::AcceptFiles);
  const char files[] = "C:\\one.txt\0C:\\two.txt\0";
  HGLOBAL h = GlobalAlloc(GHND, sizeof(DropHeader) + sizeof files);
  auto* drop = static_cast<DropHeader*>(GlobalLock(h));
  drop->pFiles = sizeof(DropHeader);
  drop->pt = POINT{12, 34};
  drop->fNC = FALSE;
  drop->fWide = FALSE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DropHeader), files, sizeof files);
  GlobalUnlock(h);
  TakeEvents();
  SendMessageA(Hwnd(win), WM_DROPFILES, reinterpret_cast<WPARAM>(h), 0);
  auto accepts = Only(TakeEvents(), WindowAccept, win);
  ASSERT_EQ(accepts.size(), 2u);
  EXPECT_EQ(Cast<TText>(accepts[0].extra)->Value(), u"C:\\one.txt");
  EXPECT_EQ(Cast<TText>(accepts[1].extra)->Value(), u"C:\\two.txt");
  EXPECT_EQ(accepts[0].x, 12);
  EXPECT_EQ(accepts[0].y, 34);
}

TEST_F(Windows, EventsSentThroughTheDriverComeFromTheTarget) {
  auto win = TestWindow();
  auto* driver = dynamic_cast<TWin32GUIDriver*>(&RequireGuiDriver());
  ASSERT_NE(driver, nullptr);
  TakeEvents();
  Ref<TObject> none = driver->SendMessage(MakeEvent(GadgetAction, nullptr, 5, 2, 3, 4, nullptr), win);
  EXPECT_EQ(none, nullptr);
  driver->SendMessage(MakeText(u"not an event"), win);
  auto actions = Only(TakeEvents(), GadgetAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(win));
  EXPECT_EQ(actions[0].data, 5);
  EXPECT_EQ(actions[0].mods, 2);
  EXPECT_EQ(actions[0].y, 4);
}
