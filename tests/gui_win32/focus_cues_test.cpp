// Focus rectangles and access-key underlines: a window asks the platform to hide them as it opens
// (unless the user chose to see them always) and to show them once the keyboard is used in it.
#include <vector>

#include "gui/constants.h"
#include "tests/gui_win32/support.h"

namespace {

// Every cue request sent to a window of this thread while a recorder lives. The platform keeps
// the cues' state itself (and some platforms keep none), so the requests are what can be seen.
struct CueRequest {
  HWND to;
  WORD action, cues;
};
std::vector<CueRequest> requests;
HHOOK recorderHook = nullptr;

LRESULT CALLBACK RecordRequest(int code, WPARAM wp, LPARAM lp) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && sent->message == WM_CHANGEUISTATE) {
    requests.push_back(CueRequest{sent->hwnd, LOWORD(sent->wParam), HIWORD(sent->wParam)});
  }
  return CallNextHookEx(recorderHook, code, wp, lp);
}

class CueRecorder {
 public:
  CueRecorder() {
    requests.clear();
    recorderHook = SetWindowsHookExW(WH_CALLWNDPROC, RecordRequest, nullptr, GetCurrentThreadId());
  }
  ~CueRecorder() { UnhookWindowsHookEx(recorderHook); }
  CueRecorder(const CueRecorder&) = delete;
  CueRecorder& operator=(const CueRecorder&) = delete;
  // The cues every request of `action` to `to` named, together.
  WORD Asked(HWND to, WORD action) const {
    WORD cues = 0;
    for (const CueRequest& r : requests) cues |= r.to == to && r.action == action ? r.cues : 0;
    return cues;
  }
  size_t Count(HWND to, WORD action) const {
    size_t n = 0;
    for (const CueRequest& r : requests) n += r.to == to && r.action == action ? 1 : 0;
    return n;
  }
};

// The user's choice to see the cues always, set for one test and put back after it.
class AlwaysShowCues {
 public:
  explicit AlwaysShowCues(bool always) {
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &before_, 0);
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(always)), 0);
  }
  ~AlwaysShowCues() {
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(before_)), 0);
  }
  AlwaysShowCues(const AlwaysShowCues&) = delete;
  AlwaysShowCues& operator=(const AlwaysShowCues&) = delete;

 private:
  BOOL before_ = FALSE;
};

class FocusCues : public DriverTest {};

void ClickAt(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  Pump();
}

TEST_F(FocusCues, TheKeyboardShowsTheCuesAndTheMouseLeavesThemAsTheyAre) {
  AlwaysShowCues hidden(false);
  enum class Act { Keys, Chord, Click };
  struct Case {
    const char* what;
    Act act;
    std::vector<WORD> keys;
    WORD shown;  // the cues the window is asked to show
  } cases[] = {
      {"Tab", Act::Keys, {VK_TAB}, UISF_HIDEFOCUS},
      {"Shift+Tab", Act::Chord, {VK_SHIFT, VK_TAB}, UISF_HIDEFOCUS},
      {"an arrow in a list", Act::Keys, {VK_DOWN}, UISF_HIDEFOCUS},
      {"the menu key", Act::Keys, {VK_APPS}, UISF_HIDEFOCUS},
      {"Alt with a key no item answers", Act::Chord, {VK_MENU, 'Q'}, UISF_HIDEACCEL},
      {"typing into a field", Act::Keys, {'A', 'B'}, 0},
      {"a click on a button", Act::Click, {}, 0},
  };
  for (const Case& c : cases) {
    auto win = TestWindow(WindowStyle::TitleBar, 400, 300);
    auto panel = MakePanel(10, 10, 300, 200, win, 0);
    auto field = MakeTextField(10, 10, 200, 24, panel, 0);
    auto list = MakeListBox(10, 50, 200, 80, panel, 0);
    AppendGadgetEntry(list, u"one");
    AppendGadgetEntry(list, u"two");
    auto button = MakeButton(u"&Go", 10, 150, 80, 24, panel, 0);
    FocusGadget(c.keys == std::vector<WORD>{VK_DOWN} || c.keys == std::vector<WORD>{VK_APPS} ? list : field);
    Pump();
    CueRecorder recorder;
    if (c.act == Act::Keys) PressKeys(c.keys);
    if (c.act == Act::Chord) PressChord(c.keys);
    if (c.act == Act::Click) ClickAt(Hwnd(button));
    EXPECT_EQ(recorder.Asked(Hwnd(win), UIS_CLEAR), c.shown) << c.what;
    EXPECT_EQ(recorder.Asked(Hwnd(win), UIS_SET), 0) << c.what << ": a cue was hidden again";
    DestroyGadget(win);
    Pump();
  }
}

TEST_F(FocusCues, AWindowSetsItsCuesUpAsItIsFirstActivatedUnlessTheUserShowsThemAlways) {
  for (const bool always : {false, true}) {
    AlwaysShowCues choice(always);
    CueRecorder recorder;
    auto first = TestWindow(WindowStyle::TitleBar, 300, 200);
    MakeButton(u"&Ok", 10, 10, 80, 24, first, 0);
    auto other = TestWindow(WindowStyle::TitleBar, 300, 200);
    SetForegroundWindow(Hwnd(first));  // activated a second time
    Pump();
    const size_t expected = always ? 0 : 1;
    EXPECT_EQ(recorder.Count(Hwnd(first), UIS_INITIALIZE), expected) << "always shown: " << always;
    if (!always) {
      EXPECT_EQ(recorder.Asked(Hwnd(first), UIS_INITIALIZE), UISF_HIDEFOCUS | UISF_HIDEACCEL);
    }
    DestroyGadget(other);
    DestroyGadget(first);
    Pump();
  }
}

}  // namespace
