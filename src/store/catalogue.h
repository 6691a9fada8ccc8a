// The makers' catalogue through the month: national sales, the end of a sales period, the
// discovery of illegal models and the announcement of new ones, with what the player is told.
#pragma once

#include <string>

#include "base/random.h"
#include "store/machine.h"

namespace gm {

class tworld;

// One month of nationwide sales of a model on sale; true when its stock ran out.
bool catalogueSales(tdai& model);
// Ends the sale of a model whose sales period is over by `month`; true when it ended.
bool saleEnd(tdai& model, int month);
// The authorities' look at a model on sale, in a city of the given average security; true when
// the model was exposed as illegal and withdrawn.
bool illegalCheck(tdai& model, int averageSecurity, Random& rng);

// The new-model window's line under the model: a plain launch, or a limited run (shown in green
// while the window flashes) below 2,000 machines.
struct NewModelRunLine {
  std::string text;
  bool limited = false;
};
NewModelRunLine newModelRunLine(int production);

// Month-end steps over the present makers 0..10 and their model slots 1..5.
void MakerSalesNews(tworld& world);
void IllegalMachineCheck(tworld& world);
void NewModels(tworld& world);

}  // namespace gm
