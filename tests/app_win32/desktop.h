// Finding another process's windows, reading their texts, pressing their buttons and taking
// pictures of them, the way a user would see and use them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The window class of every window the program's gadget driver makes.
inline constexpr char GadgetWindowClass[] = "TAMBERLO_WINDOW_CLASS";

std::string ClassOf(HWND window);
// The window's text through WM_GETTEXT (sent to its thread; "" when it does not answer in time).
std::string TextOf(HWND window, DWORD timeoutMs = 5000);
// Top-level windows of a process with the given class and exact title.
std::vector<HWND> TopWindows(DWORD processId, const std::string& cls, const std::string& title);
// Waits until such a window exists; nullptr after the time is up.
HWND WaitTopWindow(DWORD processId, const std::string& cls, const std::string& title, DWORD timeoutMs);
// Direct children of a window with the given class (case ignored), in the order the system lists them.
std::vector<HWND> ChildWindows(HWND parent, const std::string& cls);
// The child of that class whose text is exactly `text`, or nullptr.
HWND ChildWithText(HWND parent, const std::string& cls, const std::string& text);
// Waits until the window has such a child (gadgets appear after their window has its title).
HWND WaitChildWithText(HWND parent, const std::string& cls, const std::string& text, DWORD timeoutMs = 5000);
// A child's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// Waits for a condition, checking every 20 ms; true when it held in time.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// True once the window's thread answers a sent message, i.e. it runs a message loop again.
bool Responds(HWND window, DWORD timeoutMs = 5000);

// A button press as the button itself makes it (BM_CLICK), posted so that a modal loop the press
// opens does not hold the caller.
void Press(HWND button);
// The focus window of the thread that runs `window` (another process's).
HWND FocusOf(HWND window);
// Holds the keys down in order and lets them go in reverse, as real input to the foreground
// window.
void Chord(const std::vector<WORD>& keys);
// The title bar's close box (the system menu's close command).
void PressCloseBox(HWND window);

// Splits a text area's text into lines at carriage returns (a CR LF pair counts as one break).
// A text ending in a break has no empty last line.
std::vector<std::string> SplitLines(const std::string& text);

// Saves what the screen shows of the window as a PNG file in the screenshots folder beside the
// test program; returns the file's path ("" on failure).
std::string SaveScreenshot(HWND window, const std::string& name);
