// Keyboard focus across activation: a text gadget keeps it while its window is left and activated
// again, and a window just shown takes the keystrokes.
#include "runtime/text.h"
#include "tests/gui_win32/support.h"

namespace {

class Focus : public DriverTest {};

// The text gadgets a user types into; each one is a row here.
struct TextKind {
  const char* name;
  Ref<TGadget> (*make)(const Ref<TGadget>& win);
  std::u16string (*read)(const Ref<TGadget>& g);
};

const TextKind textKinds[] = {
    {"text area", [](const Ref<TGadget>& win) { return MakeTextArea(10, 40, 200, 100, win, 0); },
     [](const Ref<TGadget>& g) { return GetTextAreaRange(g, 0, -1, TextUnits::Chars); }},
};

// Hands the activation to `win` as a user's click on its caption would.
void ActivateByUser(const Ref<TGadget>& win) {
  SetForegroundWindow(Hwnd(win));
  Pump();
}

TEST_F(Focus, TextGadgetKeepsTheFocusWhenItsWindowIsActivatedAgain) {
  for (const TextKind& kind : textKinds) {
    SCOPED_TRACE(kind.name);
    auto win = TestWindow();
    // A tab stop ahead of the text gadget: the focus must not fall back to the first one.
    MakeButton(u"first", 10, 5, 80, 25, win, 0);
    auto text = kind.make(win);
    SetFocus(Hwnd(text));
    Pump();
    ASSERT_EQ(GetFocus(), Hwnd(text));

    auto other = TestWindow();
    ASSERT_NE(GetFocus(), Hwnd(text));
    ActivateByUser(win);
    EXPECT_EQ(GetFocus(), Hwnd(text));
    PressKeys({'Q'});
    EXPECT_EQ(Utf8(kind.read(text)), "q");
    DestroyGadget(other);
    DestroyGadget(win);
  }
}

TEST_F(Focus, ShownWindowTakesTheKeystrokes) {
  auto win = TestWindow();
  const HWND focus = GetFocus();
  EXPECT_TRUE(focus == Hwnd(win) || IsChild(Hwnd(win), focus));
  // Activated again with no gadget focused, the window itself still takes the keys.
  auto other = TestWindow();
  ActivateByUser(win);
  EXPECT_EQ(GetFocus(), Hwnd(win));
}

}  // namespace
