// The monthly step of one city block: what its neighbours within ten blocks pull it towards,
// the random rises and falls of its security, land price, population and ill feeling, its
// fall back to vacant land, and the development of citizens' vacant land.
#pragma once

#include <array>
#include <cstdint>

#include "world/block.h"
#include "world/world.h"

namespace gm {

// What one neighbour, or all of them together, pull a block towards.
struct Influences {
  int64_t growth = 0;
  int64_t security = 0;
  int64_t price = 0;
  int64_t unrest = 0;
  bool operator==(const Influences&) const = default;
};

// The city-wide limits the summed influences are drawn against (each at least 2).
struct InfluenceThresholds {
  int growth = 2;
  int security = 2;
  int price = 2;
  int unrest = 2;
  bool operator==(const InfluenceThresholds&) const = default;
};

// The city-wide inputs of a block's step.
struct BlockStepInputs {
  const BlockGrid* grid = nullptr;
  int width = 0;
  int height = 0;
  uint16_t laws = 0;
  InfluenceThresholds thresholds;
  int cityType = 0;
  FacilityShortages shortages;
  int citySecurity = 0;
  int housing = 0;
  int commerce = 0;
  int business = 0;
  int taxRate = 0;
};

struct BlockStepResult {
  int housing = 0;
  int commerce = 0;
  int business = 0;
  bool changed = false;  // the kind or the development level differs from before the step
};

// The pull of a neighbour at distance d (1..20): T(101 - d), T(n) = n(n + 1) / 2.
int NeighbourWeight(int d);

// One neighbour's contribution; a neighbour of kind 0 gives zeros and draws nothing.
Influences NeighbourEffect(const Tchip& neighbour, int centreKind, int d, int centreOccupancy,
                           int centreLandPrice, Random& rng);

// What the neighbour pass needs of every block, kept compact and ready so that a block's 440
// neighbours cost no divisions and no table walks. The pass refreshes a block's cell after its
// step; between steps the view must match the grid.
class NeighbourView {
 public:
  struct Cell {
    int32_t landPrice = 0;
    uint8_t occupancy = 0;
    uint8_t security = 0;
    uint8_t effectRow = 0;         // row of the neighbour table, or "none" for kind 0
    uint64_t priceReciprocal = 0;  // floor(2^64 / landPrice) + 1: divides by the price exactly
  };
  void Build(const BlockGrid& grid, int width, int height);
  void Refresh(const Tchip& block);
  const Cell& at(int row, int column) const { return cells_[row][column]; }

 private:
  std::array<std::array<Cell, kMapSize>, kMapSize> cells_{};
};

// Step 2: the summed NeighbourEffect of every block within ten rows and columns, row by row,
// with the draws in the same order.
Influences SumNeighbourEffects(const Tchip& block, const NeighbourView& view, int width, int height,
                               Random& rng);

// Every other step of the block, given the sums of the neighbour pass.
BlockStepResult SettleBlock(Tchip& block, const BlockStepInputs& in, const Influences& sums,
                            Random& rng);

// The whole step, with a view that matches the grid.
BlockStepResult SimulateBlock(Tchip& block, const BlockStepInputs& in, const NeighbourView& view,
                              Random& rng);
// The whole step, for a single block outside a pass (builds its own view).
BlockStepResult SimulateBlock(Tchip& block, const BlockStepInputs& in, Random& rng);

}  // namespace gm
