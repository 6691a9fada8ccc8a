// The advisor on the money and the neighbourhood: a hall that loses money month after month and
// what would turn it round, rivals coming near a hall, and the company's own findings (its
// cash and how long it lasts, a company without a hall, its halls losing money, the evasion and
// the rivals' building).
#include <algorithm>

#include "company/advisor_support.h"
#include "company/rival_reach.h"
#include "company/store_reach.h"
#include "store/maintenance_cost.h"
#include "world/incident_odds.h"
#include "world/world.h"

namespace gm {

namespace advisor {

namespace {

// The profit rates the advisor weighs for a hall that loses money, whole per cent.
constexpr std::array<int, 4> kRates = {15, 20, 25, 30};
// Months without a hall after which the board winds the company up.
constexpr int kMonthsWithoutStore = 6;

// Net profit below zero in the months it existed, newest first.
struct LossStreak {
  int months = 0;
  Money sum;
};
LossStreak lossStreak(const Tbackup& h) {
  LossStreak l;
  for (int month = 1; month <= kHistoryMonths; ++month) {
    // A month before the hall was built has no asset value.
    if (h.at(0, month) <= Money() || h.at(7, month) >= Money()) break;
    ++l.months;
    l.sum += h.at(7, month);
  }
  return l;
}

// The lowest rate (whole per cent) at which the islands would keep nearly as much as at the
// best of the rates weighed, at last month's customers, and that gross profit. Every point of
// rate costs the hall half a point of fame and of satisfaction a month, so the advisor gives
// the last few per cent of gross profit up.
std::pair<int, int64_t> bestRate(const Month& m, const Ttempo& s) {
  std::array<int64_t, kRates.size()> gross{};
  for (std::size_t i = 0; i < kRates.size(); ++i) {
    Ttempo copy = s;
    copy.forEachIsland([&](Tddai& d) { d.riritu = Money::fromInt(kRates[i]); });
    gross[i] = meanGrossProfit(m, copy);
  }
  const int64_t most = *std::max_element(gross.begin(), gross.end());
  std::size_t i = 0;
  while (gross[i] * 20 < most * 19) ++i;
  return {kRates[i], gross[i]};
}

int chebyshev(int r1, int c1, int r2, int c2) {
  return std::max(std::abs(r1 - r2), std::abs(c1 - c2));
}

}  // namespace

void adviseResults(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  const LossStreak loss = lossStreak(s.backup);
  if (loss.months < 2) return;
  const int64_t gross = s.arari[kTotal].trunc();
  const std::array<int64_t, 3> costs = {
      s.jinkenResults[3], s.hoshuResults[kMaintenanceTotal].trunc(), s.eigyouResults.total.trunc()};
  const int worst = static_cast<int>(std::max_element(costs.begin(), costs.end()) - costs.begin());
  Advice a = finding(AdviceTopic::HallLosing, AdviceSeverity::Serious, AdviceRemedy::None, slot);
  a.v = {loss.months, loss.sum.trunc() / loss.months, gross, costs[0] + costs[1] + costs[2], worst};
  a.monthlyCost = -a.v[1];
  const int64_t now = meanGrossProfit(m, s);
  const auto [rate, atRate] = bestRate(m, s);
  a.v[5] = atRate;
  const Thansoku promoted = thriftyPromotions(s);
  if (atRate > now + std::max<int64_t>(now / 20, 1)) {
    a.remedy = AdviceRemedy::ProfitRates;
    a.suggestion[0] = rate;
  } else if (promoted.tvAgency != s.hansoku.tvAgency || promoted.mail != s.hansoku.mail ||
             promoted.tissue != s.hansoku.tissue) {
    a.remedy = AdviceRemedy::Promotions;
    a.suggestion = {promoted.tvAgency, promoted.mail, promoted.tissue};
  }
  out.add(a);
}

void adviseRivals(const Month& m, const Ttempo& s, int slot, AdviceList& out) {
  const tworld& w = m.world;
  const int reach = StoreReachRadius(w.blocks, w.mapWidth, w.mapHeight, s);
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& t = w.rivals.Tenpo(k);
    if (!t.used) continue;
    const bool building = t.joutai == kRivalBuilding;
    // A rival that opened in the last quarter is news; one that has been there longer is known.
    if (!building && !(t.isOpen() && t.age(m.month) <= 3)) continue;
    const int theirs = RivalReachRadius(w.blocks, w.mapWidth, w.mapHeight, t);
    if (chebyshev(s.blockY, s.blockX, t.blockRow, t.blockColumn) > reach + theirs) continue;
    Advice a =
        finding(AdviceTopic::RivalNearby, building ? AdviceSeverity::Caution : AdviceSeverity::Note,
                AdviceRemedy::None, slot);
    a.v = {k, std::abs(s.blockY - t.blockRow) + std::abs(s.blockX - t.blockColumn),
           building ? std::max(t.kanseiMonth - m.month, 0) : 0, t.kibo};
    if (building) a.monthsLeft = static_cast<int>(a.v[2]);
    out.add(a);
  }
}

}  // namespace advisor

