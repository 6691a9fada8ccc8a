// `steady`: new halls. He looks for citizens' vacant land near many fans and few halls, away
// from schools and hospitals, buys it at a price the owner takes at once, and builds as big a
// hall as the cash allows with the machines and staff it will need.
#include <algorithm>
#include <array>
#include <vector>

#include "company/construction_order.h"
#include "company/store_reach.h"
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
constexpr int kOwnParking = 27;
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

// How many islands the players within reach of a hall of `size` on the site would keep busy:
// a block sends its fans every business day, shared with the halls that reach it too, and an
// island seats ten players an hour.
int islandsWanted(const tworld& w, int row, int column, int size, int carParks) {
  static constexpr std::array<int, kFloors> kCap = {4, 6, 8, 10, 99};
  const Tchip& b = w.block(row, column);
  const bool street = b.HasGroupWithin(w.blocks, w.mapWidth, w.mapHeight, 2, 1) ||
                      b.HasGroupWithin(w.blocks, w.mapWidth, w.mapHeight, 3, 1) ||
                      b.HasGroupWithin(w.blocks, w.mapWidth, w.mapHeight, 4, 2);
  const int r = std::min(kCap[size], 2 + (street ? 1 : 0) + carParks);
  int64_t fans = 0;
  int halls = 0;
  for (int i = row - r; i <= row + r; ++i)
    for (int j = column - r; j <= column + r; ++j) {
      if (!w.onMap(i, j)) continue;
      const Tchip& o = w.block(i, j);
      if (o.IsPopulated()) fans += o.FanCount();
      if (o.kind == kOwnStore || o.kind == kRivalStore) ++halls;
    }
  return static_cast<int>(fans / (1 + halls) / (10 * std::max(w.DailyHours(), 1)));
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
      // Fans for the money: the land and a first floor's building.
      const int64_t cost = int64_t{b.landPrice} * 13 / 10 + ConstructionPrice(w, r, c, kWorkStore);
      const int64_t score = siteScore(w, r, c) * 100000 / std::max<int64_t>(cost, 1);
      if (score > 0) found.push_back({r, c, score});
    }
  std::stable_sort(found.begin(), found.end(),
                   [](const Site& a, const Site& b) { return a.score > b.score; });
  if (found.size() > 12) found.resize(12);
  return found;
}

// What machines, staff and the opening of a hall of `size` cost besides its building.
int64_t fittingCost(const tworld& w, int size) {
  const int islands = (size + 1) * kIslandsPerFloor;
  const std::optional<ModelChoice> m = BestModel(w, kIslandsPerFloor, INT64_MAX / 4);
  const int64_t island = m ? m->islandPrice : 3000;
  return int64_t{islands} * island * 12 / 10 + (size + 1) * 3000;
}

// What renewing half of the machines on the floors would cost: the chain must be able to keep its
// floors fresh before it grows.
int64_t renewalFund(const tworld& w) {
  int islands = 0;
  for (const Ttempo& s : w.kaichou.tempo)
    if (s.used) islands += s.machineCounts().allIslands;
  const std::optional<ModelChoice> m = BestModel(w, 1, INT64_MAX / 4);
  return int64_t{islands} * (m ? m->islandPrice : 3000) / 2;
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
  // A single hall can burn down and take the company with it: the second comes as soon as the
  // cash covers it, with only a month's costs kept back.
  const bool lone = k.TempoKazu().used == 1;
  const int64_t keep = lone ? 10000 + monthlyCost(world) : reserve(world) + renewalFund(world);
  int tries = 0;
  for (const Site& site : sites(world)) {
    if (tries == kTriesPerMonth) break;
    const int64_t spare = k.sikin.trunc() - keep;
    // The largest hall whose building and fittings the cash covers, with the land on top (the
    // owner asks about the land's price, more where the streets are safe).
    const int64_t land = int64_t{world.block(site.row, site.column).landPrice} * 13 / 10;
    int size = -1;
    for (int s = habits_.largestSize; s >= 0 && size < 0; --s)
      if (ConstructionPrice(world, site.row, site.column, kWorkStore + s) + fittingCost(world, s) +
              land <
          spare)
        size = s;
    if (size < 0) continue;  // a cheaper site may still do
    // No bigger than its players would fill: idle islands still want staff and renewing.
    while (size > 0 && islandsWanted(world, site.row, site.column, size - 1, habits_.carParks) <
                           size * kIslandsPerFloor)
      --size;
    ++tries;
    if (buildOn(world, orders, site, size, keep)) return;
  }
}

