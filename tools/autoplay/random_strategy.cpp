// `random`: random orders and random answers.
#include "random_strategy.h"

#include <array>
#include <vector>

#include "company/construction_order.h"
#include "company/exchange_rate_order.h"
#include "player_orders.h"
#include "store/promotions.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kOrderKinds = 20;

// Names a player might type, good and bad: empty, too long for 48 bytes, half-width kana, and
// characters that Shift-JIS cannot carry.
constexpr std::array<std::string_view, 7> kNames = {
    "銀玉会館",
    "",
    "ﾊﾟｰﾗｰ ｷﾞﾝﾀﾞﾏ",
    "Hall 97",
    "とても長い名前の店舗とても長い名前の店舗とても長い名前の店舗とても長い名前",
    "😀会館",
    "　"};

}  // namespace

int64_t RandomStrategy::number(int64_t lo, int64_t hi) {
  const int roll = pick(20);
  if (roll == 0) return lo - 1 - pick(1000);
  if (roll == 1) return hi + 1 + pick(1000);
  if (roll == 2) return pick(2) ? INT32_MAX : INT32_MIN;
  return lo + pick(static_cast<int>(std::min<int64_t>(hi - lo + 1, INT32_MAX)));
}

void RandomStrategy::block(const tworld& world, int& row, int& column, bool own) {
  if (chance(10)) {
    row = pick(kMapSize + 6) - 3;
    column = pick(kMapSize + 6) - 3;
    return;
  }
  for (int tries = 0; tries < 40; ++tries) {
    row = pick(std::max<int>(world.mapHeight, 1));
    column = pick(std::max<int>(world.mapWidth, 1));
    const int kind = world.block(row, column).kind;
    const bool ownLand = kind == 2 || kind == 19 || kind == 27;
    if (own == ownLand) return;
  }
}

int RandomStrategy::storeSlot(const tworld& world) {
  std::array<int, kStoreSlots> used{};
  int n = 0;
  for (int slot = 1; slot <= kStoreSlots; ++slot)
    if (world.kaichou.slot(slot).used) used[n++] = slot;
  if (n == 0 || chance(5)) return pick(kStoreSlots) + 1;
  return used[pick(n)];
}

StoreSelection RandomStrategy::selection(const tworld& world) {
  const int roll = pick(20);
  StoreSelection s;
  if (roll < 12) return selectSlot(storeSlot(world));
  if (roll < 16) {
    for (int slot = 1; slot <= kStoreSlots; ++slot)
      if (world.kaichou.slot(slot).used) s.set(slot - 1);
    return s;
  }
  if (roll < 19) {
    for (int i = 0; i < 3; ++i) s.set(pick(kStoreSlots));
    return s;
  }
  return s;  // nothing selected
}

void RandomStrategy::giveOrders(tworld& world, PlayerOrders& orders) {
  if (chance(35)) {
    steadyTurn_ = true;
    steady_.giveOrders(world, orders);
    steadyTurn_ = false;
  }
  const int count = pick(9);
  for (int i = 0; i < count; ++i) oneOrder(world, orders);
}

