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
  EXPECT_EQ(real->source, proxy.get());
  PostGadgetEvent(GadgetAction, real, 0, 0, 0, 0, nullptr);
  ASSERT_EQ(Emitted().size(), 1u);
  EXPECT_EQ(Emitted()[0]->source, Ref<TObject>(proxy));
}

TEST_F(Proxy, TheSourceRuleIsAppliedOnceOnly) {
  auto outer = MakeRecordingGadget();
  proxy->source = outer.get();  // the proxy itself stands in for yet another gadget
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

// After re-pointing, the old target's events are its own again (unless another proxy took it
// over since), and no target holds its proxy: the proxy goes with its last outside reference.
TEST_F(Proxy, RePointingGivesTheOldTargetItsOwnEventsBack) {
  enum Next { AnotherGadget, Null, Itself };
  struct Case {
    const char* name;
    Next next;
    bool takenOver;  // a second proxy took the old target over before the first re-points
  } cases[] = {
      {"to another gadget", AnotherGadget, false},
      {"to Null", Null, false},
      {"to the same gadget again", Itself, false},
      {"to another gadget, old target taken over", AnotherGadget, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto old = MakeRecordingGadget();
    auto other = MakeRecordingGadget();
    auto second = New<TProxyGadget>();
    TrackGadget(second);
    const int alone = proxy->RefCount();
    proxy->SetProxy(old);
    if (c.takenOver) second->SetProxy(old);
    proxy->SetProxy(c.next == AnotherGadget ? Ref<TGadget>(other)
                    : c.next == Null        ? nullptr
                                            : Ref<TGadget>(old));
    EXPECT_EQ(proxy->RefCount(), alone);
    Emitted().clear();
    PostGadgetEvent(GadgetAction, old, 0, 0, 0, 0, nullptr);
    PostGadgetEvent(GadgetAction, other, 0, 0, 0, 0, nullptr);
    ASSERT_EQ(Emitted().size(), 2u);
    const Ref<TObject> oldReports = c.takenOver        ? Ref<TObject>(second)
                                    : c.next == Itself ? Ref<TObject>(proxy)
                                                       : Ref<TObject>(old);
    EXPECT_EQ(Emitted()[0]->source, oldReports);
    EXPECT_EQ(Emitted()[1]->source, c.next == AnotherGadget ? Ref<TObject>(proxy) : Ref<TObject>(other));
    proxy->SetProxy(nullptr);
    second->SetProxy(nullptr);
  }
}

TEST_F(Proxy, ReleasingTheProxyReleasesItsTarget) {
  auto target = MakeRecordingGadget();
  const int held = target->RefCount();
  New<TProxyGadget>()->SetProxy(target);
  EXPECT_EQ(target->RefCount(), held);
  PostGadgetEvent(GadgetAction, target, 0, 0, 0, 0, nullptr);
  ASSERT_EQ(Emitted().size(), 1u);
  EXPECT_EQ(Emitted()[0]->source, Ref<TObject>(target));
}

}  // namespace
