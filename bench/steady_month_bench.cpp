// The whole month end of a game as it is played: `steady` founds a company on the capital (50 x 50
// blocks) with the largest capital and the best qualities and plays until fifty of his halls are
// open; the five rivals, whom his chain has driven out of the city by then, are given money to
// come back, and he plays on until all five are in the city again beside his fifty halls (they
// find little room left: a store or two between them). That month's end (steps A and
// B and the game-end check, no window) is measured beside the bare cost of the random draws it
// makes: it should cost at most about four times its draws. The advisor's diagnosis of every hall
// of the same game is measured beside it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "company/advisor.h"
#include "company/new_game.h"
#include "draws_reference.h"
#include "persist/city_file.h"
#include "persist/save_file.h"
#include "player_game.h"
#include "strategy.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

constexpr uint32_t kSeed = 19970401;
constexpr int kStoresWanted = 50;
constexpr int kMonthLimit = 1200;

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "steady month benchmark: %s\n", why.c_str());
  std::exit(2);
}

int rivalStoresOpen(const tworld& w) {
  int open = 0;
  for (const TEntempo& t : w.rivals.tenpo) open += t.isOpen() ? 1 : 0;
  return open;
}

// The game at the month to measure, as a saved record: each measured month starts from a fresh
// copy of it, and the generator's state beside it.
struct SteadyGame {
  std::string record;
  uint32_t seed = 0;
  int month = 0, stores = 0, rivalStores = 0;

  SteadyGame() {
    CityReadResult city = ReadCityFile(std::string(GM_ASSETS_DIR) + "/cities/tenkyo.pmp");
    if (!city.ok) fail(city.error);
    FoundingChoice founding;
    founding.tousotu = founding.chisei = founding.karisuma = founding.kantei = 100;
    founding.sihon = 7;
    auto world = std::make_unique<tworld>();
    SetUpNewGame(*world, Random(kSeed), city.city, founding, Difficulty::kRivals);
    std::unique_ptr<Strategy> steady = MakeStrategy("steady", kSeed);
    PlayerGame game(std::move(world), *steady);
    tworld& w = game.world();

    bool rivalsCalled = false;
    for (int played = 0;; ++played) {
      if (played == kMonthLimit) fail("no month with fifty halls and five rivals");
      if (!game.playMonth(false).goesOn)
        fail("the game ended in month " + std::to_string(w.month) + " with " +
             std::to_string(w.kaichou.TempoKazu().open) + " halls open");
      if (w.kaichou.TempoKazu().open < kStoresWanted) continue;
      if (!rivalsCalled) {
        // Money for every rival that went under: each comes back in through the city's own
        // entry draws and builds as rivals do.
        for (int i = 0; i < kRivalCount; ++i) {
          if (w.rivals.shikin[i] >= Money::fromInt(1000000)) continue;
          w.rivals.shikin[i] = Money::fromInt(1000000);
          w.rivals.sanka[i] = false;  // out of the city, so that it enters afresh
        }
        rivalsCalled = true;
      }
      if (w.rivals.CountInCity() == kRivalCount) break;
    }
    // The player's orders of the month are given; only the month's end is measured.
    steady->giveOrders(w, game.orders());
    record = EncodeSaveRecord(w);
    seed = w.rng().seed();
    month = w.month;
    stores = w.kaichou.TempoKazu().open;
    rivalStores = rivalStoresOpen(w);
  }

  std::unique_ptr<tworld> fresh() const {
    auto w = std::make_unique<tworld>();
    ApplySaveRecord(record, *w);
    w->rng().setSeed(seed);
    return w;
  }

  uint64_t drawsOfTheMonth() const {
    auto w = fresh();
    const uint64_t before = w->rng().draws();
    PlayMonth(*w);
    return w->rng().draws() - before;
  }
};

const SteadyGame& steadyGame() {
  static const SteadyGame game;
  return game;
}

void BM_SteadyMonthEnd(benchmark::State& state) {
  const SteadyGame& g = steadyGame();
  const uint64_t draws = g.drawsOfTheMonth();
  for (auto _ : state) {
    state.PauseTiming();
    auto w = g.fresh();
    state.ResumeTiming();
    benchmark::DoNotOptimize(PlayMonth(*w).goesOn);
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  state.counters["draws"] = static_cast<double>(draws);
  state.counters["month"] = g.month;
  state.counters["stores"] = g.stores;
  state.counters["rival_stores"] = g.rivalStores;
}
BENCHMARK(BM_SteadyMonthEnd)->Unit(benchmark::kMillisecond);

void BM_DrawsOfSteadyMonthEnd(benchmark::State& state) {
  const uint64_t draws = steadyGame().drawsOfTheMonth();
  Random rng(12345);
  for (auto _ : state) {
    benchmark::DoNotOptimize(bench::MakeDraws(rng, draws, 127));
  }
  state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_DrawsOfSteadyMonthEnd)->Unit(benchmark::kMillisecond);

// The advisor on every one of the fifty halls and on the company, as the company manager's
// store list asks for it each time it is shown: it should stay a small part of the month end.
void BM_DiagnoseEveryHall(benchmark::State& state) {
  const auto w = steadyGame().fresh();
  int findings = 0;
  for (auto _ : state) {
    findings = DiagnoseCompany(*w).size();
    for (int slot = 1; slot <= kStoreSlots; ++slot) findings += DiagnoseStore(*w, slot).size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = findings;
  state.counters["stores"] = steadyGame().stores;
}
BENCHMARK(BM_DiagnoseEveryHall)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gm
