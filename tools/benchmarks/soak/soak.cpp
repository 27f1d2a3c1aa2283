// Samples a long-running program from inside the same Wine prefix: its handle count, GDI and
// USER object counts and working set, every INTERVAL seconds for MINUTES minutes.
//   soak varnoc MINUTES INTERVAL          Varnoc with " G O ! " pressed, watching
//   soak program EXE MINUTES INTERVAL ARGS  any program (the gallery with --churn)
// Prints one line per sample: "sample t=<s> handles=<n> gdi=<n> user=<n> ws=<bytes>".
#include <windows.h>
// The process-status header needs the platform header ahead of it.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"
#include "tests/app_win32/win32_process.h"
#include "tools/benchmarks/process_handles.h"

namespace {

void Sample(double seconds, const ChildProcess& p) {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(p.handle(), &pmc, sizeof pmc);
  std::printf("sample t=%.0f handles=%lu gdi=%lu user=%lu ws=%llu\n", seconds,
              HandleCount(p.handle(), p.id()), GetGuiResources(p.handle(), GR_GDIOBJECTS),
              GetGuiResources(p.handle(), GR_USEROBJECTS),
              static_cast<unsigned long long>(pmc.WorkingSetSize));
  std::fflush(stdout);
}

// Samples at the start and then every `interval` seconds until `minutes` have passed; false when
// the program ended early.
bool Watch(const ChildProcess& p, double minutes, int interval) {
  const ULONGLONG start = GetTickCount64();
  const auto total = static_cast<ULONGLONG>(minutes * 60000.0);
  for (ULONGLONG next = 0;; next += static_cast<ULONGLONG>(interval) * 1000) {
    while (GetTickCount64() - start < next) Sleep(200);
    if (!p.running()) {
      std::printf("ended early after %.0f s\n", static_cast<double>(GetTickCount64() - start) / 1000.0);
      return false;
    }
    Sample(static_cast<double>(next) / 1000.0, p);
    if (next + static_cast<ULONGLONG>(interval) * 1000 > total) return true;
  }
}

int SoakVarnoc(double minutes, int interval) {
  VarnocRun run = VarnocRun::Start(TestProgramPath("..\\..\\..\\app\\Varnoc.exe"));
  if (!run.ok()) {
    std::printf("Varnoc did not start: %s\n", run.error.c_str());
    return 1;
  }
  Press(run.Button(" G O ! "));
  if (!WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000)) {
    std::printf("Varnoc did not start watching\n");
    return 1;
  }
  return Watch(run.process, minutes, interval) ? 0 : 1;
}

int SoakProgram(const std::string& exe, double minutes, int interval, const std::string& args) {
  ChildProcess p = StartChild(exe, "", args);
  if (!p.running()) {
    std::printf("%s did not start\n", exe.c_str());
    return 1;
  }
  // Let it build its window before the first sample.
  Sleep(2000);
  return Watch(p, minutes, interval) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "varnoc" && argc > 3) return SoakVarnoc(std::atof(argv[2]), std::max(1, std::atoi(argv[3])));
  if (mode == "program" && argc > 4) {
    std::string args;
    for (int i = 5; i < argc; ++i) args += (args.empty() ? "" : " ") + std::string(argv[i]);
    return SoakProgram(argv[2], std::atof(argv[3]), std::max(1, std::atoi(argv[4])), args);
  }
  std::fprintf(stderr, "usage: soak varnoc MINUTES INTERVAL | soak program EXE MINUTES INTERVAL [ARGS]\n");
  return 2;
}
