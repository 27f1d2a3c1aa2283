// The About window: the program's name, the maker's notice and the button to the maker's site.
#include "app/program.h"
#include "app/texts.h"
#include "event/event.h"
#include "event/queue.h"
#include "event/system.h"
#include "gui/toolkit.h"

void ShowAbout() {
  Ref<TGadget> window = MakeWindow(u"About Varnoc V1.0", 97, 170, 364, 265, nullptr, WindowStyle::TitleBar);
  Ref<TGadget> ok = MakeButton(u"OK", 142, 190, 75, 23, window, ButtonStyle::Ok);
  MakeLabel(ProgramTitle, 60, 20, 241, 14, window, LabelStyle::Center);
  MakeLabel(MakerNotice(), 60, 50, 241, 14, window, 0);
  MakeLabel(u"The maker's web site:", 60, 104, 241, 14, window, 0);
  Ref<TGadget> web = MakeButton(MakerHost, 120, 128, 120, 23, window, ButtonStyle::Push);
  // Enter takes the focused OK and Escape the window's only OK, as in a notice of the platform.
  FocusGadget(ok);
  for (;;) {
    WaitNextEvent();
    int32_t id = ActiveEventId();
    // Any close box closes About, the main window's included.
    if (id == WindowClose) break;
    if (id != GadgetAction) continue;
    const TObject* source = ActiveEventSource().get();
    if (source == ok.get()) break;
    if (source == web.get()) {
      OpenURL(MakerUrl());
      break;
    }
  }
  DestroyGadget(window);
}
