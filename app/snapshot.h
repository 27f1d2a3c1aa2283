// The process-entry record and one walk over a process snapshot of the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The program's own process-entry record: the buffer the kernel's snapshot calls fill, laid out as
// the platform's 8-bit record of each target. The name buffer is one 260-byte array here (on the
// 32-bit target it is followed by two more fields, making 304 bytes there as well); `dwSize` is
// always 304. A new record is all zero.
struct PROCESSENTRY32 {
  int32_t dwSize = 0;
  int32_t cntUsage = 0;
  int32_t th32ProcessID = 0;
#if INTPTR_MAX > INT32_MAX
  uint64_t th32DefaultHeapID = 0;  // pointer-sized on 64-bit targets
#else
  int32_t th32DefaultHeapID = 0;
#endif
  int32_t th32ModuleID = 0;
  int32_t cntThreads = 0;
  int32_t th32ParentProcessID = 0;
  int32_t pcPriClassBase = 0;
  int32_t dwFlags = 0;
  uint8_t szExeFile[260] = {};
#if INTPTR_MAX == INT32_MAX
  int32_t th32MemoryBase = 0;
  int32_t th32AccessKey = 0;
#endif
};

inline constexpr int32_t ProcessEntrySize = 304;

static_assert(sizeof(PROCESSENTRY32) == 304);
#if INTPTR_MAX == INT32_MAX
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 36);
static_assert(offsetof(PROCESSENTRY32, th32MemoryBase) == 296);
#else
static_assert(offsetof(PROCESSENTRY32, th32DefaultHeapID) == 16);
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 44);
#endif

// The executable name in the record: its bytes up to the first NUL, one character per byte with
// the byte's value. Never reads past the 260-byte buffer, also when it holds no NUL.
std::u16string ReadExeName(const PROCESSENTRY32& entry);

// The kernel calls of one walk, kept out of this header so that it needs no platform headers.
void* OpenProcessSnapshot();
void FirstProcessEntry(void* snapshot, PROCESSENTRY32& entry);
bool NextProcessEntry(void* snapshot, PROCESSENTRY32& entry);
void CloseProcessSnapshot(void* snapshot);

// One walk: `dwSize` set to 304, a fresh snapshot, the first entry skipped (whatever it holds),
// `visit(entry)` for every further entry in the system's order, the snapshot closed.
template <class Visit>
void WalkProcessSnapshot(PROCESSENTRY32& entry, Visit&& visit) {
  entry.dwSize = ProcessEntrySize;
  void* snapshot = OpenProcessSnapshot();
  FirstProcessEntry(snapshot, entry);
  while (NextProcessEntry(snapshot, entry)) visit(static_cast<const PROCESSENTRY32&>(entry));
  CloseProcessSnapshot(snapshot);
}
