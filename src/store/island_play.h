// An island's month in an open store. The results calculation first asks each occupied island
// for its attraction, a random score by which the store's customers are shared among its
// islands; the store's monthly close then has every island play its month: the profit rate it
// realised (`ririJisseki`), what a customer spent (`kyakutan`) and the shares of men and women
// among its customers (`kyakuDansei`, `kyakuZyosei`). Both are long chains of draws from the
// game's generator, made in a fixed order, so that the same seed plays the same month.
#pragma once

#include <cstdint>

#include "base/random.h"
#include "store/machine.h"
#include "store/store.h"

namespace gm {

// What an island's month depends on besides the island itself: the month, the world's laws and
// the store it stands in.
struct PlayConditions {
  int month = 0;
  uint16_t laws = 0;
  uint8_t pkankin = 0;  // pachinko exchange rate class 0..6
  uint8_t skankin = 0;  // slot exchange rate class 0..3
  uint8_t kousaku = 0;
  uint16_t modelMakers = 0;
  uint16_t setubi = 0;
  int moral = 0;       // the staff's morale in whole points
  int skill = 0;       // the staff's skill in whole points
  int womenShare = 0;  // women among the staff, whole per cent
};
PlayConditions playConditions(const Ttempo& store, uint16_t laws, int month);

// The island's attraction this month (the results calculation may still lower it). The laws
// play no part in it, so the results calculation may pass the island's store alone.
int attraction(const Tddai& dai, const PlayConditions& c, Random& rng);
int attraction(const Tddai& dai, const Ttempo& store, int month, Random& rng);

// The other occupied islands of the store's floors that hold the same model as `dai` (`sameModel`):
// a hall full of one model tires its customers.
int sameModelCount(const Ttempo& store, const Tddai& dai);

// The island's monthly play, once the results calculation has given it its customers (`kadou`);
// `sameModels` is its `sameModelCount`.
void monthlyPlay(Tddai& dai, int sameModels, const PlayConditions& c, Random& rng);

// The store's part of the monthly close: while the store is open every occupied island of its
// floors plays its month, floor by floor and island by island; a store in any other state played
// nothing, and its islands' play figures are set to 0.
void storeMonthlyPlay(Ttempo& store, uint16_t laws, int month, Random& rng);
// Sets an island's play figures (realised rate, spending, shares) to 0; `kadou` is left to the
// results calculation.
void clearMonthlyPlay(Tddai& dai);

}  // namespace gm
