// The month's results and the whole month end at their largest: a full 50 x 50 city with fifty
// open player stores of fifty islands each and fifty open rival stores. Each is measured beside
// the bare cost of the random draws it makes (the results also beside one plain pass over the
// stores' reach squares): the results should cost at most about three times their reference,
// the whole month end at most about four times its draws.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "company/results.h"
#include "company/rival_reach.h"
#include "company/store_reach.h"
#include "core/world/test_city.h"
#include "draws_reference.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

constexpr uint32_t kSeed = 19970401;

// The city, its stores and the rivals, the same every time: the measured runs each start from a
// fresh copy of it.
std::unique_ptr<tworld> fullCity() {
  auto w = test::makeGeneratedCity(kMapSize, kMapSize, kSeed);
  w->month = 30;
  Random layout(1997);
  w->kaichou.SetSikin(Money::fromInt(100000000));
  w->kaichou.SetTousotu(100);  // fifty stores need a leader
  w->kaichou.SetChisei(60);
  w->kaichou.SetKarisuma(60);
  Tenkaichou& rivals = w->rivals;
  for (int i = 0; i < kRivalCount; ++i) {
    rivals.sanka[i] = true;
    rivals.sankaMonth[i] = 1;
    rivals.shikin[i] = Money::fromInt(100000000);
  }
  // Player stores on every other cell of a 10 x 10 lattice, rival stores on the others.
  for (int n = 0; n < 100; ++n) {
    const int row = 2 + (n / 10) * 5, column = 2 + (n % 10) * 5;
    if (n % 2 == 0) {
      w->block(row, column).kind = 19;
      Ttempo& s = w->kaichou.slot(n / 2 + 1);
      s.init();
      s.used = true;
      s.name = "試験店";
      s.blockY = row;
      s.blockX = column;
      s.kibo = 4;
      s.shuttenMonth = layout.randInt(30);
      s.senren = layout.randInt(101);
      s.chimei = layout.randInt(101);
      s.manzoku = layout.randInt(101);
      s.pkankin = static_cast<uint8_t>(layout.randInt(7));
      s.skankin = static_cast<uint8_t>(layout.randInt(4));
      s.setubi = static_cast<uint16_t>(layout.randInt(1 << 12));
      s.modelMakers = static_cast<uint16_t>(layout.randInt(1 << 11));
      s.setDansei(layout.randInt(100) + 100);
      s.setZyosei(layout.randInt(100) + 100);
      s.setMoral(Money::fromInt(layout.randInt(101)));
      s.setSkill(Money::fromInt(layout.randInt(101)));
      s.kyuyo = 300;
      s.hansoku.event = static_cast<uint8_t>(layout.randInt(5));
      s.hansoku.www = static_cast<uint8_t>(layout.randInt(6));
      s.hansoku.tvAgency = static_cast<uint8_t>(layout.randInt(6));
      for (int f = 0; f < kFloors; ++f)
        for (int i = 0; i < kIslandsPerFloor; ++i) {
          Tddai& d = s.dai[f][i];
          d.used = true;
          d.name = "試験台";
          d.kishu = static_cast<uint8_t>(layout.randInt(kMachineTypeCount));
          d.maker = static_cast<uint8_t>(layout.randInt(kMakerCount));
          for (uint8_t& r : d.actual) r = static_cast<uint8_t>(layout.randInt(100) + 1);
          d.nominal = d.actual;
          d.kounyuuMonth = w->month - layout.randInt(30);
          d.yuukouMonth = w->month + 12;
          d.shukka = 1000 + layout.randInt(40000);
          d.tanka = 100000 + 1000 * layout.randInt(4);
          d.keitai = static_cast<uint8_t>(layout.randInt(4));
          d.morning = static_cast<uint8_t>(layout.randInt(11));
          d.riritu = Money::fromInt(layout.randInt(30));
        }
      s.setJoutai(kOpen);
    } else {
      const int owner = (n / 2) % kRivalCount;
      w->block(row, column).kind = 20;
      w->block(row, column).owner = static_cast<uint8_t>(owner);
      TEntempo& t = rivals.Tenpo(n / 2 + 1);
      t.used = true;
      t.owner = static_cast<uint8_t>(owner);
      t.joutai = kRivalOpen;
      t.blockRow = row;
      t.blockColumn = column;
      t.shuttenMonth = layout.randInt(30);
      t.kibo = static_cast<uint8_t>(layout.randInt(5));
      t.senren = layout.randInt(101);
      t.chimei = layout.randInt(101);
      t.manzoku = layout.randInt(101);
      t.moral = layout.randInt(101);
      t.skill = layout.randInt(101);
      t.pkankin = static_cast<uint8_t>(layout.randInt(7));
      t.skankin = static_cast<uint8_t>(layout.randInt(4));
      t.ruikei = Money::fromInt(10000000);
    }
  }
  return w;
}

