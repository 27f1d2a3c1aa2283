// Drives the watch benchmark from inside Wine: starts a watcher (Varnoc with GO pressed, or the
// bare polling anchor), starts a new task and times the alert, and reads the watcher's handle
// count and working set. The processor time is read from outside by the run script.
//   app_bench latency RUNS        detection latencies, one line per watcher
//   app_bench session ours|anchor  watch until stop.flag appears beside this program
#include <windows.h>
// The multimedia and process-status headers need the platform header ahead of them.
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"
#include "tests/app_win32/win32_process.h"
#include "tools/benchmarks/process_handles.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// A watcher that is watching: its process and how to find and close its alert.
struct Watcher {
  ChildProcess process;
  HWND main = nullptr;  // the program's main window; it goes when the alert is built
  std::string alertClass;
  std::string alertTitle;
  bool ok = false;
};

Watcher StartOurs() {
  Watcher w;
  VarnocRun run = VarnocRun::Start(TestProgramPath("..\\..\\..\\app\\Varnoc.exe"));
  if (!run.ok()) {
    std::fprintf(stderr, "Varnoc did not start: %s\n", run.error.c_str());
    return w;
  }
  Press(run.Button(" G O ! "));
  if (!WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000)) return w;
  w.process = std::move(run.process);
  w.main = run.main;
  w.alertClass = GadgetWindowClass;
  w.alertTitle = AlertTitle();
  w.ok = true;
  return w;
}

Watcher StartAnchor() {
  Watcher w;
  w.process = StartChild(TestProgramPath("poll_anchor.exe"), "");
  w.alertClass = "AnchorAlert";
  w.alertTitle = "Anchor Alert";
  w.ok = w.process.running();
  return w;
}

Watcher StartWatcher(bool ours) {
  Watcher w = ours ? StartOurs() : StartAnchor();
  // A few scans in, the watch runs at its steady pace.
  Sleep(500);
  return w;
}

// How long the last CreateProcess of the new task took, part of every latency, and when the
// program's main window went (the watch decided; the rest is building the alert).
double lastCreateMs = 0;
double lastDecidedMs = 0;

// Starts the new task and waits for the watcher's alert; the milliseconds taken, or -1.
double DetectOnce(Watcher& w, ChildProcess& task) {
  double start = Now();
  task = StartChild(TestProgramPath("bench_task.exe"), "");
  lastCreateMs = Now() - start;
  lastDecidedMs = 0;
  for (;;) {
    if (w.main && lastDecidedMs == 0 && !IsWindow(w.main)) lastDecidedMs = Now() - start;
    if (!TopWindows(w.process.id(), w.alertClass, w.alertTitle).empty()) return Now() - start;
    if (Now() - start > 10000) return -1;
    Sleep(1);
  }
}

void CloseAlert(Watcher& w) {
  HWND alert = WaitTopWindow(w.process.id(), w.alertClass, w.alertTitle, 5000);
  if (alert) {
    if (w.alertClass == GadgetWindowClass) WaitChildWithText(alert, "Button", "Exit");
    PressCloseBox(alert);
  }
  w.process.WaitExit(10000);
}

int Latency(int runs) {
  for (bool ours : {true, false}) {
    std::string creates, decided;
    std::printf("latency %s", ours ? "ours" : "anchor");
    for (int i = 0; i < runs; ++i) {
      Watcher w = StartWatcher(ours);
      if (!w.ok) return 1;
      // The task starts at evenly spread points of the watcher's 100 ms scan period, so that the
      // figures cover every phase instead of whichever one the start-up happened to fix.
      Sleep(static_cast<DWORD>(i * 100 / runs));
      ChildProcess task;
      double ms = DetectOnce(w, task);
      std::printf(" %.1f", ms);
      std::fflush(stdout);
      creates += " " + std::to_string(lastCreateMs);
      decided += " " + std::to_string(lastDecidedMs);
      CloseAlert(w);
    }
    std::printf("\ncreate %s%s\n", ours ? "ours" : "anchor", creates.c_str());
    if (ours) std::printf("decided ours%s\n", decided.c_str());
    std::fflush(stdout);
  }
  return 0;
}

// Prints "<when> h<n>=handles ws<n>=bytes", n being 0 at the start and 1 at the end.
void Probe(const char* when, int n, HANDLE process, DWORD pid) {
  DWORD handles = HandleCount(process, pid);
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(process, &pmc, sizeof pmc);
  std::printf("%s h%d=%lu ws%d=%llu\n", when, n, handles, n,
              static_cast<unsigned long long>(pmc.WorkingSetSize));
  std::fflush(stdout);
}

int Session(bool ours) {
  std::string stop = TestProgramPath("stop.flag");
  DeleteFileA(stop.c_str());
  Watcher w = StartWatcher(ours);
  if (!w.ok) return 1;
  Probe("start", 0, w.process.handle(), w.process.id());
  std::printf("ready pid=%lu\n", w.process.id());
  std::fflush(stdout);
  while (GetFileAttributesA(stop.c_str()) == INVALID_FILE_ATTRIBUTES) Sleep(200);
  Probe("end", 1, w.process.handle(), w.process.id());
  bool stillWatching = w.process.running() && TopWindows(w.process.id(), w.alertClass, w.alertTitle).empty();
  std::printf("watching-at-end=%d\n", stillWatching ? 1 : 0);
  ChildProcess task;
  std::printf("detect-ms=%.1f\n", DetectOnce(w, task));
  CloseAlert(w);
  std::printf("done\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  timeBeginPeriod(1);
  std::string mode = argc > 1 ? argv[1] : "";
  int result = 2;
  if (mode == "latency") result = Latency(argc > 2 ? std::max(1, std::atoi(argv[2])) : 10);
  if (mode == "session" && argc > 2) result = Session(std::string(argv[2]) == "ours");
  timeEndPeriod(1);
  return result;
}
