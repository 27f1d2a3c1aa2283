// The program's texts fit their controls at the screen's scale, whatever it is: the main window's
// buttons and the alert's sentence with the new program's name. Run at 96 DPI with the others
// and at other DPIs in a prefix of their own (VARNOC_DPI in tools/lib/wine.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "runtime/text.h"
#include "tests/app_win32/desktop.h"
#include "tests/app_win32/varnoc_run.h"

namespace {

// The size of the control's text on one line, in the font the toolkit gives every gadget: the
// platform's message font at the screen's scale (the test program, like Varnoc, runs DPI-aware).
SIZE TextSize(HWND control) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  const std::u16string text = Widen(TextOf(control));
  SIZE size{};
  GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()),
                        &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return size;
}

// The text fits the control's client area on one line, and the control lies inside its parent's.
void ExpectFits(HWND control) {
  SCOPED_TRACE("\"" + TextOf(control) + "\"");
  RECT client{}, parent{};
  GetClientRect(control, &client);
  GetClientRect(GetParent(control), &parent);
  const SIZE text = TextSize(control);
  EXPECT_LE(text.cx, client.right);
  EXPECT_LE(text.cy, client.bottom);
  RECT at = RectInParent(control);
  EXPECT_GE(at.left, 0);
  EXPECT_GE(at.top, 0);
  EXPECT_LE(at.right, parent.right);
  EXPECT_LE(at.bottom, parent.bottom);
}

}  // namespace

TEST(TextFits, MainWindowButtonsAndAlertSentence) {
  VarnocRun run = VarnocRun::Start();
  ASSERT_TRUE(run.ok()) << run.error;
  for (const char* caption : {"About", "Help", " G O ! ", "Exit"}) ExpectFits(run.Button(caption));

  Press(run.Button(" G O ! "));
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(run.main) != 0; }, 5000)) << "GO minimises the main window";
  ChildProcess task = StartChild(TestProgramPath("late_task.exe"), "");
  HWND alert = WaitTopWindow(run.process.id(), GadgetWindowClass, AlertTitle(), 10000);
  ASSERT_NE(alert, nullptr);
  ASSERT_NE(WaitChildWithText(alert, "Button", "Exit"), nullptr);
  auto labels = ChildWindows(alert, "Static");
  ASSERT_EQ(labels.size(), 1u);
  EXPECT_NE(TextOf(labels.front()).find("late_task.exe"), std::string::npos);
  ExpectFits(labels.front());
  ExpectFits(ChildWithText(alert, "Button", "Exit"));
  PressCloseBox(alert);
  EXPECT_EQ(run.process.WaitExit(10000), 0u);
}
