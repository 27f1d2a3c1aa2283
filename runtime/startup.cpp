// The runtime's main entry: directories, arguments, fault handlers and the uncaught-error end.
#include "runtime/startup.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "runtime/module.h"
#include "runtime/object.h"
#include "runtime/text.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which defines its types.
#include <shellapi.h>

#include "runtime/wide.h"
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
  // stderr takes bytes: the text goes there in UTF-8; the debugger's channel takes it whole.
  std::string bytes = Utf8(text);
  std::fprintf(stderr, "Uncaught runtime error: %s\n", bytes.c_str());
  std::fflush(nullptr);
#ifdef _WIN32
  OutputDebugStringW(Wide(u"Uncaught runtime error: " + std::u16string(text) + u"\n"));
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

// A path may be longer than MAX_PATH: the buffer grows until the whole name fits.
std::u16string ExecutablePath() {
  std::u16string buffer(MAX_PATH, u'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, Wide(buffer), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) return buffer.substr(0, n);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

std::u16string CurrentDir() {
  DWORD needed = GetCurrentDirectoryW(0, nullptr);
  std::u16string buffer(needed, u'\0');
  DWORD n = GetCurrentDirectoryW(needed, Wide(buffer));
  return n < needed ? buffer.substr(0, n) : std::u16string();
}

void ChangeDir(const std::u16string& dir) { SetCurrentDirectoryW(Wide(dir)); }

// The arguments as the program was given them: the wide command line split by the platform's
// rules (argv of the C runtime holds the 8-bit code page's rendering).
std::vector<std::u16string> CommandLineArgs() {
  std::vector<std::u16string> args;
  int n = 0;
  if (LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &n)) {
    for (int i = 0; i < n; ++i) args.push_back(FromWide(list[i]));
    LocalFree(list);
  }
  return args;
}
#else
std::u16string ExecutablePath() {
  std::error_code ec;
  return FromUtf8(std::filesystem::read_symlink("/proc/self/exe", ec).string());
}

std::u16string CurrentDir() {
  std::error_code ec;
  return FromUtf8(std::filesystem::current_path(ec).string());
}

void ChangeDir(const std::u16string& dir) {
  std::error_code ec;
  std::filesystem::current_path(Utf8(dir), ec);
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
#ifdef _WIN32
  (void)argc, (void)argv;
  AppInfo.args = CommandLineArgs();
#else
  for (int i = 0; i < argc; ++i) AppInfo.args.push_back(FromUtf8(argv[i] ? argv[i] : ""));
#endif
  if (!AppInfo.appDir.empty()) ChangeDir(AppInfo.appDir);
  try {
    RuntimeModuleStart();
    program();
  } catch (const TRuntimeError& e) {
    EndWithUncaughtError(e.Text());
  } catch (const std::exception& e) {
    EndWithUncaughtError(FromUtf8(e.what()));
  }
  return 0;
}