bool SteadyStrategy::buildOn(tworld& world, PlayerOrders& orders, const Site& site, int size,
                             int64_t keep) {
  const int64_t building = ConstructionPrice(world, site.row, site.column, kWorkStore + size);
  keepAfterLand_ = keep + building + fittingCost(world, size);
  const LandPurchaseOutcome bought = orders.buyLand(site.row, site.column);
  keepAfterLand_ = 0;
  if (bought != LandPurchaseOutcome::Bought) return false;
  // The land may have cost more than hoped: build smaller then.
  for (int s = size; s >= 0; --s) {
    const int64_t price = ConstructionPrice(world, site.row, site.column, kWorkStore + s);
    if (price + fittingCost(world, s) + keep > world.kaichou.sikin.trunc() && s > 0) continue;
    return orders.construct(site.row, site.column, kWorkStore + s) == OrderOutcome::Done;
  }
  return false;
}

void SteadyStrategy::carParks(tworld& world, PlayerOrders& orders) {
  // A car park beside a hall carries it further, as far as its size lets it reach.
  tkaichou& k = world.kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used || s.joutai != kOpen) continue;
    const Tchip& b = world.block(s.blockY, s.blockX);
    const int parks =
        b.CountKindWithin(world.blocks, world.mapWidth, world.mapHeight, kOwnParking, 1);
    if (parks >= habits_.carParks) continue;
    static constexpr std::array<int, kFloors> kCap = {4, 6, 8, 10, 99};
    if (StoreReachRadius(world.blocks, world.mapWidth, world.mapHeight, s) >= kCap[s.kibo])
      continue;
    for (int i = s.blockY - 1; i <= s.blockY + 1; ++i)
      for (int j = s.blockX - 1; j <= s.blockX + 1; ++j) {
        if (!world.onMap(i, j) || world.block(i, j).kind != kCitizensLand ||
            k.baishuuzumi[i][j] != 0)
          continue;
        const int64_t park = ConstructionPrice(world, i, j, kWorkParking);
        const int64_t land = world.block(i, j).landPrice * 3 / 2;
        if (k.sikin.trunc() - reserve(world) * 2 < land + park) return;
        keepAfterLand_ = reserve(world) * 2 + park;
        const LandPurchaseOutcome bought = orders.buyLand(i, j);
        keepAfterLand_ = 0;
        if (bought == LandPurchaseOutcome::Bought) orders.construct(i, j, kWorkParking);
        return;  // one try a month
      }
  }
}

void SteadyStrategy::chooseWithdrawal(const tworld& world) {
  const tkaichou& k = world.kaichou;
  if (k.TempoKazu().used < 2) return;
  Money worst;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used || (s.joutai != kOpen && s.joutai != kWaiting) || world.month - s.shuttenMonth < 18)
      continue;
    Money sum;
    bool losing = true;
    for (int m = 1; m <= 6; ++m) {
      const Money net = s.backup.at(7, m);
      losing = losing && net < Money();
      sum += net;
    }
    if (losing && sum < worst) {
      worst = sum;
      withdrawing_ = n;
    }
  }
}

void SteadyStrategy::withdraw(tworld& world, PlayerOrders& orders) {
  if (withdrawing_ == 0) return;
  const Ttempo& s = world.kaichou.slot(withdrawing_);
  // The personnel order has taken its staff away, and left it waiting.
  if (!s.used || s.staffTotal() > 0) return;
  if (s.joutai == kOpen) orders.close(withdrawing_);
  orders.construct(s.blockY, s.blockX, kWorkClear);
}

void SteadyStrategy::sellBareLand(tworld& world, PlayerOrders& orders) {
  // Land the company holds bare brings nothing in: it goes for a little under its price.
  for (int r = 0; r < world.mapHeight; ++r)
    for (int c = 0; c < world.mapWidth; ++c)
      if (world.block(r, c).kind == 2 && !CheckLandSale(world, r, c)) {
        sellingAt_ = world.block(r, c).landPrice * 9 / 10;
        orders.sellLand(r, c);
      }
}

}  // namespace gm
