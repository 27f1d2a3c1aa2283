// The guide program's scripted run: the window resized as a user's drag would, the canvas painted
// and read back, the background sum shown, the caught error shown, and a run that ends on an
// uncaught error.
#include "examples/script/script.h"

#include <windows.h>

#include <string>

#include "docs/examples/guide.h"
#include "runtime/text.h"
#include "runtime/wide.h"

using namespace script;

namespace {

// Runs this program again with `flag`; its exit status, or -1 when it did not end within 60 s.
DWORD RunSelfWith(const char* flag) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::u16string command = u"\"" + FromWide(path) + u"\" " + FromUtf8(flag);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(path, Wide(command), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
    return static_cast<DWORD>(-1);
  DWORD status = static_cast<DWORD>(-1);
  if (WaitForSingleObject(child.hProcess, 60000) == WAIT_OBJECT_0)
    GetExitCodeProcess(child.hProcess, &status);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return status;
}

}  // namespace

int RunGuideScript(Guide& guide) {
  HandleEventsWith([&](int32_t id) { return guide.Handle(id); });

  // Layout: the window grows by 100 by 50 as a user's drag of its corner would make it.
  const HWND window = Hwnd(guide.window);
  Check(WaitUntil([&] { return guide.paints > 0; }), "the canvas was asked to paint");
  const int32_t okX = GetGadgetX(guide.ok), okY = GetGadgetY(guide.ok), okW = GetGadgetWidth(guide.ok);
  const int32_t listW = GetGadgetWidth(guide.list), canvasX = GetGadgetX(guide.canvas);
  RECT frame{};
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 50,
               SWP_NOMOVE | SWP_NOZORDER);
  Check(WaitUntil([&] { return GetGadgetX(guide.ok) == okX + 100; }), "the button follows the right edge");
  Check(GetGadgetY(guide.ok) == okY + 50, "the button follows the bottom edge");
  Check(GetGadgetWidth(guide.ok) == okW, "the button keeps its width");
  Check(GetGadgetWidth(guide.list) == listW + 100, "the list grows with the window");
  Check(GetGadgetX(guide.canvas) == canvasX + 100, "the canvas stays at the top right");
  RECT listRect{};
  GetWindowRect(Hwnd(guide.list), &listRect);
  Check(listRect.right - listRect.left == listW + 100, "the list's native control has the new width");

  // Canvas: uncovering it asks for paint again; the program's colour is what the screen shows.
  const HWND canvas = Hwnd(guide.canvas);
  const int32_t paintsBefore = guide.paints;
  InvalidateRect(canvas, nullptr, TRUE);
  Check(WaitUntil([&] { return guide.paints > paintsBefore; }), "an invalidated canvas sends GadgetPaint");
  HDC dc = GetDC(canvas);
  const COLORREF shown = GetPixel(dc, 5, 5);
  ReleaseDC(canvas, dc);
  Check(shown == CanvasSky, "the canvas shows the colour the program painted: " + std::to_string(shown));

  // A call from another thread: the sum arrives on the main thread while the loop waits.
  const HWND sum = Hwnd(guide.sum);
  Check(WaitUntil([&] { return WindowText(sum) == "Sum: 500500"; }), "the sum shows: " + WindowText(sum));

  // Errors: the caught one is shown; an uncaught one ends a program with status 1.
  const std::string caught = WindowText(Hwnd(guide.error));
  Check(caught == "Caught: Gadget function called with a Null gadget", "the caught error shows: " + caught);
  Check(RunSelfWith("--uncaught") == 1, "an uncaught runtime error ends the program with status 1");

  // The OK button ends the program.
  RECT ok{};
  GetClientRect(Hwnd(guide.ok), &ok);
  Click(Hwnd(guide.ok), POINT{ok.right / 2, ok.bottom / 2});
  Check(WaitUntil([&] { return Ended(); }), "OK ends the program");
  return Result();
}
