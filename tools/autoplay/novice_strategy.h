// `novice`: a new player who knows only the buttons. He buys the first lot of vacant land he can
// build on and afford, has a one-floor hall built on it, fits it with the cheapest general
// equipment, fills its floor with the first machines on sale that he can pay for, hires the staff
// the hall needs and opens it; from then on he only ends the months. Everything else stays as
// the game set it (salary 150, no education, no welfare, the default rates, no promotions), and
// he says no to every question that is not about an order of his own.
//
// `advised`: the same player, who after the opening also reads the advisor every month and
// carries out what its most important findings name, through the same orders, and nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "company/advisor.h"
#include "strategy.h"

namespace gm {

class NoviceStrategy : public Strategy {
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

 protected:
  // The hall he set up; 0 until it is built.
  int hallSlot(const tworld& world) const;
  // The steps of setting up his first hall, each given once its turn has come; true while the
  // hall is not yet open for the first time.
  bool setUpHall(tworld& world, PlayerOrders& orders);
  // Fills the hall's free floor space with the first model on sale he can pay for; the number of
  // islands bought.
  int buyMachines(tworld& world, PlayerOrders& orders, int slot, int islands);
  // Brings `count` new people into the hall (or takes -count out of it and lets them go).
  void staffHall(tworld& world, PlayerOrders& orders, int slot, int count);

 private:
  void buyFirstLot(tworld& world, PlayerOrders& orders);
  bool opened_ = false;
  int saleTries_ = 0;
};

class AdvisedStrategy : public NoviceStrategy {
 public:
  void giveOrders(tworld& world, PlayerOrders& orders) override;

 private:
  // Carries out one finding's order; true when it was given.
  bool follow(tworld& world, PlayerOrders& orders, const Advice& a);
  // The personnel cost findings of a store together: each field at the most any of them
  // proposes.
  void followPersonnelCost(tworld& world, PlayerOrders& orders, const Advice& a,
                           const std::vector<Advice>& todo);
};

}  // namespace gm
