// Measuring other processes' control texts in the fonts they are drawn in.
#include "tests/app_win32/text_fit.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app_win32/desktop.h"

UINT WindowDpi(HWND window) {
  static const auto forWindow = reinterpret_cast<UINT(WINAPI*)(HWND)>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return forWindow(window);
}

namespace {

// The per-DPI calls of Windows 10, looked up as the toolkit does (the build targets Windows 7).
template <typename Fn>
Fn User32(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int MetricForDpi(int index, UINT dpi) {
  static const auto forDpi = User32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  return forDpi(index, dpi);
}

bool ParameterForDpi(UINT action, UINT size, void* value, UINT dpi) {
  static const auto forDpi =
      User32<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
  return forDpi(action, size, value, 0, dpi) != 0;
}

std::wstring WideText(HWND control) {
  std::wstring text(GetWindowTextLengthW(control) + 1, L'\0');
  text.resize(GetWindowTextW(control, text.data(), static_cast<int>(text.size())));
  return text;
}

// What a control shows of a text: an ampersand marks the next letter's underline and takes no room.
std::wstring Shown(const std::wstring& text) {
  std::wstring shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

std::string Narrowed(const std::wstring& text) { return std::string(text.begin(), text.end()); }

SIZE Extent(HFONT font, const std::wstring& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size;
}

// The control's own font where this process can read it; else (font handles are the owning
// process's under Wine) the font the toolkit gives every gadget: the platform's message font for
// the window's DPI. The caller deletes the font.
HFONT FontOf(HWND control) {
  LOGFONTW font{};
  auto own = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (!own || !GetObjectW(own, sizeof font, &font)) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    EXPECT_TRUE(ParameterForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, WindowDpi(control)));
    font = metrics.lfMessageFont;
  }
  return CreateFontIndirectW(&font);
}

void ExpectInsideParent(HWND control) {
  RECT parent{}, at = RectInParent(control);
  GetClientRect(GetParent(control), &parent);
  EXPECT_GE(at.left, 0);
  EXPECT_GE(at.top, 0);
  EXPECT_LE(at.right, parent.right);
  EXPECT_LE(at.bottom, parent.bottom);
}

// The width a button leaves for its text: a push button its client area less its frame, a check
// box or radio button less the box beside the text.
int TextRoom(HWND button, int clientWidth) {
  const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
  const UINT dpi = WindowDpi(button);
  switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return clientWidth - MetricForDpi(SM_CXMENUCHECK, dpi) - MulDiv(4, dpi, 96);
    case BS_GROUPBOX:
      return clientWidth - MulDiv(16, dpi, 96);
    default:
      return clientWidth - 2 * MetricForDpi(SM_CXEDGE, dpi);
  }
}

// A tab control's item rectangles and texts live in its process: read them through a block of
// that process's memory.
void ExpectTabsFit(HWND tabs) {
  DWORD pid = 0;
  GetWindowThreadProcessId(tabs, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  ASSERT_NE(process, nullptr);
  constexpr SIZE_T textChars = 256;
  struct Remote {
    RECT rect;
    TCITEMW item;
    wchar_t text[textChars];
  };
  auto* remote = static_cast<Remote*>(
      VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  ASSERT_NE(remote, nullptr);
  HFONT font = FontOf(tabs);
  const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  EXPECT_GT(count, 0);
  for (int i = 0; i < count; ++i) {
    Remote local{};
    local.item.mask = TCIF_TEXT;
    local.item.pszText = remote->text;
    local.item.cchTextMax = textChars;
    WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
    SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&remote->rect));
    SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&remote->item));
    ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
    local.text[textChars - 1] = L'\0';
    const std::wstring text = Shown(local.text);
    SCOPED_TRACE("tab \"" + Narrowed(text) + "\"");
    const SIZE size = Extent(font, text);
    EXPECT_LE(size.cx, local.rect.right - local.rect.left);
    EXPECT_LE(size.cy, local.rect.bottom - local.rect.top);
  }
  DeleteObject(font);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
}

void ExpectControlFits(HWND control) {
  const std::string cls = ClassOf(control);
  if (lstrcmpiA(cls.c_str(), WC_TABCONTROLA) == 0) return ExpectTabsFit(control);
  const bool label = lstrcmpiA(cls.c_str(), "Static") == 0;
  if (!label && lstrcmpiA(cls.c_str(), "Button") != 0) return;
  // A line, frame or picture shows no text, whatever text it carries.
  switch (label ? GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK : SS_LEFT) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
      break;
    default:
      return;
  }
  const std::wstring text = Shown(WideText(control));
  if (text.empty()) return;
  SCOPED_TRACE(cls + " \"" + Narrowed(text) + "\"");
  RECT client{};
  GetClientRect(control, &client);
  HFONT font = FontOf(control);
  const SIZE size = Extent(font, text);
  DeleteObject(font);
  EXPECT_LE(size.cx, label ? client.right : TextRoom(control, client.right));
  EXPECT_LE(size.cy, client.bottom);
  ExpectInsideParent(control);
}

void ExpectMenuBarFits(HWND window) {
  HMENU bar = GetMenu(window);
  if (!bar) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(ParameterForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, WindowDpi(window)));
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    wchar_t text[256] = {};
    GetMenuStringW(bar, i, text, 256, MF_BYPOSITION);
    const std::wstring shown = Shown(text);
    SCOPED_TRACE("menu \"" + Narrowed(shown) + "\"");
    RECT at{};
    ASSERT_TRUE(GetMenuItemRect(window, bar, i, &at));
    const SIZE size = Extent(font, shown);
    EXPECT_LE(size.cx, at.right - at.left);
    EXPECT_LE(size.cy, at.bottom - at.top);
  }
  DeleteObject(font);
}

void CollectDescendants(HWND parent, std::vector<HWND>& into) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    into.push_back(h);
    CollectDescendants(h, into);
  }
}

}  // namespace

void ExpectTextsFit(HWND window) {
  std::vector<HWND> controls;
  CollectDescendants(window, controls);
  EXPECT_FALSE(controls.empty());
  for (HWND control : controls)
    if (IsWindowVisible(control)) ExpectControlFits(control);
  ExpectMenuBarFits(window);
}

HWND WaitDescendantWithText(HWND window, const std::string& cls, const std::string& text, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        std::vector<HWND> all;
        CollectDescendants(window, all);
        for (HWND h : all)
          if (lstrcmpiA(ClassOf(h).c_str(), cls.c_str()) == 0 && TextOf(h) == text) found = h;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}
