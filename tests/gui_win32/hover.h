// Hovering for the tooltip tests: the pointer moved as hardware input, and the tip that shows.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "tests/gui_win32/support.h"

// Moves the pointer to `at` (client coordinates of `hwnd`) as hardware input, and pumps.
void HoverAt(HWND hwnd, POINT at);

// Pumps until `done` or until `wait` has passed (a clock of its own: the 32-bit build's tick count
// may stand still under emulation).
template <class Done>
void PumpUntil(Done done, std::chrono::milliseconds wait) {
  for (auto end = std::chrono::steady_clock::now() + wait;
       !done() && std::chrono::steady_clock::now() < end;) {
    Sleep(20);
    Pump();
  }
}

// The text of the tip `tips` shows for the tool under the pointer, or u"" when it shows none
// within a while (longer when one is `expected`, as a busy machine may be slow to show it).
std::u16string ShownTip(HWND tips, bool expected);

// Moves the pointer to a corner of `window`'s client area and waits until `tips` shows nothing.
void HoverAway(HWND window, HWND tips);
