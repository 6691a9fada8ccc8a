// `steady`: a careful player. He keeps a reserve, buys cheap land where many fans live and few
// halls reach, builds what he can afford, fills every floor with the best machines on offer,
// hires the staff the floors need and pays them what they ask, opens as soon as a hall is ready,
// keeps an eye on the rates, and grows as the cash allows. He answers the game's questions the
// same way: yes to what pays, no to what only costs.
#pragma once

#include <cstdint>

#include "store/store.h"
#include "strategy.h"

namespace gm {

class Ttempo;
struct Site;

// A model on sale that the player would buy: the maker (0..10), the model slot (0..4) and the
// price of one island (ten machines) in whole thousands of yen.
struct ModelChoice {
  int maker = 0;
  int slot = 0;
  int64_t islandPrice = 0;
};
// The best model the player can buy `islands` islands of within `budget` (thousands of yen): the
// one whose advertised ratings are highest for its price.
std::optional<ModelChoice> BestModel(const tworld& world, int islands, int64_t budget);

// What the careful player aims for; the defaults are his habits.
struct SteadyHabits {
  int profitRate = 25;   // per cent, on every island
  int salaryMargin = 5;  // per cent above what the staff ask
  int education = 40;    // thousands of yen a head and month
  int welfare = 40;      // thousands of yen a head and month
  int staffMargin = -5;  // per cent above the need of an open hall (a little short is
                         // no cause for discontent)
  int carParks = 3;      // at most, beside each hall
  int largestSize = kFloors - 1;
  int renewAge = 12;   // months a machine stands before it is renewed
  int promotions = 1;  // 0 none, 1 tissues and mail, 2 also newspaper and web
};

class SteadyStrategy : public Strategy {
 public:
  SteadyStrategy() = default;
  explicit SteadyStrategy(const SteadyHabits& habits) : habits_(habits) {}
  const SteadyHabits& habits() const { return habits_; }

  void giveOrders(tworld& world, PlayerOrders& orders) override;

  bool confirm(const tworld& world, std::string_view title, std::string_view text) override;
  std::optional<std::string> storeName(const tworld& world, std::string_view proposed) override;
  std::optional<int64_t> salePrice(const tworld& world, int landPrice) override;
  std::optional<int64_t> purchaseOffer(const tworld& world, int round, int64_t askingPrice,
                                       Money cash) override;
  std::optional<int64_t> donation(const tworld& world, Money cash) override;
  int seminarCourse(const tworld& world, const SeminarOffer& offer) override;
  void graduates(tworld& world, PlayerOrders& orders, const GraduateOffer& offer) override;

  // What the halls cost a month (the last closing's personnel, maintenance and operating
  // costs), the cash he keeps back before he spends on growth, and the cash he may spend on
  // keeping the halls he has going (thousands of yen).
  static int64_t monthlyCost(const tworld& world);
  static int64_t reserve(const tworld& world);
  static int64_t workingCash(const tworld& world);

 private:
  // steady_stores.cpp: the halls he has.
  void fillFloors(tworld& world, PlayerOrders& orders);
  void renewOldMachines(tworld& world, PlayerOrders& orders);
  void staff(tworld& world, PlayerOrders& orders);
  void openReadyStores(tworld& world, PlayerOrders& orders);
  void payAndRates(tworld& world, PlayerOrders& orders);
  void equip(tworld& world, PlayerOrders& orders);
  void promote(tworld& world, PlayerOrders& orders);
  void carParks(tworld& world, PlayerOrders& orders);
  // A hall that has lost money for half a year goes: its staff move to the other halls, the
  // building comes down and the land is sold.
  void chooseWithdrawal(const tworld& world);
  void withdraw(tworld& world, PlayerOrders& orders);
  void sellBareLand(tworld& world, PlayerOrders& orders);
  // steady_growth.cpp: new halls.
  void expand(tworld& world, PlayerOrders& orders);
  bool buildOn(tworld& world, PlayerOrders& orders, const Site& site, int size, int64_t keep);

  // What the cash must still hold once the land of the hall being planned is paid for.
  int64_t keepAfterLand_ = 0;
  SteadyHabits habits_;
  int withdrawing_ = 0;  // the slot of the hall that goes this month
  // The chain has lost money three months running: no advertising, no training, no welfare,
  // and only the staff the halls cannot do without.
  bool lean_ = false;
  int64_t sellingAt_ = 0;  // the asking price of the land being sold
};

}  // namespace gm
