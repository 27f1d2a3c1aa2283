// The system driver's portable side: abstract operations, the pump guard, the forwarders, the
// file chooser's rules, URL normalisation and the date and time texts.
#include "event/system.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "event/clock.h"
#include "event/file_filter.h"
#include "event/url.h"
#include "runtime/text.h"

namespace {

using namespace std::string_literals;

// Records what reaches it and answers with preset results; Poll can run a nested pump.
class TRecordingDriver : public TSystemDriver {
 public:
  int32_t Poll() override {
    ++polls;
    if (nested) nested();
    return 0;
  }
  int32_t Wait() override {
    ++waits;
    if (nested) nested();
    return 0;
  }
  int32_t MoveMouse(int32_t x, int32_t y) override {
    moved = {x, y};
    return 77;
  }
  int32_t SetMouseVisible(int32_t visible) override {
    visibility.push_back(visible);
    return 0;
  }
  int32_t Notify(const std::u16string& text, int32_t) override {
    lastText = text;
    return 77;
  }
  int32_t Confirm(const std::u16string&, int32_t) override { return answer; }
  int32_t Proceed(const std::u16string&, int32_t) override { return answer; }
  std::u16string RequestFile(const std::u16string&, const std::u16string& exts, int32_t,
                             const std::u16string&) override {
    return u"chosen:" + exts;
  }
  std::u16string RequestDir(const std::u16string&, const std::u16string& path) override {
    return u"dir:" + path;
  }
  int32_t OpenURL(const std::u16string& url) override {
    lastText = url;
    return 0;
  }

  int polls = 0;
  int waits = 0;
  int32_t answer = 0;
  std::pair<int32_t, int32_t> moved{};
  std::vector<int32_t> visibility;
  std::u16string lastText;
  std::function<void()> nested;
};

class SystemDriver : public ::testing::Test {
 protected:
  void SetUp() override {
    SystemModuleStart();
    saved = ActiveSystemDriver;
    driver = New<TRecordingDriver>();
    ActiveSystemDriver = driver;
  }
  void TearDown() override { ActiveSystemDriver = saved; }

