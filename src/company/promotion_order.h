// Promotions ("販売促進予算変更") of one store or of several: the choices, the staff's limits on
// the tissues and the mail a single store can hand out, and the order that stores the choices.
#pragma once

#include "base/refusal.h"
#include "company/store_selection.h"
#include "store/order_support.h"
#include "store/promotions.h"

namespace gm {

class tworld;

// The largest tissue and mail choices a store's staff can handle: one choice (10,000 tissues)
// for every ten people, at most 10; one choice (1,000 letters) for every five, at most 25.
struct PromotionLimits {
  int tissue = 0;
  int mail = 0;
};
PromotionLimits promotionLimits(const Ttempo& store);

// Sets a choice above the store's limits back to the limit, telling the player so ("人員不足");
// answers whether anything was set back. The single-store dialog runs this on every change.
bool limitToStaff(tworld& world, const Ttempo& store, Thansoku& choices);

// The month's promotion costs of the choices summed over the selected stores (the event is
// priced by each store's floors).
PromotionCosts promotionCost(const tworld& world, const StoreSelection& stores,
                             const Thansoku& choices);

// Choices out of their lists, and for a single store choices beyond its staff; no side effect.
Check CheckPromotions(const tworld& world, const StoreSelection& stores, const Thansoku& choices);
// Asks, then gives every selected store the choices. Several stores are not limited here: each
// store's own staff setters lower the tissues and the mail when they change.
OrderOutcome OrderPromotions(tworld& world, const StoreSelection& stores, const Thansoku& choices);

}  // namespace gm
