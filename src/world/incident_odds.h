// The draws that decide whether an incident strikes a store or the company: the police raids on
// altered ROMs and jackpot systems, the shills given away, the tax investigation of the
// company's evasion, and the fires of the dry months. The month's incidents draw against these
// ranges; the advisor turns the same ranges into the chances that it warns of.
#pragma once

#include <cstdint>

#include "base/money.h"

namespace gm {

class Ttempo;

// A raid (or an exposure of the shills) needs all of: the staff's morale below RandInt(150)
// (loyal staff keep quiet), the president's wits below RandInt(120) (intelligence for a raid,
// leadership for the shills), his charm below RandInt(120), and then a tip-off: RandInt(100)
// below the unrest around the store, or a coin RandInt(2) = 1 (only the coin for the shills).
inline constexpr int kExposureStaffRange = 150;
inline constexpr int kExposureWitsRange = 120;
inline constexpr int kExposureCharmRange = 120;
inline constexpr int kExposureTipOffRange = 100;
inline constexpr int kExposureCoin = 2;

// What a raid costs: bail of about this much a floor (the jackpot raid's twice the ROM raid's),
// and the store stays closed until the month number plus these months.
inline constexpr int kRomRaidBailPerFloor = 10000;
inline constexpr int kJackpotRaidBailPerFloor = 20000;
inline constexpr int kRomRaidMonths = 4;
inline constexpr int kJackpotRaidMonths = 7;

// The tax investigation looks into the company while the evasion is in force or once this much
// (thousands of yen) has been evaded in all: an audit RandInt(12) = 1, then the staff's average
// morale (at least 50, counted at most 90) and the president's intelligence (counted at most 90)
// each below RandInt(100).
inline constexpr int64_t kEvasionNoticed = 100000;
inline constexpr int kAuditRange = 12;
inline constexpr int kAuditLeakRange = 100;
inline constexpr int kAuditMoraleFloor = 50;
inline constexpr int kAuditCap = 90;

// Fires: in a month of dry air (November to March, when RandInt(3) = 0) a store catches fire
// when RandInt(3) = 1 (RandInt(5) for a store that is not open: nobody is about), the security
// within three blocks is below RandInt(105) and RandInt(100) is below the unrest there. Skilled
// and alert staff then put it out while it is small unless skill < RandInt(130) and morale <
// RandInt(170) (a store without staff counts 50 of each). A fire that breaks out spares
// RandInt(5) floors from the top; when that is not below the floors the store has, it burns down.
inline constexpr int kDryAirRange = 3;
inline constexpr int kSparkOpenRange = 3;
inline constexpr int kSparkClosedRange = 5;
inline constexpr int kFirePoliceRange = 105;
inline constexpr int kFireMaliceRange = 100;
inline constexpr int kFireHandlingRange = 130;
inline constexpr int kFireAlarmRange = 170;
inline constexpr int kFireSparedFloorsRange = 5;
inline constexpr int kUnstaffedPoints = 50;
inline constexpr int kDryAirMonths = 5;
bool IsDryAirMonth(int calendarMonth);

// Chances are in parts per million.
inline constexpr int64_t kChanceScale = 1000000;

// How many of the outcomes 0..range-1 of RandInt(range) lie above `value`.
int64_t OutcomesAbove(Money value, int range);

// The monthly chance that an open store's manipulation `bit` (kShills, kIllegalRom or
// kJackpotControl) comes to light, given the president's qualities and the average unrest
// within three blocks of the store. 0 for a bit the store does not use.
int64_t ExposureChance(const Ttempo& store, uint8_t bit, int chisei, int tousotu, int karisuma,
                       int unrestNearby);
// The monthly chance that the tax investigation finds the evasion, for the staff's average
// morale (whole points) and the president's intelligence.
int64_t AuditChance(int averageMorale, int chisei);

// The chance that a fire breaks out in the store (one its staff cannot put out) in a month of
// dry air, given the average security and unrest within three blocks; and the chance in a year,
// over the dry months, each dry one time in three.
int64_t FireChance(const Ttempo& store, int security, int unrest);
int64_t YearlyFireChance(const Ttempo& store, int security, int unrest);
// The share (per cent) of fires that burn the whole store down.
int FireLossShare(const Ttempo& store);

}  // namespace gm
