// What the screens say about a store's staff beyond the store's own staff operations: the
// shortage against the need (不足人員) as the lists write it.
#pragma once

#include <cstdint>
#include <string>

namespace gm {

// Staff minus need as the screens write it: "+3" for a surplus, "±0" when it fits, "-2" for a
// shortage (which the screens show in red).
std::string shortageText(int64_t shortage);
inline bool shortageIsRed(int64_t shortage) { return shortage < 0; }

}  // namespace gm
