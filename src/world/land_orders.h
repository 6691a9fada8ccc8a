// The block window's land orders, buying ("買収") and selling ("売却") a block, as core
// operations: a screen or a test calls them with the world and the block's position and the
// player is reached only through the world's port.
#pragma once

#include <cstdint>

#include "base/refusal.h"

namespace gm {

class tworld;

// How far the buy order went before the purchase negotiation.
enum class PurchaseStep : uint8_t {
  Refused,    // a check refused the order; nothing changed
  Failed,     // the owner would not sell ("買収失敗"); the month's mark is set
  Declined,   // the player said no to the question; the month's mark is set
  Negotiate,  // the negotiation starts now with `price`
};

struct PurchaseOpening {
  PurchaseStep step = PurchaseStep::Refused;
  int64_t price = 0;  // the owner's asking price, whole thousands of yen
  bool negotiate() const { return step == PurchaseStep::Negotiate; }
};

// The buy order's refusals, in the order the game checks them; no side effect.
Check CheckLandPurchase(const tworld& world, int row, int column);
// Runs the buy order up to the negotiation: refusals, the month's mark, the asking price, the
// owner's refusal and (with tellmsg) the question. The negotiation step takes the returned price
// and, when it agrees, calls ApplyLandPurchase.
PurchaseOpening OpenLandPurchase(tworld& world, int row, int column);
// The block passes to the company as its own vacant land.
void ApplyLandPurchase(tworld& world, int row, int column);

enum class SaleOutcome : uint8_t {
  Refused,    // a check refused the order
  Cancelled,  // no price was entered; no mark
  NoBuyer,    // nobody took the land at that price
  SentAway,   // the player turned the buyer away
  Sold,
};

// The sell order's refusals, in the order the game checks them; no side effect.
Check CheckLandSale(const tworld& world, int row, int column);
// Runs the whole sell order through the port. An asking price below 1 is refused as the checks
// are: nothing is marked, drawn or shown.
SaleOutcome SellLand(tworld& world, int row, int column);

}  // namespace gm
