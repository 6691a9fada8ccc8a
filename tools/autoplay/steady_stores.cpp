// `steady`: running the halls he has: machines on every floor, old machines renewed, staff, the
// opening, wages and equipment.
#include <algorithm>
#include <array>
#include <vector>

#include "base/rating.h"
#include "company/machine_purchase.h"
#include "company/replacement_plan.h"
#include "company/warehouse_disposal.h"
#include "player_orders.h"
#include "player_port.h"
#include "steady_strategy.h"
#include "store/equipment_order.h"
#include "store/maker.h"
#include "world/world.h"

namespace gm {

namespace {

int freeIslands(const ReplacementPlan& plan) {
  int n = 0;
  for (int f = 0; f < plan.store().floorCount(); ++f) n += plan.freeIslands(f);
  return n;
}

int64_t spareCash(const tworld& world) {
  return world.kaichou.sikin.trunc() - SteadyStrategy::reserve(world);
}

// Islands bought for a hall are the newest on the floors; islands that have stood three years
// and draw few players are worth renewing.
bool worn(const Tddai& d, int month) { return month - d.kounyuuMonth > 36 && d.attendance() < 40; }

}  // namespace

std::optional<ModelChoice> BestModel(const tworld& world, int islands, int64_t budget) {
  std::optional<ModelChoice> best;
  int64_t bestValue = 0;
  for (int m = 0; m < kMakerCount; ++m) {
    const Tmaker& maker = world.makers[m];
    if (!maker.shijou || !maker.torihiki) continue;
    for (int k = 0; k < 5; ++k) {
      const tdai& model = maker.models[k];
      if (!model.onSale || model.zaiko < islands * 10) continue;
      if (CheckMachinePurchase(world, m, k, islands)) continue;
      const MachinePrice price = MachinePurchasePrice(maker, model, islands);
      if (price.total > budget) continue;
      // The advertised ratings, less a point for every ten thousand yen a machine costs.
      int64_t value = 0;
      for (uint8_t r : model.nominal) value += r;
      value = value * 100 - price.total * 10 / std::max(islands, 1);
      if (!best || value > bestValue) {
        best = ModelChoice{m, k, MachinePurchasePrice(maker, model, 1).total};
        bestValue = value;
      }
    }
  }
  return best;
}

void SteadyStrategy::fillFloors(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  for (int slot = 1; slot <= kStoreSlots; ++slot) {
    const Ttempo& s = k.slot(slot);
    if (!s.used || (s.joutai != kWaiting && s.joutai != kOpen)) continue;
    while (true) {
      const ReplacementPlan probe(world, slot);
      const int room = std::min(freeIslands(probe), k.SoukoAki() / 10);
      if (room <= 0) break;
      // Keep a tenth back for the replacement work.
      const int64_t budget = spareCash(world) * 9 / 10;
      int islands = room;
      std::optional<ModelChoice> model;
      while (islands > 0 && !(model = BestModel(world, islands, budget))) islands /= 2;
      if (!model) break;
      const PurchaseResult bought = orders.buyMachines(model->maker, model->slot, islands);
      if (bought.outcome != OrderOutcome::Done) break;
      ReplacementPlan plan(world, slot);
      std::vector<int> records;
      for (int r = bought.firstRecord; r < bought.firstRecord + bought.records; ++r)
        records.push_back(r - 1);
      std::size_t next = 0;
      for (int f = 0; f < plan.store().floorCount() && next < records.size(); ++f) {
        if (plan.freeIslands(f) == 0) continue;
        next += plan.install(world.ui(), std::span(records).subspan(next), f);
      }
      if (orders.replace(plan) != OrderOutcome::Done) break;
    }
  }
}

void SteadyStrategy::renewOldMachines(tworld& world, PlayerOrders& orders) {
  // Worn islands go only when the city takes them away and the company can buy new ones.
  if (!world.disposalAccepted && !world.hasLaw(kLawMakerLiability)) return;
  tkaichou& k = world.kaichou;
  for (int slot = 1; slot <= kStoreSlots; ++slot) {
    const Ttempo& s = k.slot(slot);
    if (!s.used || s.joutai != kOpen || spareCash(world) < 3 * reserve(world)) continue;
    std::vector<IslandPosition> old;
    const int islands = s.machineCounts().allIslands;
    for (int f = 0; f < s.floorCount(); ++f)
      for (int i = 0; i < kIslandsPerFloor; ++i)
        if (s.dai[f][i].used && worn(s.dai[f][i], world.month) &&
            static_cast<int>(old.size()) < islands / 2)
          old.push_back({f, i});
    if (old.empty() || static_cast<int>(old.size()) > k.SoukoAki() / 10) continue;
    ReplacementPlan plan(world, slot);
    if (plan.remove(world.ui(), old) == 0) continue;
    if (orders.replace(plan) != OrderOutcome::Done) continue;
    std::vector<int> records;
    for (int n = 1; n <= kWarehouseRecords; ++n)
      if (k.record(n).used) records.push_back(n);
    orders.dispose(records);
  }
}

void SteadyStrategy::staff(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  const int hours = world.MonthlyHours();
  // What each hall should have: its need with a margin, twice its need for a hall that has not
  // played yet (its islands' need grows with their players).
  std::array<int, kStoreSlots> wanted{};
  StoreSelection short_;
  int shortage = 0;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used || !s.hasMachines() || s.joutai == kUnderConstruction) continue;
    const int need = s.staffNeed(hours, world.month);
    wanted[n - 1] = s.joutai == kOpen ? need * 12 / 10 + 2 : need * 2 + 2;
    if (s.staffTotal() < need || (s.joutai != kOpen && s.staffTotal() < wanted[n - 1]) ||
        s.staffTotal() * 10 < wanted[n - 1] * 9) {
      short_.set(n - 1);
      shortage += wanted[n - 1] - s.staffTotal();
    }
  }
  if (shortage <= 0 || CheckPersonnelScreen(k)) return;

  PersonnelSession session(world);
  if (!orders.openPersonnel(session)) return;
  if (!CheckHiring(world)) {
    int count = shortage;
    const int64_t spare = spareCash(world) + reserve(world) / 2;
    while (count > 0 && HiringCost(world, count, HireSex::Any) > spare) count = count * 3 / 4;
    if (count > 0) orders.hire(session, count, HireSex::Any);
  }
  session.leaveItToMe(short_);
  // The rest of the newcomers go where the halls are furthest below what they should have.
  for (int sex : {kMale, kFemale}) {
    const StaffChoice who = sex == kMale ? StaffChoice::Men : StaffChoice::Women;
    for (int n = 1; n <= kStoreSlots && session.pool().staffOf(sex) > 0; ++n) {
      if (!short_.test(n - 1)) continue;
      int gap = wanted[n - 1] - session.store(n).staffTotal();
      for (int step : {100, 10, 1})
        while (gap >= step && session.pool().staffOf(sex) >= step) {
          session.assign(selectSlot(n), who, step);
          gap -= step;
        }
    }
  }
  if (session.pool().staffTotal() > 0) session.assign(short_, StaffChoice::Both, kMoveAll);
  orders.confirmPersonnel(session);
}

