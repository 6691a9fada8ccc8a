// The store's influence on its surroundings. R(n) below is the game's RandInt(n); every draw
// stands in its own statement, block by block in rows.
#include "company/store_influence.h"

#include <algorithm>
#include <array>

#include "company/store_reach.h"

namespace gm {

namespace {

// A television campaign's weight by agency 1..5, per spot length step (x 10,000).
constexpr std::array<int64_t, 5> kTvPower = {22000, 30000, 32000, 40000, 50000};

// Calls f on every customer-producing block of the square of radius r around (row, column)
// that lies on the map, the centre excluded, row by row.
template <typename F>
void forEachReachedBlock(BlockGrid& blocks, int columns, int rows, int row, int column, int r,
                         F&& f) {
  for (int j = std::max(row - r, 0); j <= std::min(row + r, rows - 1); ++j)
    for (int k = std::max(column - r, 0); k <= std::min(column + r, columns - 1); ++k) {
      if (j == row && k == column) continue;
      Tchip& b = blocks[j][k];
      if (b.IsPopulated()) f(b);
    }
}

}  // namespace

Money PromotionPower(const Thansoku& h) {
  int64_t raw = 0;
  if (h.event != 0) raw += 2500 * int64_t{h.event};
  if (h.mail != 0) raw += 1500 * int64_t{h.mail};
  if (h.tissue != 0) raw += 3000 * int64_t{h.tissue};
  if (h.www != 0) raw += 5000 * int64_t{h.www};
  if (h.newspaperSize != 0) raw += 3000 * int64_t{h.newspaperSize} * h.newspaperTerm;
  if (h.tvAgency != 0) raw += (int64_t{h.tvSpot} + 1) * kTvPower[std::min<int>(h.tvAgency, 5) - 1];
  return Money::fromRaw(raw);
}

void InfluenceBlocks(const Ttempo& s, BlockGrid& blocks, int columns, int rows, uint16_t laws,
                     int month, Random& rng) {
  if (s.joutai != kOpen) return;
  // A new hall wins over its close neighbours first; its pull spreads as it ages.
  const int spread = std::max(month - s.shuttenMonth - 2, 1);
  const int r = StoreReachRadius(blocks, columns, rows, s);
  Money power = PromotionPower(s.hansoku);

  int n = 0;
  int64_t gambling = 0, play = 0, novelty = 0;
  s.forEachIsland([&](const Tddai& d) {
    ++n;
    gambling += d.actual[kGambling];
    play += d.actual[kPlay];
    novelty += d.actual[kNovelty];
  });

  // Machines only speak for a hall that has some.
  int security = 0, unrest = 0;
  const int g = n > 0 ? static_cast<int>(gambling / n) : 0;
  const int p = n > 0 ? static_cast<int>(play / n) : 0;
  const int v = n > 0 ? static_cast<int>(novelty / n) : 0;
  if (n > 0 && g >= 60) {
    security += rng.randInt(g / 20);
    unrest += rng.randInt(g / 20);
  }
  if (laws & (1u << 3)) security += rng.randInt(2);
  if (laws & (1u << 0)) security += rng.randInt(2);
  if (n > 0 && p >= 60) security -= rng.randInt(p / 20);

  if (security >= 2) {
    forEachReachedBlock(blocks, columns, rows, s.blockY, s.blockX, r,
                        [&](Tchip& b) { b.SetSecurity(b.security - rng.randInt(security)); });
  } else if (security <= -2) {
    forEachReachedBlock(blocks, columns, rows, s.blockY, s.blockX, r,
                        [&](Tchip& b) { b.SetSecurity(b.security + rng.randInt(-security)); });
  }
  if (unrest >= 2) {
    forEachReachedBlock(blocks, columns, rows, s.blockY, s.blockX, r,
                        [&](Tchip& b) { b.SetUnrest(b.unrest + rng.randInt(unrest)); });
  }

  if (n > 0) {
    if (v < 40) {
      power -= Money::fromInt(rng.randInt(2));
    } else {
      power += Money::fromInt(rng.randInt(v / 20));
    }
  }
  const int fans = static_cast<int>((power + Money::fromRaw(Money::kScale / 2)).trunc());

  if (s.hasIllegalDai()) {
    forEachReachedBlock(blocks, columns, rows, s.blockY, s.blockX, r,
                        [&](Tchip& b) { b.SetUnrest(b.unrest + rng.randInt(2)); });
  }
  if (fans >= 2) {
    forEachReachedBlock(blocks, columns, rows, s.blockY, s.blockX, r, [&](Tchip& b) {
      const int mood = rng.randInt(100);
      if (b.unrest < mood + 1 && b.Distance(s.blockY, s.blockX) <= spread)
        b.SetFanRate(b.fanRate + rng.randInt(fans), laws);
    });
  }
}

}  // namespace gm
