// The model-name generator (`tdainameselect`): draws unused names from the fixed pools.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/random.h"
#include "store/machine.h"

namespace gm {

class tdainameselect {
 public:
  tdainameselect() { Reset(); }
  // Marks the first n entries of each pool of n names unused and the rest used.
  void Reset();
  // A name for (maker, type); empty when the pool has no names.
  std::string pickName(int maker, int type, Random& rng);
  // Marks one pool's names unused again.
  void resetPool(int maker, int type);

  // Used-marks, maker-major: [maker][type][entry].
  std::array<std::array<std::array<uint8_t, 30>, kMachineTypeCount>, kMakerCount> used{};
};

}  // namespace gm