void RandomStrategy::oneOrder(tworld& world, PlayerOrders& orders) {
  int row = 0, column = 0;
  switch (pick(kOrderKinds)) {
    case 0:
      block(world, row, column, false);
      orders.buyLand(row, column);
      break;
    case 1:
      block(world, row, column, true);
      orders.sellLand(row, column);
      break;
    case 2:
      block(world, row, column, true);
      orders.construct(row, column, static_cast<int>(number(0, kWorkTypeCount - 1)));
      break;
    case 3:
      orders.equip(storeSlot(world), static_cast<int>(number(0, kEquipmentCount - 1)));
      break;
    case 4:
      orders.open(storeSlot(world));
      break;
    case 5:
      if (chance(30)) orders.close(storeSlot(world));
      break;
    case 6:
      orders.buyMachines(static_cast<int>(number(0, kMakerCount - 1)),
                         static_cast<int>(number(0, 4)), static_cast<int>(number(0, 60)));
      break;
    case 7:
      replacement(world, orders);
      break;
    case 8:
      orders.exchangeRates(selection(world), static_cast<int>(number(0, kPachinkoRates - 1)),
                           static_cast<int>(number(0, kSlotRates - 1)));
      break;
    case 9: {
      ManipulationChange c;
      c.add = static_cast<uint8_t>(chance(90) ? pick(8) : pick(256));
      c.remove = static_cast<uint8_t>(chance(90) ? pick(8) : pick(256));
      if (chance(70)) orders.manipulations(selection(world), c);
      break;
    }
    case 10:
    case 11:
      islandSettings(world, orders);
      break;
    case 12: {
      Thansoku h;
      for (uint8_t* c : {&h.event, &h.tissue, &h.mail, &h.tvAgency, &h.tvSpot, &h.www,
                         &h.newspaperSize, &h.newspaperTerm})
        *c = static_cast<uint8_t>(chance(20) ? pick(256) : pick(6));
      orders.promotions(selection(world), h);
      break;
    }
    case 13:
      orders.personnelSpending(
          selection(world), {static_cast<int>(number(120, 1000)), static_cast<int>(number(0, 1000)),
                             static_cast<int>(number(0, 1000))});
      break;
    case 14:
    case 15:
      personnel(world, orders);
      break;
    case 16: {
      std::vector<int> records;
      const int n = pick(6);
      for (int i = 0; i < n; ++i) {
        int r = pick(kWarehouseRecords) + 1;
        for (int tries = 0; tries < 30 && !world.kaichou.record(r).used && chance(90); ++tries)
          r = pick(kWarehouseRecords) + 1;
        records.push_back(chance(5) ? static_cast<int>(number(1, kWarehouseRecords)) : r);
      }
      if (!records.empty() && chance(10)) records.push_back(records.front());
      orders.dispose(records);
      break;
    }
    case 17:
      if (chance(30)) orders.rebuildWarehouse();
      break;
    case 18:
      if (chance(20)) orders.switchManoeuvre();
      break;
    default: {
      // The work on a block the company owns: a store of a random size, or pulling one down.
      block(world, row, column, true);
      orders.construct(row, column, kWorkStore + pick(kFloors));
      break;
    }
  }
}

void RandomStrategy::replacement(tworld& world, PlayerOrders& orders) {
  const int slot = storeSlot(world);
  ReplacementPlan plan(world, slot);
  const int steps = pick(6) + 1;
  for (int i = 0; i < steps; ++i) {
    const int what = pick(3);
    if (what == 0) {
      std::vector<int> records;
      const int n = pick(12);
      for (int k = 0; k < n; ++k) {
        int r = pick(kWarehouseRecords);
        for (int tries = 0; tries < 30 && !plan.warehouse()[r].used; ++tries)
          r = pick(kWarehouseRecords);
        records.push_back(chance(5) ? pick(kWarehouseRecords + 20) - 10 : r);
      }
      plan.install(world.ui(), records, pick(kFloors + 2) - 1);
    } else if (what == 1) {
      std::vector<IslandPosition> islands;
      const int n = pick(8);
      for (int k = 0; k < n; ++k)
        islands.push_back({pick(kFloors + 2) - 1, pick(kIslandsPerFloor + 2) - 1});
      plan.remove(world.ui(), islands);
    } else {
      plan.undo();
    }
  }
  if (chance(85)) orders.replace(plan);
}

void RandomStrategy::islandSettings(tworld& world, PlayerOrders& orders) {
  auto rate = [&] { return Money::fromRaw(number(-1000000, 1000000) * 10); };
  switch (pick(4)) {
    case 0: {
      ProfitRateChanges c;
      for (auto& r : c.byType)
        if (chance(30)) r = rate();
      for (auto& kind : c.byForm)
        for (auto& r : kind)
          if (chance(15)) r = rate();
      orders.profitRates(selection(world), c);
      break;
    }
    case 1: {
      BusinessFormChange c;
      for (auto&& t : c.types) t = chance(40);
      c.form = static_cast<int>(number(0, kBusinessForms - 1));
      orders.businessForm(selection(world), c);
      break;
    }
    case 2:
      orders.morning(selection(world), {static_cast<int>(number(0, kMorningMachines))});
      break;
    default: {
      NewIslandDefaults d = NewIslandDefaults::of(world.kaichou.slot(storeSlot(world)));
      for (auto& r : d.riritu)
        if (chance(30)) r = rate();
      for (auto& k : d.keitai)
        if (chance(30)) k = static_cast<uint8_t>(chance(10) ? pick(256) : pick(4));
      d.morning8 = static_cast<int>(number(0, kMorningMachines));
      d.morning9 = static_cast<int>(number(0, kMorningMachines));
      orders.newIslandDefaults(selection(world), d);
      break;
    }
  }
}