  Ref<TSystemDriver> saved;
  Ref<TRecordingDriver> driver;
};

template <class F>
void ExpectAbstract(F call) {
  EXPECT_THROW(call(), TNullMethodException);
}

TEST(SystemDriverBase, EveryOperationRaisesTheAbstractMethodError) {
  Ref<TSystemDriver> base = New<TSystemDriver>();
  ExpectAbstract([&] { base->Poll(); });
  ExpectAbstract([&] { base->Wait(); });
  ExpectAbstract([&] { base->MoveMouse(1, 2); });
  ExpectAbstract([&] { base->SetMouseVisible(1); });
  ExpectAbstract([&] { base->Notify(u"t", 0); });
  ExpectAbstract([&] { base->Confirm(u"t", 0); });
  ExpectAbstract([&] { base->Proceed(u"t", 1); });
  ExpectAbstract([&] { base->RequestFile(u"t", u"", 0, u""); });
  ExpectAbstract([&] { base->RequestDir(u"t", u""); });
  ExpectAbstract([&] { base->OpenURL(u"http:x"); });
}

TEST(SystemDriverBase, SlotHoldsADriverOnceTheModuleStarted) {
  SystemModuleStart();
  ASSERT_TRUE(ActiveSystemDriver);
}

TEST_F(SystemDriver, PumpRequestedInsideAPumpReturnsWithoutPumping) {
  driver->nested = [&] {
    EXPECT_TRUE(SystemPumpBusy());
    PumpSystem();
    AwaitSystem();
  };
  PumpSystem();
  EXPECT_EQ(driver->polls, 1);
  EXPECT_EQ(driver->waits, 0);
  AwaitSystem();
  EXPECT_EQ(driver->polls, 1);
  EXPECT_EQ(driver->waits, 1);
  EXPECT_FALSE(SystemPumpBusy());
}

TEST_F(SystemDriver, PumpWorksAgainAfterADriverError) {
  driver->nested = [] { RuntimeError(u"from a hook"); };
  EXPECT_THROW(PumpSystem(), TRuntimeError);
  EXPECT_FALSE(SystemPumpBusy());
  driver->nested = nullptr;
  AwaitSystem();
  EXPECT_EQ(driver->waits, 1);
}

TEST_F(SystemDriver, ForwardersPassArgumentsAndResults) {
  EXPECT_EQ(MoveMouse(3, -4), 0);
  EXPECT_EQ(driver->moved, std::make_pair(3, -4));
  EXPECT_EQ(Notify(u"hello", 1), 0);
  EXPECT_EQ(driver->lastText, u"hello");
  driver->answer = -1;
  EXPECT_EQ(Proceed(u"q", 0), -1);
  driver->answer = 1;
  EXPECT_EQ(Confirm(u"q", 0), 1);
  EXPECT_EQ(RequestFile(u"t", u"png", 0, u""), u"chosen:png");
  EXPECT_EQ(RequestDir(u"t", u"c:/x"), u"dir:c:/x");
  HidePointer();
  ShowPointer();
  EXPECT_EQ(driver->visibility, (std::vector<int32_t>{0, 1}));
}

TEST_F(SystemDriver, OpenURLHandsTheDriverTheNormalisedText) {
  OpenURL(u"no such file here.htm#top");
  EXPECT_EQ(driver->lastText, u"http:no such file here.htm#top");
  OpenURL(u"http://example.org/a#b");
  EXPECT_EQ(driver->lastText, u"http://example.org/a#b");
}

// File chooser: which filter it opens with.
TEST(FileChooser, DefaultFilterIsTheGroupListingTheExtension) {
  const std::u16string exts = u"Image:png,jpg;Text:txt;";
  EXPECT_EQ(DefaultFilterIndex(u"shot.jpg", exts), 1);
  EXPECT_EQ(DefaultFilterIndex(u"notes.txt", exts), 2);
  EXPECT_EQ(DefaultFilterIndex(u"C:/pics/SHOT.PNG", u"IMAGE:PNG,JPG;Text:txt;"), 1);
  EXPECT_EQ(DefaultFilterIndex(u"C:\\pics\\shot.Jpg", exts), 1);
}

TEST(FileChooser, DefaultFilterIsZeroWhenNothingMatchesWholly) {
  const std::u16string exts = u"Image:png,jpg;Text:txt;";
  EXPECT_EQ(DefaultFilterIndex(u"shot", exts), 0);
  EXPECT_EQ(DefaultFilterIndex(u"shot.gif", exts), 0);
  // Extensions are matched whole, never as a part of a longer one.
  EXPECT_EQ(DefaultFilterIndex(u"shot.pn", exts), 0);
  EXPECT_EQ(DefaultFilterIndex(u"shot.xt", exts), 0);
  // The extension is what follows the first "." of the whole path, folders included.
  EXPECT_EQ(DefaultFilterIndex(u"my.pics/shot.jpg", exts), 0);
  EXPECT_EQ(DefaultFilterIndex(u"archive.tar.gz", u"Archive:tar.gz;"), 1);
  // A single group without a description carries no commas around its last extension.
  EXPECT_EQ(DefaultFilterIndex(u"shot.jpg", u"png,jpg"), 0);
  EXPECT_EQ(DefaultFilterIndex(u"shot.jpg", u""), 0);
}

TEST(FileChooser, DefaultFilterOfTheLastGroupNeedsAClosingSemicolon) {
  EXPECT_EQ(DefaultFilterIndex(u"notes.txt", u"Image:png,jpg;Text:txt"), 0);
  EXPECT_EQ(DefaultFilterIndex(u"notes.txt", u"Image:png,jpg;Text:txt;"), 2);
  EXPECT_EQ(DefaultFilterIndex(u"shot.jpg", u"Image:png,jpg;Text:txt"), 1);
}

TEST(FileChooser, FilterTextIsTheNulSeparatedPlatformList) {
  EXPECT_EQ(FileFilterText(u"Text:txt,doc;All:*"), u"Text\0*.txt;*.doc\0All\0*.*\0"s);
  EXPECT_EQ(FileFilterText(u"png,jpg"), u"Files\0*.png;*.jpg\0"s);
  EXPECT_EQ(FileFilterText(u"Image:png,jpg;Text:txt;"), u"Image\0*.png;*.jpg\0Text\0*.txt\0\0"s);
  EXPECT_EQ(FileFilterText(u""), u"");
}

TEST(FileChooser, PathSplitsAtTheLastSlashOfEitherKind) {
  TRequestPath p = SplitRequestPath(u"C:/work\\pics/shot.jpg");
  EXPECT_EQ(p.dir, u"C:\\work\\pics");
  EXPECT_EQ(p.file, u"shot.jpg");
  p = SplitRequestPath(u"shot.jpg");
  EXPECT_EQ(p.dir, u"");
  EXPECT_EQ(p.file, u"shot.jpg");
  p = SplitRequestPath(u"pics/");
  EXPECT_EQ(p.dir, u"pics");
  EXPECT_EQ(p.file, u"");
}

TEST(FileChooser, InitialNameAlwaysFitsTheResultBuffer) {
  EXPECT_EQ(RequestFileInitialName(u"shot.jpg"), u"shot.jpg");
  const std::u16string longest(RequestFileBufferSize - 1, u'a');
  EXPECT_EQ(RequestFileInitialName(longest).size(), RequestFileBufferSize - 1);
  const std::u16string tooLong(RequestFileBufferSize + 500, u'b');
  EXPECT_EQ(RequestFileInitialName(tooLong), std::u16string(RequestFileBufferSize - 1, u'b'));
  // A character outside the basic plane that would lose its second half is left out whole.
  const std::u16string pairAtEnd = std::u16string(RequestFileBufferSize - 2, u'd') + u"\U0001F600";
  EXPECT_EQ(RequestFileInitialName(pairAtEnd), std::u16string(RequestFileBufferSize - 2, u'd'));
  const std::u16string pairFits = std::u16string(RequestFileBufferSize - 3, u'd') + u"\U0001F600";
  EXPECT_EQ(RequestFileInitialName(pairFits), pairFits);
  EXPECT_EQ(RequestFileInitialName(std::u16string(RequestFileBufferSize, u'c')).size(),
            RequestFileBufferSize - 1);
}

// OpenURL's normalisation.
std::optional<std::u16string> NothingExists(const std::u16string&) { return std::nullopt; }

TEST(URLNormalisation, WebAndFileURLsPassUnchangedInAnyCase) {
  EXPECT_EQ(NormaliseURL(u"HTTP://Example.org/x#a", NothingExists), u"HTTP://Example.org/x#a");
  EXPECT_EQ(NormaliseURL(u"http:x", NothingExists), u"http:x");
  EXPECT_EQ(NormaliseURL(u"File:C:\\x.htm#a", NothingExists), u"File:C:\\x.htm#a");
  EXPECT_EQ(NormaliseURL(u"https://example.org/#top", NothingExists), u"https://example.org/#top");
}

TEST(URLNormalisation, UnknownNameBecomesAWebURLWithItsAnchor) {
  EXPECT_EQ(NormaliseURL(u"example.org/page#part", NothingExists), u"http:example.org/page#part");
  EXPECT_EQ(NormaliseURL(u"example.org", NothingExists), u"http:example.org");
  EXPECT_EQ(NormaliseURL(u"a#b#c", NothingExists), u"http:a#b#c");
}

TEST(URLNormalisation, ResolverSeesThePathWithoutItsAnchor) {
  std::vector<std::u16string> asked;
  auto resolve = [&](const std::u16string& p) -> std::optional<std::u16string> {
    asked.push_back(p);
    return u"/abs/" + p;
  };
  EXPECT_EQ(NormaliseURL(u"help.htm#a#b", resolve), u"file:/abs/help.htm#a#b");
  EXPECT_EQ(asked, (std::vector<std::u16string>{u"help.htm"}));
}

class URLFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = std::filesystem::current_path();
    root = std::filesystem::temp_directory_path() /
           ("sysdrv-url-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::create_directories(root / "sub");
    std::ofstream(root / "page.htm") << "x";
    std::filesystem::current_path(root / "sub");
  }
  void TearDown() override {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(root);
  }
  std::u16string Expected(const std::filesystem::path& p) { return FromUtf8(p.lexically_normal().string()); }

