// `steady`: running the halls he has: machines on every floor, old machines renewed, staff, the
// opening, wages and equipment.
#include <algorithm>
#include <array>
#include <vector>

#include "base/rating.h"
#include "company/machine_purchase.h"
#include "company/promotion_order.h"
#include "company/replacement_plan.h"
#include "company/warehouse_disposal.h"
#include "machine_moves.h"
#include "player_orders.h"
#include "player_port.h"
#include "steady_strategy.h"
#include "store/equipment_order.h"
#include "store/maker.h"
#include "store/promotions.h"
#include "world/world.h"

namespace gm {

namespace {

int freeIslands(const ReplacementPlan& plan) {
  int n = 0;
  for (int f = 0; f < plan.store().floorCount(); ++f) n += plan.freeIslands(f);
  return n;
}

int64_t spareCash(const tworld& world) { return SteadyStrategy::workingCash(world); }

// Islands bought for a hall are the newest on the floors; islands that have stood three years
// and draw few players are worth renewing.
bool worn(const Tddai& d, int month, int age) { return month - d.kounyuuMonth > age; }

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
      if (BuyAndInstall(world, orders, slot, model->maker, model->slot, islands) !=
          Installation::Installed)
        break;
    }
  }
}

void SteadyStrategy::renewOldMachines(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  // What was taken down goes as soon as the city takes it; a machine bought this month waits
  // for its floor.
  if (world.disposalAccepted || world.hasLaw(kLawMakerLiability)) {
    std::vector<int> records;
    for (int n = 1; n <= kWarehouseRecords; ++n)
      if (k.record(n).used && k.record(n).kounyuuMonth < world.month) records.push_back(n);
    if (!records.empty() && DisposalCost(world, records) < spareCash(world))
      orders.dispose(records);
  }
  // Worn islands make way for new ones in one replacement: the new machines come into the
  // warehouse, the old ones go where the new ones were, and the floors never stand empty.
  for (int slot = 1; slot <= kStoreSlots; ++slot) {
    const Ttempo& s = k.slot(slot);
    if (!s.used || s.joutai != kOpen) continue;
    std::vector<IslandPosition> old;
    for (int f = 0; f < s.floorCount(); ++f)
      for (int i = 0; i < kIslandsPerFloor; ++i)
        if (s.dai[f][i].used && worn(s.dai[f][i], world.month, habits_.renewAge))
          old.push_back({f, i});
    const int room = k.SoukoAki() / 10 / 2;
    if (old.empty() || room == 0) continue;
    if (static_cast<int>(old.size()) > room) old.resize(room);
    int islands = static_cast<int>(old.size());
    std::optional<ModelChoice> model;
    while (islands > 0 && !(model = BestModel(world, islands, spareCash(world) * 9 / 10)))
      islands /= 2;
    if (!model) return;  // nothing more can be afforded this month
    old.resize(islands);
    if (BuyAndInstall(world, orders, slot, model->maker, model->slot, islands, old) ==
        Installation::NotBought)
      return;
  }
}

namespace {

// Moves `count` people of one sex between a store's working copy and the pool in the screen's
// steps of 100, 10 and 1.
void moveStaff(PersonnelSession& session, int slot, int sex, int count, bool intoStore) {
  const StaffChoice who = sex == kMale ? StaffChoice::Men : StaffChoice::Women;
  for (int step : {100, 10, 1})
    while (count >= step) {
      const Ttempo& from = intoStore ? session.pool() : session.store(slot);
      if (from.staffOf(sex) < step) break;
      if (intoStore)
        session.assign(StoreOrder(selectSlot(slot)), who, step);
      else
        session.transferOut(StoreOrder(selectSlot(slot)), who, step);
      count -= step;
    }
}

}  // namespace

