// A scripted system driver for tests: each pump runs the next scripted step instead of the
// platform's messages.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "event/system.h"

// Install with InstallTestSystemDriver(); queue steps with Script(). Poll and Wait each run at
// most one step (a step usually emits events) and count how often they were called.
class TTestSystemDriver : public TSystemDriver {
 public:
  int32_t Poll() override {
    ++polls;
    RunStep();
    return 0;
  }
  int32_t Wait() override {
    ++waits;
    RunStep();
    return 0;
  }
  int32_t MoveMouse(int32_t, int32_t) override { return 0; }
  int32_t SetMouseVisible(int32_t) override { return 0; }
  int32_t Notify(const std::u16string&, int32_t) override { return 0; }
  int32_t Confirm(const std::u16string&, int32_t) override { return 0; }
  int32_t Proceed(const std::u16string&, int32_t) override { return 0; }
  std::u16string RequestFile(const std::u16string&, const std::u16string&, int32_t,
                             const std::u16string&) override {
    return {};
  }
  std::u16string RequestDir(const std::u16string&, const std::u16string&) override { return {}; }
  int32_t OpenURL(const std::u16string&) override { return 0; }

  void Script(std::function<void()> step) { steps.push_back(std::move(step)); }

  int polls = 0;
  int waits = 0;
  std::deque<std::function<void()>> steps;

 private:
  void RunStep() {
    if (steps.empty()) return;
    auto step = std::move(steps.front());
    steps.pop_front();
    step();
  }
};

// Starts the system module and replaces whatever driver it installed with a fresh scripted one.
inline Ref<TTestSystemDriver> InstallTestSystemDriver() {
  SystemModuleStart();
  Ref<TTestSystemDriver> driver = New<TTestSystemDriver>();
  ActiveSystemDriver = driver;
  return driver;
}
