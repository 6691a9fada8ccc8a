// `random`: a player who presses every button. Each month he gives a handful of orders picked
// at random, legal and illegal alike: values typed out of range, orders for stores in the wrong
// state, payments the company cannot make, selections of slots that hold no store. Now and then
// he plays a month as `steady` would, so that the game reaches halls with machines, staff and
// customers for the random orders to work on. His answers to the game's questions are random
// too. He draws from a generator of his own, never from the game's.
#pragma once

#include <cstdint>

#include "base/random.h"
#include "company/store_selection.h"
#include "steady_strategy.h"
#include "strategy.h"

namespace gm {

class PersonnelSession;

class RandomStrategy : public Strategy {
 public:
  explicit RandomStrategy(uint32_t seed) : rng_(seed) {}

  void giveOrders(tworld& world, PlayerOrders& orders) override;

  bool confirm(const tworld& world, std::string_view title, std::string_view text) override;
  std::optional<std::string> storeName(const tworld& world, std::string_view proposed) override;
  std::optional<int64_t> salePrice(const tworld& world, int landPrice) override;
  std::optional<int64_t> purchaseOffer(const tworld& world, int round, int64_t askingPrice,
                                       Money cash) override;
  std::optional<int64_t> donation(const tworld& world, Money cash) override;
  int seminarCourse(const tworld& world, const SeminarOffer& offer) override;
  void graduates(tworld& world, PlayerOrders& orders, const GraduateOffer& offer) override;

 private:
  int pick(int n) { return rng_.randInt(n); }
  bool chance(int percent) { return rng_.randInt(100) < percent; }
  // A value from lo..hi, most often; now and then one from far outside.
  int64_t number(int64_t lo, int64_t hi);

  // Targets: a block (often one the order is meant for), a store slot 1..50 (mostly one in use),
  // a selection of slots.
  void block(const tworld& world, int& row, int& column, bool own);
  int storeSlot(const tworld& world);
  StoreSelection selection(const tworld& world);

  void oneOrder(tworld& world, PlayerOrders& orders);
  void replacement(tworld& world, PlayerOrders& orders);
  void personnel(tworld& world, PlayerOrders& orders);
  void islandSettings(tworld& world, PlayerOrders& orders);
  // Random work on an open personnel screen, then the way out the screen allows.
  void workPersonnel(tworld& world, PlayerOrders& orders, PersonnelSession& session);

  Random rng_;
  SteadyStrategy steady_;
  bool steadyTurn_ = false;
};

}  // namespace gm