  std::filesystem::path previous, root;
};

TEST_F(URLFiles, ExistingFileBecomesAFileURLWithAbsolutePathAndAnchor) {
  const std::u16string expected =
      u"file:" + Expected(std::filesystem::absolute(root / "page.htm")) + u"#part";
  EXPECT_EQ(NormaliseURL(u"../page.htm#part", ExistingAbsolutePath), expected);
  EXPECT_EQ(NormaliseURL(u"./../sub/../page.htm#part", ExistingAbsolutePath), expected);
}

TEST_F(URLFiles, ExistingFolderCountsAndMissingFileDoesNot) {
  EXPECT_EQ(ExistingAbsolutePath(u".."), Expected(std::filesystem::absolute(root)));
  EXPECT_EQ(ExistingAbsolutePath(u"missing.htm"), std::nullopt);
  EXPECT_EQ(NormaliseURL(u"missing.htm#x", ExistingAbsolutePath), u"http:missing.htm#x");
}

// With nothing before the anchor the path is the current folder itself.
TEST_F(URLFiles, EmptyOrAnchorOnlyTextNamesTheCurrentFolder) {
  const std::u16string here = u"file:" + Expected(std::filesystem::absolute(root / "sub"));
  EXPECT_EQ(NormaliseURL(u"", ExistingAbsolutePath), here);
  EXPECT_EQ(NormaliseURL(u"#top", ExistingAbsolutePath), here + u"#top");
}

