// The headless player's port.
#include "player_port.h"

#include <algorithm>

#include "company/negotiation.h"
#include "player_orders.h"
#include "strategy.h"
#include "world/donation.h"
#include "world/world.h"

namespace gm {

PlayerPort::PlayerPort(tworld& world, Strategy& strategy) : world_(world), strategy_(strategy) {}

bool PlayerPort::message(std::string_view title, std::string_view text, bool, bool confirm, int) {
  observe(title);
  observe(text);
  ++messages_;
  ledger_.messageShown();
  if (!confirm) return true;
  ++questions_;
  const bool yes = titleSource_ ? strategy_.confirm(world_, titleSource_(title), text)
                                : strategy_.confirm(world_, title, text);
  ledger_.questionAnswered(text, yes);
  return yes;
}

void PlayerPort::cashChanged() { ledger_.cashChanged(world_.kaichou.sikin); }

std::optional<std::string> PlayerPort::askStoreName(std::string_view proposed) {
  std::optional<std::string> name = strategy_.storeName(world_, proposed);
  if (name) observe(*name, true);
  return name;
}

std::optional<int64_t> PlayerPort::askSalePrice(int landPrice) {
  std::optional<int64_t> price = strategy_.salePrice(world_, landPrice);
  if (price) ledger_.setExpected(*price);
  return price;
}

void PlayerPort::offerGraduates(const GraduateOffer& offer) {
  if (orders_) strategy_.graduates(world_, *orders_, offer);
}

void PlayerPort::negotiationBegin(int, int, int64_t askingPrice) {
  askingPrice_ = askingPrice;
  round_ = 0;
}

std::optional<int64_t> PlayerPort::askPurchaseOffer(std::string_view title, int64_t, Money cash) {
  observe(title);
  ++round_;
  std::optional<int64_t> offer = strategy_.purchaseOffer(world_, round_, askingPrice_, cash);
  // The negotiation holds the offer below the cash, and that is what would be paid.
  if (offer && *offer > 0) ledger_.setExpected(-std::min(*offer, offerCap(cash)));
  return offer;
}

std::optional<int64_t> PlayerPort::askDonation(Money cash) {
  std::optional<int64_t> typed = strategy_.donation(world_, cash);
  if (typed) ledger_.donationGiven(limitDonation(*typed, cash));
  return typed;
}

int PlayerPort::askSeminarCourse(const SeminarOffer& offer) {
  for (const std::string& course : offer.courses) observe(course);
  return strategy_.seminarCourse(world_, offer);
}

}  // namespace gm
