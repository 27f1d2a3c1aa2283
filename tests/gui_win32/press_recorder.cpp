// Counting presses: an event hook that keeps the source of every action emitted.
#include "tests/gui_win32/press_recorder.h"

#include "event/event.h"
#include "event/hook.h"

namespace {

std::vector<Ref<TObject>> pressed;

Ref<TObject> RecordPress(int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
  if (auto* e = dynamic_cast<TEvent*>(data.get()); e && e->id == GadgetAction) pressed.push_back(e->source);
  return data;
}

}  // namespace

PressRecorder::PressRecorder() {
  pressed.clear();
  InstallHook(EventHookId, RecordPress, nullptr, 1000000);
}

PressRecorder::~PressRecorder() { UninstallHook(EventHookId, RecordPress, nullptr); }

const std::vector<Ref<TObject>>& PressRecorder::All() const { return pressed; }

size_t PressRecorder::Of(const Ref<TGadget>& g) const {
  size_t n = 0;
  for (const Ref<TObject>& s : pressed) n += s == Ref<TObject>(g) ? 1 : 0;
  return n;
}
