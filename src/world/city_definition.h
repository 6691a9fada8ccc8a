// What a city file defines: everything a new game takes from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/block.h"

namespace gm {

struct CityDefinition {
  std::string name;         // UTF-8
  std::string description;  // UTF-8, shown in the city selection dialog
  int height = 0;           // extent of the first block index (mapHeight), 1..50
  int width = 0;            // extent of the second block index (mapWidth), 1..50
  int housingPolicy = 0;
  int commercePolicy = 0;
  int businessPolicy = 0;
  int taxRate = 0;
  int unionHourCut = 0;
  int unionDayCut = 0;
  std::array<std::array<uint8_t, kMapSize>, kMapSize> kinds{};  // [row][column]
  int cityType = 0;
  int maxPachinkoRate = 6;
  int maxSlotRate = 3;

  int cells() const { return height * width; }
};

}  // namespace gm
