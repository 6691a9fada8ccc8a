// A maker's monthly chance to announce a new model, and the generation of that model with all
// its random draws.
#pragma once

#include <cstdint>

#include "base/fixed_string.h"
#include "base/random.h"
#include "store/machine.h"
#include "store/maker.h"
#include "store/name_generator.h"

namespace gm {

// What a maker announced this month.
struct Announcement {
  bool announced = false;
  Name name;
  int kishu = 0;
  int32_t shukka = 0;
  int slot = -1;              // index 0..4 of the new model in the maker's `models`
  bool modelMachine = false;  // the maker asks the company to open a model store with it
};

// Everything a new model is made from besides the maker's own table.
struct ModelRecipe {
  std::string_view name;
  int kishu = 0;
  bool modelMachine = false;
  int appraisal = 1;  // the president's `kantei`: how well the published ratings are read
  uint16_t laws = 0;
  int maker = 0;
  int month = 0;
};

// The maker's month: friendship drifts down, and with a free slot and some luck a new model is
// put on sale. `laws` are the world's law bits; appraisal and charisma are the president's.
Announcement newModel(Tmaker& maker, int month, uint16_t laws, int appraisal, int charisma,
                      tdainameselect& names, Random& rng);

// Fills `model` as a freshly announced model of the recipe.
void generateModel(tdai& model, const ModelRecipe& recipe, Random& rng);

// spread(c, s): c moved up or down by a random amount of at most c x s / 10,000, never below 0.
int spread(int centre, int spreadPerTenThousand, Random& rng);

// The published-rating noise bound for an appraisal: 20 for the poorest eye down to 2.
int noiseBound(int appraisal);
// The ratings as the maker publishes them and the president reads them: each moved by less than
// the noise bound, gambling appeal, refinement, play value and novelty in that order.
Ratings publishedRatings(const Ratings& ratings, int appraisal, Random& rng);

}  // namespace gm
