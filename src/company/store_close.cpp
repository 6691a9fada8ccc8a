// The store's business step, monthly close and history, in the order the month runs them.
#include "company/store_close.h"

#include <algorithm>
#include <limits>

#include "company/store_influence.h"
#include "company/store_ratings.h"
#include "store/island_play.h"
#include "store/maintenance_cost.h"
#include "store/operating_cost.h"
#include "store/staff_month.h"
#include "store/store_takings.h"
#include "world/world.h"

namespace gm {

void StoreBusinessStep(Ttempo& s, BlockGrid& blocks, int columns, int rows, const StoreMonth& m,
                       int chisei, Random& rng) {
  s.eigyouJikan = m.hours;
  s.eigyouNissuu = m.days;
  s.forEachIsland([&](Tddai& d) {
    d.jikan = m.hours;
    d.nissuu = m.days;
  });
  const RatingSurroundings at{blocks, columns, rows, m.laws, m.month};
  UpdateRefinement(s, at, chisei, rng);
  UpdateFame(s, at, rng);
  InfluenceBlocks(s, blocks, columns, rows, m.laws, m.month, rng);
}

void StoreMonthlyClose(Ttempo& s, const StoreMonth& m, const President& p, tworld& world) {
  Random& rng = world.rng();
  storeMonthlyPlay(s, m.laws, m.month, rng);

  s.uriage = sales(s);
  s.arari = grossProfit(s);
  const Attendance a = attendance(s, m.hours);
  s.kyaku = a.customers;
  s.kadou = a.percent;
  s.hoshuResults = maintenanceCost(s, m.hours, m.month, p.tousotu);
  s.eigyouResults = operatingCost(s, m.hours, p.chisei, p.karisuma);
  // The record keeps the costs in 32 bits; a staff of millions stays at the top of the range
  // rather than wrapping round to a negative cost.
  const PersonnelCost staff = s.personnelCost();
  auto kept = [](int64_t cost) {
    return static_cast<int32_t>(std::min<int64_t>(cost, std::numeric_limits<int32_t>::max()));
  };
  s.jinkenResults = {kept(staff.salaries), kept(staff.education), kept(staff.welfare),
                     kept(staff.total)};

  UpdateSatisfaction(s, m.laws, m.month, rng);
  StaffMonthlyStep(s, m.hours, m.month, m.laws, p.karisuma, p.tousotu, world);
}

void PushStoreHistory(Ttempo& s, int month, int64_t landPrice) {
  Tbackup& h = s.backup;
  h.push(0, Money::fromInt(s.assetValue(month, landPrice)));
  h.push(1, s.uriage[kTotal]);
  h.push(2, s.profitRates()[kTotal]);
  h.push(3, s.arari[kTotal]);
  h.push(4, s.eigyouResults.total);
  h.push(5, s.hoshuResults[kMaintenanceTotal]);
  h.push(6, Money::fromInt(s.jinkenResults[3]));
  h.push(7, s.netProfit());
  h.push(8, Money::fromInt(s.kadou[kTotal]));
  h.push(9, Money::fromInt(s.senren));
  h.push(10, Money::fromInt(s.chimei));
  h.push(11, Money::fromInt(s.manzoku));
  h.push(12, s.moral);
  h.push(13, s.skill);
}

}  // namespace gm
