// Popup menus chosen from with the mouse: opened on any gadget, and opened from inside the pump.
#include <string>

#include "event/hook.h"
#include "event/system.h"
#include "runtime/text.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/support.h"

namespace {

class Popups : public DriverTest {};

// Where the pointer rests when a popup is opened.
constexpr POINT PointerAt{220, 240};

struct Owner {
  const char* name;
  Ref<TGadget> gadget;
};

TEST_F(Popups, OnAnyGadgetOpenAtThePointerAndReportTheChoiceWithItsExtra) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::MenuBar);
  auto button = MakeButton(u"Here", 10, 10, 80, 24, win, 0);
  auto item = MakeMenu(u"File", 1, win);
  const Owner owners[] = {
      {"window", win}, {"button", button}, {"desktop", GetDesktop()}, {"menu item", item}};
  auto popup = MakeMenu(u"Popup", 0, nullptr);
  MakeMenu(u"First", 11, popup);
  auto second = MakeMenu(u"Second", 12, popup);
  for (const Owner& o : owners) {
    SCOPED_TRACE(o.name);
    Ref<TObject> extra = MakeText(u"context");
    SetForegroundWindow(Hwnd(win));
    TakeEvents();
    PointerTo(PointerAt);
    {
      MenuChooser choose(1);
      ShowPopupMenu(o.gadget, popup, extra);
      EXPECT_TRUE(choose.Opened());
      EXPECT_EQ(choose.OpenedAt().x, PointerAt.x);
      EXPECT_EQ(choose.OpenedAt().y, PointerAt.y);
    }
    auto actions = Only(TakeEvents(), MenuAction);
    EXPECT_EQ(actions.size(), 1u);
    for (const Seen& a : actions) {
      EXPECT_EQ(a.source, Ref<TObject>(second));
      EXPECT_EQ(a.data, 12);
      EXPECT_EQ(a.extra, extra);
    }
  }
  DestroyGadget(popup);
}

// Opens the popup when the trigger acts: from inside the emission, so inside the running pump.
class PopupOnAction : public TObject {
 public:
  Ref<TGadget> trigger, owner, menu;
  Ref<TObject> extra;
};

Ref<TObject> OpenPopupOnAction(int32_t, const Ref<TObject>& data, const Ref<TObject>& context) {
  auto e = Cast<TEvent>(data);
  auto c = Cast<PopupOnAction>(context);
  if (e && c && e->id == GadgetAction && e->source == Ref<TObject>(c->trigger))
    ShowPopupMenu(c->owner, c->menu, c->extra);
  return data;
}

TEST_F(Popups, OpenedFromAHookWhileThePumpRunsReportTheChoiceWithItsExtra) {
  auto win = TestWindow(WindowStyle::TitleBar);
  auto button = MakeButton(u"Menu", 10, 10, 80, 24, win, 0);
  auto popup = MakeMenu(u"Popup", 0, nullptr);
  auto first = MakeMenu(u"First", 21, popup);
  auto opener = New<PopupOnAction>();
  opener->trigger = button;
  opener->owner = win;
  opener->menu = popup;
  opener->extra = MakeText(u"from a hook");
  // Above the queue's own hook, so that the popup opens while the button's action is emitted.
  InstallHook(EventHookId, OpenPopupOnAction, opener, 100);
  TakeEvents();
  {
    MenuChooser choose(0);
    RECT r{};
    GetWindowRect(Hwnd(button), &r);
    SetForegroundWindow(Hwnd(win));
    PointerTo(Middle(r));
    SendClick(Middle(r));
    PumpWhileChoosing(choose, PumpSystem);
    EXPECT_TRUE(choose.Opened());
  }
  UninstallHook(EventHookId, OpenPopupOnAction, opener);
  auto actions = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(first));
  EXPECT_EQ(actions[0].data, 21);
  EXPECT_EQ(actions[0].extra, opener->extra);
  DestroyGadget(popup);
}

// A second popup asked for while the first is shown, from a thread timer that the first one's
// menu loop runs: the platform shows one popup at a time, so it is refused or closed at once.
struct Nested {
  Ref<TGadget> owner, menu;
  Ref<TObject> extra;
  bool asked = false;
} nested;

