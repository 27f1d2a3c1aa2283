// The runtime's main entry: directories, arguments, fault handlers and the uncaught-error end.
#include "runtime/startup.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "runtime/module.h"
#include "runtime/object.h"
#include "runtime/text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

TAppInfo AppInfo;
std::u16string ApplicationTitle = u"Varnoc";

std::u16string AppDirFromExePath(std::u16string_view exePath) {
  std::u16string path(exePath);
  for (auto& c : path)
    if (c == u'\\') c = u'/';
  auto slash = path.rfind(u'/');
  if (slash == std::u16string::npos) return {};
  // A drive root keeps its slash, so that it still names the root.
  if (slash > 0 && path[slash - 1] == u':') return path.substr(0, slash + 1);
  return path.substr(0, slash);
}

std::string SignalText(int signal) { return "signal!:" + std::to_string(signal) + "\n"; }

void EndWithUncaughtError(std::u16string_view text) {
  std::string narrow = Narrow(text);
  std::fprintf(stderr, "Uncaught runtime error: %s\n", narrow.c_str());
  std::fflush(nullptr);
#ifdef _WIN32
  OutputDebugStringA(("Uncaught runtime error: " + narrow + "\n").c_str());
#endif
  RunExitHandlers();
  std::_Exit(1);
}

namespace {

// A signal becomes the runtime error "Received Signal". Unwinding out of a signal handler is not
// safe, and nothing would catch the error anyway, so the handler ends the program the way an
// uncaught error does.
extern "C" void OnSignal(int signal) {
  std::string text = SignalText(signal);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  EndWithUncaughtError(u"Received Signal");
}

#ifdef _WIN32
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS*) {
  EndWithUncaughtError(u"Unhandled Memory Exception Error");
}

std::u16string ExecutablePath() {
  char buffer[1024] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer - 1);
  return Widen(std::string_view(buffer, n < sizeof buffer ? n : sizeof buffer - 1));
}

std::u16string CurrentDir() {
  char buffer[1024] = {};
  DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  return n < sizeof buffer ? Widen(std::string_view(buffer, n)) : std::u16string();
}

void ChangeDir(const std::u16string& dir) { SetCurrentDirectoryA(Narrow(dir).c_str()); }
#else
std::u16string ExecutablePath() {
  std::error_code ec;
  return Widen(std::filesystem::read_symlink("/proc/self/exe", ec).string());
}

std::u16string CurrentDir() {
  std::error_code ec;
  return Widen(std::filesystem::current_path(ec).string());
}

void ChangeDir(const std::u16string& dir) {
  std::error_code ec;
  std::filesystem::current_path(Narrow(dir), ec);
}
#endif

}  // namespace

int RuntimeMain(int argc, char** argv, void (*program)()) {
  for (int s : {SIGILL, SIGSEGV, SIGTERM, SIGABRT}) std::signal(s, OnSignal);
#ifdef _WIN32
  SetUnhandledExceptionFilter(OnUnhandledException);
#endif
  AppInfo.appFile = ExecutablePath();
  for (auto& c : AppInfo.appFile)
    if (c == u'\\') c = u'/';
  AppInfo.appDir = AppDirFromExePath(AppInfo.appFile);
  AppInfo.launchDir = CurrentDir();
  for (int i = 0; i < argc; ++i) AppInfo.args.push_back(Widen(argv[i] ? argv[i] : ""));
  if (!AppInfo.appDir.empty()) ChangeDir(AppInfo.appDir);
  try {
    RuntimeModuleStart();
    program();
  } catch (const TRuntimeError& e) {
    EndWithUncaughtError(e.Text());
  } catch (const std::exception& e) {
    EndWithUncaughtError(Widen(e.what()));
  }
  return 0;
}
