// Hook lists: reservation of ids, order by priority, removal, and how values pass along a list.
#include "event/hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/text.h"

namespace {

// A context that names its hook and records each call in a shared log.
struct Tag : TObject {
  Tag(std::string name, std::vector<std::string>* log) : name(std::move(name)), log(log) {}
  std::string name;
  std::vector<std::string>* log;
};

Ref<TObject> Record(int32_t, const Ref<TObject>& data, const Ref<TObject>& context) {
  auto* tag = static_cast<Tag*>(context.get());
  tag->log->push_back(tag->name);
  return data;
}

Ref<TObject> RecordToo(int32_t id, const Ref<TObject>& data, const Ref<TObject>& context) {
  return Record(id, data, context);
}

Ref<TObject> Swallow(int32_t, const Ref<TObject>&, const Ref<TObject>&) { return nullptr; }

// One list for every test here, reserved once: the id supply is finite and one test uses it up.
int32_t TestHookId() {
  static int32_t id = (EventModuleStart(), ReserveHookId());
  return id;
}

class HookList : public ::testing::Test {
 protected:
  void SetUp() override { id = TestHookId(); }
  void TearDown() override { Clear(); }
  void Clear() {
    while (Ref<THook> h = HookListHead(id)) UninstallHook(id, h->func, h->context);
  }
  Ref<TObject> Tagged(const std::string& name) { return New<Tag>(name, &log); }
  std::vector<std::string> Run() {
    log.clear();
    CallHooks(id, New<TObject>());
    return log;
  }
  int32_t id = 0;
  std::vector<std::string> log;
};

using Names = std::vector<std::string>;

TEST_F(HookList, EqualPrioritiesRunInInstallOrderAndHigherFirst) {
  auto last = Tagged("last"), a = Tagged("A"), b = Tagged("B"), high = Tagged("high");
  InstallHook(id, Record, last, -10000);
  InstallHook(id, Record, a, 0);
  InstallHook(id, Record, b, 0);
  InstallHook(id, Record, high, 5);
  EXPECT_EQ(Run(), (Names{"high", "A", "B", "last"}));
}

TEST_F(HookList, NewHookGoesBehindAllOfEqualPriorityAnywhereInTheList) {
  auto a = Tagged("A"), b = Tagged("B"), c = Tagged("C"), d = Tagged("D");
  InstallHook(id, Record, a, 3);
  InstallHook(id, Record, c, 1);
  InstallHook(id, Record, b, 3);
  InstallHook(id, Record, d, 1);
  EXPECT_EQ(Run(), (Names{"A", "B", "C", "D"}));
}

TEST_F(HookList, RemovesOnlyTheFirstOfTwoEqualHooks) {
  auto a = Tagged("A"), b = Tagged("B");
  InstallHook(id, Record, a, 5);
  InstallHook(id, Record, b, 3);
  InstallHook(id, Record, a, 1);
  UninstallHook(id, Record, a);
  EXPECT_EQ(Run(), (Names{"B", "A"}));
  UninstallHook(id, Record, a);
  EXPECT_EQ(Run(), (Names{"B"}));
}

TEST_F(HookList, RemovalNeedsBothFunctionAndContextToMatch) {
  auto a = Tagged("A"), b = Tagged("B");
  InstallHook(id, Record, a, 0);
  InstallHook(id, RecordToo, b, 0);
  UninstallHook(id, RecordToo, a);
  UninstallHook(id, Record, b);
  UninstallHook(id, Record, nullptr);
  EXPECT_EQ(Run(), (Names{"A", "B"}));
  UninstallHook(id, RecordToo, b);
  EXPECT_EQ(Run(), (Names{"A"}));
}

TEST_F(HookList, EmptyListReturnsTheDataItself) {
  Ref<TObject> data = New<TObject>();
  EXPECT_EQ(CallHooks(id, data), data);
}

TEST_F(HookList, NullFromOneHookReachesEveryLaterHook) {
  std::vector<bool> sawNull;
  static std::vector<bool>* seen;
  seen = &sawNull;
  auto note = [](int32_t, const Ref<TObject>& data, const Ref<TObject>&) -> Ref<TObject> {
    seen->push_back(data == nullptr);
    return data;
  };
  InstallHook(id, note, nullptr, 10);
  InstallHook(id, Swallow, nullptr, 5);
  InstallHook(id, note, nullptr, 0);
  InstallHook(id, note, nullptr, -5);
  EXPECT_EQ(CallHooks(id, New<TObject>()), nullptr);
  EXPECT_EQ(sawNull, (std::vector<bool>{false, true, true}));
}

TEST_F(HookList, ReplacedValueIsWhatLaterHooksAndTheCallerSee) {
  static Ref<TObject> replacement;
  replacement = MakeText(u"new");
  static Ref<TObject> seenByLast;
  auto replace = [](int32_t, const Ref<TObject>&, const Ref<TObject>&) { return replacement; };
  auto keep = [](int32_t, const Ref<TObject>& data, const Ref<TObject>&) {
    seenByLast = data;
    return data;
  };
  InstallHook(id, replace, nullptr, 1);
  InstallHook(id, keep, nullptr, 0);
  EXPECT_EQ(CallHooks(id, New<TObject>()), replacement);
  EXPECT_EQ(seenByLast, replacement);
  replacement = nullptr;
  seenByLast = nullptr;
}

TEST_F(HookList, HookPassesItsListIdAndContext) {
  static int32_t seenId = -1;
  static TObject* seenContext = nullptr;
  auto look = [](int32_t hookId, const Ref<TObject>& data, const Ref<TObject>& context) {
    seenId = hookId;
    seenContext = context.get();
    return data;
  };
  Ref<TObject> context = New<TObject>();
  InstallHook(id, look, context, 0);
  CallHooks(id, nullptr);
  EXPECT_EQ(seenId, id);
  EXPECT_EQ(seenContext, context.get());
}

TEST_F(HookList, HookMayRemoveItselfWhileTheListRuns) {
  static int32_t listId;
  listId = id;
  static THookFunc self;
  self = [](int32_t, const Ref<TObject>& data, const Ref<TObject>& context) {
    UninstallHook(listId, self, context);
    return data;
  };
  auto a = Tagged("A"), b = Tagged("B");
  InstallHook(id, Record, a, 2);
  InstallHook(id, self, nullptr, 1);
  InstallHook(id, Record, b, 0);
  EXPECT_EQ(Run(), (Names{"A", "B"}));
  EXPECT_EQ(Run(), (Names{"A", "B"}));
  EXPECT_EQ(HookListHead(id)->succ->succ, nullptr);
}

// A hook that, when it runs, removes the hooks named in its context, in that order ("R" is itself).
struct Remover : Tag {
  Remover(std::vector<std::string> victims, std::vector<std::string>* log)
      : Tag("R", log), victims(std::move(victims)) {}
  std::vector<std::string> victims;
};

// The hooks a Remover may name, by name; set by the test that runs removers.
std::vector<std::pair<std::string, Ref<TObject>>>* removable;
int32_t removalListId;

Ref<TObject> RemoveNamed(int32_t id, const Ref<TObject>& data, const Ref<TObject>& context) {
  Record(id, data, context);
  for (const std::string& victim : static_cast<Remover*>(context.get())->victims) {
    if (victim == "R") {
      UninstallHook(removalListId, RemoveNamed, context);
      continue;
    }
    for (auto& [name, tag] : *removable)
      if (name == victim) UninstallHook(removalListId, Record, tag);
  }
  return data;
}

TEST_F(HookList, HookRemovedWhileTheListRunsNeverRunsAgainWhateverTheOrderOfRemovals) {
  // The list is A, R, B, C from the highest priority down; R removes its victims when it runs.
  struct Case {
    std::vector<std::string> victims;
    Names first, second;
  };
  const Case cases[] = {
      {{"R", "B"}, {"A", "R", "C"}, {"A", "C"}},       // itself, then the next
      {{"B", "R"}, {"A", "R", "C"}, {"A", "C"}},       // the next, then itself
      {{"R", "C"}, {"A", "R", "B"}, {"A", "B"}},       // itself, then a later one
      {{"C", "R"}, {"A", "R", "B"}, {"A", "B"}},       // a later one, then itself
      {{"R", "B", "C"}, {"A", "R"}, {"A"}},            // itself, then all behind it
      {{"R", "C", "B"}, {"A", "R"}, {"A"}},            // itself, then all behind it from the end
      {{"B", "R", "C"}, {"A", "R"}, {"A"}},            // itself between the two
      {{"C", "B", "R"}, {"A", "R"}, {"A"}},            // all behind it from the end, then itself
      {{"B", "C"}, {"A", "R"}, {"A", "R"}},            // the two behind it, staying itself
      {{"C", "B"}, {"A", "R"}, {"A", "R"}},            // the same from the end
      {{"R", "A"}, {"A", "R", "B", "C"}, {"B", "C"}},  // itself, then an earlier one
      {{"A", "R", "C"}, {"A", "R", "B"}, {"B"}},       // an earlier one, itself, a later one
      {{"R", "A", "B", "C"}, {"A", "R"}, {}},          // every hook of the list
  };

  std::vector<std::pair<std::string, Ref<TObject>>> hooks;
  removable = &hooks;
  removalListId = id;
  for (const Case& c : cases) {
    std::string trace;
    for (const std::string& v : c.victims) trace += v + " ";
    SCOPED_TRACE("R removes " + trace);
    hooks = {{"A", Tagged("A")}, {"B", Tagged("B")}, {"C", Tagged("C")}};
    InstallHook(id, Record, hooks[0].second, 4);
    InstallHook(id, RemoveNamed, New<Remover>(c.victims, &log), 3);
    InstallHook(id, Record, hooks[1].second, 2);
    InstallHook(id, Record, hooks[2].second, 1);
    EXPECT_EQ(Run(), c.first);
    EXPECT_EQ(Run(), c.second);
    Clear();
  }
  removable = nullptr;
}

TEST_F(HookList, HookNeverGivenAFunctionRaisesTheNullFunctionError) {
  Ref<THook> fresh = New<THook>();
  EXPECT_EQ(fresh->succ, nullptr);
  EXPECT_EQ(fresh->priority, 0);
  EXPECT_EQ(fresh->context, nullptr);
  EXPECT_THROW(fresh->func(0, nullptr, nullptr), TNullFunctionException);
  InstallHook(id, fresh->func, nullptr, 0);
  EXPECT_THROW(CallHooks(id, New<TObject>()), TNullFunctionException);
}

TEST_F(HookList, IdsOutsideTheTableAreIgnored) {
  InstallHook(-1, Swallow, nullptr, 0);
  InstallHook(HookListCount, Swallow, nullptr, 0);
  UninstallHook(HookListCount, Swallow, nullptr);
  Ref<TObject> data = New<TObject>();
  EXPECT_EQ(CallHooks(-1, data), data);
  EXPECT_EQ(CallHooks(HookListCount, data), data);
  EXPECT_EQ(HookListHead(-1), nullptr);
}

TEST(HookIds, EventListIsTheFirstReservation) {
  EventModuleStart();
  EXPECT_EQ(EventHookId, 0);
}

// Uses up the supply; the other tests here share one id reserved beforehand.
TEST(HookIds, IdsRunUpTo255AndThe257thReservationFails) {
  static int32_t last = TestHookId();
  EXPECT_GT(last, 0);
  for (;;) {
    int32_t next;
    try {
      next = ReserveHookId();
    } catch (const TRuntimeError& e) {
      EXPECT_EQ(Utf8(e.Text()), "Too many hook ids");
      break;
    }
    ASSERT_EQ(next, last + 1);
    last = next;
  }
  EXPECT_EQ(last, 255);
  EXPECT_THROW(ReserveHookId(), TRuntimeError);
}

}  // namespace
