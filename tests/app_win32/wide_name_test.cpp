// The real program names a program whose file name lies beyond the 8-bit code page exactly: in
// its start-up list and, watching, in its alert.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

// Polish, Japanese, a euro sign and a character outside the basic plane.
const std::u16string TaskName = u"p\u00f3\u017any \u5199\u771f \u20ac \U0001F600.exe";

// A window's text read the wide way, from another process too.
std::u16string WideTextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
  std::u16string text(length + 1, u'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &got);
  text.resize(got);
  return text;
}

ChildProcess StartWide(const std::u16string& path) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::u16string cmd = u"\"" + path + u"\"";
  if (!CreateProcessW(W(path), reinterpret_cast<wchar_t*>(cmd.data()), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &pi))
    return ChildProcess();
  return ChildProcess(pi);
}

// The late task copied under the wide name, removed again when the test ends.
class NamedTask {
 public:
  NamedTask() {
    const std::u16string source = FromUtf8(TestProgramPath("late_task.exe"));
    path_ = source.substr(0, source.find_last_of(u"\\/") + 1) + TaskName;
    copied_ = CopyFileW(W(source), W(path_), FALSE) != 0;
  }
  ~NamedTask() { DeleteFileW(W(path_)); }
  bool copied() const { return copied_; }
  const std::u16string& path() const { return path_; }

 private:
  std::u16string path_;
  bool copied_ = false;
};

TEST(WideNames, TheListAndTheAlertNameTheProgramExactly) {
  WarmUpWine();
  NamedTask file;
  ASSERT_TRUE(file.copied());
  {
    // Started before the program, the task is on its start-up list.
    ChildProcess early = StartWide(file.path());
    ASSERT_TRUE(early.running());
    ASSERT_TRUE(WaitUntil([] { return KernelWalkNames().back() == TaskName; }, 5000));
    VarnocRun run = VarnocRun::Start();
    ASSERT_TRUE(run.ok()) << run.error;
    const std::u16string list = WideTextOf(run.list);
    EXPECT_NE(list.find(u"    " + TaskName + u"\r"), std::u16string::npos) << Utf8(list);

    // Started while the program watches, the task is named in the alert.
    ASSERT_EQ(KernelWalkNames().back(), u"Varnoc.exe");
    Press(run.Button(" G O ! "));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000));
    ChildProcess late = StartWide(file.path());
    ASSERT_TRUE(late.running());
    HWND alert = run.WaitWindow(AlertTitle(), 10000);
    ASSERT_NE(alert, nullptr);
    // The Exit button is the alert's last gadget: once it is there, the label is too.
    ASSERT_NE(WaitChildWithText(alert, "Button", "Exit"), nullptr);
    auto labels = ChildWindows(alert, "Static");
    ASSERT_EQ(labels.size(), 1u);
    const std::u16string said = WideTextOf(labels.front());
    EXPECT_NE(said.find(u"  <<  " + TaskName + u"  >>  New Task"), std::u16string::npos) << Utf8(said);
    PressCloseBox(alert);
    EXPECT_EQ(run.process.WaitExit(10000), 0u);
  }
}

// The runtime reads a program's arguments from the wide command line, quoted spaces and all.
TEST(WideNames, AnArgumentReachesTheProgramExactly) {
  const std::u16string program = FromUtf8(TestProgramPath("args_echo.exe"));
  const std::u16string argument = u"\u0141\u00f3d\u017a \u5199\u771f \u20ac \U0001F600";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::u16string cmd = u"\"" + program + u"\" \"" + argument + u"\"";
  ASSERT_TRUE(CreateProcessW(W(program), reinterpret_cast<wchar_t*>(cmd.data()), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &si, &pi));
  ChildProcess child(pi);
  EXPECT_EQ(child.WaitExit(10000), 0u);
}

}  // namespace
