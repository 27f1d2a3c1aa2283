// Event records: creation, emission, text form and private ids.
#include "event/event.h"

#include <vector>

#include "event/hook.h"
#include "runtime/text.h"
#include "runtime/thread.h"

namespace {

struct NamedId {
  int32_t id;
  std::u16string_view name;
};

// Kept beside the constants in event.h; the hot-key id is left out on purpose.
constexpr NamedId eventNames[] = {
    {AppSuspend, u"AppSuspend"},
    {AppResume, u"AppResume"},
    {AppTerminate, u"AppTerminate"},
    {AppOpenFile, u"AppOpenFile"},
    {AppIdle, u"AppIdle"},
    {KeyDown, u"KeyDown"},
    {KeyUp, u"KeyUp"},
    {KeyChar, u"KeyChar"},
    {KeyRepeat, u"KeyRepeat"},
    {MouseDown, u"MouseDown"},
    {MouseUp, u"MouseUp"},
    {MouseMove, u"MouseMove"},
    {MouseWheel, u"MouseWheel"},
    {MouseEnter, u"MouseEnter"},
    {MouseLeave, u"MouseLeave"},
    {TimerTick, u"TimerTick"},
    {GadgetAction, u"GadgetAction"},
    {GadgetPaint, u"GadgetPaint"},
    {GadgetSelect, u"GadgetSelect"},
    {GadgetMenu, u"GadgetMenu"},
    {GadgetOpen, u"GadgetOpen"},
    {GadgetClose, u"GadgetClose"},
    {GadgetDone, u"GadgetDone"},
    {GadgetLostFocus, u"GadgetLostFocus"},
    {GadgetShape, u"GadgetShape"},
    {WindowMove, u"WindowMove"},
    {WindowSize, u"WindowSize"},
    {WindowClose, u"WindowClose"},
    {WindowActivate, u"WindowActivate"},
    {WindowAccept, u"WindowAccept"},
    {WindowScale, u"WindowScale"},
    {MenuAction, u"MenuAction"},
    {StreamEof, u"StreamEof"},
    {StreamAvail, u"StreamAvail"},
    {ProcessExit, u"ProcessExit"},
};

// Counted in unsigned arithmetic so that running past the top stays defined.
uint32_t lastUserId = 0x80000000u;

// Freed events of the plain class are kept for reuse, up to a bound, so that a steady flow of
// events does not touch the general heap. Builds with the address checker skip the reuse so that
// it sees every event's lifetime.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t keptEventsMax = 0;
#else
constexpr std::size_t keptEventsMax = 1024;
#endif

// Never destroyed: events held by globals may be released after every static has gone.
std::vector<void*>& KeptEvents() {
  static auto* kept = [] {
    auto* v = new std::vector<void*>();
    v->reserve(keptEventsMax);
    return v;
  }();
  return *kept;
}

bool IsPrivateId(int32_t id) { return (static_cast<uint32_t>(id) & 0x80000000u) != 0; }

}  // namespace

std::u16string_view EventIdName(int32_t id) {
  for (const auto& n : eventNames)
    if (n.id == id) return n.name;
  return {};
}

std::u16string TEvent::ToString() const {
  std::u16string s;
  if (auto name = EventIdName(id); !name.empty()) {
    s = name;
  } else if (IsPrivateId(id)) {
    s = u"UserEvent" + IntText(static_cast<int64_t>(static_cast<uint32_t>(id) - 0x80000000u));
  } else {
    s = u"Unknown Event, id=" + IntText(id);
  }
  s += u": data=" + IntText(data);
  s += u", mods=" + IntText(mods);
  s += u", x=" + IntText(x);
  s += u", y=" + IntText(y);
  s += u", extra=\"";
  if (auto* text = dynamic_cast<const TText*>(extra.get())) s += text->Value();
  s += u'"';
  return s;
}

void* TEvent::operator new(std::size_t size) {
  auto& kept = KeptEvents();
  if (size == sizeof(TEvent) && !kept.empty()) {
    void* p = kept.back();
    kept.pop_back();
    return p;
  }
  return ::operator new(size);
}

void TEvent::operator delete(void* p, std::size_t size) noexcept {
  auto& kept = KeptEvents();
  if (size == sizeof(TEvent) && kept.size() < keptEventsMax)
    kept.push_back(p);
  else
    ::operator delete(p);
}

int32_t TEvent::Emit() {
  // Every event passes here: the one place to refuse another thread, whose hooks would race.
  RequireMainThread(u"Emit");
  CallHooks(EventHookId, Ref<TObject>(this));
  return 0;
}

Ref<TEvent> TEvent::Create(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                           Ref<TObject> extra) {
  return New<TEvent>(id, std::move(source), data, mods, x, y, std::move(extra));
}

int32_t TEvent::AllocUserId() { return static_cast<int32_t>(++lastUserId); }

Ref<TEvent> MakeEvent(int32_t id, Ref<TObject> source, int32_t data, int32_t mods, int32_t x, int32_t y,
                      Ref<TObject> extra) {
  return TEvent::Create(id, std::move(source), data, mods, x, y, std::move(extra));
}

int32_t NewUserEventId() { return TEvent::AllocUserId(); }
