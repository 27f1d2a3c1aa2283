// Combo boxes: typing and choosing become actions, the program's selections stay silent and clear
// only their own item, the text read back, the drop-down height, and item extras and icons.
#include <windows.h>
// The control declarations need the base platform header first.
#include <commctrl.h>
// The toolkit's slider operations share their names with platform macros.
#undef SetProp
#undef GetProp

#include "gui/win32/managed/gadget.h"
#include "gui/win32/native/icon_strip.h"
#include "runtime/text.h"
#include "tests/gui_win32/support.h"

namespace {

class ComboBoxes : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    win = TestWindow(WindowStyle::TitleBar, 400, 300);
  }
  Ref<TGadget> Combo(int32_t style) {
    auto c = MakeComboBox(10, 10, 200, 24, win, style);
    AppendGadgetEntry(c, u"red");
    AppendGadgetEntry(c, u"green", 0, -1, u"", extra);
    AppendGadgetEntry(c, u"blue");
    TakeEvents();
    return c;
  }
  std::vector<int32_t> Actions(const Ref<TGadget>& c) {
    std::vector<int32_t> data;
    for (const Seen& e : Only(TakeEvents(), GadgetAction, c)) data.push_back(e.data);
    return data;
  }
  Ref<TGadget> win;
  Ref<TObject> extra = MakeText(u"extra");
};

using Ints = std::vector<int32_t>;

HWND Inner(const Ref<TGadget>& c) {
  return reinterpret_cast<HWND>(SendMessageA(Hwnd(c), CBEM_GETCOMBOCONTROL, 0, 0));
}

TEST_F(ComboBoxes, TypingEmitsAnActionPerChangeAndGetTextGivesTheTypedText) {
  auto c = Combo(ComboBoxStyle::Editable);
  HWND edit = reinterpret_cast<HWND>(SendMessageA(Hwnd(c), CBEM_GETEDITCONTROL, 0, 0));
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  // The queue merges waiting actions of one gadget: each change is taken before the next.
  PressKeys({'X'});
  EXPECT_EQ(Actions(c), Ints{-1});
  PressKeys({'Y'});
  EXPECT_EQ(Actions(c), Ints{-1});
  EXPECT_EQ(GetGadgetText(c), u"xy");
  EXPECT_EQ(GetSelectedEntry(c), -1);
}

TEST_F(ComboBoxes, ChoosingAnItemEmitsItsIndexWithItsExtra) {
  auto c = Combo(0);
  SelectGadgetEntry(c, 0);
  EXPECT_TRUE(Actions(c).empty());
  EXPECT_EQ(GetGadgetText(c), u"red");
  SetFocus(Inner(c));
  PressKeys({VK_DOWN});
  auto events = Only(TakeEvents(), GadgetAction, c);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].data, 1);
  EXPECT_EQ(events[0].extra, extra);
  EXPECT_EQ(GetSelectedEntry(c), 1);
  EXPECT_EQ(GetGadgetText(c), u"green");
}

TEST_F(ComboBoxes, SelectingFromTheProgramEmitsNothing) {
  for (int32_t style : {0, ComboBoxStyle::Editable}) {
    auto c = Combo(style);
    SelectGadgetEntry(c, 2);
    EXPECT_EQ(GetSelectedEntry(c), 2) << "style " << style;
    EXPECT_EQ(GetGadgetText(c), u"blue") << "style " << style;
    SelectGadgetEntry(c, 0);
    ChangeGadgetEntry(c, 1, u"GREEN", ItemFlag::SelectOnSet);
    EXPECT_EQ(GetSelectedEntry(c), 1) << "style " << style;
    DeselectGadgetEntry(c, 1);
    EXPECT_EQ(GetSelectedEntry(c), -1) << "style " << style;
    EXPECT_TRUE(Actions(c).empty()) << "style " << style;
    DestroyGadget(c);
  }
}

