// The examples' scripted run: waiting on the program's own event handling, checks and input.
#include "examples/script/script.h"

// The list view's messages need the base platform header first.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "event/queue.h"
#include "runtime/startup.h"
#include "runtime/text.h"
#include "runtime/wide.h"

namespace script {

namespace {

EventHandler handler;
bool ended = false;
int checks = 0;
int failures = 0;

POINT lastClick{-1000, -1000};
DWORD lastClickTime = 0;

void Send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Key(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

}  // namespace

bool HasArgument(const std::u16string& flag) {
  for (const std::u16string& a : AppInfo.args) {
    if (a == flag) return true;
  }
  return false;
}

void HandleEventsWith(EventHandler h) { handler = std::move(h); }

bool WaitUntil(const std::function<bool()>& done, int32_t ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(ms)) return false;
    // PollNextEvent pumps the platform's messages through the toolkit, so input sent earlier
    // reaches the controls here and comes back as events.
    if (int32_t id = PollNextEvent()) {
      if (!ended && handler && !handler(id)) ended = true;
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
}

bool Ended() { return ended; }

void Check(bool ok, const std::string& what) {
  ++checks;
  if (ok) return;
  ++failures;
  std::fprintf(stderr, "check failed: %s\n", what.c_str());
}

int Result() {
  if (failures == 0) return 0;
  std::fprintf(stderr, "%d of %d checks failed\n", failures, checks);
  return 1;
}

void Click(HWND window, POINT at) {
  ClientToScreen(window, &at);
  // A second click on the same spot within the double-click time would be a double click.
  if (std::abs(at.x - lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
      std::abs(at.y - lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK)) {
    const DWORD since = GetTickCount() - lastClickTime, wait = GetDoubleClickTime() + 50;
    if (since < wait) Sleep(wait - since);
  }
  SetForegroundWindow(GetAncestor(window, GA_ROOT));
  // Every event carries the point, so the press lands there whatever the pointer did before.
  const LONG x = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG y = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  std::vector<INPUT> inputs(3);
  for (INPUT& in : inputs) {
    in.type = INPUT_MOUSE;
    in.mi.dx = x;
    in.mi.dy = y;
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
  Send(inputs);
  lastClick = at;
  lastClickTime = GetTickCount();
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD k : keys) inputs.push_back(Key(k, false));
  for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) inputs.push_back(Key(*k, true));
  Send(inputs);
}

void TypeText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char c : text) {
    // The key and the shift state that type the character on the current keyboard layout.
    const SHORT scan = VkKeyScanW(c);
    const WORD key = LOBYTE(scan);
    const bool shift = HIBYTE(scan) & 1;
    if (shift) inputs.push_back(Key(VK_SHIFT, false));
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    if (shift) inputs.push_back(Key(VK_SHIFT, true));
  }
  Send(inputs);
}

HWND Hwnd(const Ref<TGadget>& gadget) {
  return reinterpret_cast<HWND>(QueryGadgetHandle(gadget, QueryKind::NativeHandle));
}

// Texts come back in UTF-8, the scripts' byte strings.
std::string WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return Utf8(FromWide(text));
}

std::vector<std::string> ListTexts(HWND list) {
  std::vector<std::string> texts;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    texts.push_back(Utf8(FromWide(text)));
  }
  return texts;
}

}  // namespace script
