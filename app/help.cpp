// The Help window: the two-language text in a text area and its Ok button.
#include "app/program.h"
#include "app/texts.h"
#include "event/event.h"
#include "event/queue.h"
#include "gui/toolkit.h"

namespace {
Ref<TGadget> helpWindow;
Ref<TGadget> helpArea;
Ref<TGadget> helpOk;
}  // namespace

void ShowHelp() {
  helpWindow = MakeWindow(u" Help", 199, 208, 400, 500, nullptr, WindowStyle::TitleBar);
  helpArea = MakeTextArea(10, 10, 375, 400, helpWindow, 0);
  ChangeGadgetText(helpArea, HelpTitleText());
  AppendTextAreaText(helpArea, HelpBodyText());
  helpOk = MakeButton(u"Ok", 300, 430, 75, 23, helpWindow, ButtonStyle::Ok);
  // Enter on the focused Ok or Escape closes Help, as its Ok does for the mouse; Tab in the text
  // would be typed into it.
  FocusGadget(helpOk);
  for (;;) {
    WaitNextEvent();
    int32_t id = ActiveEventId();
    // Every other event is dropped: a close box, of this window or of the main one, included.
    if (id == GadgetAction && ActiveEventSource().get() == helpOk.get()) break;
  }
  DestroyGadget(helpWindow);
  helpOk = nullptr;
  helpArea = nullptr;
  helpWindow = nullptr;
}
