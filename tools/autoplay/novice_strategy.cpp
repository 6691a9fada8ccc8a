// `novice`: the first hall, set up with the game's defaults, and his answers.
#include "novice_strategy.h"

#include <algorithm>

#include "company/construction_order.h"
#include "company/machine_purchase.h"
#include "company/personnel_orders.h"
#include "machine_moves.h"
#include "player_orders.h"
#include "store/equipment_order.h"
#include "store/maker.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kCitizensLand = 1;
constexpr int kOwnLand = 2;
constexpr int kSchool = 22;
constexpr int kHospital = 23;
constexpr int kFirstSize = kWorkStore;  // a "１フロア" hall

bool is(std::string_view title, std::initializer_list<std::string_view> titles) {
  return std::find(titles.begin(), titles.end(), title) != titles.end();
}

// The free islands of the hall's floors.
int freeIslands(const tworld& world, int slot) {
  const ReplacementPlan plan(world, slot);
  int n = 0;
  for (int f = 0; f < plan.store().floorCount(); ++f) n += plan.freeIslands(f);
  return std::min(n, world.kaichou.SoukoAki() / kIslandsPerFloor);
}

}  // namespace

int NoviceStrategy::hallSlot(const tworld& world) const {
  for (int n = 1; n <= kStoreSlots; ++n)
    if (world.kaichou.slot(n).used) return n;
  return 0;
}

void NoviceStrategy::giveOrders(tworld& world, PlayerOrders& orders) { setUpHall(world, orders); }

bool NoviceStrategy::setUpHall(tworld& world, PlayerOrders& orders) {
  if (opened_) return false;
  tkaichou& k = world.kaichou;
  const int slot = hallSlot(world);
  if (slot == 0) {
    // His land first, then the hall on it. Land that a new school or hospital next door has
    // made useless goes back on the market.
    for (int r = 0; r < world.mapHeight; ++r)
      for (int c = 0; c < world.mapWidth; ++c)
        if (world.block(r, c).kind == kOwnLand) {
          if (!CheckConstruction(world, r, c, kFirstSize)) {
            orders.construct(r, c, kFirstSize);
            return true;
          }
          if (!CheckLandSale(world, r, c)) orders.sellLand(r, c);
        }
    buyFirstLot(world, orders);
    return true;
  }
  const Ttempo& s = k.slot(slot);
  if (s.joutai == kUnderConstruction) return true;
  if (s.joutai == kOpen) {
    opened_ = true;
    return false;
  }
  if (!s.hasMachines()) {
    // The cheapest general equipment, then a floor of machines.
    int cheapest = -1;
    for (int item = 0; item < kEquipmentCount; ++item)
      if (!equipmentInfo(item).special && !CheckEquipment(world, s, item) &&
          (cheapest < 0 || EquipmentPrice(world, s, item) < EquipmentPrice(world, s, cheapest)))
        cheapest = item;
    if (cheapest >= 0) orders.equip(slot, cheapest);
    buyMachines(world, orders, slot, freeIslands(world, slot));
  }
  const int need = s.staffNeed(world.MonthlyHours(), world.month);
  if (s.staffTotal() < need) staffHall(world, orders, slot, need - s.staffTotal());
  if (s.staffTotal() >= need && orders.open(slot).outcome == OrderOutcome::Done) opened_ = true;
  return !opened_;
}

void NoviceStrategy::buyFirstLot(tworld& world, PlayerOrders& orders) {
  // The first lot, row by row, that he may build on and whose price leaves enough for the
  // building and its machines.
  const int64_t cash = world.kaichou.sikin.trunc();
  for (int r = 0; r < world.mapHeight; ++r)
    for (int c = 0; c < world.mapWidth; ++c) {
      const Tchip& b = world.block(r, c);
      if (b.kind != kCitizensLand || world.kaichou.baishuuzumi[r][c] != 0) continue;
      if (b.HasKindWithin(world.blocks, world.mapWidth, world.mapHeight, kSchool, 2) ||
          b.HasKindWithin(world.blocks, world.mapWidth, world.mapHeight, kHospital, 2))
        continue;
      // The owner asks about the land price, more where the streets are safe; the machines and
      // the staff want something like a fifth of the capital.
      if (int64_t{b.landPrice} * 13 / 10 + ConstructionPrice(world, r, c, kFirstSize) >
          cash * 4 / 5)
        continue;
      if (orders.buyLand(r, c) == LandPurchaseOutcome::Bought) return;
    }
}

int NoviceStrategy::buyMachines(tworld& world, PlayerOrders& orders, int slot, int islands) {
  // The first model in the makers' list that is on sale and that he can pay for.
  for (int m = 0; m < kMakerCount; ++m)
    for (int model = 0; model < 5; ++model)
      for (int n = islands; n > 0; --n) {
        if (CheckMachinePurchase(world, m, model, n)) continue;
        const MachinePrice price =
            MachinePurchasePrice(world.makers[m], world.makers[m].models[model], n);
        if (price.total * 2 > world.kaichou.sikin.trunc()) continue;
        if (BuyAndInstall(world, orders, slot, m, model, n) == Installation::NotBought) return 0;
        return n;
      }
  return 0;
}

void NoviceStrategy::staffHall(tworld& world, PlayerOrders& orders, int slot, int count) {
  if (count == 0 || CheckPersonnelScreen(world.kaichou)) return;
  PersonnelSession session(world);
  if (!orders.openPersonnel(session)) return;
  const StoreOrder hall(selectSlot(slot));
  if (count > 0) {
    if (!CheckHiring(world)) orders.hire(session, count, HireSex::Any);
    session.assign(hall, StaffChoice::Both, kMoveAll);
  } else {
    for (int left = -count; left > 0;) {
      const int step = left >= 100 ? 100 : (left >= 10 ? 10 : 1);
      const int moved = session.transferOut(hall, StaffChoice::Both, step);
      if (moved == 0) break;
      left -= moved;
    }
    if (session.pool().staffTotal() > 0 && !orders.dismiss(session))
      session.assign(hall, StaffChoice::Both, kMoveAll);
  }
  orders.confirmPersonnel(session);
}

bool NoviceStrategy::confirm(const tworld&, std::string_view title, std::string_view) {
  // His own orders' questions; anything else he does not understand, and declines.
  return is(title, {"工事実行", "設備投資", "開店", "購入", "入替", "人事", "雇用", "買収交渉",
                    "命令終了", "解雇", "人件費調整", "交換率変更", "工作変更", "利益率一括修正",
                    "販促費変更", "任せる", "売却"});
}

std::optional<std::string> NoviceStrategy::storeName(const tworld&, std::string_view proposed) {
  if (!proposed.empty()) return std::string(proposed);
  return std::string("銀玉会館");
}

std::optional<int64_t> NoviceStrategy::salePrice(const tworld&, int landPrice) {
  // A little under the price, and a tenth less every time nobody wanted it.
  const int64_t share = std::max(90 - 10 * saleTries_++, 50);
  return int64_t{landPrice} * share / 100;
}

std::optional<int64_t> NoviceStrategy::purchaseOffer(const tworld&, int, int64_t askingPrice,
                                                     Money cash) {
  // He offers what the owner asks.
  if (Money::fromInt(askingPrice) >= cash) return std::nullopt;
  return askingPrice;
}

std::optional<int64_t> NoviceStrategy::donation(const tworld&, Money) { return std::nullopt; }

int NoviceStrategy::seminarCourse(const tworld&, const SeminarOffer&) { return 0; }

void NoviceStrategy::graduates(tworld&, PlayerOrders&, const GraduateOffer&) {}

}  // namespace gm
