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
std::string loadedIconFile;
int32_t loadedIconFlags = -1;

}  // namespace

void ShellNotifyIcon(int32_t message, void* record) {
  shellCalls.push_back({message, record, *static_cast<TNotifyIconData*>(record)});
}

intptr_t LoadIconImage(const char* fileName, int32_t width, int32_t height, int32_t flags) {
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
std::string TipBytes(const Record& r) {
  return std::string(r.Tip, sizeof r.Tip);
}

TYPED_TEST(TrayTip, SixtyThreeCharactersAreKeptWhole) {
  TypeParam record;
  std::u16string tip(63, u'a');
  SetTrayTip(record, tip);
  EXPECT_EQ(TipBytes(record), std::string(63, 'a') + '\0');
}

TYPED_TEST(TrayTip, SixtyFourOrMoreAreCutToSixtyThree) {
  TypeParam record;
  SetTrayTip(record, std::u16string(64, u'b'));
  EXPECT_EQ(TipBytes(record), std::string(63, 'b') + '\0');
  SetTrayTip(record, std::u16string(1000, u'c'));
  EXPECT_EQ(TipBytes(record), std::string(63, 'c') + '\0');
}

TYPED_TEST(TrayTip, AnEmptyTipLeavesTheBufferZero) {
  TypeParam record;
  SetTrayTip(record, u"a longer tip that fills part of the buffer");
  SetTrayTip(record, u"");
  EXPECT_EQ(TipBytes(record), std::string(64, '\0'));
}

TYPED_TEST(TrayTip, AShorterTipClearsWhatALongerOneLeft) {
  TypeParam record;
  SetTrayTip(record, std::u16string(63, u'x'));
  SetTrayTip(record, u"Varnoc");
  EXPECT_EQ(TipBytes(record), std::string("Varnoc") + std::string(58, '\0'));
}

TYPED_TEST(TrayTip, CharactersBecomeTheirLowBytes) {
  TypeParam record;
  SetTrayTip(record, u"\u00e0\u0141z");
  EXPECT_EQ(static_cast<unsigned char>(record.Tip[0]), 0xE0);
  EXPECT_EQ(static_cast<unsigned char>(record.Tip[1]), 0x41);
  EXPECT_EQ(record.Tip[2], 'z');
  EXPECT_EQ(record.Tip[3], '\0');
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
  EXPECT_EQ(sizeof(TNotifyIconData32), 88u);
  EXPECT_EQ(offsetof(TNotifyIconData32, Tip), 24u);
  EXPECT_EQ(sizeof(TNotifyIconData64), 104u);
  EXPECT_EQ(offsetof(TNotifyIconData64, Tip), 40u);
  EXPECT_EQ(sizeof(TNotifyIconData), sizeof(void*) == 4 ? 88u : 104u);
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
  EXPECT_EQ(loadedIconFile, "xicon.ico");
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
  EXPECT_STREQ(sent.Tip, "Varnoc");

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
