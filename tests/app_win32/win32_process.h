// Starting and watching child processes from Windows tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The path of a program that lives relative to this test executable's folder.
inline std::string TestProgramPath(const std::string& relative) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH - 1);
  std::string dir(self);
  dir = dir.substr(0, dir.find_last_of("\\/") + 1);
  return dir + relative;
}

// A child process, ended (by its handle) when the object goes if it still runs.
class ChildProcess {
 public:
  ChildProcess() = default;
  explicit ChildProcess(PROCESS_INFORMATION pi) : pi_(pi) {}
  ChildProcess(ChildProcess&& o) noexcept : pi_(o.pi_) { o.pi_ = {}; }
  ChildProcess& operator=(ChildProcess&& o) noexcept {
    std::swap(pi_, o.pi_);
    return *this;
  }
  ~ChildProcess() {
    if (!pi_.hProcess) return;
    if (running()) {
      TerminateProcess(pi_.hProcess, 99);
      WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
  }
  bool running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }
  DWORD id() const { return pi_.dwProcessId; }
  HANDLE handle() const { return pi_.hProcess; }
  // The exit code, or STILL_ACTIVE when the process has not ended within `ms`.
  DWORD WaitExit(DWORD ms) const {
    WaitForSingleObject(pi_.hProcess, ms);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION pi_{};
};

// Starts `path` with the given working directory (empty: this process's own).
inline ChildProcess StartChild(const std::string& path, const std::string& workDir,
                               const std::string& args = "") {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = "\"" + path + "\"" + (args.empty() ? "" : " " + args);
  if (!CreateProcessA(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workDir.empty() ? nullptr : workDir.c_str(), &si, &pi))
    return ChildProcess();
  return ChildProcess(pi);
}

// Every entry of a fresh snapshot, the first included, read with the platform's own record
// (in a file of its own: the platform's record shares its name with the program's).
std::vector<std::u16string> KernelWalkNames();
