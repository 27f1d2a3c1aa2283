// Display scale: the DPI a window is shown at, and program units (pixels at 96 DPI) to the
// platform's pixels and back, applied once where the toolkit meets the platform.
#pragma once

#include <windows.h>

#include <cstdint>

// The program writes every position and size for a screen of 96 DPI, the scale the platform gives
// a program that declares nothing.
constexpr int ProgramDpi = USER_DEFAULT_SCREEN_DPI;

// Program units to pixels at `dpi` and back. MulDiv rounds to the nearest, so a value scaled out
// and back in is the value again at any DPI of 96 or more.
inline int32_t ToPixels(int32_t v, int dpi) { return MulDiv(v, dpi, ProgramDpi); }
inline int32_t ToProgram(int32_t v, int dpi) { return MulDiv(v, ProgramDpi, dpi); }

// A shape (x, y, width, height) as the platform's rectangle at `dpi`, and a rectangle back as a
// program shape in a RECT. Position and size are scaled apart, not the corners, so a width
// survives the round trip wherever the shape sits.
RECT ShapeToPixels(int32_t x, int32_t y, int32_t w, int32_t h, int dpi);
RECT RectToProgram(const RECT& r, int dpi);

// Asks the platform to let the toolkit scale for each screen itself: per-monitor v2, else
// per-monitor, else the system's scale. A program whose manifest already said so is refused, as is
// a process that has drawn already; either way what stands is kept.
void DeclareDpiAwareness();

// The screen's DPI: the one of a process aware of the system scale only, and of the desktop.
int SystemDpi();
// The DPI the window is shown at: the one its top-level window last took from a change of DPI,
// else the platform's DPI of that window where it tracks one per window, else the screen's.
int DpiOf(HWND hwnd);
// Records the DPI a top-level window took from a change of DPI; 0 forgets it (its window went).
void SetWindowDpi(HWND root, int dpi);

// MoveWindow with a shape in program units, scaled by the window's DPI.
void MoveNativeWindow(HWND hwnd, int32_t x, int32_t y, int32_t w, int32_t h);
// The window's client rectangle in program units.
RECT ProgramClientRect(HWND hwnd);

// The platform's calls for a given DPI, falling back to their screen-DPI forms where the platform
// lacks them (before Windows 10 1607): the window frame around a client rectangle, a system
// metric and the non-client metrics (with the message font).
BOOL AdjustFrameForDpi(RECT* r, DWORD style, BOOL menu, DWORD exStyle, int dpi);
int SystemMetricForDpi(int index, int dpi);
BOOL NonClientMetricsForDpi(NONCLIENTMETRICSW* metrics, int dpi);

// A mouse message's position carried in program units, for the raw input a sensitive gadget
// reports; other messages come back as they are.
LPARAM ProgramMousePosition(HWND hwnd, UINT msg, LPARAM lp);
