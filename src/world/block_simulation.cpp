// One block's monthly step. The neighbour pass is the costliest loop of the month: it runs on a
// compact view of the city and keeps the rules' exact integer and four-decimal arithmetic.
#include "world/block_simulation.h"

#include "base/money.h"
#include "base/rating.h"

namespace gm {

namespace {

// ---------------------------------------------------------------------------------------------
// Tables

constexpr std::array<int32_t, 101> kTriangle = [] {
  std::array<int32_t, 101> t{};
  for (int n = 0; n <= 100; ++n) t[n] = n * (n + 1) / 2;
  return t;
}();

// Neighbour rows: stores, the seven building kinds 21..26, then the groups 1..6.
constexpr uint8_t kNoEffect = 13;
constexpr int kEffectRows = 13;
// Centre columns: stations, then kinds 21..26.
constexpr int kCentreColumns = 7;
constexpr int kNoColumn = -1;

struct EffectRow {
  std::array<int8_t, kCentreColumns> growth;  // +n: + RandInt(n), -n: - RandInt(n), 0: no draw
  int8_t securityMultiplier;
  int8_t priceMultiplier;
  int8_t unrest;
};

constexpr std::array<EffectRow, kEffectRows> kEffects = {{
    {{3, -6, -9, -6, 8, 5, 7}, 2, 8, 7},     // store (19, 20)
    {{-2, -2, 7, 3, 5, 4, -3}, 6, 2, 0},     // housing
    {{2, 6, -4, 0, 2, 0, -3}, 6, 2, -9},     // school
    {{-2, 2, 0, -5, -4, 2, 0}, 7, 2, -9},    // hospital
    {{2, 3, -8, -7, 2, 5, 6}, 4, 4, 3},      // shopping district
    {{3, 3, 2, 2, 4, 3, -2}, 5, 7, 2},       // office district
    {{0, 5, 3, 0, 4, 3, 0}, 10, 4, -20},     // police
    {{-4, 3, -5, 2, -4, -2, -7}, 4, 7, -2},  // vacant land
    {{4, 6, 2, 3, 7, 8, 4}, 3, 5, 2},        // road, T-junction
    {{5, 7, 3, 4, 8, 9, 5}, 3, 7, 2},        // crossroads
    {{-2, 6, 4, -5, 7, 8, 5}, 8, 10, 0},     // station
    {{0, 3, 2, -9, 2, 2, -2}, 4, 2, 2},      // railway
    {{0, 0, 0, -2, 2, 0, 2}, 4, 2, 0},       // parking
}};

uint8_t effectRowOf(int kind) {
  if (kind == 19 || kind == 20) return 0;
  if (kind >= 21 && kind <= 26) return static_cast<uint8_t>(kind - 20);
  int group = Tchip::KindGroup(kind);
  return group >= 1 && group <= 6 ? static_cast<uint8_t>(6 + group) : kNoEffect;
}

int centreColumnOf(int kind) {
  if (kind == 15 || kind == 16) return 0;
  if (kind >= 21 && kind <= 26) return kind - 20;
  return kNoColumn;
}

// Occupancy growth and decline ranges by band.
constexpr std::array<int, 10> kGrowthRange = {20, 17, 17, 15, 15, 12, 12, 10, 10, 7};
constexpr std::array<int, 10> kDeclineRange = {5, 7, 7, 10, 10, 12, 12, 15, 15, 17};

// Tax bonuses of housing, shopping and office districts by tax band (rate div 10; 50 % last).
struct TaxBonus {
  std::array<int, 6> growth;
  std::array<int, 6> decline;
};
constexpr TaxBonus kHousingTax = {{12, 10, 7, 5, 5, 5}, {5, 7, 10, 12, 15, 15}};
constexpr TaxBonus kShoppingTax = {{20, 12, 7, 5, 5, 5}, {5, 7, 12, 17, 17, 17}};
constexpr TaxBonus kOfficeTax = {{15, 12, 7, 5, 5, 5}, {7, 10, 12, 17, 17, 17}};

int taxBand(int taxRate) {
  if (taxRate >= 50) return 5;
  return taxRate < 0 ? 0 : taxRate / 10;
}

// A block's own monthly moves by group or kind. A population entry of kDistrict means
// Rg/Rd + 15 + the tax bonus; 0 means the row has no population (or unrest) step.
constexpr int kDistrict = -1;
struct UpdateRule {
  int securityUp, securityDown;
  int priceUp, priceDown;  // k = RandInt(this)
  int populationUp, populationDown;
  int unrestUp, unrestDown;
};
constexpr UpdateRule kGroupRules[7] = {
    {0, 0, 0, 0, 0, 0, 0, 0},    // group 0: outside the city
    {4, 3, 3, 3, 0, 0, 0, 0},    // vacant land
    {3, 3, 4, 3, 0, 0, 0, 0},    // road, T-junction
    {4, 4, 5, 4, 0, 0, 0, 0},    // crossroads
    {4, 4, 8, 7, 30, 25, 3, 3},  // station
    {4, 3, 3, 3, 0, 0, 0, 0},    // railway
    {4, 5, 3, 3, 0, 0, 0, 0},    // parking
};
constexpr UpdateRule kBuildingRules[8] = {
    {5, 5, 8, 7, 0, 0, 0, 0},                  // 19, 20 stores
    {5, 5, 8, 7, 0, 0, 0, 0},                  //
    {5, 4, 4, 4, kDistrict, kDistrict, 3, 3},  // 21 housing
    {4, 4, 4, 4, 15, 15, 5, 4},                // 22 school
    {4, 3, 3, 3, 20, 20, 6, 5},                // 23 hospital
    {5, 5, 6, 5, kDistrict, kDistrict, 3, 3},  // 24 shopping district
    {5, 4, 9, 7, kDistrict, kDistrict, 3, 3},  // 25 office district
    {15, 3, 6, 3, 10, 5, 4, 3},                // 26 police
};

const UpdateRule& updateRuleOf(int kind) {
  if (kind >= 19 && kind <= 26) return kBuildingRules[kind - 19];
  return kGroupRules[Tchip::KindGroup(kind)];
}

// Policy moves when vacant land develops, by cityType 0..3 (4 and above: none).
struct PolicyMove {
  std::array<int, 4> housing, commerce, business;
};
constexpr PolicyMove kHousingMove = {{-3, -2, -3, -3}, {2, 2, 3, 2}, {2, 2, 2, 3}};
constexpr PolicyMove kShoppingMove = {{1, 2, 1, 1}, {-2, -2, -1, -2}, {0, 0, 0, 0}};
constexpr PolicyMove kOfficeMove = {{1, 2, 1, 1}, {0, 0, 0, 0}, {-2, -2, -2, -1}};

// ---------------------------------------------------------------------------------------------
// Four-decimal ratios

// a / b to four decimals, ties to even, for 0 < a, b of land prices and occupancies; in 64 bits
// because the neighbour pass makes hundreds of these per block.
int64_t ratio4(int64_t a, int64_t b) {
  int64_t n = a * Money::kScale;
  int64_t q = n / b;
  int64_t twice = (n - q * b) * 2;
  if (twice > b || (twice == b && (q & 1) != 0)) ++q;
  return q;
}

// The signed ratio of the rules: 1 when either side is 0; -(centre / other) when the centre is
// at least as big, else +(other / centre); a ratio that rounds to 0 counts as 1.
int64_t signedRatio(int64_t centre, int64_t other) {
  if (centre == 0 || other == 0) return Money::kScale;
  int64_t r = centre >= other ? -ratio4(centre, other) : ratio4(other, centre);
  return r == 0 ? Money::kScale : r;
}

// Exact division by a land price without a divide instruction: with m = floor(2^64 / d) + 1,
// the high half of n x m is floor(n / d) for every n < 2^35 and d < 2^22 (the error n / 2^64
// stays below the smallest gap 1 / d to the next integer). Land prices and their x 10,000
// numerators are well inside those limits.
uint64_t reciprocalOf(int64_t d) {
  return d <= 0 ? 0 : ~uint64_t{0} / static_cast<uint64_t>(d) + 1;
}

// a / b to four decimals, ties to even, given a x 10,000 and the reciprocal of b; for
// 0 < b <= a. (A remainder counts as over half when twice it, plus one for an odd quotient,
// exceeds b: that is "over half, or exactly half with an odd quotient".)
uint64_t ratio4By(uint64_t scaledA, uint64_t b, uint64_t reciprocal) {
  uint64_t q = static_cast<uint64_t>((static_cast<unsigned __int128>(scaledA) * reciprocal) >> 64);
  uint64_t twice = (scaledA - q * b) * 2;
  return q + (twice + (q & 1) > b);
}

// The occupancy ratio of every pair of occupancies 0..100 as magnitude and sign, filled once.
struct OccupancyRatios {
  std::array<std::array<uint32_t, 101>, 101> magnitude{};
  std::array<std::array<bool, 101>, 101> negative{};
  OccupancyRatios() {
    for (int c = 0; c <= 100; ++c)
      for (int n = 0; n <= 100; ++n) {
        int64_t q = signedRatio(c, n);
        magnitude[c][n] = static_cast<uint32_t>(q < 0 ? -q : q);
        negative[c][n] = q < 0;
      }
  }
};
const OccupancyRatios& occupancyRatios() {
  static const OccupancyRatios table;
  return table;
}

// x / 10,000 rounded half to even, for x >= 0.
uint64_t roundScaled(uint64_t x) {
  uint64_t q = x / Money::kScale;
  uint64_t twice = (x - q * Money::kScale) * 2;
  return q + (twice + (q & 1) > static_cast<uint64_t>(Money::kScale));
}

int drawSigned(int entry, Random& rng) {
  if (entry > 0) return rng.randInt(entry);
  if (entry < 0) return -rng.randInt(-entry);
  return 0;
}

}  // namespace

int NeighbourWeight(int d) { return kTriangle[101 - d]; }

// ---------------------------------------------------------------------------------------------
// The neighbour pass

Influences NeighbourEffect(const Tchip& neighbour, int centreKind, int d, int centreOccupancy,
                           int centreLandPrice, Random& rng) {
  Influences e;
  uint8_t row = effectRowOf(neighbour.kind);
  if (row == kNoEffect) return e;
  const EffectRow& t = kEffects[row];
  Money p = Money::fromRaw(signedRatio(centreLandPrice, neighbour.landPrice));
  Money q = Money::fromRaw(signedRatio(centreOccupancy, neighbour.Occupancy()));
  int64_t w = NeighbourWeight(d);
  int column = centreColumnOf(centreKind);
  if (column != kNoColumn) e.growth = drawSigned(t.growth[column], rng) * w;
  e.security = w * neighbour.security * rng.randInt(t.securityMultiplier);
  e.price = (p * q * w * static_cast<int64_t>(rng.randInt(t.priceMultiplier))).trunc();
  e.unrest = drawSigned(t.unrest, rng) * w;
  return e;
}

void NeighbourView::Build(const BlockGrid& grid, int width, int height) {
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) Refresh(grid[r][c]);
}