void RandomStrategy::personnel(tworld& world, PlayerOrders& orders) {
  PersonnelSession session(world);
  if (!orders.openPersonnel(session)) return;
  if (chance(60)) {
    const int count = static_cast<int>(chance(10) ? number(0, kMaxHire) : number(0, 60));
    orders.hire(session, count, static_cast<HireSex>(pick(3)));
  }
  workPersonnel(world, orders, session);
}

void RandomStrategy::workPersonnel(tworld& world, PlayerOrders& orders, PersonnelSession& session) {
  static constexpr std::array<int, 7> kAmounts = {1, 10, 100, kMoveAll, 0, -3, 7};
  const int steps = pick(6);
  for (int i = 0; i < steps; ++i) {
    const StaffChoice who = static_cast<StaffChoice>(pick(3));
    const int amount = kAmounts[pick(static_cast<int>(kAmounts.size()))];
    switch (pick(4)) {
      case 0:
        session.assign(StoreOrder(selection(world)), who, amount);
        break;
      case 1:
        session.transferOut(StoreOrder(selection(world)), who, amount);
        break;
      case 2:
        session.leaveItToMe(StoreOrder(selection(world)));
        break;
      default:
        if (chance(30)) orders.dismiss(session);
        break;
    }
  }
  // The way out: the screen can be left without a word while nothing was hired or paid;
  // otherwise the pool must be placed or let go before the order is confirmed.
  if (!session.committed() && chance(30)) return;
  if (session.pool().staffTotal() > 0) {
    StoreSelection all;
    for (int slot = 1; slot <= kStoreSlots; ++slot)
      if (world.kaichou.slot(slot).used) all.set(slot - 1);
    if (chance(70) && all.any()) session.assign(StoreOrder(all), StaffChoice::Both, kMoveAll);
    while (session.pool().staffTotal() > 0 && !orders.dismiss(session)) {
      // Without the money for the severance the people must go to some store after all.
      if (!all.any()) break;
      session.assign(StoreOrder(all), StaffChoice::Both, kMoveAll);
    }
  }
  if (!orders.confirmPersonnel(session) && session.committed()) {
    // Only a pool that nobody could place or pay off is left: the screen cannot close.
  }
}

bool RandomStrategy::confirm(const tworld& world, std::string_view title, std::string_view text) {
  if (steadyTurn_) return steady_.confirm(world, title, text);
  // The month's end and the screen's own questions are mostly answered yes, so that the
  // orders get through; the game's other questions half and half.
  if (title == "命令終了") return true;
  return chance(65);
}

std::optional<std::string> RandomStrategy::storeName(const tworld& world,
                                                     std::string_view proposed) {
  if (steadyTurn_ || chance(50)) return steady_.storeName(world, proposed);
  if (chance(10)) return std::nullopt;
  return std::string(kNames[pick(static_cast<int>(kNames.size()))]);
}

std::optional<int64_t> RandomStrategy::salePrice(const tworld&, int landPrice) {
  if (chance(10)) return std::nullopt;
  return number(0, int64_t{landPrice} * 2);
}

std::optional<int64_t> RandomStrategy::purchaseOffer(const tworld& world, int round,
                                                     int64_t askingPrice, Money cash) {
  if (steadyTurn_) return steady_.purchaseOffer(world, round, askingPrice, cash);
  if (chance(10)) return std::nullopt;
  if (chance(10)) return number(-10, 0);
  if (chance(10)) return cash.trunc() * 2;
  return askingPrice * (50 + pick(60)) / 100;
}

std::optional<int64_t> RandomStrategy::donation(const tworld&, Money cash) {
  if (chance(20)) return std::nullopt;
  return number(-10, std::max<int64_t>(cash.trunc(), 1) * 2);
}

int RandomStrategy::seminarCourse(const tworld&, const SeminarOffer&) {
  return static_cast<int>(number(0, 3));
}

void RandomStrategy::graduates(tworld& world, PlayerOrders& orders, const GraduateOffer& offer) {
  PersonnelSession session(world);
  session.begin();
  const int men = static_cast<int>(chance(80) ? pick(offer.men + 1) : number(0, offer.men));
  const int women = static_cast<int>(chance(80) ? pick(offer.women + 1) : number(0, offer.women));
  orders.takeInGraduates(session, offer, men, women);
  workPersonnel(world, orders, session);
}

}  // namespace gm
