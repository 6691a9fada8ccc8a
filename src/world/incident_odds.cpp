// The odds of the exposure draws, counted outcome by outcome so that they hold exactly for the
// game's uniform RandInt.
#include "world/incident_odds.h"

#include <algorithm>

#include "store/store.h"

namespace gm {

int64_t OutcomesAbove(Money value, int range) {
  if (range <= 0) return 0;
  if (value < Money()) return range;
  // k > value exactly when k >= trunc(value) + 1, for a fractional value as for a whole one.
  return std::clamp<int64_t>(range - 1 - value.trunc(), 0, range);
}

int64_t ExposureChance(const Ttempo& s, uint8_t bit, int chisei, int tousotu, int karisuma,
                       int unrestNearby) {
  if ((s.kousaku & bit) == 0) return 0;
  const bool shills = bit == kShills;
  const int64_t staff = OutcomesAbove(s.moral, kExposureStaffRange);
  const int64_t wits = OutcomesAbove(Money::fromInt(shills ? tousotu : chisei), kExposureWitsRange);
  const int64_t charm = OutcomesAbove(Money::fromInt(karisuma), kExposureCharmRange);
  // The shills' tip-off is the coin alone; a raid's is the unrest or the coin, whichever comes.
  int64_t tip = 1, tips = kExposureCoin;
  if (!shills) {
    const int64_t restless = std::clamp(unrestNearby, 0, kExposureTipOffRange);
    tip = kExposureTipOffRange * kExposureCoin - (kExposureTipOffRange - restless);
    tips = int64_t{kExposureTipOffRange} * kExposureCoin;
  }
  const int64_t outcomes =
      int64_t{kExposureStaffRange} * kExposureWitsRange * kExposureCharmRange * tips;
  return staff * wits * charm * tip * kChanceScale / outcomes;
}

int64_t AuditChance(int averageMorale, int chisei) {
  const int morale = std::min(std::max(averageMorale, kAuditMoraleFloor), kAuditCap);
  const int64_t leak = OutcomesAbove(Money::fromInt(morale), kAuditLeakRange);
  const int64_t slip = OutcomesAbove(Money::fromInt(std::min(chisei, kAuditCap)), kAuditLeakRange);
  return leak * slip * kChanceScale / (int64_t{kAuditRange} * kAuditLeakRange * kAuditLeakRange);
}

bool IsDryAirMonth(int m) { return m >= 11 || m <= 3; }

int64_t FireChance(const Ttempo& s, int security, int unrest) {
  const bool staffed = s.staffTotal() > 0;
  const Money skill = staffed ? s.skill : Money::fromInt(kUnstaffedPoints);
  const Money moral = staffed ? s.moral : Money::fromInt(kUnstaffedPoints);
  const int spark = s.joutai == kOpen ? kSparkOpenRange : kSparkClosedRange;
  const int64_t police = OutcomesAbove(Money::fromInt(security), kFirePoliceRange);
  const int64_t malice = std::clamp(unrest, 0, kFireMaliceRange);
  const int64_t handling = OutcomesAbove(skill, kFireHandlingRange);
  const int64_t alarm = OutcomesAbove(moral, kFireAlarmRange);
  const int64_t outcomes =
      int64_t{spark} * kFirePoliceRange * kFireMaliceRange * kFireHandlingRange * kFireAlarmRange;
  return police * malice * handling * alarm * kChanceScale / outcomes;
}

int64_t YearlyFireChance(const Ttempo& s, int security, int unrest) {
  return std::min(FireChance(s, security, unrest) * kDryAirMonths / kDryAirRange, kChanceScale);
}

int FireLossShare(const Ttempo& s) {
  const int burnt = std::max(kFireSparedFloorsRange - s.kibo, 0);
  return burnt * 100 / kFireSparedFloorsRange;
}

}  // namespace gm
