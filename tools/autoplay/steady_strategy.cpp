// `steady`: the month's plan and the answers to the game's questions.
#include "steady_strategy.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "company/negotiation.h"
#include "company/personnel_orders.h"
#include "player_orders.h"
#include "player_port.h"
#include "world/seminar.h"
#include "world/world.h"

namespace gm {

namespace {

bool is(std::string_view title, std::initializer_list<std::string_view> titles) {
  return std::find(titles.begin(), titles.end(), title) != titles.end();
}

// The course of the list that teaches the quality at `position` (0 leadership, 1 intelligence,
// 2 charm, 3 appraisal), as the course names tell; -1 when none does.
int entryTeaching(const SeminarOffer& offer, int position) {
  for (int entry = 0; entry < 4; ++entry)
    for (int set = 0; set < 4; ++set)
      if (offer.courses[entry] == seminarCourseName(set, position)) return entry;
  return -1;
}

}  // namespace

int64_t SteadyStrategy::monthlyCost(const tworld& world) {
  const CompanySums sums = world.kaichou.StoreSums();
  return sums.personnel[3] + sums.maintenance[14].trunc() + sums.operating.trunc();
}

int64_t SteadyStrategy::reserve(const tworld& world) {
  // Three months of what the halls cost to run, as the last month's accounts show it, and
  // something for a hall that has not run yet.
  return 20000 + 3 * monthlyCost(world);
}

int64_t SteadyStrategy::workingCash(const tworld& world) {
  // Keeping the halls going (machines, staff, advertising) only has to leave a month's costs.
  return world.kaichou.sikin.trunc() - 10000 - monthlyCost(world);
}

void SteadyStrategy::giveOrders(tworld& world, PlayerOrders& orders) {
  withdrawing_ = 0;
  lean_ = true;
  for (int m = 1; m <= 3; ++m) lean_ = lean_ && world.kaichou.backup.at(7, m) < Money();
  if (world.kaichou.TempoKazu().used > 0) {
    chooseWithdrawal(world);
    fillFloors(world, orders);
    renewOldMachines(world, orders);
    staff(world, orders);
    withdraw(world, orders);
    openReadyStores(world, orders);
    payAndRates(world, orders);
    promote(world, orders);
    equip(world, orders);
    carParks(world, orders);
  }
  sellBareLand(world, orders);
  expand(world, orders);
}

bool SteadyStrategy::confirm(const tworld& world, std::string_view title, std::string_view text) {
  const Money cash = world.kaichou.sikin;
  const Money spare = cash - Money::fromInt(reserve(world));
  // The questions of his own orders: he gave them, so he means them.
  if (is(title,
         {"工事実行",       "設備投資",       "開店",       "閉店",           "購入",
          "入替",           "交換率変更",     "工作変更",   "利益率一括修正", "営業形態一括修正",
          "ﾓｰﾆﾝｸﾞ一括設定", "新台初期値設定", "販促費変更", "人事",           "雇用",
          "採用",           "人件費調整",     "廃棄",       "買収交渉",       "命令終了",
          "任せる",         "解雇",           "売却"}))
    return true;
  if (title == "ｼﾞｮﾌﾞｽﾄﾘｰﾑ") return false;  // he sets his halls up himself
  if (title == "規約違反") return false;    // the makers' goodwill is worth more
  if (is(title, {"倉庫の改築", "倉庫改築"})) {
    const auto next = NextWarehouseRebuild(world.kaichou);
    return next && spare > Money::fromInt(2 * next->cost);
  }
  if (title == "経営者セミナー") return spare > Money::fromInt(kSeminarFee);
  if (title == "営業再開") return spare > Money();
  // The union's fine (a thousandth of the cash, within its limits) buys peace about the opening
  // hours, when the company can bear it ten times over.
  if (title == "組合からの苦情") {
    const int64_t fine = std::clamp<int64_t>(cash.trunc() / 1000, 5000, 500000);
    return spare > Money::fromInt(10 * fine);
  }
  // A charity, the manoeuvre and anything he does not know: no.
  (void)text;
  return false;
}

std::optional<std::string> SteadyStrategy::storeName(const tworld& world,
                                                     std::string_view proposed) {
  if (!proposed.empty()) return std::string(proposed);
  // The first number no hall of his carries yet.
  for (int n = 1;; ++n) {
    const std::string name = "銀玉" + toFullWidth(std::to_string(n)) + "号店";
    bool taken = false;
    for (const Ttempo& s : world.kaichou.tempo) taken = taken || (s.used && s.name.view() == name);
    if (!taken) return name;
  }
}

std::optional<int64_t> SteadyStrategy::salePrice(const tworld&, int landPrice) {
  return sellingAt_ > 0 ? sellingAt_ : landPrice;
}

std::optional<int64_t> SteadyStrategy::purchaseOffer(const tworld& world, int, int64_t askingPrice,
                                                     Money cash) {
  // The owner accepts at once when the offer, with the president's charm, comes to 81 per cent
  // of his price: offer just that, and give up when the land is beyond the budget.
  const int64_t share = 81 - charmBonus(world.kaichou.karisuma);
  const int64_t offer = (share * askingPrice + 99) / 100;
  if (offer < 1 || Money::fromInt(offer) > cash - Money::fromInt(keepAfterLand_))
    return std::nullopt;
  return offer;
}

std::optional<int64_t> SteadyStrategy::donation(const tworld&, Money) { return std::nullopt; }

int SteadyStrategy::seminarCourse(const tworld& world, const SeminarOffer& offer) {
  // Leadership first (more halls to lead), then charm (better prices and staff), then
  // intelligence.
  const tkaichou& k = world.kaichou;
  const int position = k.tousotu < 95 ? 0 : (k.karisuma < 95 ? 2 : 1);
  return std::max(entryTeaching(offer, position), 0);
}

void SteadyStrategy::graduates(tworld& world, PlayerOrders& orders, const GraduateOffer& offer) {
  // The entry screen leads into the personnel screen, whatever transfers the month has seen.
  PersonnelSession session(world);
  session.begin();
  if (!orders.takeInGraduates(session, offer, offer.men, offer.women)) return;
  StoreSelection all;
  for (int n = 1; n <= kStoreSlots; ++n)
    if (world.kaichou.slot(n).used) all.set(n - 1);
  session.leaveItToMe(StoreOrder(all));
  if (session.pool().staffTotal() > 0) session.assign(StoreOrder(all), StaffChoice::Both, kMoveAll);
  if (!orders.confirmPersonnel(session) && session.pool().staffTotal() > 0) {
    orders.dismiss(session);
    orders.confirmPersonnel(session);
  }
}

}  // namespace gm