BOOL CALLBACK FindShownMenu(HWND hwnd, LPARAM lp) {
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::string(cls) != "#32768" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<bool*>(lp) = true;
  return FALSE;
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

void CALLBACK OpenNested(HWND, UINT, UINT_PTR id, DWORD) {
  bool shown = false;
  EnumThreadWindows(GetCurrentThreadId(), FindShownMenu, reinterpret_cast<LPARAM>(&shown));
  if (!shown) return;
  KillTimer(nullptr, id);
  nested.asked = true;
  UINT_PTR closer = SetTimer(nullptr, 0, 20, CloseMenu);
  ShowPopupMenu(nested.owner, nested.menu, nested.extra);
  KillTimer(nullptr, closer);
}

TEST_F(Popups, APopupAskedForWhileAnotherIsShownLeavesTheShownOnesExtra) {
  auto win = TestWindow(WindowStyle::TitleBar);
  auto outer = MakeMenu(u"Outer", 0, nullptr);
  MakeMenu(u"First", 31, outer);
  auto second = MakeMenu(u"Second", 32, outer);
  nested.owner = win;
  nested.menu = MakeMenu(u"Inner", 0, nullptr);
  MakeMenu(u"Inner item", 41, nested.menu);
  nested.extra = MakeText(u"inner");
  nested.asked = false;
  Ref<TObject> extra = MakeText(u"outer");
  SetForegroundWindow(Hwnd(win));
  TakeEvents();
  PointerTo(PointerAt);
  {
    // The nested call comes first, the chooser's click on the outer popup after it.
    UINT_PTR opener = SetTimer(nullptr, 0, 10, OpenNested);
    MenuChooser choose(1);
    ShowPopupMenu(win, outer, extra);
    KillTimer(nullptr, opener);
    EXPECT_TRUE(choose.Opened());
  }
  // The second popup was refused at once: it sent nothing, and the first kept its extra.
  EXPECT_TRUE(nested.asked);
  auto actions = Only(TakeEvents(), MenuAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(second));
  EXPECT_EQ(actions[0].extra, extra);
  DestroyGadget(outer);
  DestroyGadget(nested.menu);
  nested = Nested{};
}

// A click away from the shown popup menu, from a thread timer that the menu's loop runs; when
// the menu is still shown some seconds on, the click did not close it and the menu is ended.
struct Outside {
  POINT click{};
  bool clicked = false, forced = false;
  int ticks = 0;
} outside;

void CALLBACK ClickOutside(HWND, UINT, UINT_PTR id, DWORD) {
  bool shown = false;
  EnumThreadWindows(GetCurrentThreadId(), FindShownMenu, reinterpret_cast<LPARAM>(&shown));
  if (shown && !outside.clicked) {
    outside.clicked = true;
    SendClick(outside.click);
    return;
  }
  if (++outside.ticks >= 100) {
    KillTimer(nullptr, id);
    outside.forced = shown;
    EndMenu();
  }
}

// Another program's window in the foreground: a window of a thread of its own, which answers its
// messages until it is closed.
class ForeignWindow {
 public:
  ForeignWindow() {
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(ready_, 5000);
  }
  ~ForeignWindow() {
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
  }
  HWND hwnd() const { return hwnd_; }

 private:
  static DWORD WINAPI Run(LPVOID self) {
    auto* w = static_cast<ForeignWindow*>(self);
    w->hwnd_ = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                               600, 500, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetEvent(w->ready_);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
      if (m.message == WM_CLOSE) break;
      DispatchMessageW(&m);
    }
    DestroyWindow(w->hwnd_);
    return 0;
  }
  HANDLE ready_ = nullptr, thread_ = nullptr;
  HWND hwnd_ = nullptr;
};

// A popup on the desktop is owned by a hidden window of the driver's. Opened while another
// program is in the foreground (a tray icon's menu), a click outside it still closes it, with no
// choice.
TEST_F(Popups, OwnedByTheHiddenWindowCloseOnAClickOutside) {
  ForeignWindow other;
  auto popup = MakeMenu(u"Popup", 0, nullptr);
  MakeMenu(u"First", 51, popup);
  RECT r{};
  GetWindowRect(other.hwnd(), &r);
  outside = Outside{};
  // Above and left of the menu, which opens right and below the pointer.
  outside.click = POINT{r.left + 40, r.top + 60};
  SetForegroundWindow(other.hwnd());
  TakeEvents();
  PointerTo(PointerAt);
  UINT_PTR timer = SetTimer(nullptr, 0, 50, ClickOutside);
  ShowPopupMenu(GetDesktop(), popup, MakeText(u"extra"));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(outside.clicked);
  EXPECT_FALSE(outside.forced);
  EXPECT_TRUE(Only(TakeEvents(), MenuAction).empty());
  DestroyGadget(popup);
}

}  // namespace
