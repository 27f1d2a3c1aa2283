// Start-up of the Win32 gadget driver module: what a Windows program calls once before it makes
// gadgets.
#pragma once

// Starts the toolkit and the Win32 system driver, initialises OLE and the common controls,
// installs a TWin32GUIDriver as the toolkit's active driver, and registers the exit handlers that
// remove the driver's thread hooks and give OLE and the screen device context back.
void Win32GuiModuleStart();
