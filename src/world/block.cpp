// The block record: kind table, setters, starting values, derived values, the neighbourhood
// scans and the land prices.
#include "world/block.h"

#include <array>

#include "base/money.h"
#include "base/rating.h"
#include "base/translation.h"
#include "company/rivals.h"

namespace gm {

namespace {

using O = OwnerKind;
constexpr std::array<KindInfo, kKindCount> kKinds = {{
    {"--", 0, O::None, 0, 0, 0, 0, 0, 0, 0},
    {GM_TR_NOOP("block", "空き地"), 1, O::Citizens, 0, 0, 0, 35, 0, 100000, 300000},
    {GM_TR_NOOP("block", "空き地"), 1, O::Player, 0, 0, 0, 35, 0, 100000, 300000},
    {GM_TR_NOOP("block", "空き地"), 1, O::Rival, 0, 0, 0, 35, 0, 100000, 300000},
    {GM_TR_NOOP("block", "道路"), 2, O::City, 0, 0, 0, 45, 0, 140000, 420000},
    {GM_TR_NOOP("block", "道路"), 2, O::City, 0, 0, 0, 45, 0, 140000, 420000},
    {GM_TR_NOOP("block", "道路"), 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {GM_TR_NOOP("block", "道路"), 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {GM_TR_NOOP("block", "道路"), 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {GM_TR_NOOP("block", "道路"), 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {GM_TR_NOOP("block", "十字路"), 3, O::City, 0, 0, 0, 35, 0, 200000, 600000},
    {GM_TR_NOOP("block", "T字路"), 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {GM_TR_NOOP("block", "T字路"), 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {GM_TR_NOOP("block", "T字路"), 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {GM_TR_NOOP("block", "T字路"), 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {GM_TR_NOOP("block", "駅"), 4, O::City, 750, 350, 20, 50, 25, 600000, 3000000},
    {GM_TR_NOOP("block", "駅"), 4, O::City, 750, 350, 20, 50, 25, 600000, 3000000},
    {GM_TR_NOOP("block", "線路"), 5, O::City, 0, 0, 0, 50, 0, 120000, 360000},
    {GM_TR_NOOP("block", "線路"), 5, O::City, 0, 0, 0, 50, 0, 120000, 360000},
    {GM_TR_NOOP("block", "自店舗"), 7, O::Player, 0, 0, 0, 25, 0, 180000, 660000},
    {GM_TR_NOOP("block", "他店舗"), 7, O::Rival, 0, 0, 0, 25, 0, 180000, 660000},
    {GM_TR_NOOP("block", "住宅"), 7, O::Citizens, 200, 100, 15, 50, 25, 150000, 450000},
    {GM_TR_NOOP("block", "教育施設"), 7, O::City, 100, 50, 5, 55, 25, 180000, 720000},
    {GM_TR_NOOP("block", "病院"), 7, O::City, 100, 50, 10, 55, 25, 190000, 630000},
    {GM_TR_NOOP("block", "繁華街"), 7, O::Citizens, 300, 150, 15, 25, 20, 260000, 1350000},
    {GM_TR_NOOP("block", "オフィス街"), 7, O::Citizens, 400, 200, 10, 55, 20, 280000, 1830000},
    {GM_TR_NOOP("block", "警察署"), 7, O::City, 150, 75, 10, 75, 25, 250000, 1140000},
    {GM_TR_NOOP("block", "駐車場"), 6, O::Player, 0, 0, 0, 35, 0, 160000, 480000},
    {GM_TR_NOOP("block", "駐車場"), 6, O::Rival, 0, 0, 0, 35, 0, 160000, 480000},
}};

// Land price factors by a 0..100 value in bands of ten.
constexpr FactorTable kSecurityPriceFactor = {6200,  7800,  8900,  9500,  10500,
                                              11200, 12200, 13400, 14900, 16500};
constexpr FactorTable kUnrestPriceFactor = {9000,  10000, 10500, 12000, 13200,
                                            14800, 16500, 18800, 20000, 22000};
constexpr FactorTable kOccupancyPriceFactor = {9000,  9500,  10000, 10700, 11600,
                                               12500, 13700, 15100, 16800, 18000};
constexpr FactorTable kSaleSecurityFactor = {6400, 6700, 7200, 7500,  7900,
                                             8600, 9100, 9800, 10500, 11200};
constexpr FactorTable kSaleCharmFactor = {8000, 8300, 8600,  8900,  9200,
                                          9500, 9800, 10100, 10400, 10700};
// One chance in this many that a buyer walks away; an uneasy city scares fewer buyers off.
constexpr std::array<int, 10> kSaleRefusalOdds = {6, 6, 5, 5, 4, 4, 3, 3, 2, 2};
// A charming president builds cheaper; a crowded city builds dearer.
constexpr FactorTable kConstructionCharmFactor = {10800, 10600, 10400, 10200, 10000,
                                                  9800,  9600,  9400,  9200,  9000};
constexpr FactorTable kConstructionDensityFactor = {8400,  8800,  9200,  9600,  10000,
                                                    10400, 10800, 11200, 11600, 12000};
// Base amounts of the construction work types 0..6 (clearing, parking, store sizes 1..5).
constexpr std::array<int64_t, 7> kConstructionBase = {1000,   4000,   100000, 250000,
                                                      450000, 700000, 1000000};

// Calls f(block) for every on-map block of the square of radius r around (row, column), the
// centre excluded, row by row. f returns true to stop early; the result says whether it did.
template <typename F>
bool scanSquare(const BlockGrid& g, int width, int height, int row, int column, int r, F&& f) {
  int r0 = row - r < 0 ? 0 : row - r;
  int r1 = row + r >= height ? height - 1 : row + r;
  int c0 = column - r < 0 ? 0 : column - r;
  int c1 = column + r >= width ? width - 1 : column + r;
  for (int y = r0; y <= r1; ++y) {
    for (int x = c0; x <= c1; ++x) {
      if (y == row && x == column) continue;
      if (f(g[y][x])) return true;
    }
  }
  return false;
}

// Integer mean of a field over the non-empty blocks of a square, clamped; 0 for none.
template <typename Field>
int averageWithin(const BlockGrid& g, int width, int height, int row, int column, int r,
                  Field field) {
  int64_t sum = 0;
  int64_t count = 0;
  scanSquare(g, width, height, row, column, r, [&](const Tchip& b) {
    if (b.kind != 0) {
      sum += field(b);
      ++count;
    }
    return false;
  });
  return count == 0 ? 0 : clamp100(sum / count);
}

}  // namespace

const KindInfo& kindInfo(int kind) {
  if (kind < 0 || kind >= kKindCount) return kKinds[0];
  return kKinds[kind];
}

int Jitter(int a, Random& rng) {
  int d = a / 30;
  if (d >= 2) d = rng.randInt(d);
  int r = rng.randInt(100) + 1;
  return r < 50 ? a + d : a - d;
}

void Tchip::Create(int r, int c) {
  *this = Tchip();
  row = r;
  column = c;
}

void Tchip::SetPopulation(int64_t v) {
  if (v < 0) v = 0;
  int64_t cap = kindInfo(kind).capacity;
  population = static_cast<int32_t>(v > cap ? cap : v);
}

void Tchip::SetSecurity(int64_t v) { security = clamp100(v); }

void Tchip::SetFanRate(int64_t v, uint16_t laws) {
  int64_t cap = (laws & 1) ? 70 : 50;
  fanRate = static_cast<int32_t>(clampValue(v, 0, cap));
}

void Tchip::SetLandPrice(int64_t v) {
  if (v < 5000) v = 5000;
  int64_t cap = kindInfo(kind).maxLandPrice;
  landPrice = static_cast<int32_t>(v > cap ? cap : v);
}

void Tchip::SetUnrest(int64_t v) { unrest = clamp100(v); }

void Tchip::InitKind(int newKind, Random& rng) {
  kind = static_cast<uint8_t>(newKind);
  const KindInfo& k = kindInfo(newKind);
  growthInfluence = rng.randInt(65535);
  securityInfluence = rng.randInt(65535);
  priceInfluence = rng.randInt(65535);
  unrestInfluence = rng.randInt(65535);
  fanRate = Jitter(k.startFanRate, rng);
  SetPopulation(Jitter(k.startPopulation, rng) + 1);
  SetSecurity(Jitter(k.startSecurity, rng));
  SetLandPrice(Jitter(k.startLandPrice, rng));
  SetUnrest(Jitter(k.startUnrest, rng));
}

int Tchip::KindGroup(int k) { return kindInfo(k).group; }

bool Tchip::IsPopulated() const { return kind == 15 || kind == 16 || (kind >= 21 && kind <= 26); }

int Tchip::Occupancy() const {
  int cap = kindInfo(kind).capacity;
  if (cap == 0) return 0;
  return clamp100(percentOf(population, cap));
}

int Tchip::DevelopmentLevel() const {
  if (kind != 21 && kind != 24 && kind != 25) return 0;
  int occ = Occupancy();
  if (occ <= 40) return 0;
  if (occ <= 70) return 1;
  return 2;
}

int Tchip::FanCount() const {
  // fanRate per cent of the population, truncated: exact in integers.
  return static_cast<int>(static_cast<int64_t>(fanRate) * population / 100);
}

std::string blockKindName(int kind) { return translate("block", kindInfo(kind).name.data()); }

std::string Tchip::KindName() const { return blockKindName(kind); }

std::string Tchip::OwnerLabel(std::string_view cityName, std::string_view presidentName) const {
  switch (kindInfo(kind).owner) {
    case OwnerKind::City:
      return std::string(cityName);
    case OwnerKind::Citizens:
      return translate("block", "市民");
    case OwnerKind::Player:
      return std::string(presidentName);
    case OwnerKind::Rival:
      return std::string(rivalName(owner));
    case OwnerKind::None:
      break;
  }
  return std::string();
}

int Tchip::Distance(int otherRow, int otherColumn) const {
  int dr = row - otherRow;
  int dc = column - otherColumn;
  return (dr < 0 ? -dr : dr) + (dc < 0 ? -dc : dc);
}

// ---------------------------------------------------------------------------------------------
// Neighbourhood scans

bool Tchip::HasKindWithin(const BlockGrid& g, int width, int height, int k, int r) const {
  return scanSquare(g, width, height, row, column, r, [k](const Tchip& b) { return b.kind == k; });
}

int Tchip::CountKindWithin(const BlockGrid& g, int width, int height, int k, int r) const {
  int n = 0;
  scanSquare(g, width, height, row, column, r, [&](const Tchip& b) {
    n += b.kind == k;
    return false;
  });
  return n;
}

int Tchip::CountOwnedKindWithin(const BlockGrid& g, int width, int height, int k, int who,
                                int r) const {
  int n = 0;
  scanSquare(g, width, height, row, column, r, [&](const Tchip& b) {
    n += b.kind == k && b.owner == who;
    return false;
  });
  return n;
}

bool Tchip::HasGroupWithin(const BlockGrid& g, int width, int height, int group, int r) const {
  return scanSquare(g, width, height, row, column, r,
                    [group](const Tchip& b) { return b.Group() == group; });
}

int Tchip::AverageSecurityWithin(const BlockGrid& g, int width, int height, int r) const {
  return averageWithin(g, width, height, row, column, r, [](const Tchip& b) { return b.security; });
}

int Tchip::AverageFanRateWithin(const BlockGrid& g, int width, int height, int r) const {
  return averageWithin(g, width, height, row, column, r, [](const Tchip& b) { return b.fanRate; });
}

int Tchip::AverageUnrestWithin(const BlockGrid& g, int width, int height, int r) const {
  return averageWithin(g, width, height, row, column, r, [](const Tchip& b) { return b.unrest; });
}

int Tchip::AverageOccupancyWithin(const BlockGrid& g, int width, int height, int r) const {
  return averageWithin(g, width, height, row, column, r,
                       [](const Tchip& b) { return b.Occupancy(); });
}

int Tchip::AverageOccupancyAround(const BlockGrid& g, int width, int height, int r) const {
  // Off-map and empty positions still count in the divisor: a block at the city's edge looks
  // emptier around than one in the middle.
  int64_t sum = 0;
  scanSquare(g, width, height, row, column, r, [&](const Tchip& b) {
    if (b.kind != 0) sum += b.Occupancy();
    return false;
  });
  int64_t positions = static_cast<int64_t>(2 * r + 1) * (2 * r + 1) - 1;
  return positions <= 0 ? 0 : clamp100(sum / positions);
}

bool Tchip::HasOtherRivalStoreWithin(const BlockGrid& g, int width, int height, int who,
                                     int r) const {
  return scanSquare(g, width, height, row, column, r,
                    [who](const Tchip& b) { return b.kind == 20 && b.owner != who; });
}

bool Tchip::HasRivalStoreAdjacent(const BlockGrid& g, int width, int height, int who) const {
  return scanSquare(g, width, height, row, column, 1,
                    [who](const Tchip& b) { return b.kind == 20 && b.owner == who; });
}

bool Tchip::HasRivalParkingAdjacent(const BlockGrid& g, int width, int height, int who) const {
  return scanSquare(g, width, height, row, column, 1,
                    [who](const Tchip& b) { return b.kind == 28 && b.owner == who; });
}

// ---------------------------------------------------------------------------------------------
// Land prices. Factors are four-decimal fixed point; each product is rounded to four decimals
// before the next one, and only the final amount is truncated.

PurchaseQuote Tchip::PurchasePrice(int averageUnrest, Random& rng) const {
  PurchaseQuote q;
  q.refused = rng.randInt(3) == 1;
  const Money land = Money::fromInt(landPrice);
  const Money s = factorFor(kSecurityPriceFactor, security);
  switch (kind) {
    case 1: {
      q.price = (land * s).trunc();
      if (rng.randInt(100) + 1 < averageUnrest) q.refused = true;
      break;
    }
    case 3: {
      // A rival asks up to three times the land's worth, and may simply not feel like selling.
      int k = rng.randInt(3);
      q.price = ((land * Money::fromInt(k + 1)) * s).trunc();
      int a = rng.randInt(100) + 1;
      int b = rng.randInt(200) + 1;
      if (a < b) q.refused = true;
      break;
    }
    case 21:
    case 24:
    case 25: {
      const Money u = factorFor(kUnrestPriceFactor, unrest);
      const Money o = factorFor(kOccupancyPriceFactor, Occupancy());
      // Residents are bought out per head; the districts also weigh the land by the ill feeling.
      int perHead = kind == 21 ? 500 : (kind == 24 ? 400 : 300);
      int reluctance = kind == 21 ? 70 : (kind == 24 ? 80 : 90);
      Money landPart = land * s;
      if (kind != 21) landPart = landPart * u;
      Money people = (u * o) * Money::fromInt(population) * static_cast<int64_t>(perHead);
      q.price = (landPart + people).trunc();
      if (rng.randInt(reluctance) + 1 < unrest) q.refused = true;
      break;
    }
    default:
      q.price = 200000;
      break;
  }
  return q;
}

SaleAnswer Tchip::SaleAccepted(int64_t askingPrice, int charm, int averageUnrest,
                               Random& rng) const {
  SaleAnswer a;
  const int64_t value = ((Money::fromInt(landPrice) * factorFor(kSaleCharmFactor, charm)) *
                         factorFor(kSaleSecurityFactor, security))
                            .trunc();
  if (value < askingPrice) {
    a.tooDear = true;
    a.sold = false;
  } else {
    a.sold = true;
  }
  if (rng.randInt(kSaleRefusalOdds[bandIndex(averageUnrest)]) == 1) a.sold = false;
  if (value >= askingPrice && !a.sold) {
    // A buyer who was put off may still come round when the price is a bargain.
    int64_t p = (Money::ratio(askingPrice, value > 1 ? value : 1) * int64_t{100}).trunc();
    if (p < 2) p = 2;
    if (p <= 40 && rng.randInt(static_cast<int>(p)) < 30) a.sold = true;
  }
  if (rng.randInt(3) == 1) a.sold = false;
  return a;
}

int64_t Tchip::ConstructionCost(int workType, int sizeIndex, int cityDensity, int charm) const {
  const Money kc = factorFor(kConstructionCharmFactor, charm);
  const Money kd = factorFor(kConstructionDensityFactor, cityDensity);
  // Pulling down a store costs more the bigger it was.
  int64_t clearingUnits = kind == 19 ? sizeIndex + 1 : 1;
  Money cost = (Money::fromInt(clearingUnits * 1000) * kc) * kd;
  if (workType > 0 && workType < static_cast<int>(kConstructionBase.size()))
    cost += (Money::fromInt(kConstructionBase[workType]) * kc) * kd;
  return cost.trunc();
}

}  // namespace gm
