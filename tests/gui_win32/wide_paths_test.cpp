// File names beyond the 8-bit code page: an image in such a folder loads, and a dropped file hands
// back such a path whole, however long.
#include <cstdio>
#include <string>
#include <vector>

#include "gui/constants.h"
#include "gui/pixmap.h"
#include "runtime/text.h"
#include "tests/gui/image_bytes.h"
#include "tests/gui_win32/support.h"

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

std::u16string TempFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  return reinterpret_cast<const char16_t*>(temp);
}

bool WriteWide(const std::u16string& path, const Bytes& bytes) {
  FILE* f = _wfopen(W(path), L"wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  std::fclose(f);
  return ok;
}

// The block a file drop hands over, in its wide form: a header, then the names, each ending in a
// zero, with one more zero after the last. (The shell header that declares the header also
// declares a class named like the driver's desktop gadget.)
struct DropHeader {
  DWORD pFiles;
  POINT pt;
  BOOL fNC;
  BOOL fWide;
};

HGLOBAL WideDrop(const std::vector<std::u16string>& names, POINT at) {
  std::u16string list;
  for (const std::u16string& n : names) list += n + u'\0';
  list += u'\0';
  HGLOBAL h = GlobalAlloc(GHND, sizeof(DropHeader) + list.size() * sizeof(char16_t));
  auto* drop = static_cast<DropHeader*>(GlobalLock(h));
  drop->pFiles = sizeof(DropHeader);
  drop->pt = at;
  drop->fWide = TRUE;
  std::copy(list.begin(), list.end(), reinterpret_cast<char16_t*>(drop + 1));
  GlobalUnlock(h);
  return h;
}

class WidePaths : public DriverTest {};

TEST_F(WidePaths, AnImageInAFolderNamedBeyondTheCodePageLoads) {
  Bytes pixels;
  for (int i = 0; i < 6 * 4; ++i) pixels.insert(pixels.end(), {10, 200, static_cast<uint8_t>(i)});
  for (const std::u16string folderName : {u"\u0141\u00f3d\u017a", u"\u5199\u771f", u"\U0001F600"}) {
    const std::u16string folder = TempFolder() + folderName;
    const std::u16string file = folder + u"\\zdj\u0119cie \u65e5.png";
    SCOPED_TRACE(Utf8(file));
    CreateDirectoryW(W(folder), nullptr);
    ASSERT_TRUE(WriteWide(file, EncodePng(6, 4, 3, pixels)));
    Ref<TPixmap> p = LoadPixmap(MakeText(file));
    DeleteFileW(W(file));
    RemoveDirectoryW(W(folder));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 6);
    EXPECT_EQ(p->height, 4);
  }
}

TEST_F(WidePaths, ADroppedFileHandsBackItsPathWhole) {
  auto win = TestWindow(WindowStyle::TitleBar | WindowStyle::AcceptFiles);
  // A path longer than the platform's old 260-unit limit is handed back whole too.
  const std::vector<std::u16string> names = {
      u"C:\\\u0141\u00f3d\u017a\\\u5199\u771f \u20ac \U0001F600.png",
      u"C:\\" + std::u16string(300, u'\u0119') + u"\\end.txt",
  };
  TakeEvents();
  SendMessageW(Hwnd(win), WM_DROPFILES, reinterpret_cast<WPARAM>(WideDrop(names, POINT{12, 34})), 0);
  auto accepts = Only(TakeEvents(), WindowAccept, win);
  ASSERT_EQ(accepts.size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    const std::u16string got = Cast<TText>(accepts[i].extra)->Value();
    EXPECT_EQ(got, names[i]) << Utf8(got);
    EXPECT_EQ(accepts[i].x, 12);
    EXPECT_EQ(accepts[i].y, 34);
  }
}

}  // namespace
