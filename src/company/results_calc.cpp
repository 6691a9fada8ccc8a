// The month's results: scores, reach, the sharing of the blocks' fans among the stores and of
// each player store's customers among its islands, and the closings.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <limits>
#include <type_traits>

#include "base/rating.h"
#include "base/stable_sort.h"
#include "company/results.h"
#include "company/rival_reach.h"
#include "company/store_reach.h"
#include "store/island_play.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kBlocks = kMapSize * kMapSize;
constexpr int kPlayer = 0, kRival = 1;

// Refinement, fame, satisfaction, morale and skill, out of 10,000.
constexpr std::array<int, 5> kScoreWeights = {3500, 2500, 2000, 500, 500};
// A generous exchange rate is the strongest advertisement a hall has.
constexpr std::array<int, 7> kPachinkoRateBonus = {0, 1, 2, 3, 4, 5, 6};
constexpr std::array<int, 4> kSlotRateBonus = {0, 2, 4, 6};

Extended weighted(int i, Extended rating) {
  return static_cast<Extended>(kScoreWeights[i]) / 10000 * rating;
}

int pachinkoBonus(int pkankin) { return kPachinkoRateBonus[std::clamp(pkankin, 0, 6)]; }
int slotBonus(int skankin) { return kSlotRateBonus[std::clamp(skankin, 0, 3)]; }

