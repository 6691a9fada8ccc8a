// A way of playing the game without a window: the orders a player gives each month, and the
// answers he gives when the game asks him something. A strategy gives its orders only through
// the core's orders (PlayerOrders) and learns what the screens would show from the game state;
// it never writes into the state itself.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/frontend.h"
#include "base/money.h"

namespace gm {

class PlayerOrders;
class tworld;

class Strategy {
 public:
  virtual ~Strategy() = default;

  // The orders of the month, given before the month ends.
  virtual void giveOrders(tworld& world, PlayerOrders& orders) = 0;

  // A yes/no question of the message dialog.
  virtual bool confirm(const tworld& world, std::string_view title, std::string_view text) = 0;
  // The naming dialog of a store (the proposal is the present name for a rebuild).
  virtual std::optional<std::string> storeName(const tworld& world, std::string_view proposed) = 0;
  // The sale window's asking price for land of the given price.
  virtual std::optional<int64_t> salePrice(const tworld& world, int landPrice) = 0;
  // An offer in the purchase negotiation (round 1 or 2) against the owner's asking price.
  virtual std::optional<int64_t> purchaseOffer(const tworld& world, int round, int64_t askingPrice,
                                               Money cash) = 0;
  // The donation window's amount.
  virtual std::optional<int64_t> donation(const tworld& world, Money cash) = 0;
  // The seminar window's choice (an entry of the list).
  virtual int seminarCourse(const tworld& world, const SeminarOffer& offer) = 0;
  // The entry screen of the new graduates: the strategy takes them in through the personnel
  // orders, as the personnel screen that the entry screen leads to would.
  virtual void graduates(tworld& world, PlayerOrders& orders, const GraduateOffer& offer) = 0;
};

// The strategies by name: "steady", "random", "watch" (gives no order and says no to every
// question), "novice" and "advised". nullptr for an unknown name. `seed` drives a strategy's own
// choices; it never draws from the game's generator.
std::unique_ptr<Strategy> MakeStrategy(std::string_view name, uint32_t seed);
// The names MakeStrategy knows, for the usage text.
std::string_view StrategyNames();

}  // namespace gm
