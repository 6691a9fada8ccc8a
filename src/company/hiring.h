// Bringing new people in: hiring (雇用, once a month, paid) and the yearly new graduates' entry
// (入社). Both put the newcomers into the personnel screen's surplus pool.
#pragma once

#include <cstdint>

#include "base/frontend.h"
#include "base/refusal.h"

namespace gm {

class PersonnelSession;
class tworld;

// The sex choice of a hiring (性別指定).
enum class HireSex : uint8_t { Any, Men, Women };  // "指定なし", "男性", "女性"

inline constexpr int kMaxHire = 10000;

// Refused when the company has already hired this month; no side effect.
Check CheckHiring(const tworld& world);
// Refused for a number outside 0..10000; no side effect.
Check CheckHireCount(int count);
// What hiring `count` people costs this month, in thousands of yen.
int64_t HiringCost(const tworld& world, int64_t count, HireSex sex);
// The whole order: checks, the question (with tellmsg), the payment, the recruits' morale, skill
// and sexes, and their entry into the pool. True when anybody was hired.
bool Hire(PersonnelSession& session, int count, HireSex sex);

// The entry screen's choice: at most the offered men and women, none negative; no side effect.
Check CheckGraduateIntake(const GraduateOffer& offer, int men, int women);
// Takes `men` and `women` of the offered graduates into the pool after the question (with
// tellmsg). True when anybody joined.
bool TakeInGraduates(PersonnelSession& session, const GraduateOffer& offer, int men, int women);

}  // namespace gm
