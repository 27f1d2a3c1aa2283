// Reading executable names out of process-entry records.
#include <gtest/gtest.h>

#include <cstring>

#include "app/snapshot.h"

namespace {

TEST(ProcessEntry, NewRecordIsAllZero) {
  PROCESSENTRY32 entry;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&entry);
  for (std::size_t i = 0; i < sizeof entry; ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
  EXPECT_EQ(ReadExeName(entry), u"");
}

TEST(ProcessEntry, NameEndsAtTheFirstNul) {
  PROCESSENTRY32 entry;
  std::memcpy(entry.szExeFile, "Varnoc.exe\0stale.exe", 21);
  EXPECT_EQ(ReadExeName(entry), u"Varnoc.exe");
}

TEST(ProcessEntry, ReadsA259ByteNameWhole) {
  PROCESSENTRY32 entry;
  std::memset(entry.szExeFile, 'n', 259);
  std::u16string name = ReadExeName(entry);
  EXPECT_EQ(name.size(), 259u);
  EXPECT_EQ(name, std::u16string(259, u'n'));
}

TEST(ProcessEntry, HighBytesBecomeCharactersOfTheSameValue) {
  PROCESSENTRY32 entry;
  for (int b = 128; b < 256; ++b) entry.szExeFile[b - 128] = static_cast<uint8_t>(b);
  std::u16string name = ReadExeName(entry);
  ASSERT_EQ(name.size(), 128u);
  for (int b = 128; b < 256; ++b) EXPECT_EQ(name[b - 128], char16_t(b));
}

TEST(ProcessEntry, NeverReadsPastABufferWithoutNul) {
  // The bytes after the buffer are not part of the name, even when the buffer is full.
  struct {
    PROCESSENTRY32 entry;
    char after[16];
  } guarded;
  std::memset(guarded.entry.szExeFile, 'x', sizeof guarded.entry.szExeFile);
  std::memset(guarded.after, 'y', sizeof guarded.after);
  EXPECT_EQ(ReadExeName(guarded.entry), std::u16string(260, u'x'));
}

}  // namespace
