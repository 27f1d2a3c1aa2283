// The handle count of another process, for the Windows benchmarks that watch a program.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <vector>

// The handles a process holds, from the system's handle table (another process's own count is
// not answered under Wine); GetProcessHandleCount when the table cannot be read.
inline DWORD HandleCount(HANDLE process, DWORD pid) {
  struct Entry {
    ULONG ownerPid;
    BYTE objectType, flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
  };
  using QueryFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (query) {
    std::vector<BYTE> buffer(1 << 20);
    ULONG needed = 0;
    for (int i = 0; i < 6; ++i) {
      LONG status = query(16 /* handle table */, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
      if (status == 0) {
        ULONG n = *reinterpret_cast<ULONG*>(buffer.data());
        const auto* e = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
        DWORD count = 0;
        for (ULONG k = 0; k < n; ++k)
          if (e[k].ownerPid == pid) ++count;
        if (count) return count;
        break;
      }
      buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
    }
  }
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  return handles;
}
