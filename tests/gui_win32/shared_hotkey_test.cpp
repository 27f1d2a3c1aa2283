// Hot keys two gadgets are bound to: letting go of the first one's binding leaves the key working
// for the second one, which bound it last.
#include <functional>

#include "tests/gui_win32/menu_input.h"
#include "tests/gui_win32/support.h"

namespace {

class SharedHotKeys : public DriverTest {};

constexpr int32_t MenuStyle = WindowStyle::TitleBar | WindowStyle::MenuBar;

struct Case {
  const char* name;
  bool firstIsButton;  // else a menu item
  std::function<void(const Ref<TGadget>& first, const Ref<TGadget>& itsWindow)> letGo;
};

TEST_F(SharedHotKeys, LettingGoOfTheFirstBindingKeepsTheKeyOfTheSecond) {
  const Case cases[] = {
      {"first freed", false, [](auto& g, auto&) { DestroyGadget(g); }},
      {"first re-bound", false, [](auto& g, auto&) { BindGadgetHotKey(g, 'D', ModControl); }},
      {"first unbound", false, [](auto& g, auto&) { BindGadgetHotKey(g, 0, 0); }},
      {"first's window freed", false, [](auto&, auto& w) { DestroyGadget(w); }},
      {"first a button, freed", true, [](auto& g, auto&) { DestroyGadget(g); }},
      {"first a button, re-bound", true, [](auto& g, auto&) { BindGadgetHotKey(g, 'D', ModControl); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto one = TestWindow(MenuStyle);
    Ref<TGadget> first;
    if (c.firstIsButton) {
      first = MakeButton(u"Save", 10, 10, 80, 24, one, 0);
      BindGadgetHotKey(first, 'S', ModControl);
    } else {
      first = MakeMenu(u"Save", 1, MakeMenu(u"File", 0, one), 'S', ModControl);
    }
    auto two = TestWindow(MenuStyle);
    auto second = MakeMenu(u"Save", 2, MakeMenu(u"File", 0, two), 'S', ModControl);

    c.letGo(first, one);
    SetForegroundWindow(Hwnd(two));
    TakeEvents();
    PressChord({VK_CONTROL, 'S'});
    auto events = TakeEvents();
    auto actions = Only(events, MenuAction, second);
    EXPECT_EQ(actions.size(), 1u);
    if (!actions.empty()) {
      EXPECT_EQ(actions[0].data, 2);
    }
    EXPECT_TRUE(Only(events, GadgetAction).empty());
    DestroyGadget(two);
    if (QueryGadgetHandle(one, QueryKind::NativeHandle)) DestroyGadget(one);
  }
}

}  // namespace
