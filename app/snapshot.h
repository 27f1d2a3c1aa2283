// The process-entry record and one walk over a process snapshot of the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The program's own process-entry record: the buffer the kernel's wide snapshot calls fill, laid
// out as the platform's wide record of each target, so a name keeps every character. The name
// buffer holds 260 UTF-16 units; the record is 556 bytes on the 32-bit target and 568 on the
// 64-bit one, and `dwSize` is always that size. A new record is all zero.
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
  char16_t szExeFile[260] = {};
};

inline constexpr int32_t ProcessEntrySize = sizeof(PROCESSENTRY32);

#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(PROCESSENTRY32) == 556);
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 36);
#else
static_assert(sizeof(PROCESSENTRY32) == 568);
static_assert(offsetof(PROCESSENTRY32, th32DefaultHeapID) == 16);
static_assert(offsetof(PROCESSENTRY32, szExeFile) == 44);
#endif

// The executable name in the record: its UTF-16 units up to the first NUL, exactly as the kernel
// wrote them (an unpaired surrogate is passed on). Never reads past the 260-unit buffer, also when
// it holds no NUL.
std::u16string ReadExeName(const PROCESSENTRY32& entry);

// The kernel calls of one walk, kept out of this header so that it needs no platform headers.
void* OpenProcessSnapshot();
void FirstProcessEntry(void* snapshot, PROCESSENTRY32& entry);
bool NextProcessEntry(void* snapshot, PROCESSENTRY32& entry);
void CloseProcessSnapshot(void* snapshot);

// One walk: `dwSize` set to the record's size, a fresh snapshot, the first entry skipped (whatever it holds),
// `visit(entry)` for every further entry in the system's order, the snapshot closed.
template <class Visit>
void WalkProcessSnapshot(PROCESSENTRY32& entry, Visit&& visit) {
  entry.dwSize = ProcessEntrySize;
  void* snapshot = OpenProcessSnapshot();
  FirstProcessEntry(snapshot, entry);
  while (NextProcessEntry(snapshot, entry)) visit(static_cast<const PROCESSENTRY32&>(entry));
  CloseProcessSnapshot(snapshot);
}
