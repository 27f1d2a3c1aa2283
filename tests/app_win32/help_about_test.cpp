// The real program's Help and About windows: their texts, buttons and ways of closing.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/texts.h"
#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"

namespace {

HWND TextAreaOf(HWND window) {
  auto areas = ChildWindows(window, "RichEdit20A");
  if (areas.empty()) areas = ChildWindows(window, "RichEdit20W");
  return areas.size() == 1 ? areas.front() : nullptr;
}

// What the user reads, line by line, in the 8-bit codes the platform gets.
const std::vector<std::string> expectedHelpLines = {
    " QUORVEX VARNOC HELP  * ITALIANO * ",
    " " + std::string(82, '-'),
    " questa utility impegna circa il 2% della cpu,",
    " non viene consigliata la sua esecuzione durante",
    " un uso quotidiano. Deve essere eseguita prima di allontanarsi dal PC.",
    " questa utility serve a monitorare il PC durante lunghe",
    " pause di assenza dell'operatore davanti al PC, per esempio",
    " durante le ore notturne, quando il PC viene lasciato acceso,",
    " per scaricare materiale da internet.",
    " il lancio di un qualsiasi task verr\xe0 intercettato e visualizzato",
    " su un piccolo display, esso visualizzer\xe0 il numero del task e il titolo",
    " dell'applicazione che si \xe8 eseguita in modo anomalo .",
    " questa utility visualizzer\xe0 unicamente il messaggio di esecuzione abusiva,",
    " non possiede capacit\xe0 di bloccare applicazioni indesiderate.",
    "",
    "",
    " QUORVEX VARNOC  * ENGLISH *  HELP",
    " " + std::string(80, '-'),
    " this utility undertakes about 2% of cpu, ",
    " is not recommended during its execution ",
    " daily use. It must be execute just when you are away from PC.",
    " this utility is used To monitor ",
    " the PC during by absence of pc operator,",
    " eg. at night, when the PC is power on,",
    " to download files from Internet. ",
    " the launch of any task will be intercepted and displayed ",
    " on a small display, it displays number of tasks and title ",
    " of which is execute in unusual way. ",
    " this utility will display only the message of enforcement abuse,",
    " has no ability to block unwanted applications.",
};

class HelpWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    run = VarnocRun::Start();
    ASSERT_TRUE(run.ok()) << run.error;
  }
  void TearDown() override {
    if (run.process.running()) {
      Press(run.Button("Exit"));
      EXPECT_EQ(run.process.WaitExit(10000), 0u);
    }
  }
  HWND Open() {
    Press(run.Button("Help"));
    HWND help = run.WaitWindow(" Help");
    // The Ok button is the window's last gadget.
    if (help && !WaitChildWithText(help, "Button", "Ok")) return nullptr;
    return help;
  }
  VarnocRun run;
};

TEST_F(HelpWindow, ShowsThirtyLinesWithTheEnglishPartFromLineSeventeen) {
  HWND help = Open();
  ASSERT_NE(help, nullptr);
  RECT r{};
  GetWindowRect(help, &r);
  EXPECT_EQ(r.left, 199);
  EXPECT_EQ(r.top, 208);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 500);
  HWND area = TextAreaOf(help);
  ASSERT_NE(area, nullptr);
  RECT ar = RectInParent(area);
  EXPECT_EQ(ar.left, 10);
  EXPECT_EQ(ar.top, 10);
  EXPECT_EQ(ar.right - ar.left, 375);
  EXPECT_EQ(ar.bottom - ar.top, 400);

  // The text area reports each paragraph break as CR LF; the text ends without one.
  std::string text = TextOf(area);
  EXPECT_NE(text.back(), '\n') << "the last line has no line break";
  std::vector<std::string> lines = SplitLines(text);
  EXPECT_EQ(lines, expectedHelpLines);

  HWND ok = ChildWithText(help, "Button", "Ok");
  ASSERT_NE(ok, nullptr);
  RECT okr = RectInParent(ok);
  EXPECT_EQ(okr.left, 300);
  EXPECT_EQ(okr.top, 430);
  EXPECT_EQ(okr.right - okr.left, 75);
  EXPECT_EQ(okr.bottom - okr.top, 23);
  EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
  SaveScreenshot(help, "help-window");
  Press(ok);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(help); }, 5000));
}

TEST_F(HelpWindow, IgnoresItsCloseBoxAndTheMainWindowsUntilOk) {
  HWND help = Open();
  ASSERT_NE(help, nullptr);
  PressCloseBox(help);
  PressCloseBox(run.main);
  // Both closes have been handled once the program answers again.
  Sleep(300);
  ASSERT_TRUE(Responds(help));
  EXPECT_TRUE(IsWindow(help));
  EXPECT_TRUE(IsWindow(run.main));
  EXPECT_TRUE(run.process.running());
  Press(ChildWithText(help, "Button", "Ok"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(help); }, 5000));
  EXPECT_TRUE(run.process.running());
}

