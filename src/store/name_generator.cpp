// Drawing model names from the fixed pools without repeating a name until a pool runs out.
#include "store/name_generator.h"

#include "store/model_name_pools.h"

namespace gm {

void tdainameselect::Reset() {
  for (int m = 0; m < kMakerCount; ++m)
    for (int t = 0; t < kMachineTypeCount; ++t) resetPool(m, t);
}

void tdainameselect::resetPool(int maker, int type) {
  // Entries past the pool's names stay marked, so that a draw can never land on them.
  int count = modelNamePool(maker, type).count;
  auto& marks = used[maker][type];
  for (int i = 0; i < kNamePoolCapacity; ++i) marks[i] = i < count ? 0 : 1;
}

std::string tdainameselect::pickName(int maker, int type, Random& rng) {
  if (maker < 0 || maker >= kMakerCount || type < 0 || type >= kMachineTypeCount) return {};
  const ModelNamePool& pool = modelNamePool(maker, type);
  if (pool.count == 0) return {};
  auto& marks = used[maker][type];
  bool exhausted = true;
  for (uint8_t mark : marks) exhausted = exhausted && mark != 0;
  if (exhausted) resetPool(maker, type);
  int i = rng.randInt(kNamePoolCapacity);
  while (marks[i] != 0) i = rng.randInt(kNamePoolCapacity);
  marks[i] = 1;
  return std::string(pool.names[i]);
}

}  // namespace gm
