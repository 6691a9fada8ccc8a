// The management seminar of May and November: for a fee the president takes one course, and the
// quality the course teaches may grow.
#pragma once

#include <cstdint>
#include <string>

namespace gm {

class tworld;

inline constexpr int64_t kSeminarFee = 500;  // thousands of yen

// Course `position` (0 leadership, 1 intelligence, 2 charm, 3 appraisal) of course set 0..3, as
// the player reads it.
std::string seminarCourseName(int set, int position);

// Returns the quality's gain when the president took a course, or -1 when he did not.
int Seminar(tworld& world);

}  // namespace gm
