// The charity's request for a donation (March and September) and the donation window's rule for
// the amount.
#pragma once

#include <cstdint>
#include <string>

#include "base/money.h"

namespace gm {

class tworld;

// Only a company with at least this much cash is asked (thousands of yen).
inline constexpr int64_t kDonationCashFloor = 100000;
inline constexpr int64_t kLargestDonation = 2147483647;

// The amount the donation window holds once the player has typed `typed`: nothing typed (or
// nothing above 0) is 0; otherwise at least 1, at most 2147483647, and below the cash (an amount
// not below it becomes cash - 1).
int64_t limitDonation(int64_t typed, Money cash);
// The window's question before it gives the amount away.
std::string donationQuestion(int64_t amount);
// How much the gift means to the city: Trunc(amount / remaining cash x 10), 0..9.
int donationLevel(int64_t amount, Money remaining);

// Returns whether the company gave anything.
bool DonationRequest(tworld& world);

}  // namespace gm
