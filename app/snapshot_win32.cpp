// The kernel's process-snapshot calls for one walk.
#include <windows.h>

#include "app/snapshot.h"

// Declared here rather than through the platform's Toolhelp header, whose record of the same name
// would clash with the program's own. The wide calls fill the wide record.
extern "C" {
__declspec(dllimport) HANDLE WINAPI CreateToolhelp32Snapshot(DWORD flags, DWORD processId);
__declspec(dllimport) BOOL WINAPI Process32FirstW(HANDLE snapshot, void* entry);
__declspec(dllimport) BOOL WINAPI Process32NextW(HANDLE snapshot, void* entry);
}

namespace {
constexpr DWORD SnapProcesses = 2;  // the header's TH32CS_SNAPPROCESS
}  // namespace

void* OpenProcessSnapshot() { return CreateToolhelp32Snapshot(SnapProcesses, 0); }

// The first entry is consumed and never used; its result does not matter.
void FirstProcessEntry(void* snapshot, PROCESSENTRY32& entry) { Process32FirstW(snapshot, &entry.dwSize); }

bool NextProcessEntry(void* snapshot, PROCESSENTRY32& entry) {
  return Process32NextW(snapshot, &entry.dwSize) != 0;
}

void CloseProcessSnapshot(void* snapshot) { CloseHandle(snapshot); }
