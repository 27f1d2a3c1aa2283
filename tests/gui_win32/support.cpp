// Module start-up, message pumping and event collection for the Win32 gadget driver tests.
#include "tests/gui_win32/support.h"

#include "event/queue.h"
#include "event/system.h"
#include "gui/win32/managed/gadget.h"

void DriverTest::SetUpTestSuite() {
  QueueModuleStart();
  Win32GuiModuleStart();
}

void DriverTest::SetUp() {
  Pump();
  ResetEventQueue(0);
}

void DriverTest::TearDown() {
  // Windows a test left behind would receive the next test's input.
  std::vector<Ref<TObject>> left(DesktopGadget->kids->begin(), DesktopGadget->kids->end());
  for (auto& k : left) DestroyGadget(Cast<TGadget>(k));
  Pump();
  ResetEventQueue(0);
}

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

std::vector<Seen> TakeEvents() {
  Pump();
  std::vector<Seen> out;
  while (QueuedEventCount() > 0 && PollNextEvent() != 0) {
    Ref<TEvent> e = ActiveEvent;
    out.push_back(Seen{e->id, e->source, e->data, e->mods, e->x, e->y, e->extra});
  }
  return out;
}

std::vector<Seen> Only(const std::vector<Seen>& events, int32_t id, const Ref<TObject>& source) {
  std::vector<Seen> out;
  for (const Seen& e : events) {
    if (e.id == id && (!source || e.source == source)) out.push_back(e);
  }
  return out;
}

void PressKeys(const std::vector<WORD>& keys) {
  for (WORD k : keys) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = k;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    // Hardware input arrives through the server; give it a moment, then let the hooks see it.
    for (int i = 0; i < 5; ++i) {
      Sleep(10);
      Pump();
    }
  }
}

HWND Hwnd(const Ref<TGadget>& g) {
  return reinterpret_cast<HWND>(QueryGadgetHandle(g, QueryKind::NativeHandle));
}

Ref<TGadget> TestWindow(int32_t style, int32_t w, int32_t h) {
  Ref<TGadget> win = MakeWindow(u"test", 50, 50, w, h, nullptr, style);
  SetForegroundWindow(Hwnd(win));
  Pump();
  return win;
}
