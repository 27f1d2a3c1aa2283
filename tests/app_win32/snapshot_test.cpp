// Process snapshot walks against the kernel's own, and Varnoc.exe's start-up and exit status.
#include "app/snapshot.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"
#include "tests/app_win32/win32_process.h"

namespace {

std::vector<std::u16string> OurWalk(PROCESSENTRY32& entry) {
  std::vector<std::u16string> names;
  WalkProcessSnapshot(entry, [&](const PROCESSENTRY32& e) { names.push_back(ReadExeName(e)); });
  return names;
}

TEST(Snapshot, WalkSeesAChildStartedJustBeforeIt) {
  ChildProcess child = StartChild(TestProgramPath("snapshot_child.exe"), "");
  ASSERT_TRUE(child.running());
  PROCESSENTRY32 entry;
  auto names = OurWalk(entry);
  ASSERT_FALSE(names.empty());
  // A process started later is listed after the earlier ones.
  EXPECT_EQ(names.back(), u"snapshot_child.exe");
}

TEST(Snapshot, NeverDeliversTheFirstEntry) {
  // Processes may come and go between two walks; a few tries give one stable pair.
  for (int attempt = 0; attempt < 5; ++attempt) {
    auto all = KernelWalkNames();
    PROCESSENTRY32 entry;
    auto ours = OurWalk(entry);
    if (all.size() != ours.size() + 1) continue;
    std::vector<std::u16string> rest(all.begin() + 1, all.end());
    EXPECT_EQ(ours, rest);
    return;
  }
  FAIL() << "the process list never held still";
}

TEST(Snapshot, SetsTheRecordSizeBeforeEveryWalk) {
  PROCESSENTRY32 entry;
  OurWalk(entry);
  EXPECT_EQ(entry.dwSize, 304);
  entry.dwSize = 0;
  auto again = OurWalk(entry);
  EXPECT_EQ(entry.dwSize, 304);
  EXPECT_FALSE(again.empty());
}

TEST(Startup, VarnocFromAnotherDirectoryExitsWithStatusZero) {
  // Started with the temporary folder as its working directory, it still finds its icon and
  // builds its window; its Exit button ends it with status 0.
  VarnocRun varnoc = VarnocRun::Start();
  ASSERT_TRUE(varnoc.ok()) << varnoc.error;
  Press(varnoc.Button("Exit"));
  EXPECT_EQ(varnoc.process.WaitExit(20000), 0u);
}

}  // namespace
