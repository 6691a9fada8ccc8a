// The headless player's hand: every order a strategy gives goes through here to the core's own
// order, as a screen would give it. Around each order the hand keeps the player's books: the
// price the screens show goes into the cash ledger first, an order that its own check refuses
// must leave the whole game as it was, and no order may make machine records out of nothing
// (only a purchase adds records; moving islands keeps them, disposal and demolition lose them).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/refusal.h"
#include "company/bulk_settings_order.h"
#include "company/company_orders.h"
#include "company/hiring.h"
#include "company/machine_purchase.h"
#include "company/manipulation_order.h"
#include "company/negotiation.h"
#include "company/personnel_orders.h"
#include "company/personnel_spending.h"
#include "company/replacement_plan.h"
#include "store/opening_order.h"
#include "world/land_orders.h"

namespace gm {

class PlayerPort;
class tworld;

class PlayerOrders {
 public:
  PlayerOrders(tworld& world, PlayerPort& port);

  tworld& world() const { return world_; }
  PlayerPort& port() const { return port_; }

  // Land (the block window).
  LandPurchaseOutcome buyLand(int row, int column);
  SaleOutcome sellLand(int row, int column);

  // Stores (the block window, the store window and its dialogs). Slots are 1..50.
  OrderOutcome construct(int row, int column, int workType);
  OrderOutcome equip(int slot, int item);
  OpeningResult open(int slot);
  OrderOutcome close(int slot);
  OrderOutcome replace(const ReplacementPlan& plan);
  OrderOutcome exchangeRates(const StoreSelection& stores, int pachinko, int slot);
  OrderOutcome manipulations(const StoreSelection& stores, const ManipulationChange& change);
  OrderOutcome profitRates(const StoreSelection& stores, const ProfitRateChanges& changes);
  OrderOutcome businessForm(const StoreSelection& stores, const BusinessFormChange& change);
  OrderOutcome morning(const StoreSelection& stores, const MorningChange& change);
  OrderOutcome newIslandDefaults(const StoreSelection& stores, const NewIslandDefaults& defaults);
  OrderOutcome promotions(const StoreSelection& stores, const Thansoku& choices);
  bool personnelSpending(const StoreSelection& stores, const PersonnelSpending& values);

  // Machines (the maker screen and the warehouse page). Records are numbered 1..1000.
  PurchaseResult buyMachines(int maker, int model, int islands);
  OrderOutcome dispose(std::span<const int> records);

  // The personnel screen: a session begun on a screen the check lets the player open.
  bool openPersonnel(PersonnelSession& session);
  bool hire(PersonnelSession& session, int count, HireSex sex);
  bool takeInGraduates(PersonnelSession& session, const GraduateOffer& offer, int men, int women);
  bool dismiss(PersonnelSession& session);
  bool confirmPersonnel(PersonnelSession& session);

  // The company window.
  WarehouseRebuildOutcome rebuildWarehouse();
  bool switchManoeuvre();

  // Orders given and orders refused so far.
  int given() const { return given_; }
  int refused() const { return refused_; }
  // Broken rules about machine records and refusals; the cash has its own ledger.
  const std::vector<std::string>& violations() const { return violations_; }
  void clearViolations() { violations_.clear(); }

 private:
  // Runs one order: `check` is the order's own check as the screen would ask it (no refusal:
  // nullopt), `expected` the change of cash its price stands for, `run` the order itself and
  // `done` whether its result says it was carried out; `added` the records it bought.
  template <typename Run, typename Done>
  auto order(std::string_view what, const Check& check, int64_t expected, Run&& run, Done&& done);
  void recordsAfter(std::string_view what, int before, int added);

  tworld& world_;
  PlayerPort& port_;
  int given_ = 0;
  int refused_ = 0;
  std::vector<std::string> violations_;
};

}  // namespace gm
