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
extern Ref<TSystemDriver> ActiveSystemDriver;

void SystemModuleStart();

// Pump the platform's messages once / sleep until a message comes and pump. Both return at once
// when a pump is already running (a hook that pumps from inside a pump).
void PumpSystem();
void AwaitSystem();
