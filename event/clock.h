// Date and time texts in the classic locale, from a given calendar time.
#pragma once

#include <ctime>
#include <string>

// "%d %b %Y": two-digit day, English three-letter month, four-digit year ("01 Mar 2027").
std::u16string DateText(const std::tm& when);
// "%H:%M:%S": 24-hour two-digit hours, minutes and seconds ("21:05:03").
std::u16string TimeText(const std::tm& when);
// The local calendar time of a clock reading.
std::tm LocalCalendarTime(std::time_t when);
