// Event records: fields, the text form of every kind of id, and private ids.
#include "event/event.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "runtime/text.h"

namespace {

std::string Text(const Ref<TEvent>& e) { return Utf8(e->ToString()); }

TEST(Event, CreateSetsTheSevenFieldsInOrder) {
  Ref<TObject> source = New<TObject>();
  Ref<TObject> extra = MakeText(u"x");
  Ref<TEvent> e = TEvent::Create(GadgetAction, source, 1, 2, 3, 4, extra);
  EXPECT_EQ(e->id, GadgetAction);
  EXPECT_EQ(e->source, source);
  EXPECT_EQ(e->data, 1);
  EXPECT_EQ(e->mods, 2);
  EXPECT_EQ(e->x, 3);
  EXPECT_EQ(e->y, 4);
  EXPECT_EQ(e->extra, extra);
  // The event holds its own references.
  EXPECT_EQ(source->RefCount(), 2);
}

TEST(Event, MakeEventBuildsTheSameEventAsCreate) {
  Ref<TObject> source = New<TObject>();
  Ref<TEvent> e = MakeEvent(KeyDown, source, 0x41, ModShift, -1, -2, nullptr);
  EXPECT_EQ(Text(e), "KeyDown: data=65, mods=1, x=-1, y=-2, extra=\"\"");
  EXPECT_EQ(e->source, source);
}

// Freed events are kept for reuse; whatever the last one held must not show through.
TEST(Event, NewEventStartsCleanAfterOthersWereFreed) {
  for (int round = 0; round < 3; ++round) {
    std::vector<Ref<TEvent>> burst;
    for (int i = 0; i < 50; ++i)
      burst.push_back(MakeEvent(KeyDown, New<TObject>(), i + 1, 1, 2, 3, MakeText(u"x")));
    burst.clear();
    for (int i = 0; i < 50; ++i) {
      Ref<TEvent> e = New<TEvent>();
      ASSERT_EQ(e->id | e->data | e->mods | e->x | e->y, 0);
      ASSERT_EQ(e->source, nullptr);
      ASSERT_EQ(e->extra, nullptr);
      burst.push_back(e);
    }
  }
}

struct Stamped : TEvent {
  char stamp[100] = {};
};

TEST(Event, DerivedEventsOfOtherSizesLiveAndDieNormally) {
  std::vector<Ref<TEvent>> mixed;
  for (int i = 0; i < 20; ++i) {
    mixed.push_back(New<Stamped>());
    mixed.push_back(New<TEvent>());
  }
  for (auto& e : mixed)
    if (auto s = Cast<Stamped>(e)) s->stamp[99] = 1;
  mixed.clear();
  Ref<Stamped> s = New<Stamped>();
  EXPECT_EQ(s->stamp[99], 0);
}

TEST(EventText, NewEventIsAnUnknownIdZero) {
  EXPECT_EQ(Text(New<TEvent>()), "Unknown Event, id=0: data=0, mods=0, x=0, y=0, extra=\"\"");
}

TEST(EventText, NamedIdWithTextExtra) {
  EXPECT_EQ(Text(MakeEvent(GadgetAction, nullptr, 0, 0, 0, 0, nullptr)),
            "GadgetAction: data=0, mods=0, x=0, y=0, extra=\"\"");
  EXPECT_EQ(Text(MakeEvent(WindowAccept, nullptr, 2, 8, 10, 20, MakeText(u"C:\\a.txt"))),
            "WindowAccept: data=2, mods=8, x=10, y=20, extra=\"C:\\a.txt\"");
}

TEST(EventText, ExtraThatIsNotTextShowsNothing) {
  EXPECT_EQ(Text(MakeEvent(WindowClose, nullptr, 0, 0, 0, 0, New<TObject>())),
            "WindowClose: data=0, mods=0, x=0, y=0, extra=\"\"");
}

TEST(EventText, NumbersAreSignedDecimalDownToTheMinimum) {
  Ref<TEvent> e = MakeEvent(MouseWheel, nullptr, -3, INT32_MIN, INT32_MAX, -1, nullptr);
  EXPECT_EQ(Text(e), "MouseWheel: data=-3, mods=-2147483648, x=2147483647, y=-1, extra=\"\"");
}

TEST(EventText, HotKeyIdHasNoName) {
  EXPECT_TRUE(EventIdName(HotKeyHit).empty());
  EXPECT_EQ(Text(MakeEvent(HotKeyHit, nullptr, 0x70, 2, 0, 0, nullptr)),
            "Unknown Event, id=4097: data=112, mods=2, x=0, y=0, extra=\"\"");
}

TEST(EventText, UnnamedIdsPrintTheirSignedValue) {
  EXPECT_EQ(Text(MakeEvent(0x206, nullptr, 0, 0, 0, 0, nullptr)).substr(0, 22), "Unknown Event, id=518:");
  EXPECT_EQ(Text(MakeEvent(0x3000, nullptr, 0, 0, 0, 0, nullptr)).substr(0, 24), "Unknown Event, id=12288:");
}

TEST(EventText, PrivateIdsCountFromTheTopBit) {
  auto text = [](uint32_t id) {
    return Text(MakeEvent(static_cast<int32_t>(id), nullptr, 0, 0, 0, 0, nullptr));
  };
  EXPECT_EQ(text(0x80000000u), "UserEvent0: data=0, mods=0, x=0, y=0, extra=\"\"");
  EXPECT_EQ(text(0x80000002u).substr(0, 11), "UserEvent2:");
  EXPECT_EQ(text(0xFFFFFFFFu).substr(0, 20), "UserEvent2147483647:");
}

TEST(EventText, EveryNamedIdPrintsItsName) {
  const std::pair<int32_t, const char*> names[] = {
      {0x101, "AppSuspend"},    {0x102, "AppResume"},       {0x103, "AppTerminate"},
      {0x104, "AppOpenFile"},   {0x105, "AppIdle"},         {0x201, "KeyDown"},
      {0x202, "KeyUp"},         {0x203, "KeyChar"},         {0x204, "KeyRepeat"},
      {0x401, "MouseDown"},     {0x402, "MouseUp"},         {0x403, "MouseMove"},
      {0x404, "MouseWheel"},    {0x405, "MouseEnter"},      {0x406, "MouseLeave"},
      {0x801, "TimerTick"},     {0x2001, "GadgetAction"},   {0x2002, "GadgetPaint"},
      {0x2003, "GadgetSelect"}, {0x2004, "GadgetMenu"},     {0x2005, "GadgetOpen"},
      {0x2006, "GadgetClose"},  {0x2007, "GadgetDone"},     {0x2008, "GadgetLostFocus"},
      {0x2009, "GadgetShape"},  {0x4001, "WindowMove"},     {0x4002, "WindowSize"},
      {0x4003, "WindowClose"},  {0x4004, "WindowActivate"}, {0x4005, "WindowAccept"},
      {0x4006, "WindowScale"},  {0x8001, "MenuAction"},     {0x10001, "StreamEof"},
      {0x10002, "StreamAvail"}, {0x20001, "ProcessExit"},
  };
  for (auto [id, name] : names)
    EXPECT_EQ(Text(MakeEvent(id, nullptr, 0, 0, 0, 0, nullptr)),
              std::string(name) + ": data=0, mods=0, x=0, y=0, extra=\"\"")
        << std::hex << id;
}

// This program's only user of private ids, so the first one comes from a fresh counter.
TEST(EventIds, PrivateIdsStartJustAboveTheTopBit) {
  static const uint32_t first = static_cast<uint32_t>(TEvent::AllocUserId());
  EXPECT_EQ(first, 0x80000001u);
  uint32_t next = static_cast<uint32_t>(NewUserEventId());
  EXPECT_GT(next, first);
  EXPECT_EQ(static_cast<uint32_t>(TEvent::AllocUserId()), next + 1);
}

}  // namespace
