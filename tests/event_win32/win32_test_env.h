// Shared set-up of the Win32 system driver tests: modules, test windows that translate their raw
// input, and helpers to collect events and to find message boxes from another thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "event/event.h"
#include "runtime/object.h"

// The title message boxes get during these tests.
inline constexpr char TestBoxTitle[] = "SysDrvTests";

// Starts the Win32 system, queue and timer modules and sets the application title; idempotent.
void StartWin32TestModules();

// A visible top-level window whose procedure passes every message to TranslateSystemMessage with
// `source` as the events' source (it answers WM_CLOSE itself, so the window stays).
class TTestWindow {
 public:
  TTestWindow(int x, int y, int width, int height, Ref<TObject> source);
  ~TTestWindow();
  TTestWindow(const TTestWindow&) = delete;
  TTestWindow& operator=(const TTestWindow&) = delete;
  HWND hwnd() const { return hwnd_; }
  const Ref<TObject>& source() const { return source_; }

 private:
  HWND hwnd_ = nullptr;
  Ref<TObject> source_;
};

struct TSeenEvent {
  int32_t id;
  TObject* source;
  int32_t data;
  int32_t mods;
  int32_t x;
  int32_t y;
};

// Pumps until the thread's queue is empty, then takes every waiting event.
std::vector<TSeenEvent> PumpAndTakeEvents();
// Drops whatever the thread's queue and the event queue hold.
void DrainEverything();
// The events of one kind among `events`.
std::vector<TSeenEvent> OfKind(const std::vector<TSeenEvent>& events, int32_t id);

// From a helper thread: the message box of this process with the test title, waiting up to
// `timeoutMs`; nullptr when none appeared.
HWND FindTestBox(DWORD timeoutMs = 5000);
// From a helper thread: a visible dialog window of this process, optionally with the given title,
// waiting up to `timeoutMs`; nullptr when none appeared.
HWND FindOwnDialog(const char* title = nullptr, DWORD timeoutMs = 5000);
// Runs `action` on a new thread and joins it in the destructor.
class THelperThread {
 public:
  explicit THelperThread(std::function<void()> action);
  ~THelperThread();
  THelperThread(const THelperThread&) = delete;
  THelperThread& operator=(const THelperThread&) = delete;

 private:
  static DWORD WINAPI Run(LPVOID self);
  std::function<void()> action_;
  HANDLE thread_ = nullptr;
};
