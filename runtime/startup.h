// Program start-up: the recorded directories and arguments, the application title, fault handlers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The application directory of an executable path: backslashes become slashes and the path is cut
// before its last slash, except that a slash right after a drive colon stays ("C:/Varnoc.exe"
// gives "C:/"). A path without a slash gives the empty text.
std::u16string AppDirFromExePath(std::u16string_view exePath);

struct TAppInfo {
  std::u16string appDir;     // the executable's directory, with forward slashes
  std::u16string appFile;    // the executable's full path, with forward slashes
  std::u16string launchDir;  // the current directory when the program started
  std::vector<std::u16string> args;
};

// Filled by RuntimeMain before the program's statements run.
extern TAppInfo AppInfo;
// The application's title; the program sets its own in its first statement.
extern std::u16string ApplicationTitle;

// Text printed before a signal becomes the runtime error "Received Signal".
std::string SignalText(int signal);

// The runtime's main entry: records the directories and arguments, installs the signal handlers
// and the unhandled-exception filter, changes to the application directory, then runs `program`
// (which starts the modules and runs the program's statements). An uncaught runtime error ends the
// program in an orderly way: its text goes to standard error (and the debugger), the exit handlers
// run and the process ends with status 1 (standard error takes the text in UTF-8). If `program`
// returns, the result is 0. On Windows the arguments come from the platform's wide command line,
// split by its rules, so they keep every character; `argc` and `argv` are read elsewhere, as UTF-8.
int RuntimeMain(int argc, char** argv, void (*program)());

// Ends the program for an error that nothing caught; see RuntimeMain.
[[noreturn]] void EndWithUncaughtError(std::u16string_view text);
