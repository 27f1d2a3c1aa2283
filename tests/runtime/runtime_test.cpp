// Runtime core: reference counting, texts, containers, module start-up and exit handlers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "runtime/containers.h"
#include "runtime/module.h"
#include "runtime/startup.h"
#include "runtime/text.h"

namespace {

struct Tracked : TObject {
  explicit Tracked(int* freed) : freed(freed) {}
  ~Tracked() override { ++*freed; }
  int* freed;
};

TEST(Ref, FreesAtTheLastRelease) {
  int freed = 0;
  {
    Ref<Tracked> a = New<Tracked>(&freed);
    Ref<TObject> b = a;
    EXPECT_EQ(a->RefCount(), 2);
    a = nullptr;
    EXPECT_EQ(freed, 0);
    EXPECT_EQ(b->RefCount(), 1);
    Ref<TObject> c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(freed, 0);
  }
  EXPECT_EQ(freed, 1);
}

TEST(Ref, ListsKeepTheirElementsAlive) {
  int freed = 0;
  auto list = New<TList>();
  list->AddLast(New<Tracked>(&freed));
  list->AddLast(New<Tracked>(&freed));
  EXPECT_EQ(freed, 0);
  list->Remove(list->At(0).get());
  EXPECT_EQ(freed, 1);
  list = nullptr;
  EXPECT_EQ(freed, 2);
}

TEST(Text, EqualOnlyWithSameLengthAndCase) {
  EXPECT_EQ(std::u16string(u"Varnoc.exe"), std::u16string(u"Varnoc.exe"));
  EXPECT_NE(std::u16string(u"Varnoc.exe"), std::u16string(u"varnoc.exe"));
  EXPECT_NE(std::u16string(u"Varnoc.exe"), std::u16string(u"Varnoc.ex"));
  EXPECT_EQ(std::u16string(u"a\0b", 3).size(), 3u);
  EXPECT_NE(std::u16string(u"a\0b", 3), std::u16string(u"a"));
  EXPECT_EQ(MakeText(u"abc")->Compare(MakeText(u"abc").get()), 0);
  EXPECT_LT(MakeText(u"ABC")->Compare(MakeText(u"abc").get()), 0);
}

TEST(Text, Utf8KeepsEveryCharacterBothWays) {
  struct Case {
    const char* name;
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {"ASCII", u"Task 1.exe", "Task 1.exe"},
      {"two bytes", u"Za\u017c\u00f3\u0142\u0107", "Za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87"},
      {"three bytes", u"\u03a9 \u65e5 \u20ac", "\xce\xa9 \xe6\x97\xa5 \xe2\x82\xac"},
      {"a pair is four bytes", u"\U0001F600", "\xf0\x9f\x98\x80"},
      {"a NUL stays", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
      {"every value of a byte", std::u16string(u"\u0001\u007f\u0080\u00ff"), "\x01\x7f\xc2\x80\xc3\xbf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8(c.text), c.bytes) << c.name;
    EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.name;
  }
}

TEST(Text, BadInputBecomesTheReplacementCharacter) {
  struct Case {
    const char* name;
    std::u16string text;
    std::string bytes;
  } toBytes[] = {
      {"lone high surrogate",
       u"a\xD83D"
       u"b",
       "a\xef\xbf\xbd"
       "b"},
      {"lone low surrogate at the end", u"a\xDE00", "a\xef\xbf\xbd"},
      {"swapped halves", u"\xDE00\xD83D", "\xef\xbf\xbd\xef\xbf\xbd"},
  };
  for (const Case& c : toBytes) EXPECT_EQ(Utf8(c.text), c.bytes) << c.name;
  Case fromBytes[] = {
      {"stray continuation byte", u"a\uFFFDb",
       "a\x80"
       "b"},
      {"cut sequence", u"a\uFFFD", "a\xe6\x97"},
      {"overlong form", u"\uFFFD\uFFFD", "\xc0\xaf"},
      {"encoded surrogate", u"\uFFFD", "\xed\xa0\x80"},
      {"beyond U+10FFFF", u"\uFFFD\uFFFD\uFFFD\uFFFD", "\xf5\x80\x80\x80"},
      {"sequence broken by ASCII", u"\uFFFDz", "\xe6z"},
  };
  for (const Case& c : fromBytes) EXPECT_EQ(FromUtf8(c.bytes), c.text) << c.name;
}

TEST(Text, CutNeverSplitsASurrogatePair) {
  struct Case {
    std::u16string text;
    std::size_t limit;
    std::u16string cut;
  } cases[] = {
      {u"abcdef", 4, u"abcd"},
      {u"ab", 4, u"ab"},
      {u"ab\U0001F600", 3, u"ab"},
      {u"ab\U0001F600", 4, u"ab\U0001F600"},
      {u"ab\U0001F600c", 4, u"ab\U0001F600"},
      {u"\U0001F600", 1, u""},
      {u"a\xD83D"
       u"b",
       2, u"a\xD83D"},  // an unpaired surrogate is a unit like any other
      {u"abc", 0, u""},
  };
  for (const Case& c : cases) EXPECT_EQ(CutText(c.text, c.limit), c.cut) << Utf8(c.text) << " to " << c.limit;
}

TEST(StartUp, ApplicationDirectoryRule) {
  EXPECT_EQ(AppDirFromExePath(u"C:\\Program Files\\Varnoc\\Varnoc.exe"), u"C:/Program Files/Varnoc");
  EXPECT_EQ(AppDirFromExePath(u"C:/Varnoc/Varnoc.exe"), u"C:/Varnoc");
  EXPECT_EQ(AppDirFromExePath(u"C:\\Varnoc.exe"), u"C:/");
  EXPECT_EQ(AppDirFromExePath(u"C:/Varnoc.exe"), u"C:/");
  EXPECT_EQ(AppDirFromExePath(u"D:\\tools/mixed\\Varnoc.exe"), u"D:/tools/mixed");
  EXPECT_EQ(AppDirFromExePath(u"Varnoc.exe"), u"");
  EXPECT_EQ(SignalText(11), "signal!:11\n");
}

#ifndef _WIN32
// Under Windows the same rule is checked on the real program (Startup tests of the application).
// What the program's statements saw of the directories (RuntimeMain takes a plain function).
std::filesystem::path seenDir;
std::u16string seenLaunchDir;

TEST(StartUp, ProgramRunsInTheFolderOfItsExecutable) {
  // Started from elsewhere, the program's statements see the executable's folder as the current
  // directory, and the folder it was started from is kept as the launch directory.
  EXPECT_EXIT(
      {
        const auto exeDir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        const auto elsewhere = std::filesystem::temp_directory_path();
        std::filesystem::current_path(elsewhere);
        RuntimeMain(0, nullptr, [] {
          seenDir = std::filesystem::current_path();
          seenLaunchDir = AppInfo.launchDir;
        });
        std::fprintf(stderr, "%s, %s", seenDir == exeDir ? "in its folder" : seenDir.string().c_str(),
                     seenLaunchDir == FromUtf8(elsewhere.string()) ? "launch kept" : "launch lost");
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "in its folder, launch kept");
}
#endif

// Two modules whose start-up routines call each other.
bool aStarted = false, bStarted = false;
std::vector<std::string> startLog;
void StartB();
void StartA() {
  if (!EnterModule(aStarted)) return;
  RuntimeModuleStart();
  StartB();
  startLog.push_back("A");
}
void StartB() {
  if (!EnterModule(bStarted)) return;
  RuntimeModuleStart();
  StartA();
  startLog.push_back("B");
}

TEST(Module, StartsEachModuleOnceEvenThroughACycle) {
  StartA();
  StartA();
  StartB();
  EXPECT_EQ(startLog, (std::vector<std::string>{"B", "A"}));
}

TEST(Module, ExitHandlersRunLastRegisteredFirstAndOnce) {
  std::vector<int> order;
  AtExit([&] { order.push_back(1); });
  AtExit([&] { order.push_back(2); });
  AtExit([&] {
    order.push_back(3);
    AtExit([&] { order.push_back(4); });
  });
  RunExitHandlers();
  RunExitHandlers();
  EXPECT_EQ(order, (std::vector<int>{3, 4, 2, 1}));
}

TEST(Module, EndExitsWithStatusZeroAfterTheHandlers) {
  EXPECT_EXIT(
      {
        AtExit([] { std::fputs("handler ran", stderr); });
        End();
      },
      testing::ExitedWithCode(0), "handler ran");
}

// The path of a program built beside this test executable.
std::string ProgramBeside(const char* name) {
#ifdef _WIN32
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  return (std::filesystem::path(self).parent_path() / (std::string(name) + ".exe")).string();
#else
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
#endif
}

// Whichever way a program ends, each handler runs once, last registered first, and nothing they
// read has been freed before them (the sanitizers and the debug heap see to the second).
TEST(Module, ExitHandlersRunOnceWhetherMainReturnsExitsOrEnds) {
  for (const char* how : {"return", "exit", "end"}) {
    SCOPED_TRACE(how);
    std::string command = "\"" + ProgramBeside("exit_child") + "\" " + how;
#ifdef _WIN32
    command = "\"" + command + "\"";  // the command processor drops the outer pair of quotes
#endif
    FILE* child = popen(command.c_str(), "r");
    ASSERT_NE(child, nullptr);
    std::string out;
    char buffer[256];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, child)) out.append(buffer, n);
    const int status = pclose(child);
    std::erase(out, '\r');
    EXPECT_EQ(out, "handler 3\nhandler 2\nhandler 1\n");
    EXPECT_EQ(status, 0);
  }
}

TEST(Errors, RuntimeErrorsCarryTheirText) {
  try {
    RuntimeError(u"Too many hook ids");
    FAIL();
  } catch (const TRuntimeError& e) {
    EXPECT_EQ(e.Text(), u"Too many hook ids");
    EXPECT_STREQ(e.what(), "Too many hook ids");
  }
  EXPECT_THROW(ThrowNullMethod(), TNullMethodException);
  try {
    ThrowNullMethod();
  } catch (const TRuntimeError& e) {
    EXPECT_EQ(e.Text(), u"Attempt to call abstract method");
  }
  EXPECT_THROW(ThrowNullFunction(), TNullFunctionException);
}

}  // namespace
