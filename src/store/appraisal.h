// The appraisal of a model in the maker screen: the dialogue the screen types line by line, the
// verdict by the sum of the published ratings, and what the list shows before an appraisal.
#pragma once

#include <array>
#include <string>

#include "store/machine.h"

namespace gm {

inline constexpr int kAppraisalLines = 11;

// The dialogue in the order the screen types it: the opening, a question and an answer for each
// of the four published ratings, the question about the whole and the verdict.
std::array<std::string, kAppraisalLines> appraisalDialogue(const Ratings& nominal);
// The verdict alone, by the sum of the four published ratings.
std::string appraisalVerdict(int ratingSum);

// Marks the model appraised; true when it had not been appraised before (the screen then plays
// the dialogue unless the skip option is on).
bool appraise(tdai& model);
// A published rating as the model list sorts it: 0 until the model is appraised.
int listedRating(const tdai& model, int rating);

}  // namespace gm
