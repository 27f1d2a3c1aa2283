// Buttons and labels as native controls: clicks as actions, kinds and command ids, label styles
// and the stored label text.
#include "tests/gui_win32/support.h"

class Buttons : public DriverTest {};

TEST_F(Buttons, ClickPostsAnActionFromTheButton) {
  auto win = TestWindow();
  auto button = MakeButton(u"Go", 10, 10, 80, 24, win, ButtonStyle::Push);
  TakeEvents();
  SendMessageA(Hwnd(button), BM_CLICK, 0, 0);
  auto actions = Only(TakeEvents(), GadgetAction);
  ASSERT_EQ(actions.size(), 1u);
  EXPECT_EQ(actions[0].source, Ref<TObject>(button));
  EXPECT_EQ(actions[0].data, 0);
}

TEST_F(Buttons, CheckBoxReportsItsNewState) {
  auto win = TestWindow();
  auto box = MakeButton(u"Check", 10, 10, 80, 24, win, ButtonStyle::CheckBox);
  TakeEvents();
  SendMessageA(Hwnd(box), BM_CLICK, 0, 0);
  auto on = Only(TakeEvents(), GadgetAction, box);
  ASSERT_EQ(on.size(), 1u);
  EXPECT_EQ(on[0].data, 1);
  EXPECT_EQ(GetButtonCheck(box), 1);
  SendMessageA(Hwnd(box), BM_CLICK, 0, 0);
  auto off = Only(TakeEvents(), GadgetAction, box);
  ASSERT_EQ(off.size(), 1u);
  EXPECT_EQ(off[0].data, 0);
  ChangeButtonCheck(box, 1);
  EXPECT_EQ(GetGadgetText(box), u"Check");
  EXPECT_EQ(SendMessageA(Hwnd(box), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Buttons, OkAndCancelCarryThePlatformCommandIds) {
  auto win = TestWindow();
  auto ok = MakeButton(u"OK", 10, 10, 80, 24, win, ButtonStyle::Ok);
  auto cancel = MakeButton(u"Cancel", 100, 10, 80, 24, win, ButtonStyle::Cancel);
  auto plain = MakeButton(u"Plain", 190, 10, 80, 24, win, ButtonStyle::Push);
  EXPECT_EQ(GetDlgCtrlID(Hwnd(ok)), IDOK);
  EXPECT_EQ(GetDlgCtrlID(Hwnd(cancel)), IDCANCEL);
  EXPECT_EQ(GetDlgCtrlID(Hwnd(plain)), 0);
}

TEST_F(Buttons, KindsAndDefaultBitGiveTheButtonStyles) {
  auto win = TestWindow();
  auto style = [&](int32_t s) {
    auto b = MakeButton(u"b", 0, 0, 50, 20, win, s);
    return static_cast<DWORD>(GetWindowLongPtrA(Hwnd(b), GWL_STYLE)) & ~WS_VISIBLE;
  };
  constexpr DWORD Base = WS_CHILD | WS_TABSTOP;
  EXPECT_EQ(style(ButtonStyle::Push), Base);
  EXPECT_EQ(style(ButtonStyle::CheckBox), Base | BS_AUTOCHECKBOX);
  EXPECT_EQ(style(ButtonStyle::Radio), Base | BS_AUTORADIOBUTTON);
  EXPECT_EQ(style(ButtonStyle::Push | ButtonStyle::Default), Base | BS_DEFPUSHBUTTON);
}

TEST_F(Buttons, DisabledAndHiddenShowInTheState) {
  auto win = TestWindow();
  auto b = MakeButton(u"b", 0, 0, 50, 20, win, ButtonStyle::Push);
  EXPECT_EQ(IsGadgetHidden(b), 0);
  DisableGadgetInput(b);
  EXPECT_EQ(IsGadgetDisabled(b), 1);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(b)));
  ConcealGadget(b);
  EXPECT_EQ(IsGadgetHidden(b), 1);
  EnableGadgetInput(b);
  RevealGadget(b);
  EXPECT_EQ(b->State(), 0);
}

class Labels : public DriverTest {};

TEST_F(Labels, StylesGiveAlignmentAndFrame) {
  auto win = TestWindow();
  auto style = [&](int32_t s) {
    auto l = MakeLabel(u"text", 0, 0, 100, 20, win, s);
    return static_cast<DWORD>(GetWindowLongPtrA(Hwnd(l), GWL_STYLE)) & ~WS_VISIBLE;
  };
  constexpr DWORD Text = WS_CHILD | WS_CLIPSIBLINGS | SS_NOPREFIX;
  EXPECT_EQ(style(0), Text | SS_LEFT);
  EXPECT_EQ(style(LabelStyle::Center), Text | SS_CENTER);
  EXPECT_EQ(style(LabelStyle::Center | LabelStyle::Sunken), Text | SS_CENTER | SS_SUNKEN);
  EXPECT_EQ(style(LabelStyle::Right), Text | SS_RIGHT);
  EXPECT_EQ(style(LabelStyle::Right | LabelStyle::Center), Text | SS_LEFT);
  EXPECT_EQ(style(LabelStyle::Right | LabelStyle::Flat), Text | SS_RIGHT | WS_BORDER);
  EXPECT_EQ(style(LabelStyle::Separator), WS_CHILD | SS_ETCHEDFRAME);
}

TEST_F(Labels, SeparatorIsAlwaysFourPixelsHigh) {
  auto win = TestWindow();
  auto line = MakeLabel(u"", 10, 10, 200, 30, win, LabelStyle::Separator);
  RECT r{};
  GetClientRect(Hwnd(line), &r);
  EXPECT_EQ(r.bottom, 4);
  EXPECT_EQ(GetGadgetHeight(line), 4);
  ReshapeGadget(line, 10, 10, 200, 50);
  EXPECT_EQ(GetGadgetHeight(line), 4);
}

TEST_F(Labels, TextIsTheLastOneSetNotTheWindowsOwn) {
  auto win = TestWindow();
  auto label = MakeLabel(u"first", 0, 0, 100, 20, win, 0);
  char shown[32] = {};
  GetWindowTextA(Hwnd(label), shown, sizeof shown);
  EXPECT_STREQ(shown, "first");
  SetWindowTextA(Hwnd(label), "changed behind its back");
  EXPECT_EQ(GetGadgetText(label), u"first");
  ChangeGadgetText(label, u"second");
  EXPECT_EQ(GetGadgetText(label), u"second");
}

TEST_F(Labels, LongTextsAreCutAtTheWindowLimit) {
  auto win = TestWindow();
  std::u16string text(5000, u'a');
  auto label = MakeLabel(text, 0, 0, 100, 20, win, 0);
  EXPECT_EQ(GetWindowTextLengthA(Hwnd(label)), 4095);
  EXPECT_EQ(GetGadgetText(label).size(), 5000u);
}
