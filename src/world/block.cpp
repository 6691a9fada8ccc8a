// The block record: kind table, setters, starting values and derived values.
#include "world/block.h"

#include <array>

#include "base/rating.h"

namespace gm {

namespace {

using O = OwnerKind;
constexpr std::array<KindInfo, kKindCount> kKinds = {{
    {"--", 0, O::None, 0, 0, 0, 0, 0, 0, 0},
    {"空き地", 1, O::Citizens, 0, 0, 0, 35, 0, 100000, 300000},
    {"空き地", 1, O::Player, 0, 0, 0, 35, 0, 100000, 300000},
    {"空き地", 1, O::Rival, 0, 0, 0, 35, 0, 100000, 300000},
    {"道路", 2, O::City, 0, 0, 0, 45, 0, 140000, 420000},
    {"道路", 2, O::City, 0, 0, 0, 45, 0, 140000, 420000},
    {"道路", 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {"道路", 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {"道路", 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {"道路", 2, O::City, 0, 0, 0, 40, 0, 130000, 390000},
    {"十字路", 3, O::City, 0, 0, 0, 35, 0, 200000, 600000},
    {"T字路", 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {"T字路", 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {"T字路", 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {"T字路", 2, O::City, 0, 0, 0, 40, 0, 170000, 510000},
    {"駅", 4, O::City, 750, 350, 20, 50, 25, 600000, 3000000},
    {"駅", 4, O::City, 750, 350, 20, 50, 25, 600000, 3000000},
    {"線路", 5, O::City, 0, 0, 0, 50, 0, 120000, 360000},
    {"線路", 5, O::City, 0, 0, 0, 50, 0, 120000, 360000},
    {"自店舗", 7, O::Player, 0, 0, 0, 25, 0, 180000, 660000},
    {"他店舗", 7, O::Rival, 0, 0, 0, 25, 0, 180000, 660000},
    {"住宅", 7, O::Citizens, 200, 100, 15, 50, 25, 150000, 450000},
    {"教育施設", 7, O::City, 100, 50, 5, 55, 25, 180000, 720000},
    {"病院", 7, O::City, 100, 50, 10, 55, 25, 190000, 630000},
    {"繁華街", 7, O::Citizens, 300, 150, 15, 25, 20, 260000, 1350000},
    {"オフィス街", 7, O::Citizens, 400, 200, 10, 55, 20, 280000, 1830000},
    {"警察署", 7, O::City, 150, 75, 10, 75, 25, 250000, 1140000},
    {"駐車場", 6, O::Player, 0, 0, 0, 35, 0, 160000, 480000},
    {"駐車場", 6, O::Rival, 0, 0, 0, 35, 0, 160000, 480000},
}};

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

std::string_view Tchip::KindName() const { return kindInfo(kind).name; }

int Tchip::Distance(int otherRow, int otherColumn) const {
  int dr = row - otherRow;
  int dc = column - otherColumn;
  return (dr < 0 ? -dr : dr) + (dc < 0 ? -dc : dc);
}

}  // namespace gm
