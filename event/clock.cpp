// Date and time texts, the millisecond clock and the sleep.
#include "event/clock.h"

#include <iomanip>
#include <locale>
#include <sstream>

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

// The stream carries the classic locale of its own, so whatever locale the program or a library
// selects globally, month names stay English and numbers plain.
std::u16string FormatClassic(const std::tm& when, const char* format) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::put_time(&when, format);
  return Widen(out.str());
}

}  // namespace

std::u16string DateText(const std::tm& when) { return FormatClassic(when, "%d %b %Y"); }
std::u16string TimeText(const std::tm& when) { return FormatClassic(when, "%H:%M:%S"); }

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
