// The built program file: a static window-subsystem executable with its icon, version
// information and tray icon file beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/app_win32/varnoc_run.h"

namespace {

// Warms Wine up before the first test, so that the processes it starts on first use of its
// services are older than every Varnoc a test starts.
class WineWarmUp : public ::testing::Environment {
 public:
  void SetUp() override { WarmUpWine(); }
};
const auto* const warmUp = ::testing::AddGlobalTestEnvironment(new WineWarmUp);

std::vector<char> ReadFile(const std::string& path) {
  std::vector<char> data;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.insert(data.end(), buffer, buffer + n);
    std::fclose(f);
  }
  return data;
}

TEST(ProgramFile, IsAWindowSubsystemProgramNamedVarnoc) {
  std::vector<char> image = ReadFile(VarnocPath());
  ASSERT_GT(image.size(), 0x200u);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
  ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(ProgramFile, NeedsNoRuntimeLibrariesBesideIt) {
  HMODULE exe = LoadLibraryExA(VarnocPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(exe, nullptr);
  auto* base = reinterpret_cast<const BYTE*>(exe);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const auto& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  ASSERT_NE(dir.VirtualAddress, 0u);
  for (auto* imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name;
       ++imp) {
    std::string name = reinterpret_cast<const char*>(base + imp->Name);
    for (auto& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(name.find("libstdc++"), std::string::npos) << name;
    EXPECT_EQ(name.find("libgcc"), std::string::npos) << name;
    EXPECT_EQ(name.find("libwinpthread"), std::string::npos) << name;
  }
  FreeLibrary(exe);
}

TEST(ProgramFile, CarriesItsIconAndVersionInformation) {
  HMODULE exe = LoadLibraryExA(VarnocPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  EXPECT_NE(FindResourceA(exe, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14) /* icon group */), nullptr);
  FreeLibrary(exe);

  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(VarnocPath().c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(VarnocPath().c_str(), 0, size, info.data()));
  char* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName",
                             reinterpret_cast<void**>(&value), &length));
  EXPECT_STREQ(value, "Quorvex Varnoc V1.0");
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\OriginalFilename",
                             reinterpret_cast<void**>(&value), &length));
  EXPECT_STREQ(value, "Varnoc.exe");
}

TEST(ProgramFile, HasItsTrayIconFileBesideIt) {
  std::string path = VarnocPath();
  path = path.substr(0, path.find_last_of("\\/") + 1) + "xicon.ico";
  std::vector<char> icon = ReadFile(path);
  ASSERT_GE(icon.size(), 6u + 4 * 16u);
  // An icon directory with the small and large pictures at 100 % and 150 %: 16, 24, 32 and 48 pixels.
  EXPECT_EQ(icon[2], 1);
  EXPECT_EQ(icon[4], 4);
  const int sizes[] = {16, 24, 32, 48};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(static_cast<unsigned char>(icon[6 + 16 * i]), sizes[i]);
}

}  // namespace
