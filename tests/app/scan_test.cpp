// One watch scan: which walks decide, and the name they leave for the alert.
#include "app/scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/text.h"

namespace {

// A walk that delivers one entry per name, through one record as the kernel's walk does.
auto WalkOf(const std::vector<std::string>& names) {
  return [names](auto&& visit) {
    PROCESSENTRY32 entry;
    for (const std::string& name : names) {
      std::memset(entry.szExeFile, 0, sizeof entry.szExeFile);
      std::copy(name.begin(), name.end(), entry.szExeFile);
      visit(entry);
    }
  };
}

TEST(WatchScan, TheLastEntryAloneDecides) {
  struct Case {
    const char* name;
    std::string before;
    std::vector<std::string> walk;
    std::string after;
    bool watchingGoesOn;
  } cases[] = {
      {"own entry last", "", {"a.exe", "Varnoc.exe"}, "Varnoc.exe", true},
      {"new task last", "Varnoc.exe", {"Varnoc.exe", "new.exe"}, "new.exe", false},
      {"earlier task does not count", "Varnoc.exe", {"new.exe", "Varnoc.exe"}, "Varnoc.exe", true},
      {"case differs", "Varnoc.exe", {"varnoc.exe"}, "varnoc.exe", false},
      {"nothing walked keeps the name", "Varnoc.exe", {}, "Varnoc.exe", true},
      {"nothing walked at first", "", {}, "", false},
      {"nameless last entry waits", "Varnoc.exe", {"Varnoc.exe", "other.exe", ""}, "Varnoc.exe", true},
      {"nameless only entry waits", "", {""}, "", true},
      {"nameless entry before a named one", "Varnoc.exe", {"", "Varnoc.exe"}, "Varnoc.exe", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::u16string lastName = FromUtf8(c.before);
    EXPECT_EQ(ScanKeepsWatching(lastName, WalkOf(c.walk)), c.watchingGoesOn);
    EXPECT_EQ(Utf8(lastName), c.after);
  }
}

}  // namespace
