// `advised`: the novice who reads the advisor every month and gives the orders its most
// important findings name, with the values it proposes, as far as the cash allows.
#include <algorithm>
#include <span>
#include <vector>

#include "company/advisor.h"
#include "company/hiring.h"
#include "company/manipulation_order.h"
#include "company/personnel_spending.h"
#include "company/warehouse_disposal.h"
#include "machine_moves.h"
#include "novice_strategy.h"
#include "player_orders.h"
#include "steady_strategy.h"
#include "store/equipment_order.h"
#include "world/world.h"

namespace gm {

namespace {

// The findings he acts on each month: the most important ones of each store and of the
// company, from "注意" up.
constexpr int kFindingsPerStore = 3;

// What he keeps back: a month of the halls' costs and a little over.
int64_t spare(const tworld& world) {
  return world.kaichou.sikin.trunc() - 2000 - SteadyStrategy::monthlyCost(world);
}

// The islands a renewal finding names: the worn ones, the oldest first.
std::vector<IslandPosition> islandsToRenew(const tworld& world, const Ttempo& s) {
  std::vector<IslandPosition> chosen;
  for (int f = 0; f < s.floorCount(); ++f)
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      const Tddai& d = s.dai[f][i];
      if (!d.used) continue;
      const bool worn = world.month - d.kounyuuMonth >= 12;
      if (worn) chosen.push_back({f, i});
    }
  std::stable_sort(chosen.begin(), chosen.end(), [&](IslandPosition x, IslandPosition y) {
    return s.dai[x.floor][x.island].kounyuuMonth < s.dai[y.floor][y.island].kounyuuMonth;
  });
  return chosen;
}

// Sets up to `islands` warehouse records that may still be installed on the hall's floors.
bool installFromWarehouse(tworld& world, PlayerOrders& orders, int slot, int islands) {
  std::vector<int> records;
  for (int n = 1; n <= kWarehouseRecords && static_cast<int>(records.size()) < islands; ++n)
    if (world.kaichou.record(n).withinValidity(world.month)) records.push_back(n - 1);
  if (records.empty()) return false;
  ReplacementPlan plan(world, slot);
  std::size_t next = 0;
  for (int f = 0; f < plan.store().floorCount() && next < records.size(); ++f)
    if (plan.freeIslands(f) > 0)
      next += plan.install(world.ui(), std::span(records).subspan(next), f);
  return next > 0 && orders.replace(plan) == OrderOutcome::Done;
}

}  // namespace

void AdvisedStrategy::giveOrders(tworld& world, PlayerOrders& orders) {
  setUpHall(world, orders);
  std::vector<Advice> todo;
  for (const Advice& a : DiagnoseCompany(world))
    if (a.severity >= AdviceSeverity::Caution) todo.push_back(a);
  for (int slot = 1; slot <= kStoreSlots; ++slot) {
    if (!world.kaichou.slot(slot).used) continue;
    int taken = 0;
    for (const Advice& a : DiagnoseStore(world, slot))
      if (a.severity >= AdviceSeverity::Caution && a.remedy != AdviceRemedy::None &&
          taken < kFindingsPerStore) {
        todo.push_back(a);
        ++taken;
      }
  }
  std::stable_sort(todo.begin(), todo.end(), MoreImportant);
  // The personnel findings of a store are one visit to each screen: every field at what they
  // propose, the most people any of them asks for.
  for (const Advice& a : todo) {
    if (a.remedy == AdviceRemedy::PersonnelCost) {
      followPersonnelCost(world, orders, a, todo);
    } else if (a.remedy == AdviceRemedy::Personnel) {
      Advice most = a;
      for (const Advice& b : todo)
        if (b.slot == a.slot && b.remedy == a.remedy && b.suggestion[0] > most.suggestion[0])
          most = b;
      follow(world, orders, most);
    } else {
      follow(world, orders, a);
    }
  }
}

void AdvisedStrategy::followPersonnelCost(tworld& world, PlayerOrders& orders, const Advice& a,
                                          const std::vector<Advice>& todo) {
  const Ttempo& s = world.kaichou.slot(a.slot);
  PersonnelSpending wanted{s.kyuyo, s.kyouiku, s.fukuri};
  for (const Advice& b : todo) {
    if (b.slot != a.slot || b.remedy != AdviceRemedy::PersonnelCost) continue;
    wanted.kyuyo = std::max(wanted.kyuyo, b.suggestion[0]);
    wanted.kyouiku = std::max(wanted.kyouiku, b.suggestion[1]);
    wanted.fukuri = std::max(wanted.fukuri, b.suggestion[2]);
  }
  if (wanted != PersonnelSpending{s.kyuyo, s.kyouiku, s.fukuri})
    orders.personnelSpending(selectSlot(a.slot), wanted);
}

