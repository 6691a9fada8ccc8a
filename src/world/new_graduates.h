// The yearly intake of new graduates: every April from the second year on, young people ask to
// join the company; how many depends on the staff its stores need and on how the company and
// its stores look to them.
#pragma once

#include "base/money.h"

namespace gm {

class tworld;

struct GraduateIntake {
  Money expected;  // the staff need scaled by the five factors, before the jitter
  int count = 0;   // N
  int men = 0;
  int women = 0;
  int skill = 0;
  int moral = 0;
};

// Only a company with more than this much cash takes graduates on (thousands of yen).
inline constexpr int64_t kGraduateCashFloor = 10000;

// Works the year's applicants out (with their draws) from the company as it stands.
GraduateIntake DrawGraduates(tworld& world);

// Runs the intake when it is due; returns whether it was.
bool NewGraduates(tworld& world);

}  // namespace gm
