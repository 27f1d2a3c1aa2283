// Repainting a native window at once, while the program does not pump its messages.
#include <windows.h>

#include "app/program.h"

void RepaintNow(intptr_t nativeWindow) { UpdateWindow(reinterpret_cast<HWND>(nativeWindow)); }
