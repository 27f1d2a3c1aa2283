// The pointer over gadgets that report it: entering and leaving a sensitive panel or a canvas, and
// what becomes of a hidden pointer when the gadget it is in is freed under it.
#include "event/queue.h"
#include "event/system.h"
#include "gui/constants.h"
#include "tests/gui_win32/click.h"
#include "tests/gui_win32/hover.h"
#include "tests/gui_win32/support.h"

namespace {

// The platform's display counter of the pointer (0 shown, below 0 hidden), read by stepping it
// and back.
int CursorCounter() {
  const int shown = ShowCursor(TRUE);
  ShowCursor(FALSE);
  return shown - 1;
}

class Pointer : public DriverTest {
 protected:
  void TearDown() override {
    ShowPointer();
    DriverTest::TearDown();
  }
};

// Freeing the gadget that holds the pointer is its leaving: the leave is reported, the hidden
// pointer shows again over the rest of the window, and nothing is left holding the freed gadget.
TEST_F(Pointer, FreeingTheGadgetThePointerIsInReportsTheLeaveAndShowsThePointer) {
  struct Case {
    const char* what;
    Ref<TGadget> (*make)(const Ref<TGadget>& win, Ref<TGadget>& freed);
  } cases[] = {
      {"a sensitive panel",
       [](const Ref<TGadget>& win, Ref<TGadget>& freed) {
         return freed = MakePanel(20, 20, 150, 100, win, PanelStyle::Sensitive, u"");
       }},
      {"a canvas", [](const Ref<TGadget>& win,
                      Ref<TGadget>& freed) { return freed = MakeCanvas(20, 20, 150, 100, win, 0); }},
      {"a canvas in a plain panel freed with it",
       [](const Ref<TGadget>& win, Ref<TGadget>& freed) {
         freed = MakePanel(20, 20, 150, 100, win, PanelStyle::Plain, u"");
         return MakeCanvas(0, 0, 150, 100, freed, 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Away from where the gadget comes first: one made under the pointer is entered at once.
    SettlePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
    auto win = TestWindow(WindowStyle::TitleBar, 300, 200);
    Ref<TGadget> freed;
    Ref<TGadget> tracked = c.make(win, freed);
    HidePointer();
    TakeEvents();
    RECT r{};
    GetClientRect(Hwnd(tracked), &r);
    HoverAt(Hwnd(tracked), Middle(r));
    // Hardware input takes its time through the display server.
    std::vector<Seen> entered;
    PumpUntil(
        [&entered] {
          for (const Seen& e : Only(TakeEvents(), MouseEnter)) entered.push_back(e);
          return !entered.empty();
        },
        std::chrono::milliseconds(3000));
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered[0].source, Ref<TObject>(tracked));
    ASSERT_EQ(CursorCounter(), -1);
    entered.clear();
    DestroyGadget(freed);
    {
      auto events = TakeEvents();
      auto left = Only(events, MouseLeave);
      EXPECT_EQ(left.size(), 1u);
      for (const Seen& e : left) EXPECT_EQ(e.source, Ref<TObject>(tracked));
    }
    EXPECT_EQ(CursorCounter(), 0);
    // The last event taken stays the active one until the next poll, which finds none.
    PollNextEvent();
    // Only this test's own references are left.
    EXPECT_EQ(tracked->RefCount(), tracked == freed ? 2 : 1);
    ShowPointer();
    DestroyGadget(win);
    TakeEvents();
  }
}

}  // namespace
