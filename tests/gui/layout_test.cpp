// The layout engine: recorded bases, edge modes, truncating arithmetic and subtree relayout.
#include "tests/gui/recording_driver.h"

namespace {

class Layout : public RecordingDriverTest {
 protected:
  // A parent of client size 200 x 100 and a kid shaped at x 10, w 50 (y 5, h 30) under it.
  void SetUp() override {
    RecordingDriverTest::SetUp();
    parent = MakeRecordingGadget(200, 100);
    kid = MakeRecordingGadget();
    kid->_setparent(parent, -1);
    kid->SetShape(10, 5, 50, 30);
  }

  // Sets the horizontal modes (vertical ones Free), widens the parent to 400 and lays out.
  void Horizontal(int32_t left, int32_t right) {
    kid->SetLayout(left, right, EdgeMode::Free, EdgeMode::Free);
    parent->clientWidth = 400;
    parent->LayoutKids();
  }

  Ref<TRecordingGadget> parent, kid;
};

TEST_F(Layout, ShapeRecordsRectangleAndParentClientSize) {
  EXPECT_EQ(kid->lockx, 10);
  EXPECT_EQ(kid->locky, 5);
  EXPECT_EQ(kid->lockw, 50);
  EXPECT_EQ(kid->lockh, 30);
  EXPECT_EQ(kid->lockcw, 200);
  EXPECT_EQ(kid->lockch, 100);
}

TEST_F(Layout, BothEdgesAlignedStretchWithTheParent) {
  Horizontal(EdgeMode::Aligned, EdgeMode::Aligned);
  EXPECT_EQ(kid->xpos, 10);
  EXPECT_EQ(kid->width, 250);
}

TEST_F(Layout, BothEdgesRelativeScaleWithTheParent) {
  Horizontal(EdgeMode::Relative, EdgeMode::Relative);
  EXPECT_EQ(kid->xpos, 20);
  EXPECT_EQ(kid->width, 100);
}

TEST_F(Layout, RightAlignedKeepsWidthAndDistanceToTheRight) {
  Horizontal(EdgeMode::Free, EdgeMode::Aligned);
  EXPECT_EQ(kid->xpos, 210);
  EXPECT_EQ(kid->width, 50);
}

TEST_F(Layout, LeftAlignedKeepsPositionAndWidth) {
  Horizontal(EdgeMode::Aligned, EdgeMode::Free);
  EXPECT_EQ(kid->xpos, 10);
  EXPECT_EQ(kid->width, 50);
}

TEST_F(Layout, FreeEdgesKeepWidthAndScaleTheCentre) {
  Horizontal(EdgeMode::Free, EdgeMode::Free);
  EXPECT_EQ(kid->xpos, 45);
  EXPECT_EQ(kid->width, 50);
}

TEST_F(Layout, UnknownModeLeavesThatEdgeWhereItWas) {
  kid->SetRect(7, 5, 50, 30);
  Horizontal(5, EdgeMode::Free);
  EXPECT_EQ(kid->xpos, 7);
  EXPECT_EQ(kid->width, 50);
}

TEST_F(Layout, VerticalEdgesFollowClientHeight) {
  kid->SetLayout(EdgeMode::Free, EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Aligned);
  parent->clientHeight = 160;
  parent->LayoutKids();
  EXPECT_EQ(kid->ypos, 5);
  EXPECT_EQ(kid->height, 90);
}

TEST_F(Layout, OddWidthHalvesTowardZero) {
  // Centre of x 10, w 51 at 200 -> 400: 400 * (10 + 25) / 200 - 25 = 45.
  kid->SetShape(10, 5, 51, 30);
  Horizontal(EdgeMode::Free, EdgeMode::Free);
  EXPECT_EQ(kid->xpos, 45);
  EXPECT_EQ(kid->width, 51);
}

TEST_F(Layout, NegativeWidthHalvesTowardZero) {
  // -3 halves to -1 (not -2): 400 * (10 - 1) / 200 + 1 = 19.
  kid->SetShape(10, 5, -3, 30);
  Horizontal(EdgeMode::Free, EdgeMode::Free);
  EXPECT_EQ(kid->xpos, 19);
  EXPECT_EQ(kid->width, -3);
}

TEST_F(Layout, RelativeDivisionTruncatesTowardZeroForNegativePositions) {
  // 300 * -7 / 200 = -10.5 truncates to -10 (flooring would give -11).
  kid->SetShape(-7, 5, 50, 30);
  kid->SetLayout(EdgeMode::Relative, EdgeMode::Free, EdgeMode::Free, EdgeMode::Free);
  parent->clientWidth = 300;
  parent->LayoutKids();
  EXPECT_EQ(kid->xpos, -10);
}

TEST_F(Layout, HugeParentWrapsInsteadOfFaulting) {
  Horizontal(EdgeMode::Relative, EdgeMode::Relative);
  parent->clientWidth = 0x7FFFFFFF;
  parent->LayoutKids();
  // The products overflow 32 bits and wrap as the machine's would: 0x7FFFFFFF * 10 is -10 and
  // 0x7FFFFFFF * 60 is -60, both of which divide by 200 to 0.
  EXPECT_EQ(kid->xpos, 0);
  EXPECT_EQ(kid->width, 0);
}

TEST_F(Layout, LayoutKeepsTheRecordedBase) {
  Horizontal(EdgeMode::Aligned, EdgeMode::Aligned);
  EXPECT_EQ(kid->lockw, 50);
  EXPECT_EQ(kid->lockcw, 200);
  parent->clientWidth = 200;
  parent->LayoutKids();
  EXPECT_EQ(kid->width, 50);
}

TEST_F(Layout, UnrecordedBaseIsLeftAlone) {
  auto fresh = MakeRecordingGadget();
  fresh->_setparent(parent, -1);
  fresh->SetRect(3, 4, 5, 6);
  fresh->lockl = EdgeMode::Relative;
  parent->clientWidth = 400;
  parent->LayoutKids();  // must not divide by the unrecorded parent size 0
  EXPECT_EQ(fresh->xpos, 3);
  EXPECT_EQ(fresh->width, 5);
  EXPECT_EQ(fresh->rethinks, 0);
}

TEST_F(Layout, WithoutParentLayoutDoesNothingAndBaseIsOneByOne) {
  auto lone = MakeRecordingGadget();
  lone->SetShape(1, 2, 3, 4);
  EXPECT_EQ(lone->lockcw, 1);
  EXPECT_EQ(lone->lockch, 1);
  const int before = lone->rethinks;
  lone->DoLayout();
  EXPECT_EQ(lone->rethinks, before);
}

TEST_F(Layout, ParentWithZeroClientSizeRecordsOne) {
  parent->clientWidth = 0;
  parent->clientHeight = -5;
  kid->LockLayout();
  EXPECT_EQ(kid->lockcw, 1);
  EXPECT_EQ(kid->lockch, 1);
}

TEST_F(Layout, SetAreaStoresThenRethinksThenLaysOutKids) {
  CallLog().clear();
  kid->name = u"kid";
  parent->name = u"parent";
  kid->SetLayout(EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free, EdgeMode::Free);
  parent->clientWidth = 300;
  CallLog().clear();
  parent->SetArea(1, 2, 310, 110);
  ASSERT_EQ(CallLog().size(), 2u);
  EXPECT_EQ(CallLog()[0], "Rethink(parent,1,2,310,110)");
  EXPECT_EQ(CallLog()[1], "Rethink(kid,10,5,150,30)");
  // SetArea does not record a base.
  EXPECT_EQ(parent->lockw, 0);
}

TEST_F(Layout, OneSetAreaOnAWindowRelaysTheWholeSubtree) {
  auto window = MakeRecordingGadget(200, 100);
  window->_setparent(MakeRecordingGadget(1000, 1000), -1);
  auto panel = MakeRecordingGadget(200, 100);
  panel->_setparent(window, -1);
  panel->SetShape(0, 0, 200, 100);
  panel->SetLayout(EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Aligned);
  auto button = MakeRecordingGadget();
  button->_setparent(panel, -1);
  button->SetShape(150, 70, 40, 20);
  button->SetLayout(EdgeMode::Free, EdgeMode::Aligned, EdgeMode::Free, EdgeMode::Aligned);

  // The recording gadgets report a fixed client size; the driver would read it back natively.
  window->clientWidth = 400;
  window->clientHeight = 300;
  panel->clientWidth = 400;
  panel->clientHeight = 300;
  window->SetArea(0, 0, 400, 300);
  EXPECT_EQ(panel->width, 400);
  EXPECT_EQ(panel->height, 300);
  EXPECT_EQ(button->xpos, 350);
  EXPECT_EQ(button->ypos, 270);
  EXPECT_EQ(button->width, 40);
}

TEST_F(Layout, KidsAreLaidOutInKidsOrder) {
  auto second = MakeRecordingGadget();
  second->name = u"second";
  second->_setparent(parent, -1);
  second->SetShape(0, 0, 10, 10);
  auto first = MakeRecordingGadget();
  first->name = u"first";
  first->_setparent(parent, 0);
  first->SetShape(0, 0, 10, 10);
  kid->name = u"kid";
  CallLog().clear();
  parent->LayoutKids();
  auto calls = CallsStartingWith("Rethink");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].substr(0, 14), "Rethink(first,");
  EXPECT_EQ(calls[1].substr(0, 12), "Rethink(kid,");
  EXPECT_EQ(calls[2].substr(0, 15), "Rethink(second,");
}

TEST_F(Layout, NonGadgetKidsAreSkipped) {
  parent->kids->AddLast(MakeText(u"not a gadget"));
  auto after = MakeRecordingGadget();
  after->_setparent(parent, -1);
  after->SetShape(0, 0, 10, 10);
  after->SetLayout(EdgeMode::Aligned, EdgeMode::Aligned, EdgeMode::Free, EdgeMode::Free);
  parent->clientWidth = 400;
  parent->LayoutKids();
  // The gadget behind the text is still laid out.
  EXPECT_EQ(after->width, 210);
}

}  // namespace
