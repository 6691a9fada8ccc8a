// The store's promotions (販売促進): the choices of each promotion with their names and base
// prices, and what the chosen promotions cost a month. The promotion dialog offers these
// choices and shows these costs; the monthly close charges them with the operating costs.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/money.h"
#include "store/store.h"

namespace gm {

// The promotions, in the order of the fields of `Thansoku`.
enum class Promotion : uint8_t {
  Event,
  Tissue,
  Mail,
  TvAgency,
  TvSpot,
  Www,
  NewspaperSize,
  NewspaperTerm
};
inline constexpr int kPromotionCount = 8;

struct PromotionChoice {
  std::string_view name;  // as written; the player reads `promotionChoiceName`
  // Base price in thousands of yen before the president's factors; for a newspaper page size
  // the price of one day. The TV spot length and the newspaper period carry no price of their
  // own (see `tvSpotMultiplier` and `newspaperBasePrice`).
  int32_t price = 0;
};

// The choices of a promotion, indexed as `Thansoku` stores them; choice 0 is "not done".
std::span<const PromotionChoice> promotionChoices(Promotion p);
// A choice's name and base price; a choice out of range reads as choice 0.
const PromotionChoice& promotionChoice(Promotion p, int choice);
// A choice's name in the player's language.
std::string promotionChoiceName(const PromotionChoice& choice);
std::string promotionChoiceName(Promotion p, int choice);
// How many times the agency's price a spot length costs (x10,000): "15秒" 1, "25秒" 2.5.
Money tvSpotMultiplier(int spot);
// The newspaper's base price for a page size: a one-day advertisement ("１日", period 0) has its
// own price list, every longer period another.
int32_t newspaperBasePrice(int size, int term);

// The month's cost of each promotion and their total, in whole thousands of yen.
struct PromotionCosts {
  int32_t event = 0;
  int32_t tissue = 0;
  int32_t mail = 0;
  int32_t tv = 0;
  int32_t www = 0;
  int32_t newspaper = 0;
  int32_t total = 0;
};
// The cost of a promotion record for a store of size `kibo` (the dialog prices its working
// record this way), with the president's intelligence `chisei` and charisma `karisuma`.
PromotionCosts promotionCost(const Thansoku& hansoku, int kibo, int chisei, int karisuma);
// The cost of the store's own promotions.
PromotionCosts promotionCost(const Ttempo& store, int chisei, int karisuma);

}  // namespace gm
