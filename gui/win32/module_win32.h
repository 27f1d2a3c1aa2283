// Start-up of the Win32 gadget driver module: what a Windows program calls once before it makes
// gadgets.
#pragma once

// The one start a toolkit program calls: starts the toolkit, the Win32 system driver, the event
// queue, timers and polled input, initialises OLE and the common controls, installs a
// TWin32GUIDriver as the toolkit's active driver, and registers the exit handlers that remove the
// driver's thread hooks and give OLE and the screen device context back. Later calls do nothing.
void Win32GuiModuleStart();
