// Item lists: insertion and removal mirrored to the native side, selection through the native
// state, toggle icons, and rejected indices.
#include "tests/gui/recording_driver.h"

namespace {

class Items : public RecordingDriverTest {
 protected:
  void SetUp() override {
    RecordingDriverTest::SetUp();
    list = MakeRecordingGadget();
  }

  void Fill(std::initializer_list<const char16_t*> texts) {
    for (const char16_t* t : texts) list->InsertItem(list->ItemCount(), t, u"", 0, nullptr, 0);
    CallLog().clear();
  }

  std::u16string Texts() {
    std::u16string s;
    for (int32_t i = 0; i < list->ItemCount(); ++i) s += list->ItemText(i);
    return s;
  }

  Ref<TRecordingGadget> list;
};

TEST_F(Items, InsertingAtZeroMovesTheOthersUpAndCallsTheNativeSideOnce) {
  Fill({u"a", u"b", u"c"});
  list->InsertItem(0, u"z", u"tip", 2, MakeText(u"x"), 0);
  EXPECT_EQ(Texts(), u"zabc");
  ASSERT_EQ(CallLog().size(), 1u);
  EXPECT_EQ(CallLog()[0], "InsertListItem(0,z,tip,2,x)");
  EXPECT_EQ(list->ItemTip(0), u"tip");
  EXPECT_EQ(list->ItemIcon(0), 2);
  EXPECT_EQ(list->ItemExtra(0)->ToString(), u"x");
}

TEST_F(Items, RemovingIndexOneOfFourKeepsTheRestInOrder) {
  Fill({u"a", u"b", u"c", u"d"});
  list->RemoveItem(1);
  EXPECT_EQ(Texts(), u"acd");
  ASSERT_EQ(CallLog().size(), 1u);
  EXPECT_EQ(CallLog()[0], "RemoveListItem(1)");
}

TEST_F(Items, SetItemChangesStoredValuesAndTheNativeItem) {
  Fill({u"a", u"b"});
  list->SetItem(1, u"B", u"t", 5, nullptr, ItemFlag::ToggleIcon);
  EXPECT_EQ(list->ItemText(1), u"B");
  EXPECT_EQ(list->ItemFlags(1), ItemFlag::ToggleIcon);
  ASSERT_EQ(CallLog().size(), 1u);
  EXPECT_EQ(CallLog()[0], "SetListItem(1,B,t,5,null)");
}

TEST_F(Items, ClearEmptiesBothSides) {
  Fill({u"a", u"b"});
  list->Clear();
  EXPECT_EQ(list->ItemCount(), 0);
  EXPECT_EQ(CallLog(), std::vector<std::string>{"ClearListItems()"});
}

TEST_F(Items, AnArrayInHandStaysAsItWasWhenItemsChange) {
  Fill({u"a", u"b"});
  Ref<TGadgetItemArray> before = list->items;
  list->InsertItem(1, u"c", u"", 0, nullptr, 0);
  list->RemoveItem(0);
  EXPECT_EQ(before->Length(), 2u);
  EXPECT_EQ((*before)[0]->text, u"a");
  EXPECT_EQ((*before)[1]->text, u"b");
  EXPECT_NE(list->items, before);
  EXPECT_EQ(Texts(), u"cb");
}

TEST_F(Items, IndicesOutsideTheItemsAreRejectedBeforeAnythingChanges) {
  Fill({u"a", u"b", u"c"});
  EXPECT_THROW(list->InsertItem(4, u"x", u"", 0, nullptr, 0), TRuntimeError);
  EXPECT_THROW(list->InsertItem(-1, u"x", u"", 0, nullptr, 0), TRuntimeError);
  EXPECT_THROW(list->SetItem(3, u"x", u"", 0, nullptr, 0), TRuntimeError);
  EXPECT_THROW(list->RemoveItem(3), TRuntimeError);
  EXPECT_THROW(list->RemoveItem(-1), TRuntimeError);
  EXPECT_THROW(list->ItemText(3), TRuntimeError);
  EXPECT_THROW(list->ItemExtra(-1), TRuntimeError);
  EXPECT_THROW(list->ItemState(3), TRuntimeError);
  EXPECT_THROW(list->SetItemState(3, 0), TRuntimeError);
  EXPECT_THROW(list->SelectItem(3, ItemSelect::Set), TRuntimeError);
  EXPECT_THROW(list->SelectItem(-2, ItemSelect::Set), TRuntimeError);
  EXPECT_TRUE(CallLog().empty());
  EXPECT_EQ(Texts(), u"abc");
  // Insertion at the count appends.
  list->InsertItem(3, u"d", u"", 0, nullptr, 0);
  EXPECT_EQ(Texts(), u"abcd");
}

TEST_F(Items, TheErrorNamesTheIndex) {
  Fill({u"a"});
  try {
    list->RemoveItem(7);
    FAIL();
  } catch (const TRuntimeError& e) {
    EXPECT_NE(e.Text().find(u"7"), std::u16string::npos);
  }
}

TEST_F(Items, SelectionLivesOnTheNativeSide) {
  Fill({u"a", u"b", u"c"});
  EXPECT_EQ(list->SelectedItem(), -1);
  list->nativeStates[2] = GadgetState::Selected;  // the user selected c
  EXPECT_EQ(list->SelectedItem(), 2);
  EXPECT_EQ(list->ItemState(2), GadgetState::Selected);
  list->nativeStates[0] = GadgetState::Selected | GadgetState::Disabled;
  EXPECT_EQ(list->SelectedItem(), 0);
  EXPECT_EQ(list->SelectedItems(), (std::vector<int32_t>{0, 2}));
}

TEST_F(Items, SelectOpsClearSetToggleAndIgnoreOthers) {
  Fill({u"a"});
  list->nativeStates[0] = GadgetState::Disabled;
  list->SelectItem(0, ItemSelect::Set);
  EXPECT_EQ(list->nativeStates[0], GadgetState::Disabled | GadgetState::Selected);
  list->SelectItem(0, ItemSelect::Toggle);
  EXPECT_EQ(list->nativeStates[0], GadgetState::Disabled);
  list->SelectItem(0, ItemSelect::Toggle);
  list->SelectItem(0, ItemSelect::Clear);
  EXPECT_EQ(list->nativeStates[0], GadgetState::Disabled);
  list->SelectItem(0, 9);
  EXPECT_EQ(list->nativeStates[0], GadgetState::Disabled);
}

TEST_F(Items, SelectMinusOneTogglesEveryItem) {
  Fill({u"a", u"b", u"c"});
  list->nativeStates[1] = GadgetState::Selected;
  list->SelectItem(-1, ItemSelect::Toggle);
  EXPECT_EQ(list->SelectedItems(), (std::vector<int32_t>{0, 2}));
  EXPECT_EQ(CallsStartingWith("SetListItemState").size(), 3u);
}

TEST_F(Items, ToggleIconShowsTheNextIconWhileSelected) {
  list->InsertItem(0, u"t", u"tip", 3, nullptr, ItemFlag::ToggleIcon);
  CallLog().clear();
  list->SelectItem(0, ItemSelect::Set);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"SetListItem(0,t,tip,4,null)", "SetListItemState(0,16)"}));
  CallLog().clear();
  list->SelectItem(0, ItemSelect::Clear);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"SetListItem(0,t,tip,3,null)", "SetListItemState(0,0)"}));
  // The stored icon never changes.
  EXPECT_EQ(list->ItemIcon(0), 3);
}

TEST_F(Items, ItemWithoutIconIsNeverResetOnSelection) {
  list->InsertItem(0, u"t", u"", -1, nullptr, ItemFlag::ToggleIcon);
  list->InsertItem(1, u"u", u"", 3, nullptr, 0);
  CallLog().clear();
  list->SelectItem(-1, ItemSelect::Set);
  EXPECT_TRUE(CallsStartingWith("SetListItem(").empty());
}

TEST_F(Items, SelectOnSetSelectsRightAfterInsertion) {
  list->InsertItem(0, u"s", u"", 3, nullptr, ItemFlag::SelectOnSet | ItemFlag::ToggleIcon);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"InsertListItem(0,s,,3,null)", "SetListItem(0,s,,4,null)",
                                                 "SetListItemState(0,16)"}));
  EXPECT_EQ(list->SelectedItem(), 0);
}

TEST_F(Items, SelectOnSetSelectsRightAfterSetting) {
  Fill({u"a"});
  list->SetItem(0, u"b", u"", 0, nullptr, ItemFlag::SelectOnSet);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"SetListItem(0,b,,0,null)", "SetListItemState(0,16)"}));
}

}  // namespace
