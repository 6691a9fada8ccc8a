// Buying and installing islands.
#include "machine_moves.h"

#include <span>

#include "player_orders.h"
#include "world/world.h"

namespace gm {

Installation BuyAndInstall(tworld& world, PlayerOrders& orders, int slot, int maker, int model,
                           int islands, const std::vector<IslandPosition>& takeDown) {
  const PurchaseResult bought = orders.buyMachines(maker, model, islands);
  if (bought.outcome != OrderOutcome::Done) return Installation::NotBought;
  ReplacementPlan plan(world, slot);
  if (!takeDown.empty()) plan.remove(world.ui(), takeDown);
  std::vector<int> records;
  for (int r = bought.firstRecord; r < bought.firstRecord + bought.records; ++r)
    records.push_back(r - 1);
  std::size_t next = 0;
  for (int f = 0; f < plan.store().floorCount() && next < records.size(); ++f) {
    if (plan.freeIslands(f) == 0) continue;
    next += plan.install(world.ui(), std::span(records).subspan(next), f);
  }
  return orders.replace(plan) == OrderOutcome::Done ? Installation::Installed
                                                    : Installation::NotInstalled;
}

}  // namespace gm
