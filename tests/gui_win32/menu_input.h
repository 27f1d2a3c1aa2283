// Real input for menus: a click on an item of the next menu that opens, chords, and a count of the
// menus alive in the process.
#pragma once

#include <windows.h>

#include <initializer_list>

// While it lives, the first menu window that opens on this thread gets a hardware click in the
// middle of item `index`; when none has opened some seconds on, it closes any menu and gives up.
// Only one at a time.
class MenuChooser {
 public:
  explicit MenuChooser(int index);
  ~MenuChooser();
  MenuChooser(const MenuChooser&) = delete;
  MenuChooser& operator=(const MenuChooser&) = delete;

  // True once a menu window was seen open.
  bool Opened() const;
  // The top-left corner of that menu window, in screen coordinates.
  POINT OpenedAt() const;
  // True once it has clicked or given up.
  bool Done() const;
};

// Runs `pump` until the chooser is done, then a little longer so that the choice lands.
void PumpWhileChoosing(const MenuChooser& choose, void (*pump)());

// Puts the pointer at a screen point and pumps until it is seen there: input of an earlier click
// may still be on its way and move it back.
void PointerTo(POINT screen);
// Moves the pointer to a screen point and clicks the left button there, as hardware input; the
// clicks wait in the thread's queue for whoever pumps next.
void SendClick(POINT screen);
// Presses the keys together as support.h's PressChord does, then gives the hooks time to see them.
void PressChord(std::initializer_list<WORD> keys);
// Clicks entry `entry` of the window's menu bar and then item `item` of the menu that opens.
void ChooseFromBar(HWND window, int entry, int item);
// How many menus (bars and popup menus) the process holds.
int LiveMenuCount();
