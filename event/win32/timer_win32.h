// The multimedia timer as the timers' platform.
#pragma once

// Makes the multimedia timer the platform of every timer made from now on.
void InstallWin32TimerPlatform();
