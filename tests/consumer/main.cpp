// A window with a Quit button; pressing it (or closing the window) ends the program with status 0.
// With --press the program presses its own button once it is up, as a user would.
#include <windows.h>

#include <cstring>

#include "event/queue.h"
#include "gui/constants.h"
#include "gui/toolkit.h"
#include "gui/win32/module_win32.h"

int main(int argc, char** argv) {
  // The event queue, then the toolkit with its Win32 driver.
  QueueModuleStart();
  Win32GuiModuleStart();
  const Ref<TGadget> window = MakeWindow(u"Quit button", 100, 100, 240, 120, nullptr,
                                         WindowStyle::TitleBar | WindowStyle::ClientCoords);
  const Ref<TGadget> quit = MakeButton(u"Quit", 70, 40, 100, 30, window, 0);
  if (argc > 1 && std::strcmp(argv[1], "--press") == 0) {
    PostMessageA(reinterpret_cast<HWND>(QueryGadgetHandle(quit, 1)), BM_CLICK, 0, 0);
  }
  for (;;) {
    const int32_t id = WaitNextEvent();
    if ((id == GadgetAction && ActiveEventSource() == quit) ||
        (id == WindowClose && ActiveEventSource() == window)) {
      DestroyGadget(window);
      return 0;
    }
  }
}
