// The guide's example program: start-up, the event loop and the window every chapter adds to.
// With --script it drives and checks itself; with --uncaught it ends on an error nothing caught.
#include "docs/examples/guide.h"

#include <windows.h>

#include "event/event.h"
#include "event/queue.h"
#include "examples/script/script.h"
#include "gui/win32/module_win32.h"
#include "runtime/startup.h"

namespace {

int scriptStatus = 0;

}  // namespace

void Guide::Build() {
  BuildLayout();
  BuildCanvas();
  StartSum();
  ShowCaughtError();
  for (const char16_t* line : {u"Resize the window:", u"the list grows,", u"the button stays put."})
    AppendGadgetEntry(list, line);
}

// [guide:canvas-event]
bool Guide::Handle(int32_t id) {
  const Ref<TObject> source = ActiveEventSource();
  if (id == WindowClose && source == window) return false;
  if (id == GadgetAction && source == ok) return false;
  if (id == GadgetPaint && source == canvas) {
    PaintCanvas(canvas);
    ++paints;
  }
  return true;
}
// [/guide:canvas-event]

namespace {

void Program() {
  ApplicationTitle = u"Guide";
  Win32GuiModuleStart();
  // [guide:errors-uncaught]
  // Nothing catches this one: RuntimeMain writes its text to standard error, runs the exit
  // handlers and ends the process with status 1.
  if (script::HasArgument(u"--uncaught")) ChangeGadgetText(nullptr, u"never shown");
  // [/guide:errors-uncaught]
  Guide guide;
  guide.Build();
  if (script::HasArgument(u"--script")) {
    scriptStatus = RunGuideScript(guide);
  } else {
    while (guide.Handle(WaitNextEvent())) {
    }
  }
  DestroyGadget(guide.window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int status = RuntimeMain(__argc, __argv, Program);
  return status != 0 ? status : scriptStatus;
}
