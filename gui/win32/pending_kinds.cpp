// Stand-ins for the kinds still being built: their gadgets get no native object, and their
// operations do nothing. Each block goes when its kind's own file defines it.
#include "gui/win32/gadget_win32.h"
#include "gui/win32/vell.h"
#include "gui/win32/win32_driver.h"

// --- list box ---
VellListBox* Win32GuiDriver::NewListBox(VellGroup*, int32_t) { return nullptr; }

// --- combo box ---
VellComboBox* Win32GuiDriver::NewComboBox(VellGroup*, int32_t) { return nullptr; }

// --- tabber ---
VellTabber* Win32GuiDriver::NewTabber(VellGroup*, int32_t) { return nullptr; }


