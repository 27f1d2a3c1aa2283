// Test windows, event collection and helper threads for the Win32 system driver tests.
#include "tests/event_win32/win32_test_env.h"

#include "event/queue.h"
#include "event/timer.h"
#include "event/win32/system_win32.h"
#include "runtime/startup.h"

namespace {

constexpr char TestWindowClass[] = "SysDrvTestWindow";

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* source = reinterpret_cast<TObject*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (source) TranslateSystemMessage(hwnd, message, wParam, lParam, Ref<TObject>(source));
  if (message == WM_CLOSE) return 0;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

void StartWin32TestModules() {
  static bool started = false;
  if (started) return;
  started = true;
  Win32SystemModuleStart();
  QueueModuleStart();
  TimerModuleStart();
  ApplicationTitle = u"SysDrvTests";
  WNDCLASSA wc{};
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = TestWindowClass;
  RegisterClassA(&wc);
}

TTestWindow::TTestWindow(int x, int y, int width, int height, Ref<TObject> source)
    : source_(std::move(source)) {
  hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TestWindowClass, "test", WS_POPUP | WS_VISIBLE, x, y, width, height,
                          nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(source_.get()));
  SetForegroundWindow(hwnd_);
  UpdateWindow(hwnd_);
}

TTestWindow::~TTestWindow() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  if (TrackedWindow == hwnd_) TrackPointer(nullptr, 0, 0, nullptr);
  DestroyWindow(hwnd_);
  DrainEverything();
}

std::vector<TSeenEvent> PumpAndTakeEvents() {
  PumpSystem();
  std::vector<TSeenEvent> events;
  while (QueuedEventCount() > 0) {
    PollNextEvent();
    events.push_back({ActiveEventId(), ActiveEventSource().get(), ActiveEventData(), ActiveEventMods(),
                      ActiveEventX(), ActiveEventY()});
  }
  ActiveEvent = EmptyEvent;
  return events;
}

void DrainEverything() {
  PumpSystem();
  ResetEventQueue(0);
  ActiveEvent = EmptyEvent;
}

std::vector<TSeenEvent> OfKind(const std::vector<TSeenEvent>& events, int32_t id) {
  std::vector<TSeenEvent> kind;
  for (const TSeenEvent& e : events) {
    if (e.id == id) kind.push_back(e);
  }
  return kind;
}

HWND FindTestBox(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    HWND box = FindWindowA("#32770", TestBoxTitle);
    DWORD pid = 0;
    if (box) GetWindowThreadProcessId(box, &pid);
    if (box && pid == GetCurrentProcessId() && IsWindowVisible(box)) return box;
    Sleep(10);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

namespace {

struct TDialogSearch {
  const char* title;
  HWND found = nullptr;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TDialogSearch*>(parameter);
  char kind[16] = {};
  GetClassNameA(window, kind, sizeof kind);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId() || lstrcmpA(kind, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  if (search->title) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (lstrcmpA(text, search->title) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindOwnDialog(const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    TDialogSearch search{title};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(10);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

THelperThread::THelperThread(std::function<void()> action) : action_(std::move(action)) {
  thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

THelperThread::~THelperThread() {
  WaitForSingleObject(thread_, 10000);
  CloseHandle(thread_);
}

DWORD WINAPI THelperThread::Run(LPVOID self) {
  static_cast<THelperThread*>(self)->action_();
  return 0;
}