// Date and time texts.
std::tm Calendar(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(ClockTexts, DateHasTwoDigitDayEnglishMonthAndFullYear) {
  EXPECT_EQ(DateText(Calendar(2027, 3, 1, 0, 0, 0)), u"01 Mar 2027");
  EXPECT_EQ(DateText(Calendar(2026, 12, 6, 0, 0, 0)), u"06 Dec 2026");
  EXPECT_EQ(DateText(Calendar(2030, 9, 30, 0, 0, 0)), u"30 Sep 2030");
}

TEST(ClockTexts, TimeIsTwentyFourHourWithTwoDigitFields) {
  EXPECT_EQ(TimeText(Calendar(2026, 12, 6, 21, 5, 3)), u"21:05:03");
  EXPECT_EQ(TimeText(Calendar(2026, 12, 6, 0, 0, 0)), u"00:00:00");
  EXPECT_EQ(TimeText(Calendar(2026, 12, 6, 9, 59, 59)), u"09:59:59");
}

TEST(ClockTexts, CurrentTextsFollowTheLocalCalendar) {
  const std::time_t now = std::time(nullptr);
  const std::u16string date = CurrentDateText();
  const std::tm local = LocalCalendarTime(now);
  // Only a midnight between the two readings can tell them apart.
  EXPECT_TRUE(date == DateText(local) || date == DateText(LocalCalendarTime(now + 2)));
  const std::u16string time = CurrentTimeText();
  ASSERT_EQ(time.size(), 8u);
  EXPECT_EQ(time[2], u':');
  EXPECT_EQ(time[5], u':');
}

TEST(Clock, MillisecondClockAdvancesAcrossAPause) {
  const int32_t before = ElapsedMillis();
  PauseMillis(30);
  // Differences in unsigned arithmetic stay right across the clock's wrap.
  const uint32_t passed = static_cast<uint32_t>(ElapsedMillis()) - static_cast<uint32_t>(before);
  EXPECT_GE(passed, 25u);
  EXPECT_LT(passed, 60000u);
  PauseMillis(-5);
  PauseMillis(0);
}

}  // namespace
