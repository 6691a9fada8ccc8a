// The promotion order.
#include "company/promotion_order.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

std::array<int, kPromotionCount> choicesOf(const Thansoku& h) {
  return {h.event, h.tissue, h.mail, h.tvAgency, h.tvSpot, h.www, h.newspaperSize, h.newspaperTerm};
}

bool same(const Thansoku& a, const Thansoku& b) { return choicesOf(a) == choicesOf(b); }

std::string staffLimitText(const Ttempo& store, Promotion p, int limit) {
  const std::string choice = promotionChoiceName(p, limit);
  return formatText(
      p == Promotion::Tissue
          ? translate("promotion_order",
                      "現在の %1 の人員数では、ティッシュの配布量は 「%2」 が限界です。")
          : translate("promotion_order",
                      "現在の %1 の人員数では、ＤＭの配布量は 「%2」 が限界です。"),
      {store.name.view(), choice});
}

}  // namespace

PromotionLimits promotionLimits(const Ttempo& store) {
  const int64_t staff = store.staffTotal();
  return {static_cast<int>(std::min<int64_t>(10, staff / 10)),
          static_cast<int>(std::min<int64_t>(25, staff / 5))};
}

bool limitToStaff(tworld& world, const Ttempo& store, Thansoku& choices) {
  const PromotionLimits limits = promotionLimits(store);
  bool lowered = false;
  if (choices.tissue > limits.tissue) {
    choices.tissue = static_cast<uint8_t>(limits.tissue);
    world.ui().message(translate("promotion_order", "人員不足"),
                       staffLimitText(store, Promotion::Tissue, limits.tissue), false, false,
                       kFaceCry);
    lowered = true;
  }
  if (choices.mail > limits.mail) {
    choices.mail = static_cast<uint8_t>(limits.mail);
    world.ui().message(translate("promotion_order", "人員不足"),
                       staffLimitText(store, Promotion::Mail, limits.mail), false, false, kFaceCry);
    lowered = true;
  }
  return lowered;
}

PromotionCosts promotionCost(const tworld& world, const StoreSelection& stores,
                             const Thansoku& choices) {
  PromotionCosts sum;
  for (int n : slotsOf(stores)) {
    const PromotionCosts c = promotionCost(choices, world.kaichou.slot(n).kibo,
                                           world.kaichou.chisei, world.kaichou.karisuma);
    sum.event += c.event;
    sum.tissue += c.tissue;
    sum.mail += c.mail;
    sum.tv += c.tv;
    sum.www += c.www;
    sum.newspaper += c.newspaper;
    sum.total += c.total;
  }
  return sum;
}

Check CheckPromotions(const tworld& world, const StoreSelection& stores, const Thansoku& choices) {
  const std::array<int, kPromotionCount> c = choicesOf(choices);
  bool ok = allInUse(world.kaichou, stores);
  for (int p = 0; p < kPromotionCount; ++p)
    ok = ok && c[p] < static_cast<int>(promotionChoices(static_cast<Promotion>(p)).size());
  if (!ok)
    return refusal(translate("promotion_order", "販促費変更"),
                   translate("promotion_order", "その販売促進は選べません。"));
  if (stores.count() == 1) {
    const Ttempo& s = world.kaichou.slot(firstSlot(stores));
    const PromotionLimits limits = promotionLimits(s);
    if (choices.tissue > limits.tissue)
      return refusal(translate("promotion_order", "人員不足"),
                     staffLimitText(s, Promotion::Tissue, limits.tissue));
    if (choices.mail > limits.mail)
      return refusal(translate("promotion_order", "人員不足"),
                     staffLimitText(s, Promotion::Mail, limits.mail));
  }
  return std::nullopt;
}

OrderOutcome OrderPromotions(tworld& world, const StoreSelection& stores, const Thansoku& choices) {
  if (Check c = CheckPromotions(world, stores, choices)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  bool changes = false;
  for (int n : slotsOf(stores)) changes = changes || !same(world.kaichou.slot(n).hansoku, choices);
  if (!changes) return OrderOutcome::Unchanged;
  if (!confirmOrder(
          world, translate("promotion_order", "販促費変更"),
          translate("promotion_order", "販売促進業務の予算を変更します。よろしいですか？"), false))
    return OrderOutcome::Declined;
  for (int n : slotsOf(stores)) world.kaichou.slot(n).hansoku = choices;
  return OrderOutcome::Done;
}

}  // namespace gm
