// The driver's thread hooks with real keyboard input: hot keys, Enter in edit controls, the
// pointer shape over gadgets, and the application's activation.
#include "gui/win32/managed/gadget.h"
#include "tests/gui_win32/support.h"
// After support.h, which keeps the platform's macros off the toolkit's names.
#include "event/win32/system_win32.h"

class Hooks : public DriverTest {};

TEST_F(Hooks, HotKeyOfAButtonPostsItsActionAndIsSwallowed) {
  auto win = TestWindow();
  auto button = MakeButton(u"hot", 10, 10, 60, 20, win, ButtonStyle::Push);
  auto keys = MakePanel(10, 40, 100, 100, win, PanelStyle::Sensitive, u"");  // reports the keys that reach it
  BindGadgetHotKey(button, VK_F7, 0);
  SetFocus(Hwnd(keys));
  TakeEvents();
  PressKeys({VK_F7, VK_F8});
  auto events = TakeEvents();
  auto actions = Only(events, GadgetAction, button);
  ASSERT_EQ(actions.size(), 1u);
  bool sawF7 = false, sawF8 = false;
  for (const Seen& e : Only(events, KeyDown, keys)) {
    sawF7 |= e.data == VK_F7;
    sawF8 |= e.data == VK_F8;
  }
  EXPECT_FALSE(sawF7);
  EXPECT_TRUE(sawF8);
  // Freed, the button's key no longer fires.
  DestroyGadget(button);
  PressKeys({VK_F7});
  EXPECT_TRUE(Only(TakeEvents(), GadgetAction).empty());
}

TEST_F(Hooks, EnterInAnEditControlMovesTheFocusToItsParent) {
  auto win = TestWindow();
  auto panel = MakePanel(10, 10, 200, 100, win, PanelStyle::Plain, u"");
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, Hwnd(panel), nullptr,
                              nullptr, nullptr);
  SetFocus(edit);
  ASSERT_EQ(GetFocus(), edit);
  PressKeys({VK_RETURN});
  EXPECT_EQ(GetFocus(), Hwnd(panel));
  DestroyWindow(edit);
}

TEST_F(Hooks, ChosenPointerShowsOverClientAreas) {
  auto win = TestWindow();
  SetPointer(2);
  LRESULT r =
      SendMessageA(Hwnd(win), WM_SETCURSOR, reinterpret_cast<WPARAM>(Hwnd(win)), MAKELPARAM(HTCLIENT, 0));
  EXPECT_EQ(r, 1);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_IBEAM));
  SetPointer(0);
}

TEST_F(Hooks, ApplicationActivationIsReported) {
  auto win = TestWindow();
  TakeEvents();
  SendMessageA(Hwnd(win), WM_ACTIVATEAPP, FALSE, 0);
  SendMessageA(Hwnd(win), WM_ACTIVATEAPP, TRUE, 0);
  auto events = TakeEvents();
  EXPECT_EQ(Only(events, AppSuspend).size(), 1u);
  EXPECT_EQ(Only(events, AppResume).size(), 1u);
}

TEST_F(Hooks, MenuCommandsAboveOneHundredBecomeMenuActions) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::MenuBar);
  auto item = MakeMenu(u"Item", 7, win);
  RebuildWindowMenu(win);
  TakeEvents();
  SendMessageA(Hwnd(win), WM_COMMAND, GetMenuItemID(GetMenu(Hwnd(win)), 0), 0);
  SendMessageA(Hwnd(win), WM_COMMAND, 100, 0);
  auto menus = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].source, Ref<TObject>(item));
  EXPECT_EQ(menus[0].data, 7);
}

TEST_F(Hooks, WheelGoesToTheSensitivePanelUnderThePointer) {
  auto win = TestWindow();
  auto panel = MakePanel(20, 20, 100, 100, win, PanelStyle::Sensitive, u"");
  auto plain = MakePanel(150, 20, 100, 100, win, PanelStyle::Plain, u"");
  POINT over{50, 50};
  ClientToScreen(Hwnd(panel), &over);
  TakeEvents();
  // The platform queues the wheel for the focus window, wherever the pointer is.
  PostMessageA(Hwnd(win), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(over.x, over.y));
  auto wheels = Only(TakeEvents(), MouseWheel, panel);
  ASSERT_EQ(wheels.size(), 1u);
  EXPECT_EQ(wheels[0].data, 2);
  EXPECT_EQ(wheels[0].x, 50);
  EXPECT_EQ(wheels[0].y, 50);
  POINT elsewhere{50, 50};
  ClientToScreen(Hwnd(plain), &elsewhere);
  PostMessageA(Hwnd(win), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(elsewhere.x, elsewhere.y));
  EXPECT_TRUE(Only(TakeEvents(), MouseWheel).empty());
}

// The wheel redirection rides on the main thread's message hook: calls posted to the thread still
// run beside it, in the order they were queued.
TEST_F(Hooks, PostedCallsStillRunWhileTheWheelIsRedirected) {
  auto win = TestWindow();
  auto panel = MakePanel(20, 20, 100, 100, win, 2, u"");
  POINT over{50, 50};
  ClientToScreen(Hwnd(panel), &over);
  TakeEvents();
  static std::vector<intptr_t> ran;
  ran.clear();
  auto record = [](void*, intptr_t data) { ran.push_back(data); };
  ASSERT_TRUE(PostMainThreadCall(record, nullptr, 1));
  PostMessageA(Hwnd(win), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(over.x, over.y));
  ASSERT_TRUE(PostMainThreadCall(record, nullptr, 2));
  EXPECT_EQ(Only(TakeEvents(), MouseWheel, panel).size(), 1u);
  EXPECT_EQ(ran, (std::vector<intptr_t>{1, 2}));
}
