// Data sources: keys from lists and arrays, and the greedy edit that follows changed keys.
#include <functional>

#include "tests/gui/recording_driver.h"

namespace {

class DataSource : public RecordingDriverTest {
 protected:
  void SetUp() override {
    RecordingDriverTest::SetUp();
    list = MakeRecordingGadget();
  }

  Ref<TStringArray> Keys(std::vector<std::u16string> keys) { return New<TStringArray>(std::move(keys)); }

  std::u16string Texts() {
    std::u16string s;
    for (int32_t i = 0; i < list->ItemCount(); ++i) s += list->ItemText(i) + u" ";
    return s;
  }

  Ref<TRecordingGadget> list;
};

TEST_F(DataSource, SettingASourceFillsTheItemsFromItsKeys) {
  auto source = Keys({u"k1", u"k2"});
  list->SetDataSource(source);
  EXPECT_EQ(Texts(), u"k1 k2 ");
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"ClearListItems()", "InsertListItem(0,k1,,0,Object)",
                                                 "InsertListItem(1,k2,,0,Object)"}));
  // An item made from a key carries the source itself as its extra.
  EXPECT_EQ(list->ItemExtra(1), Ref<TObject>(source));
  EXPECT_EQ(list->ItemIcon(0), 0);
  EXPECT_EQ(list->ItemFlags(0), 0);
}

TEST_F(DataSource, DroppedKeysRemoveTheirItemsAndInsertNone) {
  struct Case {
    std::vector<std::u16string> before, after;
    std::vector<std::string> calls;
    std::u16string texts;
  } cases[] = {
      {{u"k1", u"k2", u"k3", u"k4"}, {u"k1", u"k3", u"k4"}, {"RemoveListItem(1)"}, u"k1 k3 k4 "},
      {{u"a", u"b", u"c", u"d", u"e", u"f"},
       {u"a", u"d", u"e", u"f"},
       {"RemoveListItem(1)", "RemoveListItem(1)"},
       u"a d e f "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(c.texts));
    auto source = Keys(c.before);
    list->SetDataSource(source);
    CallLog().clear();
    source->items = c.after;
    EXPECT_EQ(list->SyncDataSource(), 0);
    EXPECT_EQ(CallLog(), c.calls);
    EXPECT_EQ(Texts(), c.texts);
  }
}

TEST_F(DataSource, SwappingTwoKeysInsertsAtTheFrontThenRemovesTheLeftover) {
  auto source = Keys({u"k1", u"k2"});
  list->SetDataSource(source);
  CallLog().clear();
  source->items = {u"k2", u"k1"};
  list->SyncDataSource();
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"InsertListItem(0,k2,,0,Object)", "RemoveListItem(2)"}));
  EXPECT_EQ(Texts(), u"k2 k1 ");
}

TEST_F(DataSource, ChangedKeysInTheMiddleAreReplacedInPlace) {
  auto source = Keys({u"a", u"b", u"c", u"d", u"e"});
  list->SetDataSource(source);
  CallLog().clear();
  source->items = {u"a", u"x", u"c", u"d", u"e", u"f"};
  list->SyncDataSource();
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"InsertListItem(1,x,,0,Object)", "RemoveListItem(2)",
                                                 "InsertListItem(5,f,,0,Object)"}));
  EXPECT_EQ(Texts(), u"a x c d e f ");
}

TEST_F(DataSource, SameKeysChangeNothing) {
  auto source = Keys({u"a", u"b"});
  list->SetDataSource(source);
  CallLog().clear();
  list->SyncDataSource();
  EXPECT_TRUE(CallLog().empty());
}

TEST_F(DataSource, KeysCompareExactlyIncludingCase) {
  auto source = Keys({u"a"});
  list->SetDataSource(source);
  CallLog().clear();
  source->items = {u"A"};
  list->SyncDataSource();
  EXPECT_EQ(Texts(), u"A ");
}

TEST_F(DataSource, EmptyListClearsTheItemsAndTellsWhetherThereWereAny) {
  auto source = New<TList>();
  source->AddLast(MakeText(u"one"));
  list->SetDataSource(source);
  EXPECT_EQ(Texts(), u"one ");
  source->Clear();
  EXPECT_EQ(list->SyncDataSource(), 1);
  EXPECT_EQ(list->ItemCount(), 0);
  EXPECT_EQ(list->SyncDataSource(), 0);
}

