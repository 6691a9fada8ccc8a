// The eleven makers: their table, their discount and the friendship a purchase earns.
#include "store/maker.h"

#include <array>

#include "base/translation.h"

namespace gm {

namespace {

constexpr std::array<MakerInfo, kMakerCount> kMakers = {{
    {"平輪", 30, {4, 5, 1, 0, 6, -1}},
    {"山共", 35, {5, 4, 0, 1, 6, -1}},
    {"煮詩陣", 30, {5, 0, 4, 3, 6, 7}},
    {"大位置", 30, {6, 1, 5, 4, 7, -1}},
    {"狂楽", 25, {4, 5, 2, 3, 1, 0}},
    {"乳銀", 25, {1, 0, 3, 4, 5, -1}},
    {"不治商事", 25, {2, 7, 1, 5, 4, -1}},
    {"ヤメサ", 20, {8, 9, -1, -1, -1, -1}},
    {"ユニパーサル", 20, {8, 9, -1, -1, -1, -1}},
    {"サムー工業", 25, {8, 9, -1, -1, -1, -1}},
    {"オリンポア", 25, {8, 9, -1, -1, -1, -1}},
}};

// Friendship per point of discount: the smaller, the more generous the maker.
constexpr std::array<int, kMakerCount> kDiscountDivisor = {7, 8, 7, 8, 9, 6, 9, 10, 9, 8, 8};

constexpr int kFriendlyThreshold = 50;
constexpr int64_t kMinimumDiscount = 10000;  // 1 %

}  // namespace

const MakerInfo& makerInfo(int maker) {
  return kMakers[maker >= 0 && maker < kMakerCount ? maker : 0];
}

Money discount(const Tmaker& maker) {
  if (maker.yuukou <= kFriendlyThreshold) return Money();
  int k = kDiscountDivisor[maker.makerNo < kMakerCount ? maker.makerNo : 0];
  Money d = Money::ratio(maker.yuukou, k);
  return d.raw() < kMinimumDiscount ? Money::fromRaw(kMinimumDiscount) : d;
}

std::string discountText(const Tmaker& maker) {
  Money d = discount(maker);
  if (d.raw() == 0) return translate("maker", "値引き：  なし");
  int64_t hundredths = (d.raw() + 50) / 100;  // the screen rounds the last digits half up
  const int64_t cents = hundredths % 100;
  return formatText(
      translate("maker", "値引き：  %1%"),
      {std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents)});
}

std::string friendshipText(const Tmaker& maker) {
  if (!maker.torihiki) return translate("maker", "取引中止");
  if (maker.yuukou <= 0) return translate("maker", "友好度：  －");
  return formatText(translate("maker", "友好度：  %1"), {std::to_string(maker.yuukou)});
}

BuyGainResult buyGain(Tmaker& maker, int units, tdai& model, int charisma, Random& rng) {
  // A small run makes every machine count for more; large runs are measured against 10,000.
  int64_t run = model.shukka >= 2000 ? model.shukka : 10000;
  int64_t share = Money::ratio(units, run).raw();  // round(units / run x 10,000)
  int64_t g = share * 3000 / Money::kScale;
  int64_t q = charisma / 15;
  if (q > 1) g += rng.randInt(static_cast<int>(q)) + 1;
  if (g < 5) g = rng.randInt(5) + 1;
  if (g > 20) g = rng.randInt(10) + 21;

  int before = maker.yuukou;
  if (!maker.yuukouGiven) {
    maker.SetYuukou(maker.yuukou + g);
    maker.yuukouGiven = true;
  }
  BuyGainResult result;
  model.zaiko -= units;
  if (model.zaiko <= 0) {
    model.onSale = false;
    result.soldOut = true;
  }
  result.gain = maker.yuukou - before;
  return result;
}

}  // namespace gm
