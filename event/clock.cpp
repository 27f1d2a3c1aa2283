// Date and time texts, the millisecond clock and the sleep.
#include "event/clock.h"

#include <charconv>

#include "event/system.h"
#include "runtime/text.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which defines its types.
#include <mmsystem.h>
#else
#include <chrono>
#include <thread>
#endif

namespace {

// Month names and digits are written here, not through the C library or a stream: whatever
// locale the program or a library selects, month names stay English and numbers plain (and the
// program carries no stream or locale machinery for two short texts).
constexpr const char16_t* MonthNames[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                          u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};

// A number with at least `width` digits, zero-padded (a sign goes before the padding).
std::u16string Digits(long long value, int width) {
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, value < 0 ? -value : value).ptr;
  std::u16string s(value < 0 ? 1 : 0, u'-');
  for (auto n = end - buf; n < width; ++n) s.push_back(u'0');
  s.append(buf, end);
  return s;
}

}  // namespace

std::u16string DateText(const std::tm& when) {
  const int month = when.tm_mon;
  const std::u16string name = month >= 0 && month < 12 ? MonthNames[month] : u"?";
  return Digits(when.tm_mday, 2) + u" " + name + u" " +
         Digits(static_cast<long long>(when.tm_year) + 1900, 1);
}

std::u16string TimeText(const std::tm& when) {
  return Digits(when.tm_hour, 2) + u":" + Digits(when.tm_min, 2) + u":" + Digits(when.tm_sec, 2);
}

std::tm LocalCalendarTime(std::time_t when) {
  std::tm result{};
#ifdef _WIN32
  localtime_s(&result, &when);
#else
  localtime_r(&when, &result);
#endif
  return result;
}

std::u16string CurrentDateText() { return DateText(LocalCalendarTime(std::time(nullptr))); }
std::u16string CurrentTimeText() { return TimeText(LocalCalendarTime(std::time(nullptr))); }

void PauseMillis(int32_t ms) {
  if (ms < 0) return;
#ifdef _WIN32
  // Sleep(0) only gives up the rest of the time slice.
  Sleep(static_cast<DWORD>(ms));
#else
  if (ms == 0) {
    std::this_thread::yield();
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
#endif
}

int32_t ElapsedMillis() {
#ifdef _WIN32
  return static_cast<int32_t>(timeGetTime());
#else
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  return static_cast<int32_t>(static_cast<uint32_t>(ms));
#endif
}
