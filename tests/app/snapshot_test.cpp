// Reading executable names out of process-entry records.
#include "app/snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

TEST(ProcessEntry, NewRecordIsAllZero) {
  PROCESSENTRY32 entry;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&entry);
  for (std::size_t i = 0; i < sizeof entry; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
  EXPECT_EQ(ReadExeName(entry), u"");
}

TEST(ProcessEntry, NameEndsAtTheFirstNul) {
  PROCESSENTRY32 entry;
  std::memcpy(entry.szExeFile, u"Varnoc.exe\0stale.exe", 21 * sizeof(char16_t));
  EXPECT_EQ(ReadExeName(entry), u"Varnoc.exe");
}

TEST(ProcessEntry, ReadsA259CharacterNameWhole) {
  PROCESSENTRY32 entry;
  std::fill(entry.szExeFile, entry.szExeFile + 259, u'n');
  std::u16string name = ReadExeName(entry);
  EXPECT_EQ(name.size(), 259u);
  EXPECT_EQ(name, std::u16string(259, u'n'));
}

TEST(ProcessEntry, EveryUnitIsReadAsTheKernelWroteIt) {
  // Latin-1, Polish, Greek, Japanese, a pair outside the basic plane and a lone surrogate alike.
  const std::u16string name = u"\u00e9\u0141\u00f3d\u017a \u03a9 \u5199\u771f \U0001F600 \xDC00.exe";
  PROCESSENTRY32 entry;
  std::copy(name.begin(), name.end(), entry.szExeFile);
  EXPECT_EQ(ReadExeName(entry), name);
}

TEST(ProcessEntry, NeverReadsPastABufferWithoutNul) {
  // The bytes after the buffer are not part of the name, even when the buffer is full.
  struct {
    PROCESSENTRY32 entry;
    char after[16];
  } guarded;
  std::fill(std::begin(guarded.entry.szExeFile), std::end(guarded.entry.szExeFile), u'x');
  std::memset(guarded.after, 'y', sizeof guarded.after);
  EXPECT_EQ(ReadExeName(guarded.entry), std::u16string(260, u'x'));
}

}  // namespace
