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
  EXPECT_EQ(entry.dwSize, sizeof(void*) == 4 ? 556 : 568);
  entry.dwSize = 0;
  auto again = OurWalk(entry);
  EXPECT_EQ(entry.dwSize, sizeof(void*) == 4 ? 556 : 568);
  EXPECT_FALSE(again.empty());
}

// The current directory of another process, read from its process parameters: the folder as
// the system keeps it, "" when it cannot be read.
std::string CurrentDirectoryOf(HANDLE process) {
  struct BasicInformation {
    LONG_PTR exitStatus;
    void* peb;
    ULONG_PTR rest[4];
  } info{};
  using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  if (!query || query(process, 0, &info, sizeof info, nullptr) != 0) return "";
  auto read = [&](const void* at, void* into, SIZE_T size) {
    return ReadProcessMemory(process, at, into, size, nullptr) != 0;
  };
  // The parameters follow four pointer-sized fields of the process block; the current folder
  // follows 16 bytes and five pointer-sized fields of the parameters.
  void* parameters = nullptr;
  if (!read(static_cast<char*>(info.peb) + 4 * sizeof(void*), &parameters, sizeof parameters)) return "";
  struct {
    USHORT length, maximum;
    wchar_t* buffer;
  } folder{};
  if (!read(static_cast<char*>(parameters) + 16 + 5 * sizeof(void*), &folder, sizeof folder)) return "";
  std::wstring text(folder.length / sizeof(wchar_t), L'\0');
  if (!read(folder.buffer, text.data(), folder.length)) return "";
  return std::string(text.begin(), text.end());
}

// A folder written the way the system writes it, for comparison.
std::string FullFolder(std::string path) {
  char full[MAX_PATH] = {};
  GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  path = full;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  for (char& c : path) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return path;
}

TEST(Startup, VarnocRunsInItsOwnFolderWhereverItIsStartedFrom) {
  // Started with the temporary folder as its working directory, it works in its own folder,
  // where its tray icon file lies.
  VarnocRun varnoc = VarnocRun::Start();
  ASSERT_TRUE(varnoc.ok()) << varnoc.error;
  const std::string exe = VarnocPath();
  EXPECT_EQ(FullFolder(CurrentDirectoryOf(varnoc.process.handle())),
            FullFolder(exe.substr(0, exe.find_last_of("\\/"))));
  Press(varnoc.Button("Exit"));
  EXPECT_EQ(varnoc.process.WaitExit(20000), 0u);
}

}  // namespace
