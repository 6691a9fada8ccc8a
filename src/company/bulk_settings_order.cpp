// The bulk settings orders: each edits a copy of every selected store to see whether anything
// would change, asks, and then writes the same change into the company's stores.
#include "company/bulk_settings_order.h"

#include "base/translation.h"
#include "company/company_figures.h"
#include "world/world.h"

namespace gm {

namespace {

Refusal badValue(std::string_view title) {
  return refusal(title, translate("bulk_settings_order", "その値は設定できません。"));
}

bool sameSettings(const Ttempo& a, const Ttempo& b) {
  for (int f = 0; f < kFloors; ++f)
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      const Tddai& x = a.dai[f][i];
      const Tddai& y = b.dai[f][i];
      if (x.riritu != y.riritu || x.keitai != y.keitai || x.morning != y.morning) return false;
    }
  return a.shinDaiRitu == b.shinDaiRitu && a.shinDaiKeitai == b.shinDaiKeitai &&
         a.shinDaiMorning8 == b.shinDaiMorning8 && a.shinDaiMorning9 == b.shinDaiMorning9;
}

// Whether applying the change leaves some selected store different from what it is.
template <typename Change>
bool changesSomething(const tworld& world, const StoreSelection& stores, const Change& change) {
  for (int n : slotsOf(stores)) {
    const Ttempo& s = world.kaichou.slot(n);
    Ttempo copy;
    s.assignTo(copy);
    change.applyTo(copy);
    if (!sameSettings(copy, s)) return true;
  }
  return false;
}

template <typename Change>
OrderOutcome runBulk(tworld& world, const StoreSelection& stores, const Change& change, Check check,
                     std::string_view title, std::string_view question) {
  if (check) {
    showRefusal(world.ui(), *check);
    return OrderOutcome::Refused;
  }
  if (!changesSomething(world, stores, change)) return OrderOutcome::Unchanged;
  if (!confirmOrder(world, title, question, false)) return OrderOutcome::Declined;
  for (int n : slotsOf(stores)) change.applyTo(world.kaichou.slot(n));
  return OrderOutcome::Done;
}

}  // namespace

Money averageProfitRate(const tworld& world, const StoreSelection& stores,
                        const IslandFilter& filter) {
  Money sum;
  int n = 0;
  for (int slot : slotsOf(stores)) {
    const Ttempo& s = world.kaichou.slot(slot);
    sum += s.islandSum(filter, IslandQuantity::ProfitRate);
    n += s.islandCount(filter);
  }
  return n == 0 ? Money() : Money::fromRaw(divRoundHalfEven(sum.raw(), n));
}

int islandCount(const tworld& world, const StoreSelection& stores, const IslandFilter& filter) {
  int n = 0;
  for (int slot : slotsOf(stores)) n += world.kaichou.slot(slot).islandCount(filter);
  return n;
}

BulkForecast forecastAfter(const tworld& world, const StoreSelection& stores,
                           const ProfitRateChanges& changes) {
  const ForecastTerms terms = forecastTerms(world);
  BulkForecast total;
  for (int slot : slotsOf(stores)) {
    Ttempo copy;
    world.kaichou.slot(slot).assignTo(copy);
    changes.applyTo(copy);
    const StoreForecast f = storeForecast(copy, terms);
    total.sales += f.sales[kTotal];
    total.grossProfit += f.grossProfit[kTotal];
    total.netProfit += f.netProfit;
  }
  total.profitRate = profitRate(total.grossProfit, total.sales);
  return total;
}

MorningRatio morningRatio(const tworld& world, const StoreSelection& stores, int machines) {
  MorningRatio r;
  for (int slot : slotsOf(stores)) {
    const Ttempo& s = world.kaichou.slot(slot);
    const MachineCounts c = s.machineCounts();
    r.slotMachines += c.slotMachines;
    r.morning +=
        machines >= 0 && machines <= kMorningMachines ? c.slotIslands * machines : s.morningTotal();
  }
  return r;
}

Check CheckBulkProfitRates(const tworld& world, const StoreSelection& stores,
                           const ProfitRateChanges& changes) {
  if (!allInUse(world.kaichou, stores))
    return badValue(translate("bulk_settings_order", "利益率一括修正"));
  for (const auto& r : changes.byType)
    if (r && !profitRateAllowed(*r))
      return badValue(translate("bulk_settings_order", "利益率一括修正"));
  for (const auto& kind : changes.byForm)
    for (const auto& r : kind)
      if (r && !profitRateAllowed(*r))
        return badValue(translate("bulk_settings_order", "利益率一括修正"));
  return std::nullopt;
}

Check CheckBulkBusinessForm(const tworld& world, const StoreSelection& stores,
                            const BusinessFormChange& change) {
  if (!allInUse(world.kaichou, stores) || change.form < 0 || change.form >= kBusinessForms)
    return badValue(translate("bulk_settings_order", "営業形態一括修正"));
  return std::nullopt;
}

Check CheckBulkMorning(const tworld& world, const StoreSelection& stores,
                       const MorningChange& change) {
  if (!allInUse(world.kaichou, stores) || change.machines < 0 || change.machines > kMorningMachines)
    return badValue(translate("bulk_settings_order", "ﾓｰﾆﾝｸﾞ一括設定"));
  return std::nullopt;
}

Check CheckNewIslandDefaults(const tworld& world, const StoreSelection& stores,
                             const NewIslandDefaults& d) {
  bool ok = allInUse(world.kaichou, stores) && d.morning8 >= 0 && d.morning8 <= kMorningMachines &&
            d.morning9 >= 0 && d.morning9 <= kMorningMachines;
  for (int t = 0; t < kMachineTypeCount; ++t)
    ok = ok && profitRateAllowed(d.riritu[t]) && d.keitai[t] < kBusinessForms;
  if (!ok) return badValue(translate("bulk_settings_order", "新台初期値設定"));
  return std::nullopt;
}

OrderOutcome OrderBulkProfitRates(tworld& world, const StoreSelection& stores,
                                  const ProfitRateChanges& changes) {
  return runBulk(world, stores, changes, CheckBulkProfitRates(world, stores, changes),
                 translate("bulk_settings_order", "利益率一括修正"),
                 translate("bulk_settings_order", "利益率を一括修正します。よろしいですか？"));
}

OrderOutcome OrderBulkBusinessForm(tworld& world, const StoreSelection& stores,
                                   const BusinessFormChange& change) {
  return runBulk(world, stores, change, CheckBulkBusinessForm(world, stores, change),
                 translate("bulk_settings_order", "営業形態一括修正"),
                 translate("bulk_settings_order", "営業形態を一括調整します。よろしいですか？"));
}

OrderOutcome OrderBulkMorning(tworld& world, const StoreSelection& stores,
                              const MorningChange& change) {
  return runBulk(world, stores, change, CheckBulkMorning(world, stores, change),
                 translate("bulk_settings_order", "ﾓｰﾆﾝｸﾞ一括設定"),
                 translate("bulk_settings_order", "モーニングを一括設定します。よろしいですか？"));
}

OrderOutcome OrderNewIslandDefaults(tworld& world, const StoreSelection& stores,
                                    const NewIslandDefaults& defaults) {
  return runBulk(world, stores, defaults, CheckNewIslandDefaults(world, stores, defaults),
                 translate("bulk_settings_order", "新台初期値設定"),
                 translate("bulk_settings_order", "新台初期値を一括変更します。よろしいですか？"));
}

}  // namespace gm
