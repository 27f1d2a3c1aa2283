// Attaching gadgets to parents, the order of kids, and the gadget's own defaults.
#include "tests/gui/recording_driver.h"

namespace {

class GadgetTree : public RecordingDriverTest {
 protected:
  // A parent with four named kids a, b, c, d.
  void SetUp() override {
    RecordingDriverTest::SetUp();
    parent = MakeRecordingGadget();
    for (const char16_t* n : {u"a", u"b", u"c", u"d"}) {
      auto k = MakeRecordingGadget();
      k->name = n;
      k->_setparent(parent, -1);
    }
  }

  std::u16string Order() const {
    std::u16string s;
    for (const Ref<TObject>& k : *parent->kids) s += Cast<TGadget>(k)->name;
    return s;
  }

  Ref<TRecordingGadget> Named(const char16_t* n) {
    auto g = MakeRecordingGadget();
    g->name = n;
    return g;
  }

  Ref<TRecordingGadget> parent;
};

TEST_F(GadgetTree, NegativeIndexAppends) {
  auto e = Named(u"e");
  e->_setparent(parent, -1);
  EXPECT_EQ(Order(), u"abcde");
  EXPECT_EQ(e->parent, Ref<TGadget>(parent));
}

TEST_F(GadgetTree, IndexAtOrBeyondKidCountAppends) {
  Named(u"e")->_setparent(parent, 4);
  Named(u"f")->_setparent(parent, 99);
  EXPECT_EQ(Order(), u"abcdef");
}

TEST_F(GadgetTree, IndexZeroPutsFirst) {
  Named(u"e")->_setparent(parent, 0);
  EXPECT_EQ(Order(), u"eabcd");
}

TEST_F(GadgetTree, IndexTwoAmongFourBecomesThirdKid) {
  Named(u"e")->_setparent(parent, 2);
  EXPECT_EQ(Order(), u"abecd");
}

TEST_F(GadgetTree, MovingLeavesTheOldParent) {
  auto other = MakeRecordingGadget();
  auto b = Cast<TGadget>(parent->kids->At(1));
  b->_setparent(other, -1);
  EXPECT_EQ(Order(), u"acd");
  EXPECT_EQ(other->kids->Count(), 1u);
  EXPECT_EQ(b->parent, Ref<TGadget>(other));
}

TEST_F(GadgetTree, ReattachingToTheSameParentReordersWithoutDuplicating) {
  auto a = Cast<TGadget>(parent->kids->At(0));
  a->_setparent(parent, -1);
  EXPECT_EQ(Order(), u"bcda");
}

TEST_F(GadgetTree, NullParentDetaches) {
  auto c = Cast<TGadget>(parent->kids->At(2));
  c->_setparent(nullptr, 0);
  EXPECT_EQ(Order(), u"abd");
  EXPECT_EQ(c->parent, nullptr);
}

TEST_F(GadgetTree, DetachingAGadgetHeldOnlyByItsParentIsSafe) {
  TGadget* d = Cast<TGadget>(parent->kids->At(3)).get();
  // Only the kids list (and the test's tracker) hold d; detaching must not touch a freed object.
  d->_setparent(nullptr, -1);
  EXPECT_EQ(Order(), u"abc");
}

TEST_F(GadgetTree, AGadgetCannotBecomeItsOwnAncestor) {
  auto a = Cast<TGadget>(parent->kids->At(0));
  EXPECT_THROW(parent->_setparent(a, -1), TRuntimeError);
  EXPECT_THROW(parent->_setparent(parent, -1), TRuntimeError);
  EXPECT_EQ(parent->parent, nullptr);
  EXPECT_EQ(Order(), u"abcd");
}

TEST_F(GadgetTree, NewGadgetStartsEmptyAndUnlocked) {
  auto g = New<TGadget>();
  EXPECT_EQ(g->total, 1);
  EXPECT_EQ(g->kids->Count(), 0u);
  EXPECT_EQ(g->items->Length(), 0u);
  EXPECT_EQ(g->lockcw, 0);
  EXPECT_EQ(g->lockch, 0);
  EXPECT_FALSE(g->HasEventFilter());
  EXPECT_EQ(g->Handle(), g);
}

TEST_F(GadgetTree, BaseHooksAnswerNothing) {
  auto g = New<TGadget>();
  EXPECT_EQ(g->Query(QueryKind::NativeHandle), 0);
  EXPECT_EQ(g->State(), 0);
  EXPECT_EQ(g->GetText(), u"");
  EXPECT_EQ(g->GetMenu(), nullptr);
  EXPECT_EQ(g->InsertNode(0, u"x", 0), nullptr);
  EXPECT_EQ(g->AttachGraphics(0), nullptr);
  EXPECT_EQ(g->Run(u"x"), u"");
  EXPECT_EQ(g->ListItemState(0), 0);
}

}  // namespace
