// The clean-up that opens a new month for the player's company (`tkaichou::GetsumatsuGo`):
// transfer and land-dealing marks cleared, machines in use appraised, and the owners of
// negotiated land cooling down. This header gives the two president-dependent chances.
#pragma once

namespace gm {

// Chance in a hundred that an island still marked unseen gets appraised this month.
int AppraisalChance(int kantei);
// A purchase negotiation leaves the owner cool for about this many months.
int NegotiationCooldown(int karisuma);

}  // namespace gm
