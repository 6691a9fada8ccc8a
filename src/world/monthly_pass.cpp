// The monthly block pass. The city's average security and the facility shortages change with
// every block stepped, so the pass keeps their sums up to date instead of rescanning the city
// before each block; the results are those of a rescan.
#include "world/monthly_pass.h"
#include "base/stable_sort.h"

#include <algorithm>
#include <array>
#include <climits>

#include "base/money.h"
#include "base/rating.h"

namespace gm {

namespace {

// People per facility above which the city lacks that facility.
constexpr int kPeoplePerPolice = 10000;
constexpr int kPeoplePerSchool = 8000;
constexpr int kPeoplePerHospital = 16000;

int thresholdOf(int64_t sum, int64_t count) {
  Money average = count == 0 ? Money::fromInt(sum) : Money::ratio(sum, count);
  int64_t t = (average * int64_t{2}).trunc();
  if (t < 0) t = -t;
  if (t < 2) return 2;
  return t > INT_MAX ? INT_MAX : static_cast<int>(t);
}

int shortageOf(int64_t population, int facilities, int peoplePerFacility) {
  Money perFacility = Money::ratio(population, facilities == 0 ? 1 : facilities);
  Money limit = Money::fromInt(peoplePerFacility);
  if (perFacility <= limit) return 0;
  Money lack = (perFacility / limit - Money::fromInt(1)) * int64_t{100};
  return static_cast<int>(std::min(lack, Money::fromInt(100)).trunc());
}

// The sums behind AverageSecurity and FacilityShortage.
struct CitySums {
  int64_t security = 0;
  int64_t blocks = 0;
  int64_t population = 0;
  int police = 0;
  int schools = 0;
  int hospitals = 0;

  void add(const Tchip& b, int sign) {
    security += sign * b.security;
    population += sign * b.population;
    police += sign * (b.kind == 26);
    schools += sign * (b.kind == 22);
    hospitals += sign * (b.kind == 23);
  }
  int averageSecurity() const { return blocks == 0 ? 0 : clamp100(security / blocks); }
  FacilityShortages shortages() const {
    return {shortageOf(population, police, kPeoplePerPolice),
            shortageOf(population, schools, kPeoplePerSchool),
            shortageOf(population, hospitals, kPeoplePerHospital)};
  }
};

}  // namespace

InfluenceThresholds NeighbourThresholds(const tworld& w) {
  int64_t g = 0, s = 0, p = 0, u = 0, n = 0;
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c) {
      const Tchip& b = w.block(r, c);
      if (b.kind == 0) continue;
      g += b.growthInfluence;
      s += b.securityInfluence;
      p += b.priceInfluence;
      u += b.unrestInfluence;
      ++n;
    }
  return {thresholdOf(g, n), thresholdOf(s, n), thresholdOf(p, n), thresholdOf(u, n)};
}

FacilityShortages FacilityShortage(const tworld& w) {
  CitySums sums;
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c)
      if (w.block(r, c).kind != 0) sums.add(w.block(r, c), +1);
  return sums.shortages();
}

void RunBlockPass(tworld& world) {
  world.cityUpdating = true;
  Frontend& ui = world.ui();
  ui.waitBegin(world.cityName.view(), world.month);

  const int height = world.mapHeight;
  const int width = world.mapWidth;
  std::array<Tchip*, kMapSize * kMapSize> list;
  int count = 0;
  CitySums sums;
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) {
      Tchip& b = world.block(r, c);
      if (b.kind == 0) continue;
      list[count++] = &b;
      sums.add(b, +1);
      ++sums.blocks;
    }
  // The biggest blocks go first; equal ones keep their row-by-row order on every platform.
  stableSortPrefix(list, static_cast<std::size_t>(count),
                   [](const Tchip* a, const Tchip* b) { return a->population > b->population; });

  const int gaugeStep = count / 10 == 0 ? 1 : count / 10;
  const int messageStep = std::max(1, height * width / 20);

  BlockStepInputs in;
  in.grid = &world.blocks;
  in.width = width;
  in.height = height;
  in.laws = world.laws;
  in.thresholds = NeighbourThresholds(world);
  in.cityType = world.cityType;
  in.taxRate = world.taxRate;

  NeighbourView view;
  view.Build(world.blocks, width, height);
  for (int i = 0; i < count; ++i) {
    Tchip& b = *list[i];
    in.citySecurity = sums.averageSecurity();
    in.shortages = sums.shortages();
    in.housing = world.housingPolicy;
    in.commerce = world.commercePolicy;
    in.business = world.businessPolicy;

    sums.add(b, -1);
    BlockStepResult result = SimulateBlock(b, in, view, world.rng());
    sums.add(b, +1);
    view.Refresh(b);

    world.SetHousingPolicy(result.housing);
    world.SetCommercePolicy(result.commerce);
    world.SetBusinessPolicy(result.business);
    if (i % gaugeStep == 0) ui.waitStep();
    if (result.changed) world.changedBlocks[b.row][b.column] = true;
    if (i % messageStep == 0) ui.processEvents();
  }

  ui.waitEnd();
  world.cityUpdating = false;
}

}  // namespace gm
