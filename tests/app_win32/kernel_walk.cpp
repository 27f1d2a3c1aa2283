// The platform's own process walk, for comparison with the program's.
#include <windows.h>
// The Toolhelp header needs the platform header ahead of it.
#include <tlhelp32.h>

#include "tests/app_win32/win32_process.h"

std::vector<std::u16string> KernelWalkNames() {
  std::vector<std::u16string> names;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 e{};
  e.dwSize = sizeof e;
  for (BOOL ok = Process32First(snap, &e); ok; ok = Process32Next(snap, &e)) {
    std::u16string name;
    for (const char* p = e.szExeFile; *p; ++p) name.push_back(static_cast<unsigned char>(*p));
    names.push_back(name);
  }
  CloseHandle(snap);
  return names;
}
