// A machine maker (`Tmaker`): friendship with the company, presence in the market, trading
// state and its five model slots.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "store/machine.h"

namespace gm {

struct MakerInfo {
  std::string_view name;
  int announceChance;            // per cent per month
  std::array<int8_t, 6> types;   // types tried in order; -1 ends the list
};
const MakerInfo& makerInfo(int maker);

class Tmaker {
 public:
  Tmaker() = default;
  explicit Tmaker(int index) { Create(index); }
  void Create(int index) {
    makerNo = static_cast<uint8_t>(index);
    torihiki = true;
  }

  uint8_t makerNo = 0;
  int32_t yuukou = 0;
  bool shijou = false;
  bool torihiki = true;
  int32_t chuushiMonth = 0;
  bool yuukouGiven = false;
  std::array<tdai, 5> models{};  // slots 1..5 at indices 0..4

  void SetYuukou(int64_t v) { yuukou = static_cast<int32_t>(v < 0 ? 0 : (v > 100 ? 100 : v)); }
  std::string_view name() const { return makerInfo(makerNo).name; }
};

}  // namespace gm
