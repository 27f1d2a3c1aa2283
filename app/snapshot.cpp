// Reading the executable name out of a process-entry record.
#include "app/snapshot.h"

#include <algorithm>
#include <iterator>

std::u16string ReadExeName(const PROCESSENTRY32& entry) {
  const char16_t* begin = std::begin(entry.szExeFile);
  const char16_t* end = std::find(begin, std::end(entry.szExeFile), u'\0');
  return std::u16string(begin, end);
}