void SteadyStrategy::staff(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  const int hours = world.MonthlyHours();
  // What each hall should have: its need with the margin, twice its need for a hall that has
  // not played yet (its islands' need grows with their players), nobody in a hall that goes.
  std::array<int, kStoreSlots> wanted{};
  StoreSelection short_, surplus, others;
  int shortage = 0;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used) continue;
    if (n == withdrawing_) {
      if (s.staffTotal() > 0) surplus.set(n - 1);
      continue;
    }
    others.set(n - 1);
    if (!s.hasMachines() || s.joutai == kUnderConstruction) continue;
    const int need = s.staffNeed(hours, world.month);
    // Lean times: three quarters of the need keep the staff from walking out together.
    const int margin = lean_ ? -25 : habits_.staffMargin;
    wanted[n - 1] = s.joutai == kOpen ? need * (100 + margin) / 100 + 2 : need * 2 + 2;
    if (s.staffTotal() < need || (s.joutai != kOpen && s.staffTotal() < wanted[n - 1]) ||
        s.staffTotal() * 10 < wanted[n - 1] * 9) {
      short_.set(n - 1);
      shortage += wanted[n - 1] - s.staffTotal();
    } else if (s.joutai == kOpen && s.staffTotal() > wanted[n - 1] * 13 / 10 + 3) {
      surplus.set(n - 1);
    }
  }
  if ((shortage <= 0 && withdrawing_ == 0) || CheckPersonnelScreen(k)) return;

  PersonnelSession session(world);
  if (!orders.openPersonnel(session)) return;
  // People from a hall that goes and from halls with too many come first; then the hiring.
  for (int n = 1; n <= kStoreSlots; ++n) {
    if (!surplus.test(n - 1)) continue;
    const Ttempo& s = session.store(n);
    // Head counts may each reach the int32 ceiling: what goes is counted in 64 bits.
    const int64_t give = s.staffTotal() - wanted[n - 1];
    const int men = static_cast<int>(std::min<int64_t>(give, s.dansei));
    moveStaff(session, n, kMale, men, false);
    moveStaff(session, n, kFemale, static_cast<int>(give - men), false);
  }
  const int64_t missing = shortage - session.pool().staffTotal();
  if (missing > 0 && !CheckHiring(world)) {
    int count = static_cast<int>(std::min<int64_t>(missing, INT32_MAX));
    const int64_t spare = spareCash(world);
    while (count > 0 && HiringCost(world, count, HireSex::Any) > spare) count = count * 3 / 4;
    if (count > 0) orders.hire(session, count, HireSex::Any);
  }
  session.leaveItToMe(StoreOrder(short_));
  // The rest go where the halls are furthest below what they should have.
  for (int sex : {kMale, kFemale})
    for (int n = 1; n <= kStoreSlots && session.pool().staffOf(sex) > 0; ++n)
      if (short_.test(n - 1))
        moveStaff(session, n, sex, wanted[n - 1] - session.store(n).staffTotal(), true);
  // Nobody is kept on who has no hall to work in: a month's wages cost about as much as the
  // severance, and they would be paid every month.
  if (session.pool().staffTotal() > 0 &&
      (session.severance() >= k.sikin.trunc() - 10000 || !orders.dismiss(session)))
    session.assign(StoreOrder(others), StaffChoice::Both, kMoveAll);
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
    // A company with a single hall cannot afford to lose it: keen, well-trained staff put out a
    // fire while it is small.
    const bool lone = k.TempoKazu().used == 1;
    int education = lone ? std::max(habits_.education, 80) : habits_.education;
    int welfare = lone ? std::max(habits_.welfare, 80) : habits_.welfare;
    if (lean_) education = welfare = 0;
    d = std::clamp<int64_t>(d - welfare / 5, 150, 1000);
    // A little above the demand, so that nobody leaves over pay.
    const int salary =
        static_cast<int>(std::min<int64_t>(d * (100 + habits_.salaryMargin) / 100 + 5, 1000));
    const PersonnelSpending wanted{salary, education, welfare};
    const PersonnelSpending now{s.kyuyo, s.kyouiku, s.fukuri};
    if (now != wanted) orders.personnelSpending(selectSlot(n), wanted);
  }
  // Every island keeps the same profit rate, and so do the islands still to come.
  const Money rate = Money::fromInt(habits_.profitRate);
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used) continue;
    bool defaults = true;
    for (Money r : s.shinDaiRitu) defaults = defaults && r == rate;
    if (!defaults) {
      NewIslandDefaults d = NewIslandDefaults::of(s);
      d.riritu.fill(rate);
      orders.newIslandDefaults(selectSlot(n), d);
    }
    bool islands = true;
    s.forEachIsland([&](const Tddai& d) { islands = islands && d.riritu == rate; });
    if (!islands) {
      ProfitRateChanges c;
      c.byType.fill(rate);
      orders.profitRates(selectSlot(n), c);
    }
  }
}

void SteadyStrategy::promote(tworld& world, PlayerOrders& orders) {
  if (habits_.promotions == 0 && !lean_) return;
  tkaichou& k = world.kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used || s.joutai != kOpen) continue;
    // Television makes a hall known and brings fans to the streets around it; tissues, letters
    // and a month-long event keep it talked about. All of it is paid with the month's costs.
    Thansoku h;
    const PromotionLimits limits = promotionLimits(s);
    h.tvAgency = 5;
    h.tvSpot = 1;
    h.event = 4;
    h.tissue = static_cast<uint8_t>(limits.tissue);
    h.mail = static_cast<uint8_t>(limits.mail);
    if (habits_.promotions >= 2) h.www = 5;
    const int64_t cost = promotionCost(h, s.kibo, k.chisei, k.karisuma).total;
    if (lean_ || spareCash(world) < 3 * cost) h = Thansoku{};
    const Thansoku& now = s.hansoku;
    if (now.tvAgency != h.tvAgency || now.tvSpot != h.tvSpot || now.event != h.event ||
        now.tissue != h.tissue || now.mail != h.mail || now.www != h.www)
      orders.promotions(selectSlot(n), h);
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
      if (EquipmentPrice(world, s, item) * 4 > k.sikin.trunc() - 3 * reserve(world)) continue;
      orders.equip(n, item);
    }
  }
}

}  // namespace gm
