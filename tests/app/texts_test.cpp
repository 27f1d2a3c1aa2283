// The program's fixed texts: task-list lines, the alert text, titles and the Help text.
#include "app/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

TEST(TaskLine, NumbersFromTheGivenCountWithoutPadding) {
  EXPECT_EQ(TaskLine(0, u"explorer.exe"), u"Task N. 0    explorer.exe\r");
  EXPECT_EQ(TaskLine(9, u"a.exe"), u"Task N. 9    a.exe\r");
  EXPECT_EQ(TaskLine(10, u"a.exe"), u"Task N. 10    a.exe\r");
  EXPECT_EQ(TaskLine(1234, u"b"), u"Task N. 1234    b\r");
}

TEST(TaskLine, EndsWithACarriageReturnAloneAndKeepsTheNameAsGiven) {
  std::u16string name = u"Odd Name \u00e9\u00ff.EXE";
  std::u16string line = TaskLine(3, name);
  EXPECT_EQ(line.back(), u'\r');
  EXPECT_EQ(std::count(line.begin(), line.end(), u'\r'), 1);
  EXPECT_EQ(line.find(u'\n'), std::u16string::npos);
  EXPECT_EQ(line.substr(13, name.size()), name);
}

TEST(TaskLine, AnEmptyNameStillGivesALine) { EXPECT_EQ(TaskLine(2, u""), u"Task N. 2    \r"); }

TEST(AlertText, JoinsTimeDateAndNameInThatOrder) {
  EXPECT_EQ(
      AlertText(u"21:05:03", u"06 Dec 2026", u"notepad.exe"),
      u"At  <<  21:05:03  >>  Of  <<  06 Dec 2026  >>  Was Intercepted This  <<  notepad.exe  >>  New Task");
}

TEST(AlertText, AnEmptyNameLeavesNothingBetweenTheMarks) {
  std::u16string text = AlertText(u"00:00:00", u"01 Mar 2027", u"");
  EXPECT_NE(text.find(u"  >>  Was Intercepted This  <<    >>  New Task"), std::u16string::npos);
}

TEST(OwnExeName, ComparesCaseAndLength) {
  EXPECT_TRUE(IsOwnExeName(u"Varnoc.exe"));
  EXPECT_FALSE(IsOwnExeName(u"varnoc.exe"));
  EXPECT_FALSE(IsOwnExeName(u"VARNOC.EXE"));
  EXPECT_FALSE(IsOwnExeName(u"Varnoc.ex"));
  EXPECT_FALSE(IsOwnExeName(u"Varnoc.exe "));
  EXPECT_FALSE(IsOwnExeName(u""));
}

TEST(Titles, CarryTheMakersHost) {
  ASSERT_FALSE(MakerHost.empty());
  EXPECT_EQ(MainWindowTitle(), u"Varnoc V1.0" + std::u16string(7, u' ') + MakerHost);
  EXPECT_EQ(AlertWindowTitle(), u"Quorvex Varnoc V1.0   - " + MakerHost + u" -  ");
  EXPECT_EQ(MakerUrl(), u"http://" + MakerHost + u"/");
  EXPECT_EQ(std::u16string(ProgramTitle), u"Quorvex Varnoc V1.0");
}

TEST(HelpText, HasThirtyLinesWithTheEnglishPartOnLineSeventeen) {
  const auto& lines = HelpLines();
  ASSERT_EQ(lines.size(), 30u);
  EXPECT_EQ(lines[0], u" QUORVEX VARNOC HELP  * ITALIANO * ");
  EXPECT_EQ(lines[1], u" " + std::u16string(82, u'-'));
  EXPECT_TRUE(lines[14].empty());
  EXPECT_TRUE(lines[15].empty());
  EXPECT_EQ(lines[16], u" QUORVEX VARNOC  * ENGLISH *  HELP");
  EXPECT_EQ(lines[17], u" " + std::u16string(80, u'-'));
  EXPECT_EQ(lines[29], u" has no ability to block unwanted applications.");
  int empty = 0;
  for (const auto& l : lines) {
    if (l.empty())
      ++empty;
    else
      EXPECT_EQ(l.front(), u' ') << "every written line starts with a blank";
  }
  EXPECT_EQ(empty, 2);
}

TEST(HelpText, KeepsTrailingBlanksAndAccentedLetters) {
  const auto& lines = HelpLines();
  EXPECT_EQ(lines[18], u" this utility undertakes about 2% of cpu, ");
  EXPECT_EQ(lines[24], u" to download files from Internet. ");
  EXPECT_NE(lines[9].find(u"verr\u00e0 "), std::u16string::npos);
  EXPECT_NE(lines[11].find(u" si \u00e8 "), std::u16string::npos);
  EXPECT_NE(lines[13].find(u"capacit\u00e0"), std::u16string::npos);
}

TEST(HelpText, TitleAndBodyJoinWithCarriageReturnsOnly) {
  std::u16string title = HelpTitleText();
  std::u16string body = HelpBodyText();
  EXPECT_EQ(title, u" QUORVEX VARNOC HELP  * ITALIANO * \r");
  EXPECT_EQ(body.substr(0, 83), u" " + std::u16string(82, u'-'));
  EXPECT_NE(body.back(), u'\r');
  std::u16string all = title + body;
  EXPECT_EQ(all.find(u'\n'), std::u16string::npos);
  EXPECT_EQ(std::count(all.begin(), all.end(), u'\r'), 29);
  // Splitting the whole text at its carriage returns gives the lines back.
  std::u16string rebuilt;
  for (const auto& l : HelpLines()) rebuilt += l + u"\r";
  rebuilt.pop_back();
  EXPECT_EQ(all, rebuilt);
}

}  // namespace
