// `steady`: a careful player. He keeps a reserve, buys cheap land where many fans live and few
// halls reach, builds what he can afford, fills every floor with the best machines on offer,
// hires the staff the floors need and pays them what they ask, opens as soon as a hall is ready,
// keeps an eye on the rates, and grows as the cash allows. He answers the game's questions the
// same way: yes to what pays, no to what only costs.
#pragma once

#include <cstdint>

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

class SteadyStrategy : public Strategy {
 public:
  void giveOrders(tworld& world, PlayerOrders& orders) override;

  bool confirm(const tworld& world, std::string_view title, std::string_view text) override;
  std::optional<std::string> storeName(const tworld& world, std::string_view proposed) override;
  std::optional<int64_t> salePrice(const tworld& world, int landPrice) override;
  std::optional<int64_t> purchaseOffer(const tworld& world, int round, int64_t askingPrice,
                                       Money cash) override;
  std::optional<int64_t> donation(const tworld& world, Money cash) override;
  int seminarCourse(const tworld& world, const SeminarOffer& offer) override;
  void graduates(tworld& world, PlayerOrders& orders, const GraduateOffer& offer) override;

  // The cash the player keeps back for the running costs of his halls (thousands of yen).
  static int64_t reserve(const tworld& world);

 private:
  // steady_stores.cpp: the halls he has.
  void fillFloors(tworld& world, PlayerOrders& orders);
  void renewOldMachines(tworld& world, PlayerOrders& orders);
  void staff(tworld& world, PlayerOrders& orders);
  void openReadyStores(tworld& world, PlayerOrders& orders);
  void payAndRates(tworld& world, PlayerOrders& orders);
  void equip(tworld& world, PlayerOrders& orders);
  // steady_growth.cpp: new halls.
  void expand(tworld& world, PlayerOrders& orders);
  bool buildOn(tworld& world, PlayerOrders& orders, const Site& site, int size);

  // What the cash must still hold once the land of the hall being planned is paid for.
  int64_t keepAfterLand_ = 0;
};

}  // namespace gm
