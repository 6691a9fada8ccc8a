// A player store's monthly image: its refinement (洗練度), fame (知名度) and satisfaction
// (満足度) each move by a sum of small random terms drawn from its machines, staff, equipment,
// promotions, surroundings and the city's laws. The results calculation scores the stores by
// these ratings, so they decide where the customers go. Refinement and fame move in the store's
// business step before the customers are shared, satisfaction in its monthly close after the
// machines have played. Every term draws in the order the month makes them, one draw a
// statement, and every result goes through the store's clamping setters.
#pragma once

#include <cstdint>

#include "base/money.h"
#include "base/random.h"
#include "store/store.h"
#include "world/block.h"

namespace gm {

// What the store's surroundings and the month give the ratings.
struct RatingSurroundings {
  const BlockGrid& blocks;
  int columns = 0;
  int rows = 0;
  uint16_t laws = 0;
  int month = 0;
};

// Half the profit rate the store kept at its last closing, against it: customers notice a hall
// that keeps a lot of what they stake.
int ProfitRateTerm(const Ttempo& store);

// What a stingy exchange rate takes off satisfaction each month: RandInt(bound) for the pachinko
// rate above class 2 and for the slot rate above class 1; a bound of 0 takes nothing.
struct RateDisappointment {
  int pachinko = 0;
  int slot = 0;
};
RateDisappointment ExchangeRateDisappointment(const Ttempo& store);

// `chisei` is the president's intelligence, which decides whether an event impresses.
void UpdateRefinement(Ttempo& store, const RatingSurroundings& at, int chisei, Random& rng);
void UpdateFame(Ttempo& store, const RatingSurroundings& at, Random& rng);
// Only an open store's customers have an opinion; the others keep theirs.
void UpdateSatisfaction(Ttempo& store, uint16_t laws, int month, Random& rng);

}  // namespace gm
