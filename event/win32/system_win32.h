// The Win32 system driver and its platform layer: the state and calls the gadget driver shares.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "event/system.h"
#include "event/win32/modifiers.h"

// The private thread message that carries a call record to the main thread (lParam: the record).
constexpr UINT MainThreadCallMessage = 0x7001;

// Main-thread state of the platform layer.
// The thread that ran the platform start-up; posted calls run there.
extern DWORD MainThreadId;
// Modifier keys held, as event mods (1 shift, 2 control, 4 alt, 8 Windows key); the pump
// recomputes it whenever it takes a modifier-key message.
extern int32_t ModifierState;
// The window the pointer was last seen inside (or none) and the source reported for it.
extern HWND TrackedWindow;
extern Ref<TObject> TrackedSource;
// 1 unless the application hid the pointer (it then hides only inside a tracked window).
extern int32_t PointerVisible;

// What a posted call runs on the main thread; obj and data are passed through untouched.
using TMainThreadFn = void (*)(void* obj, intptr_t data);
// The work of a background call, run on a thread of its own; its result becomes fn's data.
using TBackgroundWorker = intptr_t (*)(intptr_t workerArg);

// From any thread: fn(obj, data) will run on the main thread, inside whichever message loop takes
// the message next (modal loops of the platform included). False when the message could not be
// posted; the call is then dropped and nothing of it is kept.
bool PostMainThreadCall(TMainThreadFn fn, void* obj, intptr_t data);
// Runs worker(workerArg) on a new thread, then fn(obj, result) on the main thread; obj stays
// referenced in between and is released on the main thread after fn ran. False when no thread
// could be started (obj is then released at once).
bool StartBackgroundCall(TBackgroundWorker worker, intptr_t workerArg, TMainThreadFn fn, Ref<TObject> obj);
// Runs and frees the record a MainThreadCallMessage carries; the main thread's message hook
// calls it.
void RunMainThreadCall(LPARAM record);

// A job of the main thread's one message hook, done before posted calls are run on every message
// taken off the queue (modal loops of the platform included). True when the job took the message:
// it has then made it WM_NULL, and the hook ends there without passing it on.
using TMessageHookJob = bool (*)(MSG& message);
// Makes `job` the hook's first job (none: no job); the gadget driver's thread hooks install theirs
// here, so that one hook walks the taken messages once.
void SetMessageHookJob(TMessageHookJob job);

// Turns a window's raw keyboard, mouse, close and activation messages into events with the given
// source; the caller's own handling of the message is unaffected.
void TranslateSystemMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            const Ref<TObject>& source);
// MakeEvent followed by Emit.
void EmitSystemEvent(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                     Ref<TObject> extra);
// The key code a key message reports: its virtual key, with shift, control and alt told left
// (0xA0, 0xA2, 0xA4) from right (0xA1, 0xA3, 0xA5) by the scan code.
int32_t KeyCodeOf(WPARAM wParam, LPARAM lParam);
// Wheel steps of a WM_MOUSEWHEEL: the signed delta over 120, truncated toward zero.
int32_t WheelStepsOf(WPARAM wParam);

// Pointer tracking: the pointer is now inside `window` (none: outside every tracked window) at
// client position x, y. A change emits MouseLeave for the old window and MouseEnter for the new.
void TrackPointer(HWND window, int32_t x, int32_t y, const Ref<TObject>& source);
// Shows or hides the pointer for PointerVisible and TrackedWindow, keeping the platform's display
// counter at 0 or -1.
void UpdatePointerVisibility();

// The platform start-up, once per process: main thread, message hook, 1 ms timer resolution.
void StartSystemPlatform();

class TWin32SystemDriver : public TSystemDriver {
 public:
  TWin32SystemDriver();
  int32_t Poll() override;
  int32_t Wait() override;
  int32_t MoveMouse(int32_t x, int32_t y) override;
  int32_t SetMouseVisible(int32_t visible) override;
  int32_t Notify(const std::u16string& text, int32_t serious) override;
  int32_t Confirm(const std::u16string& text, int32_t serious) override;
  int32_t Proceed(const std::u16string& text, int32_t serious) override;
  std::u16string RequestFile(const std::u16string& text, const std::u16string& exts, int32_t save,
                             const std::u16string& path) override;
  std::u16string RequestDir(const std::u16string& text, const std::u16string& path) override;
  int32_t OpenURL(const std::u16string& url) override;
};

// Starts the system module and installs a TWin32SystemDriver as ActiveSystemDriver, and the
// multimedia timer as the timers' platform.
void Win32SystemModuleStart();
