// One headless game as its player lives it: the world with the player's port installed, his
// hand and his strategy, and the month: his orders, then the month's end in its two steps and
// the game-end check, as the program runs them without its windows. With checking on, the
// player's books and the game's invariants are checked around every order and every month.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "player_orders.h"
#include "player_port.h"
#include "world/month_end.h"

namespace gm {

class Strategy;
class tworld;

class PlayerGame {
 public:
  // Takes a world that is set up (a new game or a loaded one) and installs the player's port.
  PlayerGame(std::unique_ptr<tworld> world, Strategy& strategy);
  ~PlayerGame();
  PlayerGame(const PlayerGame&) = delete;
  PlayerGame& operator=(const PlayerGame&) = delete;

  tworld& world() { return *world_; }
  PlayerPort& port() { return port_; }
  PlayerOrders& orders() { return orders_; }

  // The player's orders of the month (none once the game is over), then the month's end.
  // `check` runs the books and the invariants; their findings collect in violations().
  GameEndResult playMonth(bool check, bool giveOrders = true);
  // Every finding so far, each prefixed with the month it was made in.
  const std::vector<std::string>& violations() const { return violations_; }

 private:
  void collect(const std::vector<std::string>& found, int month);

  std::unique_ptr<tworld> world_;
  Strategy& strategy_;
  PlayerPort port_;
  PlayerOrders orders_;
  std::vector<std::string> violations_;
};

}  // namespace gm
