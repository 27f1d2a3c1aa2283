// The real program without a mouse: every window opens with the focus on a button, Tab reaches
// every control, Enter presses the focused button and Escape closes About, Help and the alert.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"
#include "tests/app_win32/win32_process.h"

namespace {

// The caption of the focused control, or the window class of what has the focus instead.
std::string FocusedText(HWND window) {
  HWND f = FocusOf(window);
  if (!f) return "(none)";
  const std::string cls = ClassOf(f);
  return cls == "Button" ? TextOf(f) : "(" + cls + ")";
}

// Waits until the window's focus is on the control with `text` ("(RichEdit20A)" for a text area).
bool FocusComesTo(HWND window, const std::string& text) {
  return WaitUntil(
      [&] {
        const std::string now = FocusedText(window);
        return now == text || (now == "(RichEdit20W)" && text == "(RichEdit20A)");
      },
      3000);
}

class Monitor : public ::testing::Test {
 protected:
  void SetUp() override {
    run = VarnocRun::Start();
    ASSERT_TRUE(run.ok()) << run.error;
    SetForegroundWindow(run.main);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.main; }, 3000));
  }
  void TearDown() override {
    if (run.process.running()) {
      Press(run.Button("Exit"));
      EXPECT_EQ(run.process.WaitExit(10000), 0u);
    }
  }
  VarnocRun run;
};

TEST_F(Monitor, MainWindowStartsOnItsFirstButtonAndTabReachesEveryControl) {
  EXPECT_TRUE(FocusComesTo(run.main, "About")) << "first focus on " << FocusedText(run.main);
  struct Step {
    std::vector<WORD> chord;
    const char* lands;
  } steps[] = {
      {{VK_TAB}, "Help"},
      {{VK_TAB}, " G O ! "},
      {{VK_TAB}, "Exit"},
      {{VK_TAB}, "(RichEdit20A)"},            // the task list
      {{VK_CONTROL, VK_TAB}, "About"},        // Tab is typed in a text area; Ctrl+Tab leaves
      {{VK_SHIFT, VK_TAB}, "(RichEdit20A)"},  // and back, wrapping
  };
  for (const Step& s : steps) {
    Chord(s.chord);
    EXPECT_TRUE(FocusComesTo(run.main, s.lands)) << "to " << s.lands << ", on " << FocusedText(run.main);
  }
  // For a look at the focus the keyboard left on the list.
  EXPECT_NE(SaveScreenshot(run.main, "keyboard-main"), "");
}

TEST_F(Monitor, AboutAndHelpOpenOnTheirButtonAndCloseFromTheKeyboard) {
  struct Case {
    const char* what;
    int tabs;  // from About to the button that opens the window
    const char* opener;
    const char* title;
    const char* first;
    WORD closing;
  } cases[] = {
      {"About, closed with Escape", 0, "About", "About Varnoc V1.0", "OK", VK_ESCAPE},
      {"About, closed with Enter", 0, "About", "About Varnoc V1.0", "OK", VK_RETURN},
      {"Help, closed with Escape", 1, "Help", " Help", "Ok", VK_ESCAPE},
      {"Help, closed with Enter", 1, "Help", " Help", "Ok", VK_RETURN},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(FocusComesTo(run.main, "About")) << c.what;
    for (int i = 0; i < c.tabs; ++i) Chord({VK_TAB});
    Chord({VK_RETURN});
    HWND w = run.WaitWindow(c.title);
    ASSERT_NE(w, nullptr) << c.what << ": Enter opened nothing";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == w; }, 3000)) << c.what;
    EXPECT_TRUE(FocusComesTo(w, c.first)) << c.what << ": first focus on " << FocusedText(w);
    SaveScreenshot(w, c.tabs ? "keyboard-help" : "keyboard-about");
    Chord({c.closing});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(w); }, 3000)) << c.what << ": still open";
    ASSERT_TRUE(Responds(run.main)) << c.what;
    // The main window takes the focus back on the button that opened the window.
    EXPECT_TRUE(FocusComesTo(run.main, c.opener)) << c.what << ": back on " << FocusedText(run.main);
    for (int i = 0; i < c.tabs; ++i) Chord({VK_SHIFT, VK_TAB});
  }
}

TEST_F(Monitor, ExitByEnterEndsTheProgram) {
  ASSERT_TRUE(FocusComesTo(run.main, "About"));
  Chord({VK_TAB});
  Chord({VK_TAB});
  Chord({VK_TAB});
  ASSERT_TRUE(FocusComesTo(run.main, "Exit")) << "on " << FocusedText(run.main);
  Chord({VK_RETURN});
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

class MonitorAlert : public Monitor {
 protected:
  // GO pressed from the keyboard, then a new task: the alert comes up.
  HWND Alert() {
    auto names = KernelWalkNames();
    if (names.empty() || names.back() != u"Varnoc.exe") return nullptr;
    Chord({VK_TAB});
    Chord({VK_TAB});
    if (!FocusComesTo(run.main, " G O ! ")) return nullptr;
    Chord({VK_RETURN});
    if (!WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000)) return nullptr;
    task = StartChild(TestProgramPath("late_task.exe"), "");
    HWND alert = WaitTopWindow(run.process.id(), GadgetWindowClass, AlertTitle(), 10000);
    if (alert && !WaitChildWithText(alert, "Button", "Exit")) return nullptr;
    return alert;
  }
  ChildProcess task;
};

TEST_F(MonitorAlert, AlertTakesTheKeyboardAsItOpens) {
  const std::vector<WORD> ways[] = {{VK_RETURN}, {VK_ESCAPE}, {VK_MENU, VK_F4}};
  for (const auto& way : ways) {
    if (!run.process.running()) {
      run = VarnocRun::Start();
      ASSERT_TRUE(run.ok()) << run.error;
      SetForegroundWindow(run.main);
    }
    HWND alert = Alert();
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == alert; }, 3000)) << "the alert is not active";
    EXPECT_TRUE(FocusComesTo(alert, "Exit")) << "first focus on " << FocusedText(alert);
    Chord(way);
    EXPECT_EQ(run.process.WaitExit(10000), 0u) << "key " << way.back();
  }
}

}  // namespace
