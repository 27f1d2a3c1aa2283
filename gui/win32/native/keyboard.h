// Keyboard navigation in the toolkit's windows: the tab order of a whole window, Tab and Ctrl+Tab,
// Enter on a button and Escape.
#pragma once

#include <windows.h>

#include <vector>

// Every control of the top-level window `root` that the focus can land on now (a tab stop that is
// shown and enabled, its containers too), in the order the gadgets were made: the contents of a
// panel, group box or tabber page come where the container stands.
std::vector<HWND> TabStopsOf(HWND root);
// The tab stop after (or, backward, before) the one holding `from`, wrapping round at the ends;
// from a container or the window itself, the first (last) stop after (before) it. None when the
// window has no stop or `from` is in no toolkit window.
HWND NextTabStop(HWND from, bool backward);
// The window's first tab stop, or none.
HWND FirstTabStop(HWND root);
// A window opened before its controls were made holds the focus itself: the first control that
// shows in it and takes the focus gets it, as it would have had the window been filled first.
void TakeFocusFromItsWindow(HWND shown);
// Focus rectangles and access-key underlines follow the platform's rule: unless the user chose to
// see them always, a window opens with them hidden (when the mouse opened it) and shows them once
// the keyboard is used in it. Asks the platform to set them up for the top-level window `root`;
// called as the window is first activated.
void InitializeCues(HWND root);
// True for the position WM_CONTEXTMENU carries when a key asked for the menu rather than the mouse.
inline bool ContextMenuFromKeyboard(LPARAM lp) {
  return static_cast<short>(LOWORD(lp)) == -1 && static_cast<short>(HIWORD(lp)) == -1;
}
// A menu asked for from the keyboard opens at the place the request names (the focused entry, the
// caret), not at the pointer, which may be anywhere. A kind answering such a request notes that
// place (in the control's client pixels); it holds until a mouse button or another key goes down.
void NoteKeyboardMenuAt(HWND control, POINT client);
// The place the last keyboard menu request named, in screen pixels, when no other input came since;
// false otherwise. Taken once.
bool TakeKeyboardMenuPlace(POINT& screen);
// Takes a key message off the queue when it is one of the toolkit's navigation keys for a control
// in a toolkit window: Tab and Shift+Tab move the focus (Ctrl+Tab out of a control that keeps Tab
// for itself, and in a tabber changes its page), Enter presses a focused push button, Escape the
// window's shown, enabled Cancel-style button (without one, its OK-style button), Shift+F10 and
// the menu key ask the focused control for its context menu (WM_CONTEXTMENU, from the keyboard). True when
// the key was used; it then must not reach the control. Any navigation key (Tab, an arrow, the menu
// keys) shows the window's focus rectangles and Alt its access-key underlines, used or not.
bool TakeNavigationKey(const MSG& message);
