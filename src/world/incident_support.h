// What the incident files share: the message with its cues, changes in whole points to the
// store's fixed-point morale and skill, cash changes that may go below zero, and the walks over
// the square around a store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/frontend.h"
#include "base/money.h"
#include "world/incidents.h"
#include "world/world.h"

namespace gm::incident {

inline constexpr int kNoCue = -1;

// A message of the pass: the cue before it (kNoCue for none), the dialog with one button, and
// the cue after it (the main theme unless the incident says otherwise).
void tell(tworld& w, int cueBefore, std::string_view title, const std::string& text, bool cash,
          int face, int cueAfter = kCueMain);
// The same for a store: its block is shown on the map first.
void tellStore(tworld& w, const Ttempo& t, int cueBefore, std::string_view title,
               const std::string& text, bool cash, int face, int cueAfter = kCueMain);

// The store's morale and skill move by whole points through their clamping setters.
inline void addMoral(Ttempo& t, int64_t points) { t.setMoral(t.moral + Money::fromInt(points)); }
inline void addSkill(Ttempo& t, int64_t points) { t.setSkill(t.skill + Money::fromInt(points)); }
inline Money points(int64_t v) { return Money::fromInt(v); }

// Incidents take and give cash outright: unlike a payment, a loss may leave cash below zero,
// and the month's game-end check then does its work.
inline void addCash(tworld& w, int64_t thousands) {
  w.kaichou.SetSikin(w.kaichou.sikin + Money::fromInt(thousands));
}

inline std::string amount(int64_t thousands) { return formatGrouped(thousands); }

// Last month's takings divided by `divisor`, in whole thousands of yen, kept within the range
// that the jitter takes.
int takingsShare(const Ttempo& t, int64_t divisor);

// Calls f(block) for every block of the square of radius r around (row, column), rows first,
// skipping the centre and positions off the map.
template <typename F>
void forSquare(tworld& w, int row, int column, int r, F&& f) {
  for (int i = row - r; i <= row + r; ++i)
    for (int j = column - r; j <= column + r; ++j) {
      if ((i == row && j == column) || !w.onMap(i, j)) continue;
      f(w.block(i, j));
    }
}

// The same over the populated blocks of the square.
template <typename F>
void forPopulatedSquare(tworld& w, int row, int column, int r, F&& f) {
  forSquare(w, row, column, r, [&](Tchip& b) {
    if (b.IsPopulated()) f(b);
  });
}

// Every populated block of the map, rows first.
template <typename F>
void forPopulatedCity(tworld& w, F&& f) {
  for (int i = 0; i < w.mapHeight; ++i)
    for (int j = 0; j < w.mapWidth; ++j)
      if (w.block(i, j).IsPopulated()) f(w.block(i, j));
}

// Which blocks of the square a scandal reaches: word of the ROM raid spreads only where people
// live; the shills and the jackpot system are talked about on every block around the store.
enum class Reach : uint8_t { PopulatedBlocks, EveryBlock };

// The scandal's mark on the neighbourhood: the blocks of the square of 4 that it reaches take up
// to unrest - 1 more ill feeling, then lose up to fans - 1 of their fan rate.
void stainNeighbourhood(tworld& w, const Ttempo& t, Reach reach, int unrest, int fans);

}  // namespace gm::incident
