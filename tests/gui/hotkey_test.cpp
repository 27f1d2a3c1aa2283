// The hot-key registry: one entry per key and modifiers, owners, and taking entries out.
#include "event/event.h"
#include "tests/gui/recording_driver.h"

namespace {

using HotKeys = RecordingDriverTest;

int Count() {
  int n = 0;
  for (THotKey* h = THotKey::first.get(); h; h = h->succ.get()) ++n;
  return n;
}

TEST_F(HotKeys, WithoutEventRegisteringMakesAHotKeyEvent) {
  Ref<THotKey> h = RegisterHotKeyEvent(65, ModControl, nullptr, 0);
  ASSERT_TRUE(h->event);
  EXPECT_EQ(h->event->id, 0x1001);
  EXPECT_EQ(h->event->data, 65);
  EXPECT_EQ(h->event->mods, ModControl);
  EXPECT_EQ(h->event->source, nullptr);
  EXPECT_EQ(THotKey::first, h);
}

TEST_F(HotKeys, ReRegisteringReplacesOwnerAndEventOfTheOneEntry) {
  auto first = MakeEvent(GadgetAction, nullptr, 1, 0, 0, 0, nullptr);
  auto second = MakeEvent(GadgetAction, nullptr, 2, 0, 0, 0, nullptr);
  Ref<THotKey> a = RegisterHotKeyEvent(65, 2, first, 111);
  Ref<THotKey> b = RegisterHotKeyEvent(65, 2, second, 222);
  EXPECT_EQ(a, b);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(b->owner, 222);
  EXPECT_EQ(LookupHotKeyEvent(65, 2, 222), second);
  EXPECT_EQ(LookupHotKeyEvent(65, 2, 111), nullptr);
}

TEST_F(HotKeys, OwnerZeroMatchesEveryWindowAndAnOwnerOnlyItself) {
  auto any = MakeEvent(GadgetAction, nullptr, 1, 0, 0, 0, nullptr);
  auto mine = MakeEvent(GadgetAction, nullptr, 2, 0, 0, 0, nullptr);
  RegisterHotKeyEvent(70, 0, any, 0);
  RegisterHotKeyEvent(71, 0, mine, 500);
  EXPECT_EQ(LookupHotKeyEvent(70, 0, 500), any);
  EXPECT_EQ(LookupHotKeyEvent(70, 0, 12345), any);
  EXPECT_EQ(LookupHotKeyEvent(71, 0, 500), mine);
  EXPECT_EQ(LookupHotKeyEvent(71, 0, 501), nullptr);
}

TEST_F(HotKeys, KeyAndModifiersMustBothMatch) {
  RegisterHotKeyEvent(70, ModShift, nullptr, 0);
  EXPECT_EQ(LookupHotKeyEvent(70, 0, 0), nullptr);
  EXPECT_EQ(LookupHotKeyEvent(71, ModShift, 0), nullptr);
  EXPECT_NE(LookupHotKeyEvent(70, ModShift, 0), nullptr);
}

TEST_F(HotKeys, UnregisteringUnlinksFromHeadMiddleAndEnd) {
  Ref<THotKey> c = RegisterHotKeyEvent(3, 0, nullptr, 0);
  Ref<THotKey> b = RegisterHotKeyEvent(2, 0, nullptr, 0);
  Ref<THotKey> a = RegisterHotKeyEvent(1, 0, nullptr, 0);  // list: a b c
  UnregisterHotKey(b);
  EXPECT_EQ(b->succ, nullptr);
  EXPECT_EQ(a->succ, c);
  UnregisterHotKey(a);
  EXPECT_EQ(THotKey::first, c);
  UnregisterHotKey(c);
  EXPECT_EQ(THotKey::first, nullptr);
  EXPECT_EQ(LookupHotKeyEvent(1, 0, 0), nullptr);
}

TEST_F(HotKeys, UnregisteringAnEntryNotInTheListIsIgnored) {
  Ref<THotKey> kept = RegisterHotKeyEvent(1, 0, nullptr, 0);
  auto stray = New<THotKey>();
  stray->succ = kept;  // looks linked, but the registry does not hold it
  UnregisterHotKey(stray);
  UnregisterHotKey(nullptr);
  EXPECT_EQ(THotKey::first, kept);
  EXPECT_EQ(Count(), 1);
}

}  // namespace
