// Event sources and proxies: who an event is reported for, and what a proxy forwards.
#include "tests/gui/recording_driver.h"

namespace {

class Proxy : public RecordingDriverTest {
 protected:
  void SetUp() override {
    RecordingDriverTest::SetUp();
    real = MakeRecordingGadget(123, 45);
    real->name = u"real";
    proxy = New<TProxyGadget>();
    TrackGadget(proxy);
  }

  Ref<TRecordingGadget> real;
  Ref<TProxyGadget> proxy;
};

TEST_F(Proxy, PostedEventCarriesAllFields) {
  auto extra = MakeText(u"file");
  PostGadgetEvent(GadgetAction, real, 1, 2, 3, 4, extra);
  ASSERT_EQ(Emitted().size(), 1u);
  const TEvent& e = *Emitted()[0];
  EXPECT_EQ(e.id, GadgetAction);
  EXPECT_EQ(e.source, Ref<TObject>(real));
  EXPECT_EQ(e.data, 1);
  EXPECT_EQ(e.mods, 2);
  EXPECT_EQ(e.x, 3);
  EXPECT_EQ(e.y, 4);
  EXPECT_EQ(e.extra, Ref<TObject>(extra));
}

TEST_F(Proxy, ActionsOfTheRealGadgetArriveAsTheProxys) {
  proxy->SetProxy(real);
  EXPECT_EQ(real->source, Ref<TGadget>(proxy));
  PostGadgetEvent(GadgetAction, real, 0, 0, 0, 0, nullptr);
  ASSERT_EQ(Emitted().size(), 1u);
  EXPECT_EQ(Emitted()[0]->source, Ref<TObject>(proxy));
}

TEST_F(Proxy, TheSourceRuleIsAppliedOnceOnly) {
  auto outer = MakeRecordingGadget();
  proxy->source = outer;  // the proxy itself stands in for yet another gadget
  proxy->SetProxy(real);
  PostGadgetEvent(GadgetAction, real, 0, 0, 0, 0, nullptr);
  EXPECT_EQ(Emitted()[0]->source, Ref<TObject>(proxy));
}

TEST_F(Proxy, NullSourcePostsWithNullSource) {
  PostGadgetEvent(MenuAction, nullptr, 7, 0, 0, 0, nullptr);
  ASSERT_EQ(Emitted().size(), 1u);
  EXPECT_EQ(Emitted()[0]->source, nullptr);
  EXPECT_EQ(Emitted()[0]->data, 7);
}

TEST_F(Proxy, NewProxyPointsAtTheInertGadget) {
  EXPECT_EQ(proxy->proxy, nullGadget);
  EXPECT_EQ(proxy->Query(QueryKind::NativeHandle), 0);
  EXPECT_EQ(proxy->GetText(), u"");
}

TEST_F(Proxy, ForwardsQueriesAndAnswersTheirResults) {
  proxy->SetProxy(real);
  EXPECT_EQ(proxy->Query(QueryKind::NativeHandle), 1000);
  EXPECT_EQ(proxy->Query(QueryKind::ClientHandle), 2000);
  EXPECT_EQ(proxy->ClientWidth(), 123);
  EXPECT_EQ(proxy->GetText(), u"real");
  EXPECT_EQ(proxy->Run(u"go"), u"ran:go");
  CallLog().clear();
  proxy->ReplaceText(1, 2, u"t", TextUnits::Lines);
  proxy->SetColor(1, 2, 3);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"ReplaceText(1,2,t,2)", "SetColor(1,2,3)"}));
}

TEST_F(Proxy, KeepsItsOwnShapeAndItemsButMirrorsItemsToTheRealGadget) {
  proxy->SetProxy(real);
  proxy->SetRect(1, 2, 3, 4);
  EXPECT_EQ(real->width, 0);
  proxy->InsertItem(0, u"i", u"", 0, nullptr, ItemFlag::SelectOnSet);
  EXPECT_EQ(proxy->ItemCount(), 1);
  EXPECT_EQ(real->ItemCount(), 0);
  EXPECT_EQ(real->nativeStates, std::vector<int32_t>{GadgetState::Selected});
  EXPECT_EQ(proxy->SelectedItem(), 0);
}

TEST_F(Proxy, ProxyKidsAreLaidOutAgainstTheRealClientSize) {
  proxy->SetProxy(real);
  auto kid = MakeRecordingGadget();
  kid->_setparent(proxy, -1);
  kid->SetShape(0, 0, 10, 10);
  EXPECT_EQ(kid->lockcw, 123);
  EXPECT_EQ(kid->lockch, 45);
}

TEST_F(Proxy, NullProxyFallsBackToTheInertGadgetAndSelfIsRefused) {
  proxy->SetProxy(real);
  proxy->SetProxy(nullptr);
  EXPECT_EQ(proxy->proxy, nullGadget);
  EXPECT_THROW(proxy->SetProxy(proxy), TRuntimeError);
}

}  // namespace
