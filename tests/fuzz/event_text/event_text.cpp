// Fuzz target: the text form of an event, for any id, numbers and extra.
#include <string>

#include "event/event.h"
#include "runtime/text.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

std::u16string Dec(int64_t v) {
  const std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  // Ids near the named ones and the private range turn up more often than chance would have it.
  int32_t id = in.ConsumeIntegral<int32_t>();
  switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
      id = static_cast<int32_t>(0x100u << in.ConsumeIntegralInRange<int>(0, 12)) +
           in.ConsumeIntegralInRange<int>(0, 9);
      break;
    case 1:
      id = static_cast<int32_t>(0x80000000u + in.ConsumeIntegralInRange<uint32_t>(0, 3));
      break;
    default:
      break;
  }
  const int32_t d = in.ConsumeIntegral<int32_t>();
  const int32_t mods = in.ConsumeIntegral<int32_t>();
  const int32_t x = in.ConsumeIntegral<int32_t>();
  const int32_t y = in.ConsumeIntegral<int32_t>();
  const int kind = in.ConsumeIntegralInRange<int>(0, 2);
  const std::u16string text = FuzzText(in, 100, "ab\",=: ");
  Ref<TObject> extra;
  if (kind == 1) extra = MakeText(text);
  if (kind == 2) extra = New<TObject>();

  const Ref<TEvent> event = MakeEvent(id, nullptr, d, mods, x, y, extra);
  const std::u16string s = event->ToString();

  // The numbers follow the name in a fixed order; only a text extra shows.
  const std::u16string tail = u": data=" + Dec(d) + u", mods=" + Dec(mods) + u", x=" + Dec(x) + u", y=" +
                              Dec(y) + u", extra=\"" + (kind == 1 ? text : u"") + u"\"";
  FUZZ_CHECK(s.size() > tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0);
  const std::u16string head = s.substr(0, s.size() - tail.size());
  const std::u16string_view name = EventIdName(id);
  if (!name.empty()) {
    FUZZ_CHECK(head == name);
  } else if (static_cast<uint32_t>(id) >= 0x80000000u) {
    FUZZ_CHECK(head == u"UserEvent" + Dec(static_cast<int64_t>(static_cast<uint32_t>(id) - 0x80000000u)));
  } else {
    FUZZ_CHECK(head == u"Unknown Event, id=" + Dec(id));
  }
  return 0;
}
