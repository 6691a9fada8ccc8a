// The islands' month at its largest: fifty open stores of fifty occupied islands each, every
// island asked for its attraction and then playing its month, beside the bare cost of the random
// draws that the same work makes. The play should cost at most about three times its draws.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "draws_reference.h"
#include "store/island_play.h"
#include "store/store.h"
#include "world/world.h"

namespace gm {
namespace {

constexpr int kStores = 50;
constexpr int kMonth = 40;
constexpr uint16_t kLaws = kLawLongHours | kLawSecurities | kLawPrizeLimitUp;

// Stores of five floors whose islands mix every type, maker, rating band, age and setting; a
// store holds a few islands of one model, as halls do. Drawn from a generator of its own.
struct BenchStores {
  std::unique_ptr<std::array<Ttempo, kStores>> stores =
      std::make_unique<std::array<Ttempo, kStores>>();

  BenchStores() {
    Random layout(1997);
    for (Ttempo& s : *stores) {
      s.used = true;
      s.joutai = kOpen;
      s.kibo = 4;
      s.pkankin = static_cast<uint8_t>(layout.randInt(7));
      s.skankin = static_cast<uint8_t>(layout.randInt(4));
      s.kousaku = static_cast<uint8_t>(layout.randInt(8));
      s.modelMakers = static_cast<uint16_t>(layout.randInt(1 << 11));
      s.setubi = static_cast<uint16_t>(layout.randInt(1 << 12));
      s.setDansei(layout.randInt(40) + 10);
      s.setZyosei(layout.randInt(40) + 10);
      s.setMoral(Money::fromInt(layout.randInt(101)));
      s.setSkill(Money::fromInt(layout.randInt(101)));
      for (int f = 0; f < kFloors; ++f) {
        for (int i = 0; i < kIslandsPerFloor; ++i) {
          Tddai& d = s.dai[f][i];
          d.used = true;
          d.name = "試験台";
          d.kishu = static_cast<uint8_t>(layout.randInt(kMachineTypeCount));
          d.maker = static_cast<uint8_t>(layout.randInt(kMakerCount));
          for (uint8_t& r : d.actual) r = static_cast<uint8_t>(layout.randInt(100) + 1);
          d.kounyuuMonth = kMonth - layout.randInt(30);
          d.shukka = 1000 + layout.randInt(40000);
          d.tanka = 100000 + 1000 * layout.randInt(4);  // a few purchases of each model
          d.keitai = static_cast<uint8_t>(layout.randInt(4));
          d.morning = static_cast<uint8_t>(layout.randInt(11));
          d.ihou = layout.randInt(20) == 0;
          d.riritu = Money::fromInt(layout.randInt(40) - 5);
          d.kadou = layout.randInt(3900);
        }
      }
    }
  }

  int64_t month(Random& rng) {
    int64_t sum = 0;
    for (Ttempo& s : *stores) {
      const PlayConditions c = playConditions(s, kLaws, kMonth);
      s.forEachIsland([&](const Tddai& d) { sum += attraction(d, c, rng); });
      storeMonthlyPlay(s, kLaws, kMonth, rng);
    }
    return sum;
  }

  uint64_t drawsOfOneMonth() {
    Random rng(4242);
    month(rng);
    return rng.draws();
  }
};

BenchStores& benchStores() {
  static BenchStores stores;
  return stores;
}

void BM_IslandMonth(benchmark::State& state) {
  BenchStores& b = benchStores();
  const uint64_t draws = b.drawsOfOneMonth();
  for (auto _ : state) {
    Random rng(4242);
    benchmark::DoNotOptimize(b.month(rng));
    benchmark::ClobberMemory();
  }
  state.counters["draws"] = static_cast<double>(draws);
  state.counters["islands"] = kStores * kFloors * kIslandsPerFloor;
}
BENCHMARK(BM_IslandMonth)->Unit(benchmark::kMillisecond);

// The same number of draws as one month of every island, over ranges like theirs.
void BM_DrawsOfIslandMonth(benchmark::State& state) {
  const uint64_t draws = benchStores().drawsOfOneMonth();
  Random rng(12345);
  for (auto _ : state) {
    benchmark::DoNotOptimize(bench::MakeDraws(rng, draws, 1023));
  }
  state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_DrawsOfIslandMonth)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gm