TEST_F(HelpWindow, OpensAgainWithTheSameText) {
  HWND first = Open();
  ASSERT_NE(first, nullptr);
  std::string text = TextOf(TextAreaOf(first));
  Press(ChildWithText(first, "Button", "Ok"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(first); }, 5000));
  HWND second = Open();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(TextOf(TextAreaOf(second)), text);
  Press(ChildWithText(second, "Button", "Ok"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(second); }, 5000));
}

// The About window's web button hands the maker's URL to the system's handler of http URLs.
// For the test that handler is url_sink.exe: the association in the test prefix's registry is
// pointed at it and given back afterwards, so that no browser starts and the URL can be read back.
// (Wine of this vintage reads the association from the machine's classes only.)
class UrlSink {
 public:
  UrlSink() {
    file_ = TestProgramPath("url_sink.txt");
    DeleteFileA(file_.c_str());
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        nullptr) != ERROR_SUCCESS)
      return;
    char old[1024] = {};
    DWORD size = sizeof old - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key_, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(old), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
      had_ = true;
      old_ = old;
    }
    std::string command = "\"" + TestProgramPath("url_sink.exe") + "\" \"%1\"";
    RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
  }
  ~UrlSink() {
    if (key_) {
      if (had_)
        RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(old_.c_str()),
                       static_cast<DWORD>(old_.size() + 1));
      else
        RegDeleteValueA(key_, nullptr);
      RegCloseKey(key_);
    }
    DeleteFileA(file_.c_str());
  }
  // What the handler received, one URL per line.
  std::string Received() const {
    std::string text;
    if (FILE* f = std::fopen(file_.c_str(), "rb")) {
      char buffer[512];
      std::size_t n;
      while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
      std::fclose(f);
    }
    return text;
  }

 private:
  static constexpr char kKey[] = "Software\\Classes\\http\\shell\\open\\command";
  HKEY key_ = nullptr;
  bool had_ = false;
  std::string old_;
  std::string file_;
};

class AboutWindow : public HelpWindow {
 protected:
  HWND OpenAbout() {
    Press(run.Button("About"));
    HWND about = run.WaitWindow("About Varnoc V1.0");
    // The web button is the window's last gadget.
    if (about && !WaitChildWithText(about, "Button", HostName())) return nullptr;
    return about;
  }
};

TEST_F(AboutWindow, ShowsTheProgramsNameAndClosesOnOk) {
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  RECT r{};
  GetWindowRect(about, &r);
  EXPECT_EQ(r.left, 97);
  EXPECT_EQ(r.top, 170);
  EXPECT_EQ(r.right - r.left, 364);
  EXPECT_EQ(r.bottom - r.top, 265);
  EXPECT_EQ(ChildWindows(about, "Static").size(), 3u);
  HWND name = ChildWithText(about, "Static", "Quorvex Varnoc V1.0");
  ASSERT_NE(name, nullptr);
  RECT nr = RectInParent(name);
  EXPECT_EQ(nr.left, 60);
  EXPECT_EQ(nr.top, 20);
  EXPECT_EQ(nr.right - nr.left, 241);
  EXPECT_EQ(nr.bottom - nr.top, 14);
  EXPECT_EQ(GetWindowLongA(name, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
  EXPECT_NE(ChildWithText(about, "Static", Utf8(MakerNotice())), nullptr);
  HWND web = ChildWithText(about, "Button", HostName());
  ASSERT_NE(web, nullptr);
  RECT wr = RectInParent(web);
  EXPECT_EQ(wr.left, 120);
  EXPECT_EQ(wr.top, 128);
  EXPECT_EQ(wr.right - wr.left, 120);
  EXPECT_EQ(wr.bottom - wr.top, 23);
  HWND ok = ChildWithText(about, "Button", "OK");
  ASSERT_NE(ok, nullptr);
  RECT okr = RectInParent(ok);
  EXPECT_EQ(okr.left, 142);
  EXPECT_EQ(okr.top, 190);
  EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
  SaveScreenshot(about, "about-window");
  Press(ok);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 5000));
  EXPECT_TRUE(run.process.running());
}

TEST_F(AboutWindow, ClosesOnItsCloseBox) {
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  PressCloseBox(about);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 5000));
  EXPECT_TRUE(run.process.running());
  EXPECT_TRUE(IsWindow(run.main));
}

TEST_F(AboutWindow, TheMainWindowsCloseBoxClosesAboutOnly) {
  // About's loop takes every close, the main window's included, as its own.
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  PressCloseBox(run.main);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 5000));
  ASSERT_TRUE(Responds(run.main));
  EXPECT_TRUE(run.process.running());
  EXPECT_TRUE(IsWindow(run.main));
}

TEST_F(AboutWindow, WebButtonOpensTheMakersSiteAndCloses) {
  UrlSink sink;
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  Press(ChildWithText(about, "Button", HostName()));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 5000));
  EXPECT_TRUE(WaitUntil([&] { return !sink.Received().empty(); }, 10000));
  EXPECT_EQ(sink.Received(), "http://" + HostName() + "/\n");
  EXPECT_TRUE(run.process.running());
}

}  // namespace
