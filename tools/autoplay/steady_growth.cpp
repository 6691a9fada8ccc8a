// `steady`: new halls. He looks for citizens' vacant land near many fans and few halls, away
// from schools and hospitals, buys it at a price the owner takes at once, and builds as big a
// hall as the cash allows with the machines and staff it will need.
#include <algorithm>
#include <array>
#include <vector>

#include "company/construction_order.h"
#include "player_orders.h"
#include "steady_strategy.h"
#include "world/world.h"

namespace gm {

struct Site {
  int row = 0;
  int column = 0;
  int64_t score = 0;
};

namespace {

constexpr int kCitizensLand = 1;
constexpr int kSchool = 22;
constexpr int kHospital = 23;
constexpr int kOwnStore = 19;
constexpr int kRivalStore = 20;
constexpr int kSearchRadius = 3;
constexpr int kTriesPerMonth = 3;

// Fans within reach, shared with the halls that already reach them; a road or a station close
// by carries the hall further.
int64_t siteScore(const tworld& w, int row, int column) {
  const Tchip& b = w.block(row, column);
  int64_t fans = 0;
  int halls = 0;
  for (int i = row - kSearchRadius - 1; i <= row + kSearchRadius + 1; ++i)
    for (int j = column - kSearchRadius - 1; j <= column + kSearchRadius + 1; ++j) {
      if (!w.onMap(i, j)) continue;
      const Tchip& o = w.block(i, j);
      const bool inner =
          std::abs(i - row) <= kSearchRadius && std::abs(j - column) <= kSearchRadius;
      if (inner && o.IsPopulated()) fans += o.FanCount();
      if (o.kind == kOwnStore || o.kind == kRivalStore) ++halls;
    }
  int64_t score = fans * 10 / (1 + 2 * halls);
  if (b.HasGroupWithin(w.blocks, w.mapWidth, w.mapHeight, 2, 1) ||
      b.HasGroupWithin(w.blocks, w.mapWidth, w.mapHeight, 3, 1) ||
      b.HasGroupWithin(w.blocks, w.mapWidth, w.mapHeight, 4, 2))
    score = score * 6 / 5;
  return score;
}

// The best few sites, best first.
std::vector<Site> sites(const tworld& w) {
  std::vector<Site> found;
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c) {
      const Tchip& b = w.block(r, c);
      if (b.kind != kCitizensLand || w.kaichou.baishuuzumi[r][c] != 0) continue;
      if (b.HasKindWithin(w.blocks, w.mapWidth, w.mapHeight, kSchool, 2) ||
          b.HasKindWithin(w.blocks, w.mapWidth, w.mapHeight, kHospital, 2))
        continue;
      if (b.HasKindWithin(w.blocks, w.mapWidth, w.mapHeight, kOwnStore, 2)) continue;
      const int64_t score = siteScore(w, r, c);
      if (score > 0) found.push_back({r, c, score});
    }
  std::stable_sort(found.begin(), found.end(),
                   [](const Site& a, const Site& b) { return a.score > b.score; });
  if (found.size() > 8) found.resize(8);
  return found;
}

// What machines, staff and the opening of a hall of `size` cost besides its building.
int64_t fittingCost(const tworld& w, int size) {
  const int islands = (size + 1) * kIslandsPerFloor;
  const std::optional<ModelChoice> m = BestModel(w, kIslandsPerFloor, INT64_MAX / 4);
  const int64_t island = m ? m->islandPrice : 3000;
  return int64_t{islands} * island * 12 / 10 + (size + 1) * 3000;
}

int constructionsUnderWay(const tkaichou& k) {
  int n = 0;
  for (const Ttempo& s : k.tempo)
    if (s.used && (s.joutai == kUnderConstruction || (s.joutai == kWaiting && !s.hasMachines())))
      ++n;
  return n;
}

}  // namespace

void SteadyStrategy::expand(tworld& world, PlayerOrders& orders) {
  tkaichou& k = world.kaichou;
  if (k.AkiTempo() == 0) return;
  // One new hall at a time while the chain is small; more once it is large.
  if (constructionsUnderWay(k) > k.TempoKazu().used / 6) return;
  int tries = 0;
  for (const Site& site : sites(world)) {
    if (tries == kTriesPerMonth) break;
    const int64_t spare = k.sikin.trunc() - reserve(world);
    // The largest hall whose building and fittings the cash covers, with the land on top.
    int size = -1;
    for (int s = kFloors - 1; s >= 0 && size < 0; --s)
      if (ConstructionPrice(world, site.row, site.column, kWorkStore + s) + fittingCost(world, s) <
          spare * 3 / 4)
        size = s;
    if (size < 0) return;
    ++tries;
    if (buildOn(world, orders, site, size)) return;
  }
}

bool SteadyStrategy::buildOn(tworld& world, PlayerOrders& orders, const Site& site, int size) {
  const int64_t building = ConstructionPrice(world, site.row, site.column, kWorkStore + size);
  keepAfterLand_ = reserve(world) + building + fittingCost(world, size);
  const LandPurchaseOutcome bought = orders.buyLand(site.row, site.column);
  keepAfterLand_ = 0;
  if (bought != LandPurchaseOutcome::Bought) return false;
  // The land may have cost more than hoped: build smaller then.
  for (int s = size; s >= 0; --s) {
    const int64_t price = ConstructionPrice(world, site.row, site.column, kWorkStore + s);
    if (price + fittingCost(world, s) + reserve(world) > world.kaichou.sikin.trunc() && s > 0)
      continue;
    return orders.construct(site.row, site.column, kWorkStore + s) == OrderOutcome::Done;
  }
  return false;
}

}  // namespace gm
