// Finding another process's windows, reading their texts, pressing their buttons and taking
// pictures of them.
#include "tests/app_win32/desktop.h"

#include <vector>

#include "tests/app_win32/png_writer.h"
#include "tests/app_win32/win32_process.h"

std::string ClassOf(HWND window) {
  char name[256] = {};
  int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? n : 0);
}

std::string TextOf(HWND window, DWORD timeoutMs) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, timeoutMs, &length)) return "";
  std::vector<char> buffer(length + 2, 0);
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_NORMAL, timeoutMs, &got))
    return "";
  return std::string(buffer.data(), std::min<std::size_t>(got, buffer.size()));
}

namespace {

struct TopWindowQuery {
  DWORD pid;
  const std::string* cls;
  const std::string* title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND h, LPARAM lp) {
  auto* q = reinterpret_cast<TopWindowQuery*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid != q->pid || ClassOf(h) != *q->cls) return TRUE;
  // Another process's title is read without asking its thread, so busy windows are found too.
  char text[512] = {};
  int n = GetWindowTextA(h, text, sizeof text);
  if (std::string(text, n > 0 ? n : 0) == *q->title) q->found.push_back(h);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD processId, const std::string& cls, const std::string& title) {
  TopWindowQuery q{processId, &cls, &title, {}};
  EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&q));
  return q.found;
}

HWND WaitTopWindow(DWORD processId, const std::string& cls, const std::string& title, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        auto all = TopWindows(processId, cls, title);
        if (!all.empty()) found = all.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::vector<HWND> ChildWindows(HWND parent, const std::string& cls) {
  std::vector<HWND> kids;
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    if (lstrcmpiA(ClassOf(h).c_str(), cls.c_str()) == 0) kids.push_back(h);
  return kids;
}

HWND ChildWithText(HWND parent, const std::string& cls, const std::string& text) {
  for (HWND h : ChildWindows(parent, cls))
    if (TextOf(h) == text) return h;
  return nullptr;
}

HWND WaitChildWithText(HWND parent, const std::string& cls, const std::string& text, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = ChildWithText(parent, cls, text)) != nullptr; }, timeoutMs);
  return found;
}

RECT RectInParent(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

bool Responds(HWND window, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

void Press(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Chord(const std::vector<WORD>& keys) {
  std::vector<INPUT> in;
  for (WORD k : keys) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    in.push_back(i);
  }
  for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = *k;
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void PressCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(line);
      line.clear();
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string SaveScreenshot(HWND window, const std::string& name) {
  RECT r{};
  if (!GetWindowRect(window, &r)) return "";
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return "";
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  // What the screen shows, as a user would see it (the window is on top when the tests take it).
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::vector<uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
  const auto* px = static_cast<const uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(w) * h; ++i) {
    rgb[i * 3] = px[i * 4 + 2];
    rgb[i * 3 + 1] = px[i * 4 + 1];
    rgb[i * 3 + 2] = px[i * 4];
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::string dir = TestProgramPath("screenshots");
  CreateDirectoryA(dir.c_str(), nullptr);
  std::string path = dir + "\\" + name + ".png";
  return WritePng(path, w, h, rgb) ? path : "";
}