void NeighbourView::Refresh(const Tchip& b) {
  Cell& cell = cells_[b.row][b.column];
  cell.landPrice = b.landPrice;
  cell.occupancy = static_cast<uint8_t>(b.Occupancy());
  cell.security = static_cast<uint8_t>(b.security);
  cell.effectRow = effectRowOf(b.kind);
  cell.priceReciprocal = reciprocalOf(b.landPrice);
}

Influences SumNeighbourEffects(const Tchip& block, const NeighbourView& view, int width, int height,
                               Random& rng) {
  // The same arithmetic and draws as NeighbourEffect, with this block's side of every ratio and
  // its column of the table taken once. A ratio of the larger to the smaller price is at least
  // 1, so the rule that turns a zero ratio into 1 never applies here.
  struct Entry {
    int growthRange, growthSign;  // a range of 0 means no draw
    int securityMultiplier, priceMultiplier;
    int unrestRange, unrestSign;
  };
  const int column = centreColumnOf(block.kind);
  std::array<Entry, kEffectRows + 1> entries{};
  for (int i = 0; i < kEffectRows; ++i) {
    const EffectRow& t = kEffects[i];
    int growth = column == kNoColumn ? 0 : t.growth[column];
    entries[i] = {growth < 0 ? -growth : growth,
                  growth < 0 ? -1 : 1,
                  t.securityMultiplier,
                  t.priceMultiplier,
                  t.unrest < 0 ? -t.unrest : t.unrest,
                  t.unrest < 0 ? -1 : 1};
  }
  const auto& qMagnitude = occupancyRatios().magnitude[block.Occupancy()];
  const auto& qNegative = occupancyRatios().negative[block.Occupancy()];
  const int64_t centrePrice = block.landPrice;
  const uint64_t centreReciprocal = reciprocalOf(centrePrice);
  const uint64_t scaledCentrePrice = static_cast<uint64_t>(centrePrice) * Money::kScale;

  Random local = rng;  // lets the generator live in registers through the loop
  int64_t g = 0, s = 0, p = 0, u = 0;
  const int r0 = block.row - 10 < 0 ? 0 : block.row - 10;
  const int r1 = block.row + 10 >= height ? height - 1 : block.row + 10;
  const int c0 = block.column - 10 < 0 ? 0 : block.column - 10;
  const int c1 = block.column + 10 >= width ? width - 1 : block.column + 10;
  for (int r = r0; r <= r1; ++r) {
    const int dr = r < block.row ? block.row - r : r - block.row;
    for (int c = c0; c <= c1; ++c) {
      const NeighbourView::Cell& n = view.at(r, c);
      if (n.effectRow == kNoEffect || (r == block.row && c == block.column)) continue;
      const Entry& e = entries[n.effectRow];
      const int64_t w =
          kTriangle[101 - dr - (c < block.column ? block.column - c : c - block.column)];
      if (e.growthRange != 0) g += e.growthSign * local.randInt(e.growthRange) * w;
      s += w * n.security * local.randInt(e.securityMultiplier);
      const int k = local.randInt(e.priceMultiplier);
      {
        // Magnitudes in unsigned arithmetic and the sign last: truncating toward zero and
        // rounding half to even are both symmetric, so the result is that of the signed rule.
        // Computed whatever k is: a draw of 0 costs less to multiply than to branch on.
        const uint64_t other = static_cast<uint32_t>(n.landPrice);
        const bool centreDearer = static_cast<uint64_t>(centrePrice) >= other;
        const uint64_t high = centreDearer ? scaledCentrePrice : other * Money::kScale;
        const uint64_t low = centreDearer ? other : static_cast<uint64_t>(centrePrice);
        const uint64_t reciprocal = centreDearer ? n.priceReciprocal : centreReciprocal;
        uint64_t ratio = ratio4By(high, low, reciprocal);
        bool negative = centreDearer;
        if (centrePrice == 0 || other == 0) {
          ratio = Money::kScale;
          negative = false;
        }
        negative = negative != qNegative[n.occupancy];
        const uint64_t pq = roundScaled(ratio * qMagnitude[n.occupancy]);
        const int64_t x = static_cast<int64_t>(pq * static_cast<uint64_t>(w * k) / Money::kScale);
        p += negative ? -x : x;
      }
      if (e.unrestRange != 0) u += e.unrestSign * local.randInt(e.unrestRange) * w;
    }
  }
  rng = local;
  return {g, s, p, u};
}

