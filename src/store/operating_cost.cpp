// Operating costs: the running cost is formed in extended precision and rounded once an island.
#include "store/operating_cost.h"

#include "base/extended.h"
#include "base/rating.h"
#include "store/promotions.h"

namespace gm {

namespace {

// Staff who care less leave the machines running for nothing.
constexpr FactorTable kMoraleRunningFactor = {13500, 13000, 12500, 12000, 11500,
                                              11000, 10500, 10000, 10000, 10000};

// Running cost of an island for an hour of business, in thousands of yen.
constexpr Extended kPachinkoRunning = 40.0L / 403.0L;
constexpr Extended kSlotRunning = 60.0L / 403.0L;

Money runningCost(const Ttempo& store, int hours) {
  const Extended h = hours;
  const Extended morale = toExtended(factorFor(kMoraleRunningFactor, store.moral.trunc()));
  int64_t raw = 0;
  store.forEachIsland([&](const Tddai& d) {
    const Extended g = d.isPachinko() ? kPachinkoRunning : kSlotRunning;
    raw += roundHalfEven(h * g * morale * Money::kScale);
  });
  return Money::fromRaw(raw);
}

}  // namespace

OperatingCosts operatingCost(const Ttempo& store, int hours, int chisei, int karisuma) {
  OperatingCosts c;
  c.running = runningCost(store, hours);
  c.promotion = promotionCost(store, chisei, karisuma).total;
  c.total = c.running + Money::fromInt(c.promotion);
  return c;
}

}  // namespace gm