int32_t toCount(int64_t n) {
  return static_cast<int32_t>(std::clamp<int64_t>(n, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

Extended PlayerStoreScore(const Ttempo& s) {
  Extended score = weighted(0, s.senren) + weighted(1, s.chimei) + weighted(2, s.manzoku) +
                   weighted(3, toExtended(s.moral)) + weighted(4, toExtended(s.skill));
  const MachineCounts m = s.machineCounts();
  if (m.pachinkoIslands > 0) score += pachinkoBonus(s.pkankin);
  if (m.slotIslands > 0) score += slotBonus(s.skankin);
  return score;
}

Extended RivalStoreScore(const TEntempo& t) {
  Extended score = weighted(0, t.senren) + weighted(1, t.chimei) + weighted(2, t.manzoku) +
                   weighted(3, t.moral) + weighted(4, t.skill);
  return score + pachinkoBonus(t.pkankin) + slotBonus(t.skankin);
}

Extended ReachWeight(Extended score, int distance) {
  return static_cast<Extended>(101 - distance) * score;
}

namespace {

// The split itself; a divisor known at compile time (a block's three) divides by multiplying.
template <typename Divisor>
void splitShares(int64_t total, Divisor divisor, std::span<int64_t> shares) {
  const std::size_t n = shares.size();
  int64_t remaining = total;
  std::size_t at = 0;
  do {
    const int64_t q = remaining / divisor;
    const int64_t c = std::max<int64_t>(q, 1);
    // The piece stays c while what remains still holds c divisors: no need to divide again.
    const int64_t keep = q >= 1 ? c * divisor : std::numeric_limits<int64_t>::min();
    do {
      shares[at] += c;
      remaining -= c;
      at = at + 1 == n ? 0 : at + 1;
    } while (remaining > 0 && remaining >= keep);
  } while (remaining > 0);
}

}  // namespace

void SplitIntoShares(int64_t total, int64_t divisor, std::span<int64_t> shares) {
  std::fill(shares.begin(), shares.end(), 0);
  if (shares.empty()) return;
  // One share: the loop would hand it everything a piece at a time.
  if (shares.size() == 1) {
    shares[0] = std::max<int64_t>(total, 1);
    return;
  }
  if (divisor == 3) {
    splitShares(total, std::integral_constant<int64_t, 3>(), shares);
  } else {
    splitShares(total, std::max<int64_t>(divisor, 1), shares);
  }
}

int FloorPenalty(int floor, uint16_t setubi, Random& rng) {
  auto has = [setubi](int bit) { return ((setubi >> bit) & 1u) != 0; };
  int penalty = 0;
  if (floor >= 1 && !has(6)) penalty += rng.randInt(6);
  if (floor >= 2 && !has(7) && !has(8)) penalty += rng.randInt(6);
  if (floor >= 3 && !has(9) && !has(10)) penalty += rng.randInt(6);
  if (floor == 4 && !has(11)) penalty += rng.randInt(6);
  return penalty;
}

// ---------------------------------------------------------------------------------------------
// The calculator's tables

struct Tjissekicalc::Tables {
  std::array<Teasytempo, kResultsEntries> tempo{};  // entries 1..100 at 0..99
  std::array<Teasydai, kFloors * kIslandsPerFloor> dai{};
  std::array<int64_t, kResultsEntries> customers{};
  // For every block: the player stores and the rival stores that reach it, one bit per store.
  std::array<std::array<uint64_t, 2>, kBlocks> reach{};
  // ... and each one's distance to it (read only where its bit is set).
  std::array<std::array<uint8_t, kResultsEntries>, kBlocks> distance{};
};

Tjissekicalc::Tjissekicalc(tworld& world) : world_(&world), t_(std::make_unique<Tables>()) {
  for (int e = 0; e < kResultsEntries; ++e) {
    t_->tempo[e].rival = e + 1 >= kFirstRivalEntry;
    t_->tempo[e].tempoNo = t_->tempo[e].rival ? e + 1 - (kFirstRivalEntry - 1) : e + 1;
  }
  for (int n = 0; n < kFloors * kIslandsPerFloor; ++n) {
    t_->dai[n].floor = n / kIslandsPerFloor;
    t_->dai[n].island = n - t_->dai[n].floor * kIslandsPerFloor + 1;
  }
}

Tjissekicalc::~Tjissekicalc() = default;

const Teasytempo& Tjissekicalc::entry(int n) const { return t_->tempo[n - 1]; }
int64_t Tjissekicalc::customers(int entry) const { return t_->customers[entry - 1]; }

bool Tjissekicalc::reaches(int row, int column, int entry) const {
  const int side = entry >= kFirstRivalEntry ? kRival : kPlayer;
  const int bit = side == kRival ? entry - kFirstRivalEntry : entry - 1;
  return ((t_->reach[row * kMapSize + column][side] >> bit) & 1u) != 0;
}

int Tjissekicalc::distance(int row, int column, int entry) const {
  return t_->distance[row * kMapSize + column][entry - 1];
}

void Tjissekicalc::Keisan(int hours, int days) {
  tworld& w = *world_;
  Keisan(w.blocks, w.kaichou, w.cityName.view(), w.AverageLandPrice(), w.taxRate, w.month, hours,
         days, w.mapWidth, w.mapHeight, w.laws, w.rivals);
}

void Tjissekicalc::Keisan(BlockGrid& blocks, tkaichou& company, std::string_view cityName,
                          int averageLandPrice, int taxRate, int month, int hours, int days,
                          int columns, int rows, uint16_t flags, Tenkaichou& rivals) {
  Reset();
  inputs_ = {month, hours, days, columns, rows, flags, taxRate, averageLandPrice};
  Score(company, rivals);
  MarkReach(blocks, company, rivals);
  ShareBlocks(blocks);
  for (int64_t& c : t_->customers) c *= days;

  for (int k = 1; k <= kRivalStoreSlots; ++k)
    rivals.SetKyaku(k, t_->customers[kFirstRivalEntry - 2 + k], hours);
  Random& rng = world_->rng();
  for (int n = 1; n <= kStoreSlots; ++n) {
    Ttempo& s = company.slot(n);
    if (s.used) ShareMachines(s, t_->customers[n - 1], rng);
  }

  company.Kessan(hours, month, flags, taxRate);
  rivals.Kessan(blocks, month, cityName, averageLandPrice, flags, columns, rows, taxRate);
}

void Tjissekicalc::Reset() {
  t_->customers.fill(0);
  for (Teasytempo& e : t_->tempo) e.score = e.weight = 0;
  for (Teasydai& d : t_->dai) d.attraction = 0;
  t_->reach.fill({});
}

void Tjissekicalc::Score(const tkaichou& company, const Tenkaichou& rivals) {
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = company.slot(n);
    if (s.used && s.joutai == kOpen) t_->tempo[n - 1].score = PlayerStoreScore(s);
  }
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& r = rivals.Tenpo(k);
    if (r.isOpen()) t_->tempo[kFirstRivalEntry - 2 + k].score = RivalStoreScore(r);
  }
}

void Tjissekicalc::MarkReach(const BlockGrid& blocks, const tkaichou& company,
                             const Tenkaichou& rivals) {
  const int columns = inputs_.columns, rows = inputs_.rows;
  auto mark = [&](int side, int bit, int row, int column, int r) {
    const int entry = side == kRival ? kFirstRivalEntry - 1 + bit : bit;
    for (int j = std::max(row - r, 0); j <= std::min(row + r, rows - 1); ++j)
      for (int k = std::max(column - r, 0); k <= std::min(column + r, columns - 1); ++k) {
        const int at = j * kMapSize + k;
        t_->reach[at][side] |= uint64_t{1} << bit;
        t_->distance[at][entry] = static_cast<uint8_t>(std::abs(row - j) + std::abs(column - k));
      }
  };
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = company.slot(n);
    if (!s.used || s.joutai != kOpen) continue;
    mark(kPlayer, n - 1, s.blockY, s.blockX, StoreReachRadius(blocks, columns, rows, s));
  }
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& r = rivals.Tenpo(k);
    if (!r.isOpen()) continue;
    mark(kRival, k - 1, r.blockRow, r.blockColumn, RivalReachRadius(blocks, columns, rows, r));
  }
}