void SteadyStrategy::openReadyStores(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (s.used && s.joutai == kWaiting && !CheckOpening(world, s)) orders.open(n);
  }
}

void SteadyStrategy::payAndRates(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used || s.staffTotal() == 0) continue;
    // What the staff will ask for: a base, more for skill, for a busy hall and for long hours,
    // less for welfare (the monthly staff rules, as a president learns them from his halls).
    int64_t d = 150 + 10 * std::min<int64_t>(s.skill.trunc() / 10, 9) + s.kadou[kTotal];
    if (s.hasEquipment(0)) d -= 10;
    if (s.hasEquipment(4)) d += 5;
    const int women = s.staffSummary().women;
    if (women > 0) d += d * women * 20 / 10000;
    if (world.hasLaw(kLawLongHours)) d += d / 2;
    if (k.tousotu > 70) d += 60 - k.tousotu;
    if (k.karisuma > 80) d += 70 - k.karisuma;
    constexpr int kEducation = 40, kWelfare = 40;
    d = std::clamp<int64_t>(d - kWelfare / 5, 150, 1000);
    // A little above the demand, so that nobody leaves over pay.
    const int salary = static_cast<int>(std::min<int64_t>(d * 105 / 100 + 5, 1000));
    const PersonnelSpending wanted{salary, kEducation, kWelfare};
    const PersonnelSpending now{s.kyuyo, s.kyouiku, s.fukuri};
    if (now != wanted) orders.personnelSpending(selectSlot(n), wanted);
  }
}

void SteadyStrategy::equip(tworld& world, PlayerOrders& orders) {
  // Comfort for the players once the halls pay their way: chairs, screens, players' booths and
  // separate islands, the cheapest first.
  static constexpr std::array<int, 4> kItems = {3, 2, 1, 0};
  tkaichou& k = world.kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used || s.joutai != kOpen) continue;
    for (int item : kItems) {
      if (CheckEquipment(world, s, item)) continue;
      if (EquipmentPrice(world, s, item) * 4 > spareCash(world) - 2 * reserve(world)) continue;
      orders.equip(n, item);
    }
  }
}

}  // namespace gm
