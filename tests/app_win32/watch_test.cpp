// The real program's watch: GO minimises it, the next program started brings up the alert, and
// the alert's Exit button and close box end the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>
#include <string>

#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"

namespace {

class Watch : public ::testing::Test {
 protected:
  void SetUp() override {
    run = VarnocRun::Start();
    ASSERT_TRUE(run.ok()) << run.error;
    // Watching rests on the program being the last process listed when GO is pressed.
    auto names = KernelWalkNames();
    ASSERT_FALSE(names.empty());
    ASSERT_EQ(names.back(), u"Varnoc.exe") << "a process started after Varnoc: " << Utf8(names.back());
    Press(run.Button(" G O ! "));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000)) << "GO minimises the main window";
  }

  // Starts the late task and waits for the alert; the time taken goes to `ms`.
  HWND StartTaskAndWaitForAlert(DWORD& ms) {
    DWORD start = GetTickCount();
    task = StartChild(TestProgramPath("late_task.exe"), "");
    HWND alert = WaitTopWindow(run.process.id(), GadgetWindowClass, AlertTitle(), 10000);
    ms = GetTickCount() - start;
    // The Exit button is the alert's last gadget.
    if (alert && !WaitChildWithText(alert, "Button", "Exit")) return nullptr;
    return alert;
  }

  VarnocRun run;
  ChildProcess task;
};

TEST_F(Watch, KeepsWatchingWhileNothingNewStarts) {
  Sleep(600);
  EXPECT_TRUE(run.process.running());
  EXPECT_TRUE(IsWindow(run.main));
  EXPECT_TRUE(IsIconic(run.main));
  EXPECT_TRUE(TopWindows(run.process.id(), GadgetWindowClass, AlertTitle()).empty());
  DWORD ms = 0;
  HWND alert = StartTaskAndWaitForAlert(ms);
  ASSERT_NE(alert, nullptr);
  PressCloseBox(alert);
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST_F(Watch, AlertNamesTheNewTaskWithTimeAndDateAndExitEnds) {
  DWORD ms = 0;
  HWND alert = StartTaskAndWaitForAlert(ms);
  ASSERT_NE(alert, nullptr) << "no alert titled \"" << AlertTitle() << "\"";
  EXPECT_LE(ms, 1000u) << "the alert came " << ms << " ms after the task started";
  EXPECT_FALSE(IsWindow(run.main)) << "the main window is gone once the alert shows";
  EXPECT_TRUE(task.running()) << "the program never touches the new task";

  RECT r{};
  GetWindowRect(alert, &r);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 125);

  auto labels = ChildWindows(alert, "Static");
  ASSERT_EQ(labels.size(), 1u);
  std::string text = TextOf(labels.front());
  static const std::regex shape(
      "At  <<  [0-2][0-9]:[0-5][0-9]:[0-5][0-9]  >>  Of  <<  [0-3][0-9] "
      "(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [0-9]{4}  >>  Was Intercepted This  <<  "
      "late_task\\.exe  >>  New Task");
  EXPECT_TRUE(std::regex_match(text, shape)) << text;
  RECT lr = RectInParent(labels.front());
  EXPECT_EQ(lr.left, 15);
  EXPECT_EQ(lr.top, 20);
  EXPECT_EQ(lr.right - lr.left, 600);
  EXPECT_EQ(lr.bottom - lr.top, 16);
  LONG ls = GetWindowLongA(labels.front(), GWL_STYLE);
  EXPECT_EQ(ls & SS_TYPEMASK, SS_CENTER);
  EXPECT_TRUE(ls & SS_SUNKEN);

  HWND exit = ChildWithText(alert, "Button", "Exit");
  ASSERT_NE(exit, nullptr);
  RECT er = RectInParent(exit);
  EXPECT_EQ(er.left, 272);
  EXPECT_EQ(er.top, 55);
  EXPECT_EQ(er.right - er.left, 80);
  EXPECT_EQ(er.bottom - er.top, 23);
  EXPECT_EQ(GetDlgCtrlID(exit), IDOK);
  SaveScreenshot(alert, "alert-window");
  Press(exit);
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST_F(Watch, AlertCloseBoxEndsTheProgram) {
  DWORD ms = 0;
  HWND alert = StartTaskAndWaitForAlert(ms);
  ASSERT_NE(alert, nullptr);
  PressCloseBox(alert);
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

}  // namespace
