// The file and folder choosers, driven by a helper thread: the filter they open with, names that
// do not fit the result buffer, cancelling, and the folder browser opening at the given folder.
#include <gtest/gtest.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "event/win32/system_win32.h"
#include "runtime/text.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

// Control ids of the platform's file dialog: the file type list and the file name field.
constexpr int FileTypeList = 0x470;
constexpr int FileNameCombo = 0x47c;
constexpr int FileNameEdit = 0x480;

class Choosers : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    OleInitialize(nullptr);
    DrainEverything();
  }
};

struct TFileDialogSeen {
  bool found = false;
  LRESULT typeIndex = -1;
  std::string name;
};

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return {};
  std::string text(8192, '\0');
  const LRESULT length =
      SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

// Reads what the dialog shows, then either types `answer` and presses OK or cancels.
void DriveFileDialog(const char* title, TFileDialogSeen& seen, const std::string& answer) {
  HWND dialog = FindOwnDialog(title);
  if (!dialog) return;
  seen.found = true;
  Sleep(100);
  if (HWND types = GetDlgItem(dialog, FileTypeList)) seen.typeIndex = SendMessageA(types, CB_GETCURSEL, 0, 0);
  seen.name = ControlText(dialog, FileNameCombo);
  if (seen.name.empty()) seen.name = ControlText(dialog, FileNameEdit);
  if (answer.empty()) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  HWND name = GetDlgItem(dialog, FileNameCombo);
  if (!name) name = GetDlgItem(dialog, FileNameEdit);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(Choosers, FileDialogOpensWithTheGroupOfThePathsExtensionAndReturnsTheChoice) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string folder = windows;
  TFileDialogSeen seen;
  std::u16string chosen;
  {
    THelperThread helper([&] { DriveFileDialog("Pick a text", seen, folder + "\\win.ini"); });
    chosen = RequestFile(u"Pick a text", u"Image:png,jpg;Text:txt,ini;", 0, FromUtf8(folder) + u"/notes.txt");
  }
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.typeIndex, 1);
  EXPECT_EQ(seen.name, "notes.txt");
  EXPECT_EQ(Utf8(chosen).size(), folder.size() + 8);
  EXPECT_EQ(lstrcmpiA(Utf8(chosen).c_str(), (folder + "\\win.ini").c_str()), 0);
}

TEST_F(Choosers, CancelledFileDialogGivesTheEmptyText) {
  TFileDialogSeen seen;
  std::u16string chosen = u"unchanged";
  {
    THelperThread helper([&] { DriveFileDialog("Save it", seen, ""); });
    chosen = RequestFile(u"Save it", u"png,jpg", 1, u"shot.jpg");
  }
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.typeIndex, 0);
  EXPECT_EQ(chosen, u"");
}

TEST_F(Choosers, InitialNameLongerThanTheBufferIsCutNotOverflowed) {
  TFileDialogSeen seen;
  const std::u16string longName(6000, u'n');
  std::u16string chosen = u"unchanged";
  {
    THelperThread helper([&] { DriveFileDialog("Long name", seen, ""); });
    chosen = RequestFile(u"Long name", u"", 0, u"C:/" + longName);
  }
  ASSERT_TRUE(seen.found);
  EXPECT_LE(seen.name.size(), 4095u);
  EXPECT_EQ(seen.name.find_first_not_of('n'), std::string::npos);
  EXPECT_EQ(chosen, u"");
}

TEST_F(Choosers, FolderBrowserOpensAtTheGivenFolderAndReturnsIt) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::u16string chosen;
  bool found = false;
  {
    THelperThread helper([&] {
      HWND dialog = FindOwnDialog();
      if (!dialog) return;
      found = true;
      Sleep(300);
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    std::u16string path = FromUtf8(windows);
    for (char16_t& c : path) {
      if (c == u'\\') c = u'/';
    }
    chosen = RequestDir(u"Pick a folder", path);
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(lstrcmpiA(Utf8(chosen).c_str(), windows), 0) << Utf8(chosen);
}

// A folder of the temporary folder named beyond the 8-bit code page, made for one test.
class WideFolder {
 public:
  WideFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = reinterpret_cast<const char16_t*>(temp) + std::u16string(u"\u5199\u771f \u0141\u00f3d\u017a");
    CreateDirectoryW(W(path_), nullptr);
  }
  ~WideFolder() {
    for (const std::u16string& f : files_) DeleteFileW(W(f));
    RemoveDirectoryW(W(path_));
  }
  const std::u16string& path() const { return path_; }
  // Makes an empty file of that name in the folder; answers its whole path.
  std::u16string File(const std::u16string& name) {
    files_.push_back(path_ + u"\\" + name);
    CloseHandle(CreateFileW(W(files_.back()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return files_.back();
  }
  static const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

 private:
  std::u16string path_;
  std::vector<std::u16string> files_;
};

// The dialog's title, and the answer typed into its name field, kept whole both ways.
TEST_F(Choosers, FileDialogShowsAndHandsBackTextsBeyondTheCodePage) {
  WideFolder folder;
  const std::u16string file = folder.File(u"zdj\u0119cie \u20ac \U0001F600.txt");
  const std::u16string title = u"Wybierz \u03a9 \u65e5\u672c";
  std::u16string shownTitle, shownName;
  bool found = false;
  std::u16string chosen;
  {
    THelperThread helper([&] {
      HWND dialog = FindOwnDialog();
      if (!dialog) return;
      found = true;
      Sleep(100);
      wchar_t text[512] = {};
      GetWindowTextW(dialog, text, 512);
      shownTitle = reinterpret_cast<const char16_t*>(text);
      HWND name = GetDlgItem(dialog, FileNameCombo);
      if (!name) name = GetDlgItem(dialog, FileNameEdit);
      GetWindowTextW(name, text, 512);
      shownName = reinterpret_cast<const char16_t*>(text);
      SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFolder::W(file)));
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    chosen = RequestFile(title, u"Text:txt;", 0, folder.path() + u"/pierwszy \u65e5.txt");
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(shownTitle, title) << Utf8(shownTitle);
  EXPECT_EQ(shownName, u"pierwszy \u65e5.txt") << Utf8(shownName);
  EXPECT_EQ(chosen, file) << Utf8(chosen);
}

TEST_F(Choosers, FolderBrowserHandsBackAFolderBeyondTheCodePage) {
  WideFolder folder;
  std::u16string chosen;
  bool found = false;
  {
    THelperThread helper([&] {
      HWND dialog = FindOwnDialog();
      if (!dialog) return;
      found = true;
      Sleep(300);
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    chosen = RequestDir(u"Pick a folder", folder.path());
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(chosen, folder.path()) << Utf8(chosen);
}

TEST_F(Choosers, CancelledFolderBrowserGivesTheEmptyText) {
  std::u16string chosen = u"unchanged";
  {
    THelperThread helper([&] {
      if (HWND dialog = FindOwnDialog()) {
        Sleep(100);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    });
    chosen = RequestDir(u"Pick a folder", u".");
  }
  EXPECT_EQ(chosen, u"");
}

}  // namespace
