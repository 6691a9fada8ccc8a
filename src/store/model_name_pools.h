// Fixed pools of machine model names, one per maker and machine type.
#pragma once
#include <array>
#include <string_view>

namespace gm {

inline constexpr int kNamePoolCapacity = 30;

struct ModelNamePool {
  int count = 0;                                            // names in use: 0..30
  std::array<std::string_view, kNamePoolCapacity> names{};  // UTF-8; entries >= count empty
};

// maker 0..10, type 0..9; any other pair yields an empty pool.
const ModelNamePool& modelNamePool(int maker, int type);

}  // namespace gm
