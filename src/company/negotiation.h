// The purchase negotiation ("買収交渉") with a block's owner, and the whole buy order that leads
// to it. The talk reaches the player only through the port: the lines, their faces, the offers
// and the pauses are port calls, so a test runs a negotiation in no time with the same draws.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/money.h"

namespace gm {

class Random;
class tworld;

// The owner's reaction to an offer; it is also the owner's face while he answers.
enum OwnerReaction : int {
  kOwnerAccepts = 0,   // `waraig`
  kOwnerGrumbles = 1,  // `magaog`
  kOwnerHurt = 2,      // `nakig`
  kOwnerAngry = 3,     // `ikarig`
};
inline constexpr int kOwnerFaces = 4;

// The president's charm shifts every reaction: -10 for 0..9 rising by 2 a decile to 8 for 90..100.
int charmBonus(int karisuma);
// The reaction to `offer` against the asking price; a penalty above 1 draws RandInt(penalty) and
// takes it off (the second round's ill humour).
int ownerReaction(int64_t offer, int64_t askingPrice, int bonus, int penalty, Random& rng);
// What the owner says to the first (round 1) or second (round 2) offer.
std::string ownerReply(int reaction, int round);
// The largest offer the amount dialog takes: cash minus one, in whole thousands of yen, so that
// the payment of any offer goes through.
int64_t offerCap(Money cash);

enum class NegotiationResult : uint8_t {
  None = 0,
  Bought = 1,
  NotBought = 2,
};

// One negotiation, as long as its screen lives.
class BuyNegotiation {
 public:
  // Prepares the talk about the block at (row, column) for the owner's asking price; a price of
  // 0 counts as 1, so that every offer can be weighed against it.
  void KoushouKaishi(int row, int column, int64_t askingPrice);
  // The talk itself, from the owner's first question to the outcome: on success the company has
  // paid and, for rival land, the rival has been paid. The block itself is left to the caller.
  NegotiationResult Koushou(tworld& world);
  // Opens the screen, talks, and waits for the player to close the screen.
  NegotiationResult Run(tworld& world);

  int row() const { return row_; }
  int column() const { return column_; }
  int64_t askingPrice() const { return askingPrice_; }
  NegotiationResult result() const { return result_; }

 private:
  NegotiationResult succeed(tworld& world, int64_t offer);
  NegotiationResult fail(tworld& world);

  int row_ = 0;
  int column_ = 0;
  int64_t askingPrice_ = 1;
  NegotiationResult result_ = NegotiationResult::None;
};

// How the block window's buy order ended.
enum class LandPurchaseOutcome : uint8_t {
  Refused,    // a check refused the order; nothing changed
  Failed,     // the owner would not sell at all
  Declined,   // the player did not want to negotiate
  NotBought,  // the negotiation failed or was broken off
  Bought,     // the block is the company's vacant land now
};

// The buy order from the block window, all the way: refusal, asking price, negotiation,
// payment and the block's new owner.
LandPurchaseOutcome BuyLand(tworld& world, int row, int column);

}  // namespace gm
