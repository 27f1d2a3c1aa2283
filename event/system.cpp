// The abstract system driver, the installed driver, the pump guard and the forwarders.
#include "event/system.h"

#include "event/hook.h"
#include "event/url.h"
#include "runtime/module.h"

Ref<TSystemDriver> ActiveSystemDriver;

namespace {
// One flag for both pumps: a hook that runs inside a pump and asks for another gets nothing.
bool pumpBusy = false;

// Clears the flag also when a hook lets a runtime error escape from the pump.
class TPumpGuard {
 public:
  TPumpGuard() { pumpBusy = true; }
  ~TPumpGuard() { pumpBusy = false; }
  TPumpGuard(const TPumpGuard&) = delete;
  TPumpGuard& operator=(const TPumpGuard&) = delete;
};
}  // namespace

int32_t TSystemDriver::Poll() { ThrowNullMethod(); }
int32_t TSystemDriver::Wait() { ThrowNullMethod(); }
int32_t TSystemDriver::MoveMouse(int32_t, int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::SetMouseVisible(int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::Notify(const std::u16string&, int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::Confirm(const std::u16string&, int32_t) { ThrowNullMethod(); }
int32_t TSystemDriver::Proceed(const std::u16string&, int32_t) { ThrowNullMethod(); }
std::u16string TSystemDriver::RequestFile(const std::u16string&, const std::u16string&, int32_t,
                                          const std::u16string&) {
  ThrowNullMethod();
}
std::u16string TSystemDriver::RequestDir(const std::u16string&, const std::u16string&) { ThrowNullMethod(); }
int32_t TSystemDriver::OpenURL(const std::u16string&) { ThrowNullMethod(); }

void SystemModuleStart() {
  static bool started;
  if (!EnterModule(started)) return;
  RuntimeModuleStart();
  EventModuleStart();
  // A driver installed before the module started (a test's) stays; otherwise the slot holds the
  // abstract base until the platform's module replaces it, so a pump raises instead of crashing.
  if (!ActiveSystemDriver) ActiveSystemDriver = New<TSystemDriver>();
}

void PumpSystem() {
  if (pumpBusy) return;
  TPumpGuard guard;
  // The reference keeps the driver alive if something replaces it while it pumps.
  Ref<TSystemDriver> driver = ActiveSystemDriver;
  driver->Poll();
}

void AwaitSystem() {
  if (pumpBusy) return;
  TPumpGuard guard;
  Ref<TSystemDriver> driver = ActiveSystemDriver;
  driver->Wait();
}

bool SystemPumpBusy() { return pumpBusy; }

int32_t MoveMouse(int32_t x, int32_t y) {
  ActiveSystemDriver->MoveMouse(x, y);
  return 0;
}

int32_t Notify(const std::u16string& text, int32_t serious) {
  ActiveSystemDriver->Notify(text, serious);
  return 0;
}

int32_t Confirm(const std::u16string& text, int32_t serious) {
  return ActiveSystemDriver->Confirm(text, serious);
}

int32_t Proceed(const std::u16string& text, int32_t serious) {
  return ActiveSystemDriver->Proceed(text, serious);
}

std::u16string RequestFile(const std::u16string& text, const std::u16string& exts, int32_t save,
                           const std::u16string& path) {
  return ActiveSystemDriver->RequestFile(text, exts, save, path);
}

std::u16string RequestDir(const std::u16string& text, const std::u16string& path) {
  return ActiveSystemDriver->RequestDir(text, path);
}

void ShowPointer() { ActiveSystemDriver->SetMouseVisible(1); }
void HidePointer() { ActiveSystemDriver->SetMouseVisible(0); }

int32_t OpenURL(const std::u16string& url) {
  return ActiveSystemDriver->OpenURL(NormaliseURL(url, ExistingAbsolutePath));
}
