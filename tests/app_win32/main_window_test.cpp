// The real program's main window: its title, shape, buttons and start-up list, and both ways out.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"

namespace {

struct Expected {
  const char* caption;
  RECT rect;  // in the main window's client area
};

TEST(MainWindow, HasItsTitleShapeAndFourButtons) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  EXPECT_EQ(TopWindows(run.process.id(), GadgetWindowClass, MainTitle()).size(), 1u);

  RECT r{};
  GetWindowRect(run.main, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 600);
  LONG style = GetWindowLongA(run.main, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION) << "titled";
  EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";

  RECT list = RectInParent(run.list);
  EXPECT_EQ(list.left, 5);
  EXPECT_EQ(list.top, 5);
  EXPECT_EQ(list.right - list.left, 305);
  EXPECT_EQ(list.bottom - list.top, 500);

  const Expected buttons[] = {{"About", {10, 530, 80, 555}},
                              {"Help", {83, 530, 153, 555}},
                              {" G O ! ", {157, 530, 227, 555}},
                              {"Exit", {230, 530, 300, 555}}};
  EXPECT_EQ(ChildWindows(run.main, "Button").size(), 4u);
  for (const auto& b : buttons) {
    HWND h = run.Button(b.caption);
    ASSERT_NE(h, nullptr) << "no button \"" << b.caption << "\"";
    RECT br = RectInParent(h);
    EXPECT_EQ(br.left, b.rect.left) << b.caption;
    EXPECT_EQ(br.top, b.rect.top) << b.caption;
    EXPECT_EQ(br.right, b.rect.right) << b.caption;
    EXPECT_EQ(br.bottom, b.rect.bottom) << b.caption;
    // Plain push buttons, none of them the default one.
    EXPECT_EQ(GetWindowLongA(h, GWL_STYLE) & 0xF, BS_PUSHBUTTON) << b.caption;
  }
  SaveScreenshot(run.main, "main-window");
  Press(run.Button("Exit"));
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST(MainWindow, ListsEveryProcessButTheFirstOnNumberedLines) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  // The text area reports each paragraph break as CR LF whatever ended the line, so the lines are
  // compared here and the carriage-return-only line format is checked where the line is built.
  std::vector<std::string> lines = run.ListLines();
  ASSERT_FALSE(lines.empty());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string head = "Task N. " + std::to_string(i) + "    ";
    EXPECT_EQ(lines[i].rfind(head, 0), 0u) << lines[i];
  }
  // The program's walk against the kernel's, which includes the first entry. Processes that
  // ended since the list was made leave a gap, so a few walks are compared.
  bool matched = false;
  std::vector<std::string> expected;
  for (int attempt = 0; attempt < 5 && !matched; ++attempt) {
    auto names = KernelWalkNames();
    expected.clear();
    for (std::size_t i = 1; i < names.size(); ++i)
      expected.push_back("Task N. " + std::to_string(i - 1) + "    " + Utf8(names[i]));
    matched = expected == lines;
    if (!matched) Sleep(100);
  }
  EXPECT_EQ(lines, expected);
  // The program is the latest process, so its own line is the last.
  EXPECT_NE(lines.back().find("    Varnoc.exe"), std::string::npos) << lines.back();
  Press(run.Button("Exit"));
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST(MainWindow, ExitButtonEndsTheProgramWithStatusZero) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  Press(run.Button("Exit"));
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
  EXPECT_FALSE(IsWindow(run.main));
}

TEST(MainWindow, CloseBoxEndsTheProgramWithStatusZero) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  PressCloseBox(run.main);
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

TEST(MainWindow, RunsWithoutItsIconFile) {
  // A copy of the program in a folder of its own, without xicon.ico beside it.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "varnoc-no-icon";
  CreateDirectoryA(dir.c_str(), nullptr);
  std::string exe = dir + "\\Varnoc.exe";
  ASSERT_TRUE(CopyFileA(VarnocPath().c_str(), exe.c_str(), FALSE));
  DeleteFileA((dir + "\\xicon.ico").c_str());
  VarnocRun run = VarnocRun::Start(exe);
  ASSERT_TRUE(run.ok()) << run.error;
  EXPECT_FALSE(run.ListLines().empty());
  Press(run.Button("Exit"));
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}

}  // namespace
