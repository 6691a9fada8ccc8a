// The advisor on what the customers see: the manipulations and their risk, machines worn by age
// or out of favour, islands that lose money, the exchange rates, and where fame and satisfaction
// are heading and what would move them.
#include <algorithm>

#include "company/advisor_support.h"
#include "company/promotion_order.h"
#include "store/equipment_order.h"
#include "store/maintenance_cost.h"
#include "store/operating_cost.h"
#include "store/promotions.h"
#include "store/staff_month.h"
#include "world/incident_odds.h"
#include "world/world.h"

namespace gm::advisor {

namespace {

// Islands this old have lost their novelty's draw on the players and cost more to keep.
constexpr int kWornAge = 12;
// The machines' average age from which the monthly rules take fame and refinement off.
constexpr int kAgeingFrom = 6;
// The hall's customers share out over its islands, and an island seats at most ten players an
// hour; what they cannot seat is lost. The advisor sizes the floors for this attendance, which
// leaves room for a good month, and calls a hall above the second figure full.
constexpr int kSizedAttendance = 70;
constexpr int kFullAttendance = 90;
// A pull of a tenth of a point or less a month is no trend.
constexpr int64_t kTrend10 = -10;

const std::array<uint8_t, 3> kManipulations = {kIllegalRom, kJackpotControl, kShills};

struct Raid {
  int64_t bail = 0;  // on average
  int months = 0;    // closed
};
Raid raidOf(const Ttempo& s, uint8_t bit) {
  // The bail is jittered around RandInt(2000) + a sum a floor, 1,000 more than the floors' on
  // average; the store is closed until the month number plus the raid's months.
  if (bit == kIllegalRom)
    return {int64_t{s.floorCount()} * kRomRaidBailPerFloor + 1000, kRomRaidMonths - 1};
  if (bit == kJackpotControl)
    return {int64_t{s.floorCount()} * kJackpotRaidBailPerFloor + 1000, kJackpotRaidMonths - 1};
  return {};
}

Ttempo with(const Ttempo& s, auto&& change) {
  Ttempo copy = s;
  change(copy);
  return copy;
}

// Too many islands for the customers, or too few.
void adviseFloorSize(const Month& m, const Ttempo& s, int slot, int islands, AdviceList& out) {
  const int64_t customers = s.kyaku[kTotal];
  const int64_t seats = int64_t{m.hours} * kIslandsPerFloor;  // an island's players a month
  // A hall that has not had its month of business yet has no customers to size its floors by.
  if (seats <= 0 || customers <= 0) return;
  const int wanted = static_cast<int>(std::max<int64_t>(
      (customers * 100 + seats * kSizedAttendance - 1) / (seats * kSizedAttendance), 1));
  if (wanted < islands) {
    // The same customers on fewer islands: the least played islands come down.
    Ttempo fewer = s;
    for (const IslandPosition& p : LeastPlayedIslands(s, islands - wanted))
      fewer.dai[p.floor][p.island].used = false;
    const int32_t each = static_cast<int32_t>(customers / wanted);
    fewer.forEachIsland([&](Tddai& d) {
      d.kadou = each;
      d.jikan = m.hours;
    });
    fewer.kadou[kTotal] =
        static_cast<int32_t>(std::min<int64_t>(customers * 100 / (seats * wanted), 100));
    const int staffFewer = s.staffNeed(m.hours, m.month) - fewer.staffNeed(m.hours, m.month);
    // Upkeep and running of the islands that go, and the pay of the people they need; a busier
    // hall's staff ask for more.
    const Money kept = maintenanceCost(s, m.hours, m.month, m.tousotu)[kMaintenanceTotal] -
                       maintenanceCost(fewer, m.hours, m.month, m.tousotu)[kMaintenanceTotal] +
                       operatingCost(s, m.hours, m.chisei, m.karisuma).running -
                       operatingCost(fewer, m.hours, m.chisei, m.karisuma).running;
    const int64_t perHead = s.kyuyo + s.kyouiku + s.fukuri;
    const int64_t busier = s.kyuyo >= SalaryDemand(s, m.laws, m.karisuma, m.tousotu)
                               ? int64_t{SalaryDemand(fewer, m.laws, m.karisuma, m.tousotu) -
                                         SalaryDemand(s, m.laws, m.karisuma, m.tousotu)} *
                                     (s.staffTotal() - staffFewer)
                               : 0;
    const int64_t saving = kept.trunc() + int64_t{staffFewer} * perHead - busier;
    if (saving > 0) {
      Advice a = finding(AdviceTopic::IslandsIdle, AdviceSeverity::Caution,
                         AdviceRemedy::Replacement, slot);
      a.v = {islands, customers, wanted, s.kadou[kTotal], saving, staffFewer};
      a.suggestion[0] = wanted - islands;
      a.monthlyCost = saving;
      out.add(a);
    }
    return;
  }
  int room = 0;
  for (int f = 0; f < s.floorCount(); ++f)
    room += (s.floorCapacity(f) - s.floorMachines(f)) / kIslandsPerFloor;
  if (s.kadou[kTotal] >= kFullAttendance && room > 0) {
    Advice a = finding(AdviceTopic::IslandsFull, AdviceSeverity::Caution,
                       AdviceRemedy::MachinePurchase, slot);
    const int more = std::min(std::max(wanted - islands, 1), room);
    a.v = {islands, customers, s.kadou[kTotal], islands + more, room};
    a.suggestion[0] = more;
    out.add(a);
  }
}

}  // namespace

Thansoku thriftyPromotions(const Ttempo& s) {
  const PromotionLimits limits = promotionLimits(s);
  Thansoku h = s.hansoku;
  h.tvAgency = std::max<uint8_t>(h.tvAgency, 1);
  h.mail = static_cast<uint8_t>(std::max<int>(h.mail, limits.mail));
  h.tissue = static_cast<uint8_t>(std::max<int>(h.tissue, std::min(limits.tissue, 2)));
  return h;
}

void adviseManipulations(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  if (s.kousaku == 0) return;
  const tworld& w = m.world;
  const int unrest =
      w.block(s.blockY, s.blockX).AverageUnrestWithin(w.blocks, w.mapWidth, w.mapHeight, 3);
  const Money building = maintenanceCost(s, m.hours, m.month, m.tousotu)[kBuildingUpkeep];
  for (uint8_t bit : kManipulations) {
    if ((s.kousaku & bit) == 0) continue;
    const int64_t chance =
        s.joutai == kOpen ? ExposureChance(s, bit, m.chisei, m.tousotu, m.karisuma, unrest) : 0;
    const Raid raid = raidOf(s, bit);
    const Ttempo honest = with(s, [&](Ttempo& c) { c.kousaku &= static_cast<uint8_t>(~bit); });
    const int64_t upkeep =
        (building - maintenanceCost(honest, m.hours, m.month, m.tousotu)[kBuildingUpkeep]).trunc();
    const int64_t lost = raid.bail + raid.months * std::max<int64_t>(s.arari[kTotal].trunc(), 0);
    Advice a = finding(AdviceTopic::Manipulation,
                       chance >= kSeriousChance ? AdviceSeverity::Serious : AdviceSeverity::Caution,
                       AdviceRemedy::Manipulations, slot);
    // Morale falls by RandInt(bound) a month, (bound - 1) / 2 on average.
    a.v = {bit, chance, raid.bail, raid.months, (ManipulationMoraleBound(bit) - 1) * 5};
    a.suggestion[0] = s.kousaku & ~bit;
    a.monthlyCost = upkeep + chance * lost / kChanceScale;
    if (chance > 0) a.monthsLeft = static_cast<int>(std::min<int64_t>(kChanceScale / chance, 999));
    out.add(a);
  }
}

void adviseMachines(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  int islands = 0, worn = 0, losing = 0;
  int64_t ages = 0;
  Money loss, lowestRate = Money::fromInt(100);
  s.forEachIsland([&](const Tddai& d) {
    ++islands;
    const int age = m.month - d.kounyuuMonth;
    ages += age;
    if (age >= kWornAge) ++worn;
    if (d.grossProfit() < Money()) {
      ++losing;
      loss += d.grossProfit();
      lowestRate = std::min(lowestRate, d.riritu);
    }
  });
  if (islands == 0) return;

  const int64_t averageAge = ages / islands;
  if (averageAge > kAgeingFrom && worn > 0) {
    // The same hall with its worn islands bought this month, as a replacement would leave it.
    const Ttempo renewed = with(s, [&](Ttempo& c) {
      c.forEachIsland([&](Tddai& d) {
        if (m.month - d.kounyuuMonth >= kWornAge) d.kounyuuMonth = m.month;
      });
    });
    const int64_t fame = famePull10(m, renewed) - famePull10(m, s);
    const int64_t satisfaction = satisfactionPull10(m, renewed) - satisfactionPull10(m, s);
    const int64_t upkeep = (maintenanceCost(s, m.hours, m.month, m.tousotu)[kMachineUpkeep] -
                            maintenanceCost(renewed, m.hours, m.month, m.tousotu)[kMachineUpkeep])
                               .trunc();
    Advice a =
        finding(AdviceTopic::MachinesOld,
                fame + satisfaction >= 50 ? AdviceSeverity::Serious : AdviceSeverity::Caution,
                AdviceRemedy::Replacement, slot);
    a.v = {worn, averageAge, fame, satisfaction};
    a.suggestion[0] = worn;
    a.monthlyCost = upkeep;
    out.add(a);
  }

  adviseFloorSize(m, s, slot, islands, out);

  // A rate set at or below nothing gives the players the money; a low one is lost to the
  // realised rate's swing.
  if (losing > 0 && lowestRate <= Money::fromInt(5)) {
    Advice a = finding(AdviceTopic::IslandsLosing,
                       lowestRate < Money() ? AdviceSeverity::Serious : AdviceSeverity::Caution,
                       AdviceRemedy::ProfitRates, slot);
    a.v = {losing, loss.trunc(), lowestRate.raw() / 100};
    a.suggestion[0] = 25;
    a.monthlyCost = -loss.trunc();
    out.add(a);
  }
}

void adviseImage(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  const int term = ProfitRateTerm(s);
  const tworld& w = m.world;

  const int64_t fame = famePull10(m, s);
  if (fame <= kTrend10) {
    const Thansoku promoted = thriftyPromotions(s);
    const Ttempo talked = with(s, [&](Ttempo& c) { c.hansoku = promoted; });
    const int64_t gain = famePull10(m, talked) - fame;
    const bool promote =
        gain > 0 && (promoted.tvAgency != s.hansoku.tvAgency || promoted.mail != s.hansoku.mail ||
                     promoted.tissue != s.hansoku.tissue);
    // A rating at 0 can fall no further: the finding only explains why it stays there.
    Advice a =
        finding(AdviceTopic::FameFalling,
                s.chimei >= 50 || s.chimei == 0 ? AdviceSeverity::Note : AdviceSeverity::Caution,
                promote ? AdviceRemedy::Promotions : AdviceRemedy::None, slot);
    const int64_t price = promotionCost(promoted, s.kibo, m.chisei, m.karisuma).total -
                          promotionCost(s, m.chisei, m.karisuma).total;
    a.v = {s.chimei, fame, term, gain, price};
    a.suggestion = {promoted.tvAgency, promoted.mail, promoted.tissue};
    a.monthsLeft = static_cast<int>(int64_t{s.chimei} * 10 / -fame);
    out.add(a);
  }

  const MachineCounts counts = s.machineCounts();
  const bool stingyPachinko = counts.pachinkoMachines > 0 && s.pkankin > 2;
  const bool stingySlot = counts.slotMachines > 0 && s.skankin > 1;
  int64_t exchangeGain = 0;
  if (stingyPachinko || stingySlot) {
    const Ttempo fair = with(s, [](Ttempo& c) {
      c.pkankin = std::min<uint8_t>(c.pkankin, 2);
      c.skankin = std::min<uint8_t>(c.skankin, 1);
    });
    // RandInt(bound) takes (bound - 1) / 2 on average.
    const RateDisappointment stingy = ExchangeRateDisappointment(s);
    for (int bound : {stingy.pachinko, stingy.slot})
      if (bound > 0) exchangeGain += (bound - 1) * 5;
    // The staff's targets fall with a generous rate too.
    const Money target = MoraleTarget(s, m.karisuma);
    const Money fairTarget = MoraleTarget(fair, m.karisuma);
    Advice a = finding(AdviceTopic::ExchangeRate,
                       s.manzoku < 40 ? AdviceSeverity::Caution : AdviceSeverity::Note,
                       AdviceRemedy::ExchangeRates, slot);
    a.v = {s.pkankin, s.skankin, exchangeGain,
           fairTarget > Money() ? (target * Money::fromInt(100) / fairTarget).trunc() : 100};
    a.suggestion = {fair.pkankin, fair.skankin};
    out.add(a);
  }

  const int64_t satisfaction = satisfactionPull10(m, s);
  if (satisfaction <= kTrend10) {
    // The fitting that does most for the players for its price.
    int item = -1;
    int64_t bestGain = 0, bestPrice = 0;
    for (int n = 0; n < kEquipmentCount; ++n) {
      if (!equipmentOffered(s, n)) continue;
      const int64_t price = EquipmentPrice(w, s, n);
      const int64_t gain =
          satisfactionPull10(m, with(s, [&](Ttempo& c) { c.addEquipment(n); })) - satisfaction;
      if (gain > 0 && (item < 0 || gain * bestPrice > bestGain * price)) {
        item = n;
        bestGain = gain;
        bestPrice = price;
      }
    }
    const bool exchange = exchangeGain >= bestGain && exchangeGain > 0;
    Advice a =
        finding(AdviceTopic::SatisfactionFalling,
                s.manzoku >= 50 || s.manzoku == 0 ? AdviceSeverity::Note : AdviceSeverity::Caution,
                exchange    ? AdviceRemedy::ExchangeRates
                : item >= 0 ? AdviceRemedy::Equipment
                            : AdviceRemedy::None,
                slot);
    a.v = {s.manzoku, satisfaction, term, exchange ? exchangeGain : bestGain, exchange ? -1 : item};
    if (exchange) {
      a.suggestion = {std::min<int>(s.pkankin, 2), std::min<int>(s.skankin, 1)};
    } else {
      a.suggestion[0] = item;
    }
    a.monthsLeft = static_cast<int>(int64_t{s.manzoku} * 10 / -satisfaction);
    out.add(a);
  }
}

}  // namespace gm::advisor