// Once the items are gone, by an empty source or by clearing or deleting the entries, the keys
// that described them must go too, or the next sync edits items that no longer exist.
TEST_F(DataSource, ItemsComeBackAfterTheSourceOrTheEntriesWereCleared) {
  enum Emptying { EmptySource, ClearEntries, DeleteEntriesThenEmptySource };
  struct Case {
    const char* name;
    Emptying how;
    std::vector<std::u16string> refill;
    std::u16string texts;
  } cases[] = {
      {"source emptied, same keys", EmptySource, {u"a", u"b", u"c"}, u"a b c "},
      {"source emptied, fewer keys", EmptySource, {u"b", u"c"}, u"b c "},
      {"source emptied, more keys", EmptySource, {u"a", u"b", u"c", u"d"}, u"a b c d "},
      {"entries cleared, same keys", ClearEntries, {u"a", u"b", u"c"}, u"a b c "},
      {"entries cleared, fewer keys", ClearEntries, {u"b", u"c"}, u"b c "},
      {"entries deleted, fewer keys", DeleteEntriesThenEmptySource, {u"b", u"c"}, u"b c "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto source = Keys({u"a", u"b", u"c"});
    list->SetDataSource(source);
    if (c.how == ClearEntries) {
      ClearGadgetEntries(list);
    } else {
      if (c.how == DeleteEntriesThenEmptySource) {
        while (CountGadgetEntries(list) > 0) DeleteGadgetEntry(list, 0);
      }
      source->items = {};
      EXPECT_EQ(list->SyncDataSource(), c.how == EmptySource ? 1 : 0);
    }
    source->items = c.refill;
    list->SyncDataSource();
    EXPECT_EQ(Texts(), c.texts);
  }
}

TEST_F(DataSource, WithoutSourceSynchronisingDoesNothing) {
  list->InsertItem(0, u"kept", u"", 0, nullptr, 0);
  EXPECT_EQ(list->SyncDataSource(), 0);
  EXPECT_EQ(Texts(), u"kept ");
}

TEST_F(DataSource, SourceOfAnotherTypeCountsAsEmpty) {
  list->InsertItem(0, u"old", u"", 0, nullptr, 0);
  list->SetDataSource(MakeText(u"not a list"));
  EXPECT_EQ(list->ItemCount(), 0);
}

TEST_F(DataSource, ListElementsGiveTheirTextFormAndNullsGiveNoKey) {
  auto source = New<TList>();
  source->AddLast(MakeText(u"a"));
  source->AddLast(nullptr);
  source->AddLast(MakeText(u"b"));
  EXPECT_EQ(TGadget::KeysFromList(*source), (std::vector<std::u16string>{u"a", u"b"}));
  list->SetDataSource(source);
  // No blank item stands in for the null element.
  EXPECT_EQ(Texts(), u"a b ");
}

TEST_F(DataSource, ObjectArraySkipsNulls) {
  auto source = New<TObjectArray>(3);
  source->items[0] = MakeText(u"x");
  source->items[2] = MakeText(u"y");
  EXPECT_EQ(TGadget::KeysFromObjectArray(*source), (std::vector<std::u16string>{u"x", u"y"}));
  list->SetDataSource(source);
  EXPECT_EQ(Texts(), u"x y ");
}

TEST_F(DataSource, NewSourceStartsFromNoKeys) {
  list->SetDataSource(Keys({u"a", u"b"}));
  CallLog().clear();
  list->SetDataSource(Keys({u"a", u"b"}));
  // Cleared, then rebuilt: the old keys do not carry over to another source.
  EXPECT_EQ(CallLog().size(), 3u);
  EXPECT_EQ(CallLog()[0], "ClearListItems()");
}

// Entries edited by hand between two syncs: the sync starts from the entries as they are, so it
// leaves exactly the source's keys, whatever was inserted, deleted, changed or moved meanwhile.
TEST_F(DataSource, ASyncAfterHandEditsLeavesExactlyTheSourcesKeys) {
  struct Case {
    const char* name;
    std::function<void(const Ref<TGadget>&)> edit;
    std::vector<std::u16string> next;  // the source's keys at the sync
  } cases[] = {
      {"inserted in the middle",
       [](const Ref<TGadget>& g) { InsertGadgetEntry(g, 1, u"hand"); },
       {u"a", u"b", u"c"}},
      {"inserted at the front",
       [](const Ref<TGadget>& g) { InsertGadgetEntry(g, 0, u"hand"); },
       {u"a", u"b", u"c"}},
      {"inserted, source grown",
       [](const Ref<TGadget>& g) { InsertGadgetEntry(g, 2, u"hand"); },
       {u"a", u"b", u"c", u"d"}},
      {"deleted in the middle", [](const Ref<TGadget>& g) { DeleteGadgetEntry(g, 1); }, {u"a", u"b", u"c"}},
      {"deleted at the end", [](const Ref<TGadget>& g) { DeleteGadgetEntry(g, 2); }, {u"a", u"b", u"c"}},
      {"deleted, source shrunk", [](const Ref<TGadget>& g) { DeleteGadgetEntry(g, 0); }, {u"a", u"c"}},
      {"changed", [](const Ref<TGadget>& g) { ChangeGadgetEntry(g, 1, u"hand"); }, {u"a", u"b", u"c"}},
      {"changed to another key",
       [](const Ref<TGadget>& g) { ChangeGadgetEntry(g, 0, u"c"); },
       {u"a", u"b", u"c"}},
      {"moved to the end",
       [](const Ref<TGadget>& g) {
         DeleteGadgetEntry(g, 0);
         AppendGadgetEntry(g, u"a");
       },
       {u"a", u"b", u"c"}},
      {"reversed",
       [](const Ref<TGadget>& g) {
         ClearGadgetEntries(g);
         for (const char16_t* k : {u"c", u"b", u"a"}) AppendGadgetEntry(g, k);
       },
       {u"a", u"b", u"c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto source = Keys({u"a", u"b", u"c"});
    list->SetDataSource(source);
    c.edit(list);
    source->items = c.next;
    list->SyncDataSource();
    std::vector<std::u16string> texts;
    for (int32_t i = 0; i < CountGadgetEntries(list); ++i) texts.push_back(GetEntryText(list, i));
    EXPECT_EQ(texts, c.next);
    // The native side follows the entries one for one.
    EXPECT_EQ(list->nativeStates.size(), c.next.size());
  }
}

TEST_F(DataSource, ItemsAddedByHandBehindTheSourceAreRemovedOnSync) {
  auto source = Keys({u"a"});
  list->SetDataSource(source);
  list->InsertItem(1, u"extra", u"", 0, nullptr, 0);
  list->SyncDataSource();
  EXPECT_EQ(Texts(), u"a ");
}

}  // namespace
