// The notification-icon record: its layout on both targets and the tip buffer.
#include "app/tray.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/gadget.h"
#include "runtime/module.h"

namespace {

// The platform calls, replaced for these tests: each shell call is recorded with a copy of the
// record as the shell would read it at that moment.
struct ShellCall {
  int32_t message;
  void* address;
  TNotifyIconData record;
};
std::vector<ShellCall> shellCalls;
std::u16string loadedIconFile;
int32_t loadedIconFlags = -1;

}  // namespace

void ShellNotifyIcon(int32_t message, void* record) {
  shellCalls.push_back({message, record, *static_cast<TNotifyIconData*>(record)});
}

intptr_t LoadIconImage(const char16_t* fileName, int32_t width, int32_t height, int32_t flags) {
  loadedIconFile = fileName;
  loadedIconFlags = flags;
  // The tray asks for the screen's small icon size (0 × 0), never a fixed 16 that a scaled screen stretches.
  return width == 0 && height == 0 ? 0x1234 : 0;
}

namespace {

template <class Record>
class TrayTip : public ::testing::Test {};
using Layouts = ::testing::Types<TNotifyIconData32, TNotifyIconData64>;
TYPED_TEST_SUITE(TrayTip, Layouts);

template <class Record>
std::u16string TipUnits(const Record& r) {
  return std::u16string(r.Tip, sizeof r.Tip / sizeof r.Tip[0]);
}

TYPED_TEST(TrayTip, SixtyThreeCharactersAreKeptWhole) {
  TypeParam record;
  std::u16string tip(63, u'a');
  SetTrayTip(record, tip);
  EXPECT_EQ(TipUnits(record), std::u16string(63, u'a') + u'\0');
}

TYPED_TEST(TrayTip, SixtyFourOrMoreAreCutToSixtyThree) {
  TypeParam record;
  SetTrayTip(record, std::u16string(64, u'b'));
  EXPECT_EQ(TipUnits(record), std::u16string(63, u'b') + u'\0');
  SetTrayTip(record, std::u16string(1000, u'c'));
  EXPECT_EQ(TipUnits(record), std::u16string(63, u'c') + u'\0');
}

TYPED_TEST(TrayTip, AnEmptyTipLeavesTheBufferZero) {
  TypeParam record;
  SetTrayTip(record, u"a longer tip that fills part of the buffer");
  SetTrayTip(record, u"");
  EXPECT_EQ(TipUnits(record), std::u16string(64, u'\0'));
}

TYPED_TEST(TrayTip, AShorterTipClearsWhatALongerOneLeft) {
  TypeParam record;
  SetTrayTip(record, std::u16string(63, u'x'));
  SetTrayTip(record, u"Varnoc");
  EXPECT_EQ(TipUnits(record), std::u16string(u"Varnoc") + std::u16string(58, u'\0'));
}

TYPED_TEST(TrayTip, EveryCharacterIsKeptAndAPairIsNeverSplit) {
  struct Case {
    const char* name;
    std::u16string text;
    std::u16string tip;
  } cases[] = {
      {"beyond Latin-1", u"Za\u017c\u00f3\u0142\u0107 \u03a9 \u65e5\u672c \u20ac \U0001F600",
       u"Za\u017c\u00f3\u0142\u0107 \u03a9 \u65e5\u672c \u20ac \U0001F600"},
      {"a pair across the end is left out", std::u16string(62, u'p') + u"\U0001F600",
       std::u16string(62, u'p')},
      {"a pair that ends at the end is kept", std::u16string(61, u'p') + u"\U0001F600",
       std::u16string(61, u'p') + u"\U0001F600"},
      {"an unpaired surrogate is passed on",
       u"a\xD800"
       u"b",
       u"a\xD800"
       u"b"},
      {"a NUL inside ends the tip the shell shows", std::u16string(u"ab\0cd", 5),
       std::u16string(u"ab\0cd", 5)},
  };
  for (const Case& c : cases) {
    TypeParam record;
    SetTrayTip(record, c.text);
    EXPECT_EQ(TipUnits(record), c.tip + std::u16string(64 - c.tip.size(), u'\0')) << c.name;
  }
}

TYPED_TEST(TrayTip, NeverWritesOutsideTheTipBuffer) {
  struct {
    TypeParam record;
    char after[16];
  } guarded;
  std::memset(guarded.after, 0x5A, sizeof guarded.after);
  guarded.record.Icon = 77;
  SetTrayTip(guarded.record, std::u16string(500, u'q'));
  for (char c : guarded.after) EXPECT_EQ(c, 0x5A);
  EXPECT_EQ(guarded.record.Icon, 77);
}

TEST(TrayRecord, MatchesTheShellsFirstRecordOnBothTargets) {
  // The shell reads the record by offset; these are its first version's offsets per target.
  EXPECT_EQ(sizeof(TNotifyIconData32), 152u);
  EXPECT_EQ(offsetof(TNotifyIconData32, Tip), 24u);
  EXPECT_EQ(sizeof(TNotifyIconData64), 168u);
  EXPECT_EQ(offsetof(TNotifyIconData64, Tip), 40u);
  EXPECT_EQ(sizeof(TNotifyIconData), sizeof(void*) == 4 ? 152u : 168u);
}

// A window whose native handle is known.
class FakeWindow : public TGadget {
 public:
  intptr_t Query(int32_t kind) override { return kind == 1 ? 0x5678 : 0; }
};

TEST(TrayIcon, AddHandsTheShellAFilledRecordAndRemoveDeletesThatIcon) {
  shellCalls.clear();
  CurrentTrayRecord.reset();
  RemoveTrayIcon();  // before any icon: nothing reaches the shell
  EXPECT_TRUE(shellCalls.empty());

  AddTrayIcon(New<FakeWindow>(), u"Varnoc", u"xicon.ico");
  EXPECT_EQ(loadedIconFile, u"xicon.ico");
  EXPECT_EQ(loadedIconFlags, 0x8010);  // shared, loaded from the file
  ASSERT_EQ(shellCalls.size(), 1u);
  EXPECT_EQ(shellCalls[0].message, 0);
  EXPECT_EQ(shellCalls[0].address, &CurrentTrayRecord->Size);
  const TNotifyIconData& sent = shellCalls[0].record;
  EXPECT_EQ(sent.Size, static_cast<int32_t>(sizeof(TNotifyIconData)));
  EXPECT_EQ(sent.HWND, 0x5678);
  EXPECT_EQ(sent.id, 0);
  EXPECT_EQ(sent.Flags, 7);
  EXPECT_EQ(sent.CallbackMessage, 0x200);
  EXPECT_EQ(sent.Icon, 0x1234);
  EXPECT_EQ(std::u16string(sent.Tip), u"Varnoc");

  // Removed at the alert and again at the end: both times the same icon is named.
  RemoveTrayIcon();
  RemoveTrayIcon();
  ASSERT_EQ(shellCalls.size(), 3u);
  for (int i : {1, 2}) {
    EXPECT_EQ(shellCalls[i].message, 2);
    EXPECT_EQ(shellCalls[i].address, &CurrentTrayRecord->Size);
    EXPECT_EQ(shellCalls[i].record.HWND, 0x5678);
  }
}

TEST(TrayIcon, EveryWayOutDeletesTheIconBeforeTheEnd) {
  EXPECT_EXIT(
      {
        AddTrayIcon(New<FakeWindow>(), u"Varnoc", u"xicon.ico");
        shellCalls.clear();
        AtExit([] {
          std::fprintf(stderr, "calls %zu, last %d", shellCalls.size(),
                       shellCalls.empty() ? -1 : shellCalls.back().message);
        });
        QuitProgram();
      },
      testing::ExitedWithCode(0), "calls 1, last 2");
}

}  // namespace
