// The gallery without a mouse: Tab and Shift+Tab go round every control a user can reach, in one
// order each way, never trapped; Ctrl+Tab turns the tabber's page; the menu key and Alt open
// menus and Escape closes them; screenshots show each stage.
#include <gtest/gtest.h>
#include <windows.h>
// The tab control's messages need the base platform header first.
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tests/app_win32/desktop.h"
#include "tests/app_win32/text_fit.h"
#include "tests/app_win32/win32_process.h"

namespace {

bool IsClass(HWND h, const char* prefix) { return ClassOf(h).rfind(prefix, 0) == 0; }

// A rich edit keeps Tab for itself: Ctrl+Tab leaves it.
bool KeepsTab(HWND h) { return IsClass(h, "RichEdit"); }

std::string Describe(HWND h) { return ClassOf(h) + " \"" + TextOf(h) + "\""; }

// What a user can reach: every shown, enabled control with a tab stop, its holders shown and
// enabled too; the insides of a stop are its own (a combo box's field), unless the stop says it
// holds controls (a tabber's page).
void Reachable(HWND parent, std::set<HWND>& out) {
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    if (!IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
    if (ClassOf(h) == "Shell Embedding") continue;  // an HTML view's browser: the view is the stop
    const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
    const bool stop = (style & WS_TABSTOP) != 0;
    if (stop) out.insert(h);
    if (!stop || (GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) Reachable(h, out);
  }
}

// The stop that holds the focus `h`: a combo box's focus is in its field or list, an HTML view's
// in its browser.
HWND StopHolding(HWND h, const std::set<HWND>& stops) {
  for (HWND at = h; at; at = GetAncestor(at, GA_PARENT)) {
    if (stops.count(at)) return at;
  }
  return h;
}

// A menu the process shows: the platform shows each open menu as a window of its menu class.
HWND ShownMenuOf(DWORD processId) {
  for (HWND h = FindWindowW(L"#32768", nullptr); h; h = FindWindowExW(nullptr, h, L"#32768", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == processId && IsWindowVisible(h)) return h;
  }
  return nullptr;
}

class GalleryKeyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    gallery = StartChild(TestProgramPath("..\\gallery\\Gallery.exe"), "");
    window = WaitTopWindow(gallery.id(), GadgetWindowClass, "Gadget gallery", 10000);
    ASSERT_NE(window, nullptr);
    // The HTML view's label is among the last gadgets the gallery makes.
    ASSERT_NE(WaitDescendantWithText(window, "Static", "HTML view", 10000), nullptr);
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }, 3000));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) && FocusOf(window) != window; }, 3000))
        << "the opened window kept the focus itself";
  }
  void TearDown() override {
    PressCloseBox(window);
    gallery.WaitExit(10000);
  }

  // Presses Tab (Ctrl+Tab out of a control that keeps Tab), Shift too when `backward`, and waits
  // for the focus to move; none when it stays. Answers the stop that holds the focus.
  HWND Step(bool backward) {
    std::set<HWND> stops;
    Reachable(window, stops);
    HWND from = FocusOf(window);
    std::vector<WORD> keys;
    if (KeepsTab(from)) keys.push_back(VK_CONTROL);
    if (backward) keys.push_back(VK_SHIFT);
    keys.push_back(VK_TAB);
    Chord(keys);
    if (!WaitUntil([&] { return FocusOf(window) != from; }, 3000)) return nullptr;
    return StopHolding(FocusOf(window), stops);
  }

  // Tabs on until a control of the class holds the focus; none when Tab never gets there.
  HWND TabTo(const char* cls) {
    for (int i = 0; i < 100; ++i) {
      HWND to = Step(false);
      if (!to) return nullptr;
      if (IsClass(to, cls)) return to;
    }
    return nullptr;
  }

  // The stops one way round from the focus, ending where it began (its first element).
  std::vector<HWND> Round(bool backward, const std::string& shotAt = "") {
    std::set<HWND> stops;
    Reachable(window, stops);
    std::vector<HWND> seen{StopHolding(FocusOf(window), stops)};
    for (int i = 0; i < 100; ++i) {
      HWND to = Step(backward);
      if (!to) {
        ADD_FAILURE() << "the focus is trapped in " << Describe(seen.back());
        return seen;
      }
      if (to == seen.front()) return seen;
      if (!shotAt.empty() && IsClass(to, shotAt.c_str()))
        SaveScreenshot(window, "gallery-keyboard-" + shotAt);
      seen.push_back(to);
    }
    ADD_FAILURE() << "Tab never came back to " << Describe(seen.front());
    return seen;
  }

  ChildProcess gallery;
  HWND window = nullptr;
};

TEST_F(GalleryKeyboard, TabGoesRoundEveryReachableControlAndShiftTabGoesBackTheSameWay) {
  SaveScreenshot(window, "gallery-keyboard-start");
  const std::vector<HWND> forward = Round(false, "SysTreeView32");
  std::set<HWND> expected;
  Reachable(window, expected);
  for (HWND h : expected) {
    EXPECT_NE(std::find(forward.begin(), forward.end(), h), forward.end())
        << "never reached: " << Describe(h);
  }
  for (HWND h : forward) EXPECT_TRUE(expected.count(h)) << "reached what a user cannot: " << Describe(h);
  EXPECT_EQ(std::set<HWND>(forward.begin(), forward.end()).size(), forward.size()) << "a control twice";

  std::vector<HWND> backward = Round(true);
  ASSERT_FALSE(backward.empty());
  std::reverse(backward.begin() + 1, backward.end());
  EXPECT_EQ(backward, forward) << "Shift+Tab does not retrace Tab";
}

TEST_F(GalleryKeyboard, CtrlTabTurnsTheTabbersPageAndTabThenReachesItsControls) {
  HWND tabs = TabTo("SysTabControl32");
  ASSERT_NE(tabs, nullptr) << "Tab never reached the tabber";
  const LRESULT before = SendMessageW(tabs, TCM_GETCURSEL, 0, 0);
  Chord({VK_CONTROL, VK_TAB});
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) != before; }, 3000));
  const std::string page = "Button on page " + std::to_string(SendMessageW(tabs, TCM_GETCURSEL, 0, 0) + 1);
  HWND to = Step(false);
  ASSERT_NE(to, nullptr);
  EXPECT_EQ(TextOf(to), page);
  SaveScreenshot(window, "gallery-keyboard-page");
}

TEST_F(GalleryKeyboard, TheMenuKeyOpensTheTreesMenuAndAltOpensTheMenuBarEscapeClosesBoth) {
  ASSERT_NE(TabTo("SysTreeView32"), nullptr) << "Tab never reached the tree";
  struct Case {
    const char* what;
    std::vector<WORD> keys;
    int escapes;  // a menu bar's first Escape closes its menu and leaves the bar selected
  } cases[] = {
      {"tree", {VK_APPS}, 1},
      {"menu-bar", {VK_MENU, 'F'}, 2},
  };
  for (const Case& c : cases) {
    Chord(c.keys);
    ASSERT_TRUE(WaitUntil([&] { return ShownMenuOf(gallery.id()) != nullptr; }, 3000))
        << c.what << ": no menu";
    SaveScreenshot(window, std::string("gallery-keyboard-") + c.what + "-menu");
    for (int i = 0; i < c.escapes; ++i) Chord({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return ShownMenuOf(gallery.id()) == nullptr; }, 3000))
        << c.what << ": still open";
    EXPECT_TRUE(Responds(window)) << c.what << ": the menu's loop still runs";
  }
}

}  // namespace
