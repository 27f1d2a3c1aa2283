// Shared set-up of the Win32 gadget driver tests: started modules, pumping and reading the queue.
#pragma once

#include <windows.h>
// The toolkit's slider operations share their names with platform macros.
#undef SetProp
#undef GetProp

#include <gtest/gtest.h>

#include <vector>

#include "event/event.h"
#include "gui/toolkit.h"

// One event as the queue handed it out.
struct Seen {
  int32_t id;
  Ref<TObject> source;
  int32_t data, mods, x, y;
  Ref<TObject> extra;
};

// Starts the driver and the queue once, and empties the queue before each test.
class DriverTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;
};

// Pumps the thread's messages until none wait, through the driver's pump (PumpSystem).
void Pump();
// Pumps and takes every waiting event.
std::vector<Seen> TakeEvents();
// The events of `id` among `events` (from `source` when it is given).
std::vector<Seen> Only(const std::vector<Seen>& events, int32_t id, const Ref<TObject>& source = nullptr);
// Sends key presses as hardware input (down and up each) and pumps them through.
void PressKeys(const std::vector<WORD>& keys);
// Sends one key going down (or, with `up`, coming up) as hardware input and pumps it through; a
// second down without an up in between is the key held (an auto-repeat).
void SendKey(WORD key, bool up = false);
// Holds `keys` down in their order and lets them go in the reverse one, pumping after each: a
// chord such as Shift+Tab ({VK_SHIFT, VK_TAB}).
void PressChord(const std::vector<WORD>& keys);
// The native main window handle of a gadget.
HWND Hwnd(const Ref<TGadget>& g);
// A shown, activated top-level window for a test; freed by the caller (or at the fixture's end).
Ref<TGadget> TestWindow(int32_t style = WindowStyle::TitleBar, int32_t w = 400, int32_t h = 300);
