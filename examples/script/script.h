// The scripted run the examples offer with --script: input sent to the program's own windows the
// way a user's arrives, the program's own event handling kept running while the script waits, and
// checks of what the real controls show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "gui/toolkit.h"

namespace script {

// The program's reaction to one event, given the id WaitNextEvent answered; false ends the program.
using EventHandler = std::function<bool(int32_t id)>;

// True when the program was started with `flag` among its arguments.
bool HasArgument(const std::u16string& flag);

// While the script waits, every event goes to `handler`, as the program's own loop would pass it.
void HandleEventsWith(EventHandler handler);
// Handles events until `done` answers true (then true) or `ms` milliseconds pass (then false).
bool WaitUntil(const std::function<bool()>& done, int32_t ms = 10000);
// True once the handler answered false: the program asked to end.
bool Ended();

// Counts one check; a failed one is reported on standard error with `what`.
void Check(bool ok, const std::string& what);
// The exit status of the run: 0 when every check passed, else 1 (with a count on standard error).
int Result();

// Hardware input. A left click at point `at` of the window's client area; pressing `keys` down in
// order and letting them go in reverse (a chord such as {VK_CONTROL, 'N'}); typing `text`.
void Click(HWND window, POINT at);
void PressKeys(std::initializer_list<WORD> keys);
void TypeText(const std::string& text);

// Reading the controls back.
HWND Hwnd(const Ref<TGadget>& gadget);
std::string WindowText(HWND window);
// The item texts of a list box (a list view in report mode), top to bottom.
std::vector<std::string> ListTexts(HWND list);

}  // namespace script