void Tjissekicalc::ShareBlocks(const BlockGrid& blocks) {
  std::array<uint8_t, kResultsEntries> list{};  // entry indices 0..99
  std::array<int64_t, kResultsEntries> shares{};
  for (int row = 0; row < inputs_.rows; ++row) {
    for (int column = 0; column < inputs_.columns; ++column) {
      const Tchip& b = blocks[row][column];
      if (!b.IsPopulated()) continue;
      const int at = row * kMapSize + column;
      int count = 0;
      // Player stores first, then rival stores, lower numbers first: ties keep this order.
      for (int side : {kPlayer, kRival}) {
        for (uint64_t bits = t_->reach[at][side]; bits != 0; bits &= bits - 1) {
          const int e = std::countr_zero(bits) + (side == kRival ? kFirstRivalEntry - 1 : 0);
          Teasytempo& entry = t_->tempo[e];
          entry.weight = ReachWeight(entry.score, t_->distance[at][e]);
          list[count++] = static_cast<uint8_t>(e);
        }
      }
      if (count == 0) continue;
      const std::span<int64_t> part(shares.data(), count);
      SplitIntoShares(b.FanCount(), 3, part);
      if (count > 1) {
        stableSortPrefix(list, count, [this](uint8_t a, uint8_t c) {
          return t_->tempo[a].weight > t_->tempo[c].weight;
        });
      }
      for (int k = 0; k < count; ++k) t_->customers[list[k]] += part[k];
    }
  }
}

void Tjissekicalc::ShareMachines(Ttempo& s, int64_t customers, Random& rng) {
  for (auto& floor : s.dai)
    for (Tddai& d : floor) d.kadou = 0;
  if (s.joutai != kOpen) return;

  // Each island's sort key: the attraction, largest first, then its position, so that every
  // key differs and any sort leaves ties in floor and island order.
  std::array<uint64_t, kFloors * kIslandsPerFloor> keys{};
  int count = 0;
  const PlayConditions c = playConditions(s, inputs_.laws, inputs_.month);
  for (int f = 0; f <= s.kibo && f < kFloors; ++f) {
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      const Tddai& d = s.dai[f][i];
      if (!d.used) continue;
      const int n = f * kIslandsPerFloor + i;
      int a = attraction(d, c, rng);
      a -= FloorPenalty(f, s.setubi, rng);
      t_->dai[n].attraction = a;
      const uint64_t rank = static_cast<uint64_t>(int64_t{std::numeric_limits<int32_t>::max()} - a);
      keys[count++] = rank << 8 | static_cast<uint64_t>(n);
    }
  }
  if (count == 0) return;

  std::array<int64_t, kFloors * kIslandsPerFloor> shares{};
  const std::span<int64_t> part(shares.data(), count);
  SplitIntoShares(customers, count, part);
  std::sort(keys.begin(), keys.begin() + count);
  // Ten machines an island, one customer a machine an hour: the rest go home.
  const int64_t most = int64_t{10} * inputs_.hours;
  for (int k = 0; k < count; ++k) {
    const Teasydai& d = t_->dai[keys[k] & 0xff];
    s.dai[d.floor][d.island - 1].kadou = toCount(std::min(part[k], most));
  }
}

}  // namespace gm
