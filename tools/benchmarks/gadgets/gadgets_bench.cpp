// Times the toolkit's layout of a large window after a resize, and data-source synchronisation
// by the greedy edit beside rebuilding the items, counting the driver item calls of each.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "gui/toolkit.h"
#include "runtime/text.h"

namespace {

// A gadget whose native side only counts what reaches it.
class TCountingGadget : public TGadget {
 public:
  int32_t cw = 0, ch = 0;
  long rethinks = 0;
  long itemCalls = 0;

  int32_t ClientWidth() override { return cw; }
  int32_t ClientHeight() override { return ch; }
  void Rethink() override { ++rethinks; }
  void ClearListItems() override { ++itemCalls; }
  void InsertListItem(int32_t, const std::u16string&, const std::u16string&, int32_t, Ref<TObject>) override {
    ++itemCalls;
  }
  void SetListItem(int32_t, const std::u16string&, const std::u16string&, int32_t, Ref<TObject>) override {
    ++itemCalls;
  }
  void RemoveListItem(int32_t) override { ++itemCalls; }
};

// CPU time of this thread: the figures should not depend on what else the machine is running.
struct Clock {
  using duration = std::chrono::nanoseconds;
  static duration now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
  }
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Layout() {
  constexpr int kKids = 1000;
  auto window = New<TCountingGadget>();
  window->cw = 800;
  window->ch = 600;
  std::mt19937 rng(7);
  std::vector<Ref<TCountingGadget>> kids;
  for (int i = 0; i < kKids; ++i) {
    auto k = New<TCountingGadget>();
    k->_setparent(window, -1);
    k->SetShape(static_cast<int32_t>(rng() % 700), static_cast<int32_t>(rng() % 500), 20 + i % 80,
                10 + i % 40);
    // Every pairing of the three edge modes, on both axes.
    k->SetLayout(i % 3, (i / 3) % 3, (i / 9) % 3, (i / 27) % 3);
    kids.push_back(k);
  }
  constexpr int kRounds = 200;
  std::vector<double> times;
  for (int r = 0; r < kRounds; ++r) {
    window->cw = (r % 2) ? 800 : 1200;
    window->ch = (r % 2) ? 600 : 900;
    const auto t0 = Clock::now();
    window->SetArea(0, 0, window->cw, window->ch);
    times.push_back(Ms(Clock::now() - t0));
  }
  long moved = 0;
  for (const auto& k : kids) moved += k->rethinks - 1;  // less the move of the first shape
  std::printf(
      "layout of a window with %d kids after a resize: %.4f ms CPU per layout (median of %d), %ld kid "
      "moves\n",
      kKids, Median(times), kRounds, moved / kRounds);
  for (const auto& k : kids) k->_setparent(nullptr, -1);
}

void Sync() {
  constexpr int kKeys = 10000;
  constexpr int kRounds = 21;
  std::vector<std::u16string> oldKeys;
  for (int i = 0; i < kKeys; ++i) oldKeys.push_back(u"process-" + IntText(i));
  std::vector<std::u16string> newKeys = oldKeys;
  std::mt19937 rng(11);
  for (int i = 0; i < kKeys / 100; ++i) newKeys[rng() % kKeys] = u"changed-" + IntText(i);

  // The edit: the gadget mirrors the old keys, the source changes, one synchronisation follows.
  auto edited = New<TCountingGadget>();
  auto source = New<TStringArray>(oldKeys);
  edited->SetDataSource(source);
  std::vector<double> editTimes;
  long editCalls = 0;
  for (int r = 0; r < kRounds; ++r) {
    source->items = newKeys;
    edited->itemCalls = 0;
    const auto t0 = Clock::now();
    edited->SyncDataSource();
    editTimes.push_back(Ms(Clock::now() - t0));
    editCalls = edited->itemCalls;
    source->items = oldKeys;  // back, untimed
    edited->SyncDataSource();
  }

  // The anchor: the same items rebuilt from scratch from the new keys.
  auto rebuilt = New<TCountingGadget>();
  auto oldSource = New<TStringArray>(oldKeys);
  auto newSource = New<TStringArray>(newKeys);
  std::vector<double> rebuildTimes;
  long rebuildCalls = 0;
  for (int r = 0; r < kRounds; ++r) {
    rebuilt->SetDataSource(oldSource);  // untimed
    rebuilt->itemCalls = 0;
    const auto t0 = Clock::now();
    rebuilt->SetDataSource(newSource);
    rebuildTimes.push_back(Ms(Clock::now() - t0));
    rebuildCalls = rebuilt->itemCalls;
  }

  bool same = edited->ItemCount() == rebuilt->ItemCount();
  source->items = newKeys;
  edited->SyncDataSource();
  for (int32_t i = 0; same && i < edited->ItemCount(); ++i)
    same = edited->ItemText(i) == rebuilt->ItemText(i);
  if (!same) std::printf("warning: the edit and the rebuild give different items\n");

  const double ours = Median(editTimes), anchor = Median(rebuildTimes);
  std::printf(
      "sync %d keys with 1%% changed (greedy edit vs rebuild), CPU: %.3f ms vs %.3f ms ... ratio %.3f\n",
      kKeys, ours, anchor, ours / anchor);
  std::printf("driver item calls: edit %ld, rebuild %ld\n", editCalls, rebuildCalls);
}

}  // namespace

int main() {
  GuiModuleStart();
  Layout();
  Sync();
  return 0;
}
