// The platform's own process walk, for comparison with the program's.
#include <windows.h>
// The Toolhelp header needs the platform header ahead of it.
#include <tlhelp32.h>

#include "tests/app_win32/win32_process.h"

std::vector<std::u16string> KernelWalkNames() {
  std::vector<std::u16string> names;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W e{};
  e.dwSize = sizeof e;
  for (BOOL ok = Process32FirstW(snap, &e); ok; ok = Process32NextW(snap, &e))
    names.push_back(reinterpret_cast<const char16_t*>(e.szExeFile));
  CloseHandle(snap);
  return names;
}
