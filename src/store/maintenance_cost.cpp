// Maintenance: every product is formed in extended precision and rounded once into the stored
// money integer.
#include "store/maintenance_cost.h"

#include <algorithm>

#include "base/extended.h"
#include "base/rating.h"
#include "store/store_takings.h"

namespace gm {

namespace {

// A busy hall wears its building faster.
constexpr FactorTable kAttendanceFactor = {9200,  9500,  9800,  10100, 10400,
                                           10700, 11000, 11300, 11600, 11900};
// A president who leads well gets more out of the caretakers and fitters.
constexpr FactorTable kLeadershipBuildingFactor = {13500, 13000, 12000, 11500, 10500,
                                                   10000, 9500,  8800,  8400,  8000};
constexpr FactorTable kLeadershipEquipmentFactor = {12500, 12300, 12000, 11800, 11400,
                                                    11000, 10600, 10300, 10000, 9600};
// Skilled staff treat the machines well.
constexpr FactorTable kSkillUpkeepFactor = {14500, 14000, 13500, 13000, 12500,
                                            12000, 11500, 11000, 10500, 10000};

// Upkeep base of each equipment item (stored x 10,000), which the month's business hours scale.
constexpr std::array<int64_t, kEquipmentCount> kEquipmentUpkeepBase = {
    5000, 2000, 1000, 500, 3000, 500, 100000, 20000, 30000, 150000, 125000, 250000};

// Upkeep of an island for an hour of business, in thousands of yen: slot machines cost more.
constexpr Extended kPachinkoUpkeep = 903.0L / 40300.0L;
constexpr Extended kSlotUpkeep = 1103.0L / 40300.0L;

// Money integers of an extended product of thousands of yen.
constexpr Extended kRaw = Money::kScale;

// An island's upkeep grows by half over each year it stands, to three times at four years.
Money machineAgeFactor(int month, int purchaseMonth) {
  // A purchase after the month in hand (a hand-made record) counts as new.
  int64_t age = std::max(month - purchaseMonth, 0);
  int64_t raw = Money::kScale + divRoundHalfEven(age * Money::kScale, 24);
  return Money::fromRaw(std::min<int64_t>(raw, 3 * Money::kScale));
}

// The building costs 1 % more each month after its first year, up to 60 % more.
Money buildingAgeFactor(int age) {
  if (age <= 12) return Money::fromInt(1);
  int64_t raw = Money::kScale + int64_t{age - 12} * 100;
  return Money::fromRaw(std::min<int64_t>(raw, 16000));
}

}  // namespace

MaintenanceCosts maintenanceCost(const Ttempo& store, int hours, int month, int tousotu) {
  MaintenanceCosts c{};
  const Extended h = hours;
  const Extended floors = store.floorCount();

  const Extended skill = toExtended(factorFor(kSkillUpkeepFactor, store.skill.trunc()));
  int64_t machines = 0;
  store.forEachIsland([&](const Tddai& d) {
    const Extended f = d.isPachinko() ? kPachinkoUpkeep : kSlotUpkeep;
    const Extended age = toExtended(machineAgeFactor(month, d.kounyuuMonth));
    machines += roundHalfEven(f * age * h * skill * kRaw);
  });
  c[kMachineUpkeep] = Money::fromRaw(machines);

  const Extended at =
      toExtended(factorFor(kAttendanceFactor, attendance(store, hours).percent[kTotal]));
  const Extended ld = toExtended(factorFor(kLeadershipBuildingFactor, tousotu));
  const Extended r = toExtended(buildingAgeFactor(month - store.shuttenMonth));
  int64_t building = roundHalfEven(floors * 200 * at * ld * r * kRaw);
  if (store.kousaku & kShills) building += roundHalfEven(floors * 500 * ld * kRaw);
  if (store.kousaku & kIllegalRom)
    building += roundHalfEven(Extended(store.machineCounts().allMachines) * at * kRaw);
  if (store.kousaku & kJackpotControl) building += roundHalfEven(floors * 100 * at * kRaw);
  c[kBuildingUpkeep] = Money::fromRaw(building);

  const Extended le = toExtended(factorFor(kLeadershipEquipmentFactor, tousotu));
  for (int n = 0; n < kEquipmentCount; ++n) {
    if (!store.hasEquipment(n)) continue;
    const Extended base = toExtended(Money::fromRaw(kEquipmentUpkeepBase[n]));
    // General equipment stands on every floor; a special item is one room of the hall.
    const Extended cost =
        equipmentInfo(n).special ? le * h * base / 4 * kRaw : base / 3 * h * le * floors * kRaw;
    c[kFirstEquipmentUpkeep + n] = Money::fromRaw(roundHalfEven(cost));
  }

  for (int i = 0; i < kMaintenanceTotal; ++i) c[kMaintenanceTotal] += c[i];
  return c;
}

}  // namespace gm