// ---------------------------------------------------------------------------------------------
// The rest of the step

namespace {

struct StepContext {
  Tchip& b;
  const BlockStepInputs& in;
  Random& rng;

  bool hasKind(int kind, int r) const {
    return b.HasKindWithin(*in.grid, in.width, in.height, kind, r);
  }
  bool hasGroup(int group, int r) const {
    return b.HasGroupWithin(*in.grid, in.width, in.height, group, r);
  }
  bool hasStore(int r) const { return hasKind(19, r) || hasKind(20, r); }
  int occupancyWithin(int r) const {
    return b.AverageOccupancyWithin(*in.grid, in.width, in.height, r);
  }
  int draw(int n) const { return rng.randInt(n); }
};

int32_t storedInfluence(int64_t v) { return static_cast<int32_t>(v); }

void priceStep(StepContext& x, const UpdateRule& rule, bool up) {
  int k = x.draw(up ? rule.priceUp : rule.priceDown);
  int64_t step = static_cast<int64_t>(k) * (x.draw(400) + 1) * 10;
  x.b.SetLandPrice(x.b.landPrice + (up ? step : -step));
}

const TaxBonus* taxBonusOf(int kind) {
  if (kind == 21) return &kHousingTax;
  if (kind == 24) return &kShoppingTax;
  if (kind == 25) return &kOfficeTax;
  return nullptr;
}

void updateByKind(StepContext& x, bool growing, bool safer, bool priceUp, bool unrestUp) {
  Tchip& b = x.b;
  const UpdateRule& rule = updateRuleOf(b.kind);
  if (b.kind == 19 || b.kind == 20) {
    // Exchange and long hours draw trouble to the halls' doors.
    if ((x.in.laws & kLawSecurities) && x.draw(8) == 3) safer = false;
    if ((x.in.laws & kLawLongHours) && x.draw(7) == 3) safer = false;
  }
  if (rule.securityUp == 0) return;  // outside the city
  b.SetSecurity(safer ? b.security + x.draw(rule.securityUp)
                      : b.security - x.draw(rule.securityDown));
  priceStep(x, rule, priceUp);
  if (rule.populationUp != 0) {
    int up = rule.populationUp;
    int down = rule.populationDown;
    if (up == kDistrict) {
      const TaxBonus& tax = *taxBonusOf(b.kind);
      int band = bandIndex(b.Occupancy());
      int t = taxBand(x.in.taxRate);
      up = kGrowthRange[band] + 15 + tax.growth[t];
      down = kDeclineRange[band] + 15 + tax.decline[t];
    }
    b.SetPopulation(growing ? b.population + x.draw(up) : b.population - x.draw(down));
  }
  if (rule.unrestUp != 0)
    b.SetUnrest(unrestUp ? b.unrest + x.draw(rule.unrestUp) : b.unrest - x.draw(rule.unrestDown));
}

void clearToVacant(Tchip& b) {
  b.SetPopulation(0);
  b.SetUnrest(0);
  b.fanRate = 0;
  b.kind = 1;
}

// A district or facility whose people have gone falls back to citizens' vacant land. The land
// price is still clamped by the old kind: it may stay above vacant land's limit for a month.
void fallBack(StepContext& x) {
  Tchip& b = x.b;
  switch (b.kind) {
    case 21:
      b.SetPopulation(0);
      b.SetUnrest(0);
      b.SetSecurity(x.draw(6) + b.security + 5);
      b.SetLandPrice(static_cast<int64_t>(x.draw(6) + 90) * (b.landPrice / 100));
      b.fanRate = 0;
      b.kind = 1;
      return;
    case 22:
    case 23:
      b.SetSecurity(x.draw(3) + b.security + 3);
      b.SetLandPrice(static_cast<int64_t>(x.draw(6) + 85) * (b.landPrice / 100));
      clearToVacant(b);
      return;
    case 24:
      b.SetSecurity(x.draw(6) + b.security + 10);
      b.SetLandPrice(static_cast<int64_t>(x.draw(6) + 80) * (b.landPrice / 100));
      clearToVacant(b);
      return;
    case 25:
    case 26:
      // An emptied police station is given up like an office district: the street feels a
      // little safer once the building stands empty, before the land is sold off cheap.
      b.SetSecurity(x.draw(4) + b.security + 7);
      b.SetLandPrice(static_cast<int64_t>(x.draw(11) + 70) * (b.landPrice / 100));
      clearToVacant(b);
      return;
    default:
      return;
  }
}

void declineToVacant(StepContext& x) {
  Tchip& b = x.b;
  int limit = 0;  // the block is empty below this many people
  int odds = 0;   // one chance in this many that it falls back
  switch (b.kind) {
    case 21:
    case 24:
    case 25:
      limit = 10;
      odds = 6;
      break;
    case 22:
      limit = 10;
      odds = 24;
      break;
    case 23:
      limit = 10;
      odds = 18;
      break;
    case 26:
      limit = 5;
      odds = 24;
      break;
    default:
      return;
  }
  if (b.population >= limit) return;
  if (x.draw(odds) == 1) {
    fallBack(x);
  } else {
    // A nearly empty block that holds on is refilled to a handful of people.
    b.SetPopulation(x.draw(6) + 5);
  }
}

void movePolicies(const PolicyMove& m, int cityType, int& housing, int& commerce, int& business) {
  if (cityType < 0 || cityType >= 4) return;
  housing += m.housing[cityType];
  commerce += m.commerce[cityType];
  business += m.business[cityType];
}

void develop(StepContext& x, int& housing, int& commerce, int& business) {
  Tchip& b = x.b;
  const FacilityShortages& need = x.in.shortages;
  int choice = 0;
  if (x.draw(100) < housing) choice = 1;
  if (x.draw(100) < commerce) choice = 2;
  if (x.draw(100) < business) choice = 3;
  if (x.draw(120) < need.police) choice = 4;
  if (x.draw(130) < need.education) choice = 5;
  if (x.draw(130) < need.hospital) choice = 6;

  bool district = false;
  switch (choice) {
    case 1:
      if (x.draw(100) < x.occupancyWithin(2)) {
        b.kind = 21;
        b.SetPopulation(x.draw(21) + 20);
        movePolicies(kHousingMove, x.in.cityType, housing, commerce, business);
        district = true;
      }
      break;
    case 2:
      if (x.draw(100) < x.occupancyWithin(1)) {
        b.kind = 24;
        b.SetPopulation(x.draw(31) + 20);
        movePolicies(kShoppingMove, x.in.cityType, housing, commerce, business);
        district = true;
      }
      break;
    case 3:
      if (x.draw(100) < x.occupancyWithin(2)) {
        b.kind = 25;
        b.SetPopulation(x.draw(41) + 20);
        movePolicies(kOfficeMove, x.in.cityType, housing, commerce, business);
        district = true;
      }
      break;
    case 4: {
      // A police station goes where there is none within three blocks, where the block feels
      // less safe than the city or no police stand within six, and where a road leads to it.
      bool noPolice = !x.hasKind(26, 3);
      bool wanted = noPolice && (b.AverageSecurityWithin(*x.in.grid, x.in.width, x.in.height, 2) <=
                                     x.in.citySecurity ||
                                 !x.hasKind(26, 6));
      bool reachable = wanted && (x.hasGroup(2, 1) || x.hasGroup(3, 1));
      if (reachable && (x.draw(120) < x.occupancyWithin(1) || x.draw(3) == 1) && x.draw(2) == 1) {
        b.kind = 26;
        b.SetPopulation(x.draw(41));
      }
      break;
    }
    case 5:
      if (!x.hasKind(22, 4) && !x.hasStore(1) && x.draw(120) < x.occupancyWithin(2) &&
          x.draw(3) == 1) {
        b.kind = 22;
        b.SetPopulation(x.draw(31));
      }
      break;
    case 6:
      if (!x.hasKind(23, 3) && !x.hasStore(1) && !x.hasGroup(5, 1) &&
          x.draw(120) < x.occupancyWithin(4) && x.draw(3) == 1) {
        b.kind = 23;
        b.SetPopulation(x.draw(21));
        if (x.in.citySecurity >= b.security) b.SetUnrest(x.draw(5));
      }
      break;
    default:
      break;
  }
  if (district && b.landPrice > 100000) b.SetUnrest(x.draw(5));
}

}  // namespace

