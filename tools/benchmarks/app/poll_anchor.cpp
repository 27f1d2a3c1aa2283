// The anchor of the watch benchmark: the same watch written directly against the platform, one
// Toolhelp walk and a 100 ms sleep per scan until the last process listed is not this one, then a
// plain window titled "Anchor Alert" in place of its minimised one, until it is closed.
#include <windows.h>
// The Toolhelp header needs the platform header ahead of it.
#include <mmsystem.h>
#include <tlhelp32.h>

#include <cstring>

namespace {

LRESULT CALLBACK AlertProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(h, m, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  timeBeginPeriod(1);
  // Like the program, a window exists before the watch (so the window system is already in use)
  // and the alert is a new window built once the watch is over.
  WNDCLASSA wc{};
  wc.lpfnWndProc = AlertProc;
  wc.hInstance = instance;
  wc.lpszClassName = "AnchorAlert";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  HWND main = CreateWindowExA(0, "AnchorAlert", "Anchor Watch", style | WS_MINIMIZE, 100, 100, 320, 600,
                              nullptr, nullptr, instance, nullptr);
  ShowWindow(main, SW_SHOWMINNOACTIVE);

  char last[MAX_PATH] = "poll_anchor.exe";
  do {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 e{};
    e.dwSize = sizeof e;
    Process32First(snap, &e);
    while (Process32Next(snap, &e))
      if (e.szExeFile[0]) std::strcpy(last, e.szExeFile);
    CloseHandle(snap);
    Sleep(100);
  } while (std::strcmp(last, "poll_anchor.exe") == 0);

  DestroyWindow(main);
  HWND alert = CreateWindowExA(0, "AnchorAlert", "Anchor Alert", style, 50, 100, 640, 125, nullptr, nullptr,
                               instance, nullptr);
  CreateWindowExA(0, "STATIC", last, WS_CHILD | WS_VISIBLE | SS_CENTER, 15, 20, 600, 16, alert, nullptr,
                  instance, nullptr);
  ShowWindow(alert, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  timeEndPeriod(1);
  return 0;
}
