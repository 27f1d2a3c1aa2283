// Typed characters beyond the 8-bit code page, surrogate pairs included, reach the program
// unchanged: sent as the platform's character input, taken by the driver's own pump.
#include <algorithm>
#include <string>
#include <vector>

#include "event/queue.h"
#include "gui/constants.h"
#include "runtime/text.h"
#include "tests/gui_win32/support.h"

namespace {

// Polish, Greek, Japanese, a euro sign and a character outside the basic plane (two units).
const std::u16string Sample =
    u"Za\u017c\u00f3\u0142\u0107 \u03a9\u03bc\u03ad\u03b3\u03b1 \u65e5\u672c\u8a9e \u20ac \U0001F600";

// Each UTF-16 unit as a key press and release of the platform's character input, as an input
// method or an on-screen keyboard sends them.
void TypeUnits(const std::u16string& text) {
  std::vector<INPUT> in;
  for (char16_t unit : text) {
    for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = unit;
      i.ki.dwFlags = KEYEVENTF_UNICODE | up;
      in.push_back(i);
    }
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Takes events the way a program's loop does, through PollNextEvent (which pumps the platform's
// messages), until `done` holds or three seconds pass; answers whether it came to hold.
template <class Done>
bool PollUntil(Done done, std::vector<int32_t>& ids, int rounds = 300) {
  for (int i = 0; i < rounds; ++i) {
    while (int32_t id = PollNextEvent()) ids.push_back(id);
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

// The characters a key filter saw, in order.
std::u16string filtered;
int32_t RecordChars(const Ref<TEvent>& e, const Ref<TObject>&) {
  if (e->id == KeyChar) filtered.push_back(static_cast<char16_t>(e->data));
  return 1;
}

class WideInput : public DriverTest {};

TEST_F(WideInput, TypedCharactersReachTheProgramUnchanged) {
  auto win = TestWindow(WindowStyle::TitleBar, 500, 300);
  struct Case {
    const char* kind;
    Ref<TGadget> gadget;
    std::u16string (*read)(const Ref<TGadget>&);
    bool filtered;  // the kind hands typed characters to a key filter
  } cases[] = {
      {"text field", MakeTextField(10, 10, 400, 24, win, 0),
       [](const Ref<TGadget>& g) { return GetTextFieldText(g); }, true},
      {"text area", MakeTextArea(10, 50, 400, 100, win, 0),
       [](const Ref<TGadget>& g) { return GetTextAreaRange(g, 0, -1, TextUnits::Chars); }, true},
      {"editable combo box", MakeComboBox(10, 170, 400, 24, win, ComboBoxStyle::Editable),
       [](const Ref<TGadget>& g) { return GetGadgetText(g); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    filtered.clear();
    if (c.filtered) InstallGadgetFilter(c.gadget, RecordChars, nullptr);
    FocusGadget(c.gadget);
    std::vector<int32_t> ids;
    PollUntil([] { return false; }, ids, 10);  // the focus change settles before the typing
    ids.clear();
    TypeUnits(Sample);
    const bool arrived = PollUntil([&] { return c.read(c.gadget) == Sample; }, ids);
    EXPECT_TRUE(arrived) << "the control holds " << Utf8(c.read(c.gadget));
    if (c.filtered) {
      EXPECT_EQ(filtered, Sample) << "the key filter saw " << Utf8(filtered);
    }
    // The user's edits were reported through the queue.
    EXPECT_NE(std::count(ids.begin(), ids.end(), GadgetAction), 0);
  }
}

}  // namespace
