// The system driver interface, the installed driver and the module-level functions over it.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/object.h"

// The event system's door to the platform. Every operation is abstract here: calling one on the
// base class raises TNullMethodException.
class TSystemDriver : public TObject {
 public:
  virtual int32_t Poll();
  virtual int32_t Wait();
  virtual int32_t MoveMouse(int32_t x, int32_t y);
  virtual int32_t SetMouseVisible(int32_t visible);
  virtual int32_t Notify(const std::u16string& text, int32_t serious);
  virtual int32_t Confirm(const std::u16string& text, int32_t serious);
  virtual int32_t Proceed(const std::u16string& text, int32_t serious);
  virtual std::u16string RequestFile(const std::u16string& text, const std::u16string& exts, int32_t save,
                                     const std::u16string& path);
  virtual std::u16string RequestDir(const std::u16string& text, const std::u16string& path);
  virtual int32_t OpenURL(const std::u16string& url);
};

// The installed driver; the platform's system module sets it at start-up, tests install their own.
// Until a platform driver is installed it is the abstract base, whose operations raise.
extern Ref<TSystemDriver> ActiveSystemDriver;

// Starts the event module and fills the driver slot (with the abstract base when it is empty).
void SystemModuleStart();

// Pump the platform's messages once / sleep until a message comes and pump. Both return at once
// when a pump is already running (a hook that pumps from inside a pump).
void PumpSystem();
void AwaitSystem();
// True while PumpSystem or AwaitSystem runs the driver; a wait that starts now could never end.
bool SystemPumpBusy();

// Forwarders to ActiveSystemDriver. MoveMouse and Notify answer 0; Confirm 1 for OK, else 0;
// Proceed 1 yes, 0 no, -1 cancelled; the choosers the chosen path or the empty text.
int32_t MoveMouse(int32_t x, int32_t y);
int32_t Notify(const std::u16string& text, int32_t serious);
int32_t Confirm(const std::u16string& text, int32_t serious);
int32_t Proceed(const std::u16string& text, int32_t serious);
// exts lists filter groups, "Description:ext,ext;Description:ext"; a list without ":" is one group.
std::u16string RequestFile(const std::u16string& text, const std::u16string& exts, int32_t save,
                           const std::u16string& path);
std::u16string RequestDir(const std::u16string& text, const std::u16string& path);
void ShowPointer();
void HidePointer();
// Web and file URLs go on unchanged; anything else becomes a file URL when it names an existing
// file or folder, else a web URL (see event/url.h).
int32_t OpenURL(const std::u16string& url);

// Local date "06 Dec 2026" and time "21:05:03", always in the classic locale.
std::u16string CurrentDateText();
std::u16string CurrentTimeText();
// Sleeps the calling thread without pumping; negative values return at once.
void PauseMillis(int32_t ms);
// The platform's 32-bit millisecond clock; read as signed it wraps, differences stay right.
int32_t ElapsedMillis();
