// Times events emitted through the hook chain into the queue and taken again, beside the same
// traffic through SDL's event queue, and counts heap allocations on our side.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#include "event/event.h"
#include "event/hook.h"
#include "event/queue.h"
#include "event/system.h"

namespace {

// Every operator new of the program is counted, so a figure of 0 means the path never allocates.
long long allocations = 0;
long long liveBlocks = 0;

// No platform behind the queue: a pump finds nothing.
class TIdleDriver : public TSystemDriver {
 public:
  int32_t Poll() override { return 0; }
  int32_t Wait() override { return 0; }
};

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Keeps results alive so the optimiser cannot drop the loops.
volatile long long sink = 0;

constexpr int Burst = 200;
constexpr int BurstRounds = 5000;
constexpr int Steady = 1000000;

struct Figure {
  double seconds;
  long long allocations;
  long long liveGrowth;
};

struct Run {
  std::chrono::steady_clock::time_point start = Clock::now();
  long long a0 = allocations, l0 = liveBlocks;
};

// Ours and the anchor run alternately, several times, and each keeps its best time, so that a
// busy machine disturbs both alike and as little as possible. The allocation figures are those
// of our last run, after the earlier runs warmed every cache up.
template <class Ours, class Anchor>
std::pair<Figure, Figure> Compare(Ours&& ours, Anchor&& anchor) {
  ours();
  anchor();
  Figure o{1e30, 0, 0}, a{1e30, 0, 0};
  for (int round = 0; round < 9; ++round) {
    Run r;
    ours();
    o = {std::min(o.seconds, Seconds(r.start)), allocations - r.a0, liveBlocks - r.l0};
    Run q;
    anchor();
    a = {std::min(a.seconds, Seconds(q.start)), 0, 0};
  }
  return {o, a};
}

// Our side -----------------------------------------------------------------------------------

std::vector<Ref<TObject>> sources;

void OursBurstFresh() {
  for (int round = 0; round < BurstRounds; ++round) {
    for (int i = 0; i < Burst; ++i) MakeEvent(KeyDown, sources[i], i, 0, i, i, nullptr)->Emit();
    long long sum = 0;
    while (int32_t id = PollNextEvent()) sum += id + ActiveEventData();
    sink = sink + sum;
  }
}

std::vector<Ref<TEvent>> prepared;

void OursBurstPrepared() {
  for (int round = 0; round < BurstRounds; ++round) {
    for (int i = 0; i < Burst; ++i) prepared[i]->Emit();
    long long sum = 0;
    while (int32_t id = PollNextEvent()) sum += id + ActiveEventData();
    sink = sink + sum;
  }
}

void OursSteadyFresh() {
  long long sum = 0;
  for (int i = 0; i < Steady; ++i) {
    MakeEvent(KeyDown, sources[i & 127], i, 0, 0, 0, nullptr)->Emit();
    sum += PollNextEvent() + ActiveEventData();
  }
  sink = sink + sum;
}

void OursSteadyPrepared() {
  long long sum = 0;
  for (int i = 0; i < Steady; ++i) {
    prepared[i & 127]->Emit();
    sum += PollNextEvent() + ActiveEventData();
  }
  sink = sink + sum;
}

// SDL's side ---------------------------------------------------------------------------------

void SdlBurst() {
  SDL_Event e{};
  for (int round = 0; round < BurstRounds; ++round) {
    for (int i = 0; i < Burst; ++i) {
      e.type = SDL_USEREVENT;
      e.user.code = i;
      e.user.data1 = &sources[i];
      SDL_PushEvent(&e);
    }
    long long sum = 0;
    SDL_Event got;
    while (SDL_PollEvent(&got)) sum += got.type + got.user.code;
    sink = sink + sum;
  }
}

void SdlSteady() {
  SDL_Event e{}, got;
  long long sum = 0;
  for (int i = 0; i < Steady; ++i) {
    e.type = SDL_USEREVENT;
    e.user.code = i;
    e.user.data1 = &sources[i & 127];
    SDL_PushEvent(&e);
    if (SDL_PollEvent(&got)) sum += got.type + got.user.code;
  }
  sink = sink + sum;
}

void Report(const char* what, std::pair<Figure, Figure> figures, int events) {
  auto [ours, anchor] = figures;
  double ourNs = ours.seconds * 1e9 / events, sdlNs = anchor.seconds * 1e9 / events;
  std::printf("%s: %.1f ns/event vs SDL_PushEvent+SDL_PollEvent %.1f ns/event ... ratio %.2f\n", what, ourNs,
              sdlNs, ours.seconds / anchor.seconds);
  std::printf("  %s: %lld heap allocations (%.2f per event), live blocks %+lld\n", what, ours.allocations,
              static_cast<double>(ours.allocations) / events, ours.liveGrowth);
}

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  ++liveBlocks;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  if (!p) return;
  --liveBlocks;
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

int main() {
  QueueModuleStart();
  ActiveSystemDriver = New<TIdleDriver>();
  for (int i = 0; i < Burst; ++i) {
    sources.push_back(New<TObject>());
    prepared.push_back(MakeEvent(KeyDown, sources[i], i, 0, i, i, nullptr));
  }
  if (SDL_Init(SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return 1;
  }
  Report("burst of 200 events, made, emitted and taken", Compare(OursBurstFresh, SdlBurst),
         Burst * BurstRounds);
  Report("burst of 200 events, re-emitted and taken", Compare(OursBurstPrepared, SdlBurst),
         Burst * BurstRounds);
  Report("10^6 events steady, made, emitted and taken", Compare(OursSteadyFresh, SdlSteady), Steady);
  Report("10^6 events steady, re-emitted and taken", Compare(OursSteadyPrepared, SdlSteady), Steady);
  SDL_Quit();
  return static_cast<int>(sink & 0);
}
