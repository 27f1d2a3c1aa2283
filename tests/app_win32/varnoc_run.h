// One run of the real Varnoc.exe for the end-to-end tests: started from another working
// directory, its main window and list area found, its exit code read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/app_win32/win32_process.h"

// The texts the user sees, narrowed as the program hands them to the platform.
std::string MainTitle();
std::string AlertTitle();
std::string HostName();

// The folder of the built program and the program itself.
std::string VarnocPath();

struct VarnocRun {
  ChildProcess process;
  HWND main = nullptr;
  HWND list = nullptr;
  std::string error;  // why Start failed, empty when it did not

  // Starts the program with the temporary folder as its working directory (or `exe` instead of
  // the built one) and waits until the start-up list is complete and the dispatch answers.
  static VarnocRun Start(const std::string& exe = VarnocPath());
  bool ok() const { return error.empty(); }
  // The main window's button with this caption.
  HWND Button(const std::string& caption) const;
  // The list area's lines.
  std::vector<std::string> ListLines() const;
  // Waits for a top-level window of the program with this title.
  HWND WaitWindow(const std::string& title, DWORD timeoutMs = 5000) const;
};

// Makes sure that the processes Wine starts on a program's first use of its services (COM, the
// tray, the shell) run before a test's Varnoc, so that Varnoc is the last process listed: one
// Varnoc is started and ended through its Exit button. Runs once per test program.
void WarmUpWine();