bool AdvisedStrategy::follow(tworld& world, PlayerOrders& orders, const Advice& a) {
  if (a.slot < 1 || a.slot > kStoreSlots || !world.kaichou.slot(a.slot).used) {
    if (a.remedy == AdviceRemedy::CompanyManoeuvre && world.kaichou.datuzei)
      return orders.switchManoeuvre();
    return false;
  }
  const Ttempo& s = world.kaichou.slot(a.slot);
  const StoreSelection one = selectSlot(a.slot);
  switch (a.remedy) {
    case AdviceRemedy::Personnel: {
      int count = a.suggestion[0];
      // As many as the cash pays for.
      while (count > 0 && HiringCost(world, count, HireSex::Any) > spare(world))
        count = count * 3 / 4;
      if (count == 0) return false;
      staffHall(world, orders, a.slot, count);
      return true;
    }
    case AdviceRemedy::Open:
      return orders.open(a.slot).outcome == OrderOutcome::Done;
    case AdviceRemedy::ExchangeRates:
      return orders.exchangeRates(one, a.suggestion[0], a.suggestion[1]) == OrderOutcome::Done;
    case AdviceRemedy::Manipulations:
      return orders.manipulations(
                 one, ManipulationChange::to(s, static_cast<uint8_t>(a.suggestion[0]))) ==
             OrderOutcome::Done;
    case AdviceRemedy::ProfitRates: {
      ProfitRateChanges c;
      c.byType.fill(Money::fromInt(a.suggestion[0]));
      return orders.profitRates(one, c) == OrderOutcome::Done;
    }
    case AdviceRemedy::Promotions: {
      Thansoku h = s.hansoku;
      h.tvAgency = static_cast<uint8_t>(a.suggestion[0]);
      h.mail = static_cast<uint8_t>(a.suggestion[1]);
      h.tissue = static_cast<uint8_t>(a.suggestion[2]);
      return orders.promotions(one, h) == OrderOutcome::Done;
    }
    case AdviceRemedy::Replacement: {
      if (a.suggestion[0] < 0) {
        // Islands to take down into the warehouse.
        ReplacementPlan plan(world, a.slot);
        plan.remove(world.ui(), LeastPlayedIslands(s, -a.suggestion[0]));
        return orders.replace(plan) == OrderOutcome::Done;
      }
      std::vector<IslandPosition> old = islandsToRenew(world, s);
      int islands =
          std::min<int>(static_cast<int>(old.size()), world.kaichou.SoukoAki() / kIslandsPerFloor);
      std::optional<ModelChoice> model;
      while (islands > 0 && !(model = BestModel(world, islands, spare(world)))) islands /= 2;
      if (!model) return false;
      old.resize(islands);
      if (BuyAndInstall(world, orders, a.slot, model->maker, model->slot, islands, old) !=
          Installation::Installed)
        return false;
      // What came down goes, where the city takes it.
      if (world.disposalAccepted || world.hasLaw(kLawMakerLiability)) {
        std::vector<int> records;
        for (int n = 1; n <= kWarehouseRecords; ++n)
          if (world.kaichou.record(n).used && world.kaichou.record(n).kounyuuMonth < world.month)
            records.push_back(n);
        if (!records.empty() && DisposalCost(world, records) < spare(world))
          orders.dispose(records);
      }
      return true;
    }
    case AdviceRemedy::MachinePurchase:
      // Islands taken down earlier stand in the warehouse: they go back first.
      if (installFromWarehouse(world, orders, a.slot, a.suggestion[0])) return true;
      return buyMachines(world, orders, a.slot, a.suggestion[0]) > 0;
    case AdviceRemedy::Equipment:
      if (EquipmentPrice(world, s, a.suggestion[0]) > spare(world)) return false;
      return orders.equip(a.slot, a.suggestion[0]) == OrderOutcome::Done;
    default:
      return false;
  }
}

}  // namespace gm