struct Measured {
  uint64_t draws = 0;
  int64_t reachSquares = 0;  // blocks over all open stores' reach squares
};

// The draws of one results calculation and the size of its reach squares.
Measured measureKeisan() {
  auto w = fullCity();
  Measured m;
  const uint64_t before = w->rng().draws();
  w->jisseki.Keisan(w->MonthlyHours(), w->BusinessDays());
  m.draws = w->rng().draws() - before;
  auto fresh = fullCity();
  for (const Ttempo& s : fresh->kaichou.tempo) {
    if (!s.used) continue;
    const int r = StoreReachRadius(fresh->blocks, kMapSize, kMapSize, s);
    m.reachSquares +=
        int64_t{std::min(s.blockY + r, kMapSize - 1) - std::max(s.blockY - r, 0) + 1} *
        (std::min(s.blockX + r, kMapSize - 1) - std::max(s.blockX - r, 0) + 1);
  }
  for (const TEntempo& t : fresh->rivals.tenpo) {
    if (!t.isOpen()) continue;
    const int r = RivalReachRadius(fresh->blocks, kMapSize, kMapSize, t);
    m.reachSquares +=
        int64_t{std::min(t.blockRow + r, kMapSize - 1) - std::max(t.blockRow - r, 0) + 1} *
        (std::min(t.blockColumn + r, kMapSize - 1) - std::max(t.blockColumn - r, 0) + 1);
  }
  return m;
}

const Measured& keisanMeasure() {
  static const Measured m = measureKeisan();
  return m;
}

uint64_t monthEndDraws() {
  static const uint64_t draws = [] {
    auto w = fullCity();
    const uint64_t before = w->rng().draws();
    PlayMonth(*w);
    return w->rng().draws() - before;
  }();
  return draws;
}

void BM_Keisan(benchmark::State& state) {
  const Measured& m = keisanMeasure();
  for (auto _ : state) {
    state.PauseTiming();
    auto w = fullCity();
    const int hours = w->MonthlyHours(), days = w->BusinessDays();
    state.ResumeTiming();
    w->jisseki.Keisan(hours, days);
    benchmark::ClobberMemory();
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  state.counters["draws"] = static_cast<double>(m.draws);
  state.counters["reach"] = static_cast<double>(m.reachSquares);
}
BENCHMARK(BM_Keisan)->Unit(benchmark::kMillisecond);

// As many draws as one calculation makes, over ranges like theirs, and a plain pass that reads
// one block for every position of every reach square.
void BM_KeisanReference(benchmark::State& state) {
  const Measured& m = keisanMeasure();
  auto w = fullCity();
  Random rng(12345);
  for (auto _ : state) {
    int64_t sum = bench::MakeDraws(rng, m.draws, 127);
    for (int64_t i = 0; i < m.reachSquares; ++i)
      sum += w->blocks[(i / kMapSize) % kMapSize][i % kMapSize].population;
    benchmark::DoNotOptimize(sum);
  }
  state.counters["draws"] = static_cast<double>(m.draws);
}
BENCHMARK(BM_KeisanReference)->Unit(benchmark::kMillisecond);

// Steps A and B and the game-end check with the silent port: no window, no report.
void BM_MonthEnd(benchmark::State& state) {
  const uint64_t draws = monthEndDraws();
  for (auto _ : state) {
    state.PauseTiming();
    auto w = fullCity();
    state.ResumeTiming();
    benchmark::DoNotOptimize(PlayMonth(*w).goesOn);
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_MonthEnd)->Unit(benchmark::kMillisecond);

void BM_DrawsOfMonthEnd(benchmark::State& state) {
  const uint64_t draws = monthEndDraws();
  Random rng(12345);
  for (auto _ : state) {
    benchmark::DoNotOptimize(bench::MakeDraws(rng, draws, 127));
  }
  state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_DrawsOfMonthEnd)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gm
