// The program's texts and the gallery's fit their controls at the screen's scale, whatever it is:
// measured in each control's own font. Run at 96 DPI with the others and at other DPIs in a prefix
// of their own (VARNOC_DPI in tools/lib/wine.sh, tools/lib/dpi-tests.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/app_win32/desktop.h"
#include "tests/app_win32/text_fit.h"
#include "tests/app_win32/varnoc_run.h"

namespace {

// Every window measured is saved too, named after its DPI (tools/run --dpi N shots collects them),
// so that what the numbers say can be looked at.
void ExpectTextsFitAndSave(HWND window, const std::string& name) {
  SCOPED_TRACE(name);
  ExpectTextsFit(window);
  SaveScreenshot(window, name + "-dpi" + std::to_string(WindowDpi(window)));
}

}  // namespace

TEST(TextFits, MainWindowAboutAndHelp) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  ExpectTextsFitAndSave(run.main, "varnoc-main");
  // Each window opens from the main window's button and closes on its own button; the last
  // gadget each makes is the one waited for.
  struct Case {
    const char* button;
    std::string title, last, close, shot;
  };
  for (const Case& c : {Case{"About", "About Varnoc V1.0", HostName(), "OK", "varnoc-about"},
                        Case{"Help", " Help", "Ok", "Ok", "varnoc-help"}}) {
    Press(run.Button(c.button));
    HWND window = run.WaitWindow(c.title);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(WaitChildWithText(window, "Button", c.last), nullptr);
    ExpectTextsFitAndSave(window, c.shot);
    Press(ChildWithText(window, "Button", c.close));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }, 5000));
  }
  Press(run.Button("Exit"));
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST(TextFits, AlertWithTheNewProgramsName) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  Press(run.Button(" G O ! "));
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000)) << "GO minimises the main window";
  ChildProcess task = StartChild(TestProgramPath("late_task.exe"), "");
  HWND alert = WaitTopWindow(run.process.id(), GadgetWindowClass, AlertTitle(), 10000);
  ASSERT_NE(alert, nullptr);
  ASSERT_NE(WaitChildWithText(alert, "Button", "Exit"), nullptr);
  auto labels = ChildWindows(alert, "Static");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_NE(TextOf(labels.front()).find("late_task.exe"), std::string::npos);
  ExpectTextsFitAndSave(alert, "varnoc-alert");
  PressCloseBox(alert);
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST(TextFits, Gallery) {
  ChildProcess gallery = StartChild(TestProgramPath("..\\gallery\\Gallery.exe"), "");
  HWND window = WaitTopWindow(gallery.id(), GadgetWindowClass, "Gadget gallery", 10000);
  ASSERT_NE(window, nullptr);
  // The HTML view's label is among the last gadgets the gallery makes.
  ASSERT_NE(WaitDescendantWithText(window, "Static", "HTML view", 10000), nullptr);
  ExpectTextsFitAndSave(window, "gallery");
}
