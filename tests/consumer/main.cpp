// A window with a Quit button; pressing it (or closing the window) ends the program with status 0.
// With --press the program presses its own button once it is up, as a user would.
#include <windows.h>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/toolkit.h"
#include "gui/win32/module_win32.h"
#include "runtime/startup.h"

namespace {

void QuitButton() {
  // The one start: the toolkit, its Win32 driver and the event queue.
  Win32GuiModuleStart();
  const Ref<TGadget> window = MakeWindow(u"Quit button", 100, 100, 240, 120, nullptr,
                                         WindowStyle::TitleBar | WindowStyle::ClientCoords);
  const Ref<TGadget> quit = MakeButton(u"Quit", 70, 40, 100, 30, window, 0);
  if (AppInfo.args.size() > 1 && AppInfo.args[1] == u"--press") {
    PostMessageW(reinterpret_cast<HWND>(QueryGadgetHandle(quit, QueryKind::NativeHandle)), BM_CLICK, 0, 0);
  }
  for (;;) {
    const int32_t id = WaitNextEvent();
    if ((id == GadgetAction && ActiveEventSource() == quit) ||
        (id == WindowClose && ActiveEventSource() == window)) {
      DestroyGadget(window);
      return;
    }
  }
}

}  // namespace

// RuntimeMain ends an uncaught runtime error in order: its text on standard error, status 1.
int main(int argc, char** argv) { return RuntimeMain(argc, argv, QuitButton); }
