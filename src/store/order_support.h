// What the player's store orders share: the outcome a screen reads after an order, the
// confirmation question that only the `tellmsg` option asks, and the payment that answers a
// shortfall with the game's own refusal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/refusal.h"
#include "base/translation.h"

namespace gm {

class tworld;

enum class OrderOutcome : uint8_t {
  Refused,    // a check refused the order; nothing changed
  Unchanged,  // the order would change nothing, so nothing was asked or paid
  Declined,   // the player said no (or cancelled a dialog the order asked for)
  Unpaid,     // the company could not pay; nothing changed
  Done,
};

inline Refusal refusal(std::string_view title, std::string_view text, bool showCash = false) {
  return Refusal{std::string(title), std::string(text), kFaceCry, showCash};
}

// The refusal of a payment the company cannot make.
inline Refusal cashShortage() {
  return refusal(translate("order_support", "資金不足"),
                 translate("order_support", "資金が足りません。"), true);
}

// The order's confirmation question: asked only while `tellmsg` is on; true means go ahead.
bool confirmOrder(tworld& world, std::string_view title, std::string_view text,
                  bool showCash = true);

// Pays through the company; on failure shows the shortage and answers false.
bool payOrder(tworld& world, int64_t cost);

// The question a store order always asks, whatever `tellmsg` says.
bool askPlayer(tworld& world, std::string_view title, std::string_view text);

}  // namespace gm
