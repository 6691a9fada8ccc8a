// The month's block pass on a full 50 x 50 city, beside the bare cost of the random draws that
// the same pass makes: the pass should cost at most about three times its draws.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/world/test_city.h"
#include "draws_reference.h"
#include "world/monthly_pass.h"
#include "world/world.h"

namespace gm {
namespace {

// A city after two months of play (so that the influences are those of a running game), and
// a snapshot to start every measured pass from.
struct BenchCity {
  std::unique_ptr<tworld> world = std::make_unique<tworld>();
  std::unique_ptr<BlockGrid> start = std::make_unique<BlockGrid>();
  int housing = 0, commerce = 0, business = 0;
  uint32_t seed = 0;

  BenchCity() {
    world->rng().setSeed(19970401);
    world->InitFromCity(test::makeCityDefinition(kMapSize, kMapSize, 7));
    RunBlockPass(*world);
    RunBlockPass(*world);
    *start = world->blocks;
    housing = world->housingPolicy;
    commerce = world->commercePolicy;
    business = world->businessPolicy;
    seed = world->rng().seed();
  }
  void reset() {
    world->blocks = *start;
    world->housingPolicy = housing;
    world->commercePolicy = commerce;
    world->businessPolicy = business;
    world->rng().setSeed(seed);
  }
  uint64_t drawsOfOnePass() {
    reset();
    uint64_t before = world->rng().draws();
    RunBlockPass(*world);
    return world->rng().draws() - before;
  }
};

BenchCity& benchCity() {
  static BenchCity city;
  return city;
}

void BM_MonthlyPass(benchmark::State& state) {
  BenchCity& city = benchCity();
  uint64_t draws = city.drawsOfOnePass();
  for (auto _ : state) {
    state.PauseTiming();
    city.reset();
    state.ResumeTiming();
    RunBlockPass(*city.world);
    benchmark::ClobberMemory();
  }
  state.counters["draws"] = static_cast<double>(draws);
  state.counters["blocks"] = city.world->CountOccupiedBlocks();
}
BENCHMARK(BM_MonthlyPass)->Unit(benchmark::kMillisecond);

// The same number of draws as one pass, over the small ranges the pass draws from.
void BM_DrawsOfOnePass(benchmark::State& state) {
  uint64_t draws = benchCity().drawsOfOnePass();
  Random rng(12345);
  for (auto _ : state) {
    benchmark::DoNotOptimize(bench::MakeDraws(rng, draws, 7));
  }
  state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_DrawsOfOnePass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gm
