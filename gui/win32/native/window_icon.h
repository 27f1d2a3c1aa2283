// The program's icon on a top-level window, at the small and large icon sizes of its DPI.
#pragma once

#include <windows.h>

// Gives the window the program's icon (resource 101) in the small and large sizes the platform
// uses at `dpi`, each image drawn for its size where the icon file has it. Without the resource the
// window keeps its class's icon.
void SetWindowIcons(HWND window, int dpi);