// The user's choice survives the program deselecting other items; only its own item clears it.
TEST_F(ComboBoxes, DeselectingAnotherItemKeepsTheSelection) {
  for (int32_t style : {0, ComboBoxStyle::Editable}) {
    auto c = Combo(style);
    SelectGadgetEntry(c, 0);
    SetFocus(style ? reinterpret_cast<HWND>(SendMessageA(Hwnd(c), CBEM_GETEDITCONTROL, 0, 0)) : Inner(c));
    PressKeys({VK_DOWN});
    ASSERT_EQ(Actions(c), Ints{1}) << "style " << style;
    DeselectGadgetEntry(c, 0);
    DeselectGadgetEntry(c, 2);
    EXPECT_EQ(GetSelectedEntry(c), 1) << "style " << style;
    EXPECT_EQ(SendMessageA(Hwnd(c), CB_GETCURSEL, 0, 0), 1) << "style " << style;
    EXPECT_EQ(GetGadgetText(c), u"green") << "style " << style;
    DeselectGadgetEntry(c, 1);
    EXPECT_EQ(GetSelectedEntry(c), -1) << "style " << style;
    EXPECT_EQ(SendMessageA(Hwnd(c), CB_GETCURSEL, 0, 0), CB_ERR) << "style " << style;
    EXPECT_TRUE(Actions(c).empty()) << "style " << style;
    DestroyGadget(c);
  }
}

TEST_F(ComboBoxes, TheDropDownListKeepsItsHeightWhateverTheLayoutGives) {
  for (int32_t h : {0, 24, 300}) {
    auto c = Combo(0);
    for (int i = 0; i < 30; ++i) AppendGadgetEntry(c, u"more");
    ReshapeGadget(c, 10, 10, 200, h);
    EXPECT_EQ(GetGadgetHeight(c), h);
    SendMessageA(Hwnd(c), CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(Inner(c), &info));
    RECT combo{}, list{};
    GetWindowRect(Hwnd(c), &combo);
    GetWindowRect(info.hwndList, &list);
    // The control and its open list span the drop-down height, less what does not fill a whole item.
    EXPECT_GT(list.bottom - combo.top, 100) << "height " << h;
    EXPECT_LE(list.bottom - combo.top, 128) << "height " << h;
    SendMessageA(Hwnd(c), CB_SHOWDROPDOWN, FALSE, 0);
    DestroyGadget(c);
  }
}

TEST_F(ComboBoxes, ReplacingAndRemovingItemsReachTheControl) {
  auto c = Combo(0);
  ChangeGadgetEntry(c, 1, u"GREEN", ItemFlag::SelectOnSet);
  EXPECT_EQ(GetSelectedEntry(c), 1);
  EXPECT_EQ(GetGadgetText(c), u"GREEN");
  DeleteGadgetEntry(c, 0);
  EXPECT_EQ(SendMessageA(Hwnd(c), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(GetGadgetText(c), u"GREEN");
  ClearGadgetEntries(c);
  EXPECT_EQ(SendMessageA(Hwnd(c), CB_GETCOUNT, 0, 0), 0);
  EXPECT_TRUE(GetGadgetText(c).empty());
}

TEST_F(ComboBoxes, ItemsShowTheirIconsOnlyWithAStrip) {
  auto c = Combo(0);
  auto image = [&](int index) {
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_IMAGE;
    item.iItem = index;
    SendMessageA(Hwnd(c), CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  };
  InsertGadgetEntry(c, 0, u"no strip", 0, 4);
  EXPECT_NE(image(0), 4);
  auto strip = New<TWin32IconStrip>();
  auto* native = new Win32IconStrip();
  native->list = ImageList_Create(16, 16, ILC_COLOR32, 8, 0);
  strip->handle = native;
  ChangeGadgetIconStrip(c, strip);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(Hwnd(c), CBEM_GETIMAGELIST, 0, 0)), native->list);
  InsertGadgetEntry(c, 0, u"strip", ItemFlag::ToggleIcon, 4);
  EXPECT_EQ(image(0), 4);
  SelectGadgetEntry(c, 0);
  EXPECT_EQ(image(0), 5);
}

}  // namespace