AdviceList DiagnoseCompany(const tworld& world) {
  using advisor::finding;
  AdviceList out;
  const tkaichou& k = world.kaichou;
  const StoreCounts counts = k.TempoKazu();

  if (counts.used == 0) {
    const int left = std::max(advisor::kMonthsWithoutStore - world.month, 0);
    Advice a =
        finding(AdviceTopic::NoStore, left <= 2 ? AdviceSeverity::Urgent : AdviceSeverity::Serious,
                AdviceRemedy::Construction, 0);
    a.v[0] = left;
    a.monthsLeft = left;
    out.add(a);
  }

  // The cash at the last month's result after tax.
  if (k.zeibikirieki < Money() && counts.used > 0) {
    const int64_t result = k.zeibikirieki.trunc();
    const int64_t months = result < 0 ? std::max<int64_t>(k.sikin.trunc(), 0) / -result : 0;
    const AdviceSeverity severity = months <= 3    ? AdviceSeverity::Urgent
                                    : months <= 12 ? AdviceSeverity::Serious
                                    : months <= 36 ? AdviceSeverity::Caution
                                                   : AdviceSeverity::Note;
    Advice a = finding(AdviceTopic::CashRunway, severity, AdviceRemedy::StoreList, 0);
    a.v = {k.sikin.trunc(), result, months};
    a.monthlyCost = -result;
    a.monthsLeft = static_cast<int>(std::min<int64_t>(months, 999));
    out.add(a);
  }

  int losing = 0;
  Money lost;
  for (const Ttempo& s : k.tempo)
    if (s.used && s.netProfit() < Money()) {
      ++losing;
      lost += s.netProfit();
    }
  if (losing > 0 && counts.used > 1) {
    Advice a = finding(AdviceTopic::LosingStores,
                       losing * 2 > counts.used ? AdviceSeverity::Serious : AdviceSeverity::Caution,
                       AdviceRemedy::StoreList, 0);
    a.v = {losing, lost.trunc()};
    a.monthlyCost = -lost.trunc();
    out.add(a);
  }

  if (k.datuzei || k.datuzeiruikei >= Money::fromInt(kEvasionNoticed)) {
    const int morale =
        static_cast<int>(k.StaffShuukei(world.MonthlyHours(), world.month).moral.trunc());
    const int64_t chance = AuditChance(morale, k.chisei);
    // The evaded tax half as much again, and every open hall closed for six months.
    const int64_t penalty = (k.datuzeiruikei * Money::fromRaw(15000)).round();
    Advice a = finding(
        AdviceTopic::TaxEvasion,
        chance >= advisor::kSeriousChance ? AdviceSeverity::Serious : AdviceSeverity::Caution,
        k.datuzei ? AdviceRemedy::CompanyManoeuvre : AdviceRemedy::None, 0);
    a.v = {k.datuzeiruikei.trunc(), chance, penalty};
    a.monthlyCost = chance * penalty / kChanceScale;
    if (chance > 0) a.monthsLeft = static_cast<int>(std::min<int64_t>(kChanceScale / chance, 999));
    out.add(a);
  }

  for (int r = 1; r <= kRivalStoreSlots; ++r) {
    const TEntempo& t = world.rivals.Tenpo(r);
    if (!t.used || t.joutai != kRivalBuilding) continue;
    Advice a = finding(AdviceTopic::RivalBuilding, AdviceSeverity::Note, AdviceRemedy::None, 0);
    a.v = {r, t.blockRow, t.blockColumn, std::max(t.kanseiMonth - world.month, 0)};
    a.monthsLeft = static_cast<int>(a.v[3]);
    out.add(a);
  }
  return out;
}

}  // namespace gm
