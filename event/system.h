// The system driver interface, the installed driver and the module-level functions over it.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/object.h"

// The event system's door to the platform. Every operation is abstract here: calling one on the
// base class raises TNullMethodException.
class TSystemDriver : public TObject {
 public:
  // Dispatches every waiting platform message of the main thread, without sleeping.
  virtual int32_t Poll();
  // Sleeps until a platform message arrives for the main thread, then dispatches every waiting one.
  virtual int32_t Wait();
  // Puts the pointer at screen position x, y.
  virtual int32_t MoveMouse(int32_t x, int32_t y);
  // Shows (non-zero) or hides the pointer inside the program's windows.
  virtual int32_t SetMouseVisible(int32_t visible);
  // A message box with an OK button; `serious` shows it as an error.
  virtual int32_t Notify(const std::u16string& text, int32_t serious);
  // A message box with OK and Cancel; 1 for OK, else 0.
  virtual int32_t Confirm(const std::u16string& text, int32_t serious);
  // A message box with Yes, No and Cancel; 1 yes, 0 no, -1 cancelled.
  virtual int32_t Proceed(const std::u16string& text, int32_t serious);
  // The platform's file chooser (for saving when `save` is non-zero); the chosen path, or the empty
  // text when cancelled.
  virtual std::u16string RequestFile(const std::u16string& text, const std::u16string& exts, int32_t save,
                                     const std::u16string& path);
  // The platform's folder chooser; the chosen folder, or the empty text when cancelled.
  virtual std::u16string RequestDir(const std::u16string& text, const std::u16string& path);
  // Hands a URL to the shell to open with what it is associated with; answers 0 whatever the shell
  // did.
  virtual int32_t OpenURL(const std::u16string& url);
};

// The installed driver; the platform's system module sets it at start-up, tests install their own.
// Until a platform driver is installed it is the abstract base, whose operations raise.
extern Ref<TSystemDriver> ActiveSystemDriver;

// Starts the event module and fills the driver slot (with the abstract base when it is empty).
void SystemModuleStart();

// Pump the platform's messages once / sleep until a message comes and pump. Both return at once
// when a pump is already running (a hook that pumps from inside a pump). Both raise
// TNullMethodException while the driver slot holds the abstract base (no platform module started).
void PumpSystem();
// Sleeps until a platform message comes, then pumps; returns at once inside a running pump.
void AwaitSystem();
// True while PumpSystem or AwaitSystem runs the driver; a wait that starts now could never end.
bool SystemPumpBusy();

// Forwarders to ActiveSystemDriver. MoveMouse and Notify answer 0; Confirm 1 for OK, else 0;
// Proceed 1 yes, 0 no, -1 cancelled; the choosers the chosen path or the empty text.
int32_t MoveMouse(int32_t x, int32_t y);
// Shows `text` in a message box with OK and waits for it (`serious`: as an error); answers 0. The
// texts of the message boxes and choosers go to the platform whole, in UTF-16; a NUL inside one
// ends it where the platform reads it, an unpaired surrogate is passed on.
int32_t Notify(const std::u16string& text, int32_t serious);
// Asks `text` with OK and Cancel: 1 for OK, 0 for Cancel.
int32_t Confirm(const std::u16string& text, int32_t serious);
// Asks `text` with Yes, No and Cancel: 1, 0 or -1.
int32_t Proceed(const std::u16string& text, int32_t serious);
// exts lists filter groups, "Description:ext,ext;Description:ext"; a list without ":" is one group.
// The initial file name is cut to 4095 UTF-16 units, before a surrogate pair that would not fit;
// the chosen path comes back whole, whatever its characters.
std::u16string RequestFile(const std::u16string& text, const std::u16string& exts, int32_t save,
                           const std::u16string& path);
// The platform's folder chooser titled `text`, starting in `path`; the chosen folder, or the empty
// text when cancelled.
std::u16string RequestDir(const std::u16string& text, const std::u16string& path);
// Shows the pointer again after HidePointer.
void ShowPointer();
// Hides the pointer while it is inside one of the program's windows.
void HidePointer();
// Web and file URLs go on unchanged; anything else becomes a file URL when it names an existing
// file or folder, else a web URL (see event/url.h).
int32_t OpenURL(const std::u16string& url);

// Local date "06 Dec 2026" and time "21:05:03", always in the classic locale.
std::u16string CurrentDateText();
// The local time, "21:05:03".
std::u16string CurrentTimeText();
// Sleeps the calling thread without pumping; negative values return at once.
void PauseMillis(int32_t ms);
// The platform's 32-bit millisecond clock; read as signed it wraps, differences stay right.
int32_t ElapsedMillis();
