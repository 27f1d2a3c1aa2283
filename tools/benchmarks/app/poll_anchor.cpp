// The anchor of the watch benchmark: the same watch written directly against the platform, one
// Toolhelp walk and a 100 ms sleep per scan until the last process listed is not this one, then a
// plain window titled "Anchor Alert" in place of its minimised one, until it is closed.
#include <windows.h>
// The Toolhelp header needs the platform header ahead of it.
#include <mmsystem.h>
#include <tlhelp32.h>

#include <cwchar>

namespace {

LRESULT CALLBACK AlertProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(h, m, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  timeBeginPeriod(1);
  // Like the program, a window exists before the watch (so the window system is already in use)
  // and the alert is a new window built once the watch is over.
  WNDCLASSW wc{};
  wc.lpfnWndProc = AlertProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"AnchorAlert";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&wc);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  HWND main = CreateWindowExW(0, L"AnchorAlert", L"Anchor Watch", style | WS_MINIMIZE, 100, 100, 320, 600,
                              nullptr, nullptr, instance, nullptr);
  ShowWindow(main, SW_SHOWMINNOACTIVE);

  wchar_t last[MAX_PATH] = L"poll_anchor.exe";
  do {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W e{};
    e.dwSize = sizeof e;
    Process32FirstW(snap, &e);
    while (Process32NextW(snap, &e))
      if (e.szExeFile[0]) std::wcscpy(last, e.szExeFile);
    CloseHandle(snap);
    Sleep(100);
  } while (std::wcscmp(last, L"poll_anchor.exe") == 0);

  DestroyWindow(main);
  HWND alert = CreateWindowExW(0, L"AnchorAlert", L"Anchor Alert", style, 50, 100, 640, 125, nullptr, nullptr,
                               instance, nullptr);
  CreateWindowExW(0, L"STATIC", last, WS_CHILD | WS_VISIBLE | SS_CENTER, 15, 20, 600, 16, alert, nullptr,
                  instance, nullptr);
  ShowWindow(alert, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  timeEndPeriod(1);
  return 0;
}
