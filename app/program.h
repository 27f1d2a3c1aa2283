// The program's statements and the state they share: the main window, watch mode, the alert,
// and the Help and About windows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/snapshot.h"
#include "gui/gadget.h"

// The main window, its list area and its four buttons.
extern Ref<TGadget> mainWindow;
extern Ref<TGadget> listArea;
extern Ref<TGadget> aboutButton;
extern Ref<TGadget> helpButton;
extern Ref<TGadget> goButton;
extern Ref<TGadget> exitButton;
// The record the current walk fills; the start-up list and the watch each make a new one.
extern std::unique_ptr<PROCESSENTRY32> currentEntry;
// The line being built for the list; later the alert's text.
extern std::u16string lineText;
// The name of the last entry that the latest scan walked over; empty until a scan sees one.
extern std::u16string lastName;

// The program's own statements: title, main window, tray icon, start-up list, dispatch. Never
// returns: every way out ends the program.
[[noreturn]] void RunProgram();

// The main window with its list area and buttons, in the order the user sees them built.
void BuildMainWindow();
// One numbered line per entry of a fresh walk (the first entry is never delivered).
void ListTasks();
// The main window's event loop.
[[noreturn]] void DispatchMainWindow();

// Minimises the main window and scans until the last process listed is not the program itself.
[[noreturn]] void WatchForNewTask();
// Replaces the main window and tray icon by the alert naming lastName; ends the program.
[[noreturn]] void ShowAlert();

// Modal windows over the same event queue; they return once dismissed.
void ShowHelp();
void ShowAbout();

// Removes the tray icon and ends the program with status 0.
[[noreturn]] void QuitProgram();

// Asks the window manager to repaint a native window at once (events are not pumped meanwhile).
void RepaintNow(intptr_t nativeWindow);
