// The advisor on a hall's state and its staff: what keeps a hall from opening, staff below the
// need and the thresholds of discontent and of the walk-out, pay below what the staff ask, and
// welfare and education too low for the morale and skill they pull towards.
#include <algorithm>
#include <array>

#include "company/advisor_support.h"
#include "company/hiring.h"
#include "company/personnel_orders.h"
#include "store/forecasts.h"
#include "store/island_play.h"
#include "store/maintenance_cost.h"
#include "store/opening_order.h"
#include "store/operating_cost.h"
#include "store/staff_month.h"
#include "world/incident_odds.h"
#include "world/world.h"

namespace gm::advisor {

namespace {

constexpr Money points(int64_t whole) { return Money::fromInt(whole); }

// Customers a new hall may expect on its islands, in per cent of its machine hours, until it
// has a month of its own to go by.
constexpr int kExpectedAttendance = 40;
// How much the attendance may grow in a month, for the staff an open hall should have ready.
constexpr int kAttendanceGrowth = 10;
// People beyond this share of the need, and two more, are idle hands.
constexpr int kSpareStaff = 120;
// A dismissal that the saved pay returns within this many months is worth it.
constexpr int kPaybackMonths = 6;
// The morale and skill the advisor weighs: out of the despair at 10 and below (20); selling
// more (50); running the machines at no extra cost (70). Skill: selling more and keeping the
// realised rates near the set ones (30, 50).
constexpr std::array<int, 3> kMoraleLevels = {20, 50, 70};
constexpr std::array<int, 2> kSkillLevels = {30, 50};
// Below these targets the advisor speaks up.
constexpr int kLowMoraleTarget = 50;
constexpr int kLowSkillTarget = 30;
// A fire risk from this chance a year (per million) is reported, and from the second it is serious
// for the company's last hall. Morale 70 and skill 50 put most fires out while they are small.
constexpr int64_t kNoticedFireChance = 20000;
constexpr int64_t kSeriousFireChance = 30000;
constexpr int kFireMorale = 70;
constexpr int kFireSkill = 50;
// At or below this morale people leave at random every month.
constexpr int kDespairingMorale = 10;
// A salary is proposed with a tenth over the demand, rounded up to ten: the demand rises with the
// hall's customers and the staff's skill.
int proposedSalary(int demand) {
  const int wanted = demand + demand / 10;
  return std::min((wanted + 9) / 10 * 10, 1000);
}

ForecastTerms termsOf(const Month& m) {
  return ForecastTerms{m.hours, m.month, m.tousotu, m.chisei, m.karisuma};
}

// What the hall costs in a month whatever it takes: staff, upkeep, running and promotions.
int64_t monthCost(const Month& m, const Ttempo& s) { return forecastCost(s, termsOf(m)).trunc(); }

// A number of people to hire (or, negative, to let go) as a suggestion holds it: head counts
// run up to the int32 ceiling each, so their differences need not fit in an int.
int people(int64_t n) { return static_cast<int>(std::clamp<int64_t>(n, -INT32_MAX, INT32_MAX)); }

// The need once the hall's islands have `attendance` per cent of their hours played.
int needAt(const Month& m, const Ttempo& s, int attendance) {
  Ttempo copy = s;
  copy.forEachIsland([&](Tddai& d) {
    if (d.attendance() >= attendance) return;
    d.jikan = m.hours;
    d.kadou = m.hours * kIslandsPerFloor * attendance / 100;
  });
  return copy.staffNeed(m.hours, m.month);
}
// A new hall's need once its customers come.
int projectedNeed(const Month& m, const Ttempo& s) {
  return needAt(m, s, std::max<int>(s.kadou[kTotal], kExpectedAttendance));
}
// An open hall's need if its islands fill a little more next month: the staff step counts the
// month's own customers, after the player has given his orders.
int nextNeed(const Month& m, const Ttempo& s) {
  return needAt(m, s, std::min<int>(s.kadou[kTotal] + kAttendanceGrowth, 100));
}

// The least spending a head (0..1000) that brings `target(copy)` to `wanted` points.
template <typename Target>
int spendingFor(const Ttempo& s, int Ttempo::*field, int wanted, Target&& target) {
  Ttempo copy = s;
  int lo = s.*field, hi = 1000;
  copy.*field = hi;
  if (target(copy) < points(wanted)) return hi;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    copy.*field = mid;
    if (target(copy) >= points(wanted)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

// A level of welfare or education: the spending a head that gives the target, what the higher
// morale or skill brings in a month and what it costs.
struct Level {
  int target = 0;
  int spending = 0;
  int64_t benefit = 0;
  int64_t cost = 0;
  int64_t net() const { return benefit - cost; }
};

// The store as it would stand with its morale or skill at another value.
Ttempo withMorale(const Ttempo& s, Money v) {
  Ttempo copy = s;
  copy.moral = v;
  return copy;
}
Ttempo withSkill(const Ttempo& s, Money v) {
  Ttempo copy = s;
  copy.skill = v;
  return copy;
}

// The average security and unrest within three blocks, which a fire's draws are made against.
std::pair<int, int> fireNeighbourhood(const Month& m, const Ttempo& s) {
  const tworld& w = m.world;
  const Tchip& b = w.block(s.blockY, s.blockX);
  return {b.AverageSecurityWithin(w.blocks, w.mapWidth, w.mapHeight, 3),
          b.AverageUnrestWithin(w.blocks, w.mapWidth, w.mapHeight, 3)};
}

// What a fire that burns the store down takes: the building and its fittings, and the machines.
int64_t burntValue(const Month& m, const Ttempo& s) {
  int64_t machines = 0;
  s.forEachIsland([&](const Tddai& d) { machines += int64_t{d.tanka} * kIslandsPerFloor / 1000; });
  return s.assetValue(m.month, 0) + machines;
}

}  // namespace

int64_t fireCost(const Month& m, const Ttempo& s) {
  const auto [security, unrest] = fireNeighbourhood(m, s);
  return YearlyFireChance(s, security, unrest) * FireLossShare(s) / 100 * burntValue(m, s) /
         kChanceScale / 12;
}

void adviseFire(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  const auto [security, unrest] = fireNeighbourhood(m, s);
  const int64_t yearly = YearlyFireChance(s, security, unrest);
  if (yearly < kNoticedFireChance) return;
  // Keen, skilled staff put most fires out while they are small.
  const int welfare = spendingFor(s, &Ttempo::fukuri, kFireMorale,
                                  [&](const Ttempo& c) { return MoraleTarget(c, m.karisuma); });
  const int education = spendingFor(s, &Ttempo::kyouiku, kFireSkill,
                                    [&](const Ttempo& c) { return SkillTarget(c, m.tousotu); });
  Ttempo alert = s;
  alert.moral = std::max(s.moral, points(kFireMorale));
  alert.skill = std::max(s.skill, points(kFireSkill));
  const int64_t better = s.staffTotal() > 0 ? YearlyFireChance(alert, security, unrest) : yearly;
  const bool only = m.world.kaichou.TempoKazu().used == 1;
  const int share = FireLossShare(s);
  // The company's last hall burnt down leaves it without a store, and the board ends it.
  const bool fatal = only && share >= 50 && yearly >= kSeriousFireChance;
  Advice a = finding(
      AdviceTopic::FireRisk, fatal ? AdviceSeverity::Serious : AdviceSeverity::Caution,
      s.staffTotal() > 0 && better < yearly ? AdviceRemedy::PersonnelCost : AdviceRemedy::None,
      slot);
  a.v = {yearly, share, burntValue(m, s), better, only ? 1 : 0};
  a.suggestion = {s.kyuyo, education, welfare};
  a.monthlyCost = fireCost(m, s);
  out.add(a);
}

void adviseState(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  const tworld& w = m.world;
  if (s.joutai == kUnderConstruction) {
    Advice a =
        finding(AdviceTopic::UnderConstruction, AdviceSeverity::Note, AdviceRemedy::None, slot);
    a.v[0] = std::max(s.kanseiMonth - m.month, 0);
    a.monthsLeft = static_cast<int>(a.v[0]);
    out.add(a);
    return;
  }
  if (s.joutai == kSuspended) {
    Advice a = finding(AdviceTopic::Suspended, AdviceSeverity::Caution, AdviceRemedy::None, slot);
    a.v[0] = std::max(s.teishiMonth - m.month, 0);
    a.v[1] = OpeningPrice(w, s);
    a.monthlyCost = monthCost(m, s);
    out.add(a);
    return;
  }
  if (s.joutai != kWaiting && s.joutai != kOpen) return;
  // A hall without machines (waiting, or open after a riot took them) pays its staff and its
  // upkeep and takes nothing.
  const int64_t idle = monthCost(m, s);
  if (!s.hasMachines()) {
    Advice a = finding(AdviceTopic::NoMachines, AdviceSeverity::Serious,
                       AdviceRemedy::MachinePurchase, slot);
    int islands = 0;
    for (int f = 0; f < s.floorCount(); ++f)
      islands += s.floorCapacity(f) / kIslandsPerFloor - s.floorMachines(f) / kIslandsPerFloor;
    a.v[0] = islands;
    a.suggestion[0] = islands;
    a.monthlyCost = idle;
    out.add(a);
    return;
  }
  if (s.joutai != kWaiting) return;
  const int need = s.staffNeed(m.hours, m.month);
  const int projected = projectedNeed(m, s);
  if (s.staffTotal() < need) {
    Advice a = finding(AdviceTopic::CannotOpenStaff, AdviceSeverity::Serious,
                       AdviceRemedy::Personnel, slot);
    a.v = {s.staffTotal(), need, projected};
    a.suggestion[0] = people(projected - s.staffTotal());
    a.monthlyCost = idle;
    out.add(a);
    return;
  }
  Advice a = finding(AdviceTopic::ReadyToOpen, AdviceSeverity::Serious, AdviceRemedy::Open, slot);
  a.v = {OpeningPrice(w, s), idle, s.staffTotal(), projected};
  a.monthlyCost = idle;
  out.add(a);
}

void adviseStaff(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  if (s.staffTotal() == 0) return;
  const int demand = SalaryDemand(s, m.laws, m.karisuma, m.tousotu);
  const Money contentment = SalaryContentment(s, m.laws, m.karisuma, m.tousotu);
  const int64_t share = SalaryDepartureShare(contentment);
  // Content staff do not leave over their pay (the rule takes at least one of each sex only
  // from the underpaid).
  const Departures leaving = share > 0 ? DeparturesAt(s, share) : Departures{};
  const StaffThresholds worst = SettleThresholds(StaffThresholds{}, contentment);
  const bool open = s.joutai == kOpen;
  const int need = s.staffNeed(m.hours, m.month);
  const Money ratio = StaffingRatio(s, m.hours, m.month);

  if (share > 0) {
    // How many months the departures take to bring the hall below its discontent threshold.
    int monthsLeft = -1;
    if (open) {
      Ttempo copy = s;
      for (int month = 1; month <= 24 && copy.staffTotal() > 0; ++month) {
        const Departures d = DeparturesAt(copy, share);
        copy.dansei -= d.men;
        copy.zyosei -= d.women;
        if (StaffingRatio(copy, m.hours, m.month) < points(worst.discontent)) {
          monthsLeft = month;
          break;
        }
      }
    }
    // Paying what they ask, or hiring the leavers again every month: the advisor proposes
    // whichever costs less.
    const int salary = proposedSalary(demand);
    const int64_t raise = int64_t{s.staffTotal()} * (salary - s.kyuyo);
    const int64_t rehire = HiringCost(m.world, leaving.total(), HireSex::Any);
    // A hall whose leavers would take it below its need cannot wait for the next hiring: an
    // open hall that loses everybody closes.
    const bool pay = !open || raise <= rehire || s.staffTotal() - leaving.total() < need;
    Advice a = finding(AdviceTopic::SalaryBelowDemand,
                       pay && open ? AdviceSeverity::Serious : AdviceSeverity::Caution,
                       pay ? AdviceRemedy::PersonnelCost : AdviceRemedy::Personnel, slot);
    a.v = {s.kyuyo, demand, contentment.trunc(), share, leaving.total(), raise, rehire};
    if (pay) {
      a.suggestion = {salary, s.kyouiku, s.fukuri};
    } else {
      a.suggestion[0] = people(
          std::max<int64_t>(std::max(nextNeed(m, s), need) + leaving.total() - s.staffTotal(), 0));
    }
    a.monthlyCost = std::min(raise, rehire);
    a.monthsLeft = monthsLeft;
    out.add(a);
  }

  if (!open) return;
  // Bring the hall up to its need with the people its pay will lose this month on top.
  const int next = std::max(need, nextNeed(m, s));
  const int64_t wanted = next + leaving.total() - s.staffTotal();
  if (ratio < points(worst.resignation)) {
    Advice a =
        finding(AdviceTopic::StaffWalkOut, AdviceSeverity::Urgent, AdviceRemedy::Personnel, slot);
    a.v = {s.staffTotal(), need, ratio.trunc(), worst.resignation, worst.discontent};
    a.suggestion[0] = people(wanted);
    // Even odds that everybody leaves at the month's end: the hall then closes and must hire
    // its whole staff again.
    a.monthsLeft = 1;
    a.monthlyCost = (HiringCost(m.world, need, HireSex::Any) + monthCost(m, s)) / 2;
    out.add(a);
  } else if (ratio < points(worst.discontent)) {
    Advice a = finding(AdviceTopic::StaffDiscontent, AdviceSeverity::Serious,
                       AdviceRemedy::Personnel, slot);
    const int64_t c = (points(worst.discontent) - ratio).trunc() + 2;
    // Morale falls by RandInt(2c) + 1 a month, (2c + 1) / 2 on average.
    a.v = {s.staffTotal(), need, ratio.trunc(), worst.discontent, (2 * c + 1) * 5};
    a.suggestion[0] = people(wanted);
    out.add(a);
  } else if (s.staffTotal() - leaving.total() < next) {
    Advice a =
        finding(AdviceTopic::StaffShort, AdviceSeverity::Caution, AdviceRemedy::Personnel, slot);
    a.v = {s.staffTotal(),    need, ratio.trunc(),  worst.discontent,
           worst.resignation, next, leaving.total()};
    a.suggestion[0] = people(wanted);
    out.add(a);
  } else if (const int64_t spare = s.staffTotal() - next * kSpareStaff / 100 - 2; spare > 0) {
    // Idle hands: their pay against what letting them go costs once.
    Ttempo going = s;
    going.dansei = static_cast<int>(std::min<int64_t>(spare, s.dansei));
    going.zyosei = static_cast<int>(spare - going.dansei);
    const int64_t pay = int64_t{spare} * (s.kyuyo + s.kyouiku + s.fukuri);
    const int64_t severance = Severance(going, m.chisei);
    if (severance < pay * kPaybackMonths) {
      Advice a = finding(AdviceTopic::StaffSurplus, AdviceSeverity::Caution,
                         AdviceRemedy::Personnel, slot);
      a.v = {s.staffTotal(), need, spare, pay, severance};
      a.suggestion[0] = -people(spare);
      a.monthlyCost = pay;
      out.add(a);
    }
  }
}

void adviseSpending(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  if (s.staffTotal() == 0) return;
  const int64_t staff = s.staffTotal();
  const Ttempo playing = [&] {
    Ttempo copy = s;
    copy.joutai = kOpen;
    return copy;
  }();

  // Morale: what listless staff cost in running the machines and in sales, and the people who
  // leave at the bottom, against what welfare costs less the pay the staff then ask less for.
  const Money moraleTarget = MoraleTarget(s, m.karisuma);
  if (moraleTarget < points(kLowMoraleTarget)) {
    const Ttempo low = withMorale(playing, moraleTarget);
    const int64_t lowRunning = operatingCost(low, m.hours, m.chisei, m.karisuma).running.trunc();
    const int64_t lowSales = meanGrossProfit(m, low);
    const bool despair = moraleTarget <= points(kDespairingMorale);
    const int64_t lowFire = fireCost(m, withMorale(s, moraleTarget));
    // A few in a hundred leave every month at the bottom (RandInt(8) + 2 per cent).
    const int64_t leaving =
        despair ? HiringCost(m.world, std::max<int64_t>(staff * 11 / 200, 1), HireSex::Any) : 0;
    Level best;
    for (int target : kMoraleLevels) {
      if (points(target) <= moraleTarget) continue;
      Level l;
      l.target = target;
      l.spending = spendingFor(s, &Ttempo::fukuri, target,
                               [&](const Ttempo& c) { return MoraleTarget(c, m.karisuma); });
      const Ttempo keen = withMorale(playing, points(target));
      // Keen staff also notice a fire in time.
      l.benefit = lowRunning - operatingCost(keen, m.hours, m.chisei, m.karisuma).running.trunc() +
                  std::max<int64_t>(meanGrossProfit(m, keen) - lowSales, 0) + leaving + lowFire -
                  fireCost(m, withMorale(s, points(target)));
      const int64_t more = l.spending - s.fukuri;
      l.cost = staff * (more - more / 5);
      if (best.target == 0 || l.net() > best.net()) best = l;
    }
    Advice a = finding(AdviceTopic::WelfareLow,
                       best.net() <= 0 ? AdviceSeverity::Note
                       : despair       ? AdviceSeverity::Serious
                                       : AdviceSeverity::Caution,
                       AdviceRemedy::PersonnelCost, slot);
    a.v = {s.fukuri,    s.moral.trunc(), moraleTarget.trunc(), best.spending, best.benefit,
           best.target, best.cost};
    a.suggestion = {s.kyuyo, s.kyouiku, best.spending};
    a.monthlyCost = best.benefit;
    out.add(a);
  }

  // Skill: what unskilled staff cost in machine upkeep and in sales, against education and the
  // pay that skilled staff ask for.
  const Money skillTarget = SkillTarget(s, m.tousotu);
  if (skillTarget < points(kLowSkillTarget)) {
    const Ttempo low = withSkill(playing, skillTarget);
    const int64_t lowUpkeep =
        maintenanceCost(low, m.hours, m.month, m.tousotu)[kMachineUpkeep].trunc();
    const int64_t lowSales = meanGrossProfit(m, low);
    const int lowDemand = SalaryDemand(low, m.laws, m.karisuma, m.tousotu);
    const int64_t lowFire = fireCost(m, withSkill(s, skillTarget));
    Level best;
    for (int target : kSkillLevels) {
      if (points(target) <= skillTarget) continue;
      Level l;
      l.target = target;
      l.spending = spendingFor(s, &Ttempo::kyouiku, target,
                               [&](const Ttempo& c) { return SkillTarget(c, m.tousotu); });
      const Ttempo trained = withSkill(playing, points(target));
      // Skilled staff also put a fire out while it is small.
      l.benefit = lowUpkeep -
                  maintenanceCost(trained, m.hours, m.month, m.tousotu)[kMachineUpkeep].trunc() +
                  std::max<int64_t>(meanGrossProfit(m, trained) - lowSales, 0) + lowFire -
                  fireCost(m, withSkill(s, points(target)));
      l.cost = staff * (l.spending - s.kyouiku +
                        SalaryDemand(trained, m.laws, m.karisuma, m.tousotu) - lowDemand);
      if (best.target == 0 || l.net() > best.net()) best = l;
    }
    Advice a = finding(AdviceTopic::EducationLow,
                       best.net() > 0 ? AdviceSeverity::Caution : AdviceSeverity::Note,
                       AdviceRemedy::PersonnelCost, slot);
    a.v = {s.kyouiku,   s.skill.trunc(), skillTarget.trunc(), best.spending, best.benefit,
           best.target, best.cost};
    a.suggestion = {s.kyuyo, best.spending, s.fukuri};
    a.monthlyCost = best.benefit;
    out.add(a);
  }
}

}  // namespace gm::advisor
