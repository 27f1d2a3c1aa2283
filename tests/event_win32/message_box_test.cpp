// Message boxes answered by a helper thread pressing their buttons or closing them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "event/win32/system_win32.h"
#include "runtime/startup.h"
#include "tests/event_win32/win32_test_env.h"

namespace {

struct TBoxSeen {
  bool found = false;
  HICON icon = nullptr;
  bool hadButton = false;
  std::vector<int> buttons;
};

// The icon the box shows, read from its picture control.
HICON BoxIcon(HWND box) {
  HICON icon = nullptr;
  for (HWND child = GetWindow(box, GW_CHILD); child && !icon; child = GetWindow(child, GW_HWNDNEXT)) {
    char kind[16] = {};
    GetClassNameA(child, kind, sizeof kind);
    if (lstrcmpiA(kind, "Static") == 0)
      icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  }
  return icon;
}

// Presses button `id` of the box once it shows (0: closes it with the title bar's command).
THelperThread* Answer(int id, TBoxSeen& seen) {
  return new THelperThread([id, &seen] {
    HWND box = FindTestBox();
    if (!box) return;
    seen.found = true;
    Sleep(50);
    seen.icon = BoxIcon(box);
    for (int b : {IDOK, IDCANCEL, IDYES, IDNO}) {
      if (GetDlgItem(box, b)) seen.buttons.push_back(b);
    }
    if (id == 0) {
      PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    }
    HWND button = GetDlgItem(box, id);
    seen.hadButton = button != nullptr;
    if (button) {
      PostMessageA(button, BM_CLICK, 0, 0);
    } else {
      PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
  });
}

const std::vector<int> OkCancel{IDOK, IDCANCEL};
const std::vector<int> YesNoCancel{IDCANCEL, IDYES, IDNO};

class MessageBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    StartWin32TestModules();
    DrainEverything();
  }
  int32_t Run(int32_t (*ask)(const std::u16string&, int32_t), int32_t serious, int button,
              std::vector<int> buttons) {
    TBoxSeen seen;
    {
      std::unique_ptr<THelperThread> helper(Answer(button, seen));
      result = ask(u"Answer me", serious);
    }
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.icon, LoadIcon(nullptr, serious ? IDI_EXCLAMATION : IDI_INFORMATION));
    EXPECT_EQ(seen.buttons, buttons);
    if (button) {
      EXPECT_TRUE(seen.hadButton) << "button " << button;
    }
    return result;
  }
  int32_t result = -99;
};

TEST_F(MessageBoxes, ConfirmIsOneOnlyForOK) {
  EXPECT_EQ(Run(Confirm, 0, IDOK, OkCancel), 1);
  EXPECT_EQ(Run(Confirm, 1, IDCANCEL, OkCancel), 0);
  EXPECT_EQ(Run(Confirm, 0, 0, OkCancel), 0);
}

TEST_F(MessageBoxes, ProceedIsOneForYesZeroForNoAndMinusOneOtherwise) {
  EXPECT_EQ(Run(Proceed, 0, IDYES, YesNoCancel), 1);
  EXPECT_EQ(Run(Proceed, 1, IDNO, YesNoCancel), 0);
  EXPECT_EQ(Run(Proceed, 0, IDCANCEL, YesNoCancel), -1);
  EXPECT_EQ(Run(Proceed, 1, 0, YesNoCancel), -1);
}

TEST_F(MessageBoxes, NotifyAnswersZeroAndGivesTheFocusBack) {
  TTestWindow window(100, 100, 100, 100, New<TObject>());
  SetFocus(window.hwnd());
  const HWND before = GetFocus();
  EXPECT_EQ(Run(Notify, 1, IDOK, {IDOK}), 0);
  EXPECT_EQ(GetFocus(), before);
}

// The box's title (the application's) and its message keep every character.
TEST_F(MessageBoxes, TextsBeyondTheCodePageShowWhole) {
  const std::u16string text =
      u"Za\u017c\u00f3\u0142\u0107 \u03a9\u03bc\u03ad\u03b3\u03b1 \u65e5\u672c\u8a9e \u20ac \U0001F600";
  const std::u16string saved = ApplicationTitle;
  ApplicationTitle = u"Varnoc \u03a9 \u65e5\u672c";
  std::u16string title;
  std::vector<std::u16string> labels;
  {
    THelperThread helper([&] {
      HWND box = FindOwnDialog();
      if (!box) return;
      Sleep(50);
      wchar_t buf[256] = {};
      GetWindowTextW(box, buf, 256);
      title = reinterpret_cast<const char16_t*>(buf);
      for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        GetWindowTextW(child, buf, 256);
        labels.push_back(reinterpret_cast<const char16_t*>(buf));
      }
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    Notify(text, 0);
  }
  ApplicationTitle = saved;
  EXPECT_EQ(title, u"Varnoc \u03a9 \u65e5\u672c");
  EXPECT_NE(std::find(labels.begin(), labels.end(), text), labels.end());
}

}  // namespace
