// Platform start-up of the Win32 system driver: main thread, message hook, timer resolution.
#include <windows.h>
// After windows.h, which defines its types.
#include <mmsystem.h>

#include "event/win32/system_win32.h"
#include "event/win32/timer_win32.h"
#include "runtime/module.h"
#include "runtime/startup.h"

DWORD MainThreadId = 0;
int32_t ModifierState = 0;
HWND TrackedWindow = nullptr;
Ref<TObject> TrackedSource;
int32_t PointerVisible = 1;

namespace {

bool platformStarted = false;
HHOOK messageHook = nullptr;
TMessageHookJob messageHookJob = nullptr;

// Runs inside whichever loop takes a message off the main thread's queue: the driver's pump, or
// a modal loop of the platform (message box, file dialog, a window being dragged), so posted
// calls are carried out there too.
LRESULT CALLBACK MainThreadMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == PM_REMOVE) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (messageHookJob && messageHookJob(*msg)) return 0;
    // Only thread messages carry records: 0x7001 is also a valid private window message, whose
    // lParam must not be taken for a record.
    if (msg->message == MainThreadCallMessage && msg->hwnd == nullptr && msg->lParam != 0) {
      const LPARAM record = msg->lParam;
      // The record is freed once run; whatever sees the message after us finds nothing to run.
      msg->message = WM_NULL;
      msg->lParam = 0;
      try {
        RunMainThreadCall(record);
      } catch (const TRuntimeError& error) {
        // An error must not unwind through the platform's message loop.
        EndWithUncaughtError(error.Text());
      }
    }
  }
  return CallNextHookEx(messageHook, code, wParam, lParam);
}

}  // namespace

void StartSystemPlatform() {
  if (platformStarted) return;
  PointerVisible = 1;
  MainThreadId = GetCurrentThreadId();
  // Gives the thread its message queue now, so calls posted before the first pump are kept.
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  messageHook = SetWindowsHookExW(WH_GETMESSAGE, MainThreadMessageHook, nullptr, MainThreadId);
  timeBeginPeriod(1);
  AtExit([] {
    if (!platformStarted) return;
    timeEndPeriod(1);
    platformStarted = false;
  });
  platformStarted = true;
}

void SetMessageHookJob(TMessageHookJob job) { messageHookJob = job; }

TWin32SystemDriver::TWin32SystemDriver() { StartSystemPlatform(); }

void Win32SystemModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  SystemModuleStart();
  ActiveSystemDriver = New<TWin32SystemDriver>();
  InstallWin32TimerPlatform();
}
