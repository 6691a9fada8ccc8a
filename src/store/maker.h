// A machine maker (`Tmaker`): friendship with the company, presence in the market, trading
// state and its five model slots.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include <string>

#include "base/money.h"
#include "base/random.h"
#include "store/machine.h"

namespace gm {

struct MakerInfo {
  std::string_view name;
  int announceChance;           // per cent per month
  std::array<int8_t, 6> types;  // types tried in order; -1 ends the list
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
  bool anyOnSale() const {
    for (const tdai& m : models)
      if (m.onSale) return true;
    return false;
  }
};

// The maker's discount on its prices, per cent x 10,000: none up to a friendship of 50.
Money discount(const Tmaker& maker);

// The maker screen's lines: "値引き：  12.50%" (or "値引き：  なし") and "友好度：  64" (or "－"),
// the latter replaced by "取引中止" while trading is suspended.
std::string discountText(const Tmaker& maker);
std::string friendshipText(const Tmaker& maker);

// What a purchase did to the maker: the change of friendship and whether the model sold out.
struct BuyGainResult {
  int gain = 0;
  bool soldOut = false;
};
// A purchase of `units` machines of `model` (one of the maker's models): the friendship gain
// (at most once a month) and the model's stock.
BuyGainResult buyGain(Tmaker& maker, int units, tdai& model, int charisma, Random& rng);

}  // namespace gm