BlockStepResult SettleBlock(Tchip& b, const BlockStepInputs& in, const Influences& sums,
                            Random& rng) {
  StepContext x{b, in, rng};
  const int startKind = b.kind;
  const int startLevel = b.DevelopmentLevel();
  int housing = in.housing, commerce = in.commerce, business = in.business;

  bool growing = x.draw(in.thresholds.growth) < sums.growth;
  bool safer = x.draw(in.thresholds.security) < sums.security;
  bool priceUp = x.draw(in.thresholds.price) < sums.price;
  bool unrestUp = x.draw(in.thresholds.unrest) < sums.unrest;
  b.growthInfluence = storedInfluence(sums.growth);
  b.securityInfluence = storedInfluence(sums.security);
  b.priceInfluence = storedInfluence(sums.price);
  b.unrestInfluence = storedInfluence(sums.unrest);

  // Fortune overrules the neighbours one time in three.
  if (x.draw(3) == 1) growing = !growing;
  if (x.draw(3) == 1) safer = !safer;
  if (x.draw(3) == 1) priceUp = !priceUp;
  if (x.draw(3) == 1) unrestUp = !unrestUp;

  if (!priceUp) {
    // Land near a station or on a busy street keeps its value; both draws are always made.
    bool nearStation = x.hasGroup(4, 3);
    if (x.draw(100) < 50 && nearStation) {
      priceUp = true;
    } else {
      bool onStreet = x.hasGroup(2, 1) || x.hasGroup(3, 1) || x.hasKind(25, 1);
      if (x.draw(100) < 40 && onStreet) priceUp = true;
    }
  }
  if (!safer) {
    // The nearer the police, the likelier the block feels safe again; each reached step draws.
    if (x.draw(100) < 30 && x.hasKind(26, 3)) {
      safer = true;
    } else if (x.draw(100) < 60 && x.hasKind(26, 2)) {
      safer = true;
    } else if (x.draw(100) < 90 && x.hasKind(26, 1)) {
      safer = true;
    }
  }
  if (safer && x.hasStore(1) && x.draw(100) < 10) safer = false;
  if (unrestUp && (x.hasKind(22, 1) || x.hasKind(23, 1)) && x.draw(100) < 25) unrestUp = false;
  if (!growing) {
    // A station draws people, the more the nearer.
    if (x.hasGroup(4, 5) && x.draw(100) < 10) {
      growing = true;
    } else if (x.hasGroup(4, 4) && x.draw(100) < 30) {
      growing = true;
    } else if (x.hasGroup(4, 3) && x.draw(100) < 50) {
      growing = true;
    } else if (x.hasGroup(4, 2) && x.draw(100) < 70) {
      growing = true;
    } else if (x.hasGroup(4, 1) && x.draw(100) < 90) {
      growing = true;
    }
  }

  if (x.draw(24) == 1 && growing) priceUp = true;
  if (x.draw(12) == 1 && !growing) priceUp = false;
  if (x.draw(12) == 1 && !safer) {
    priceUp = false;
    if (x.draw(2) == 1) growing = false;
  }
  if (x.draw(8) == 1 && safer) priceUp = true;

  updateByKind(x, growing, safer, priceUp, unrestUp);
  declineToVacant(x);
  if (startKind == 1) develop(x, housing, commerce, business);

  if (b.IsPopulated()) {
    int r = x.draw(100);
    int s = x.draw(4);
    if (r + 1 < b.unrest || s == 1) b.SetFanRate(b.fanRate - (x.draw(3) + 1), in.laws);
  }

  BlockStepResult result;
  result.housing = clamp100(housing);
  result.commerce = clamp100(commerce);
  result.business = clamp100(business);
  result.changed = b.kind != startKind || b.DevelopmentLevel() != startLevel;
  return result;
}

BlockStepResult SimulateBlock(Tchip& block, const BlockStepInputs& in, const NeighbourView& view,
                              Random& rng) {
  Influences sums = SumNeighbourEffects(block, view, in.width, in.height, rng);
  return SettleBlock(block, in, sums, rng);
}

BlockStepResult SimulateBlock(Tchip& block, const BlockStepInputs& in, Random& rng) {
  NeighbourView view;
  view.Build(*in.grid, in.width, in.height);
  return SimulateBlock(block, in, view, rng);
}

}  // namespace gm
