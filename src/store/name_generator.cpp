// Drawing model names from the fixed pools without repeating a name until a pool runs out.
#include "store/name_generator.h"

namespace gm {

void tdainameselect::Reset() {
  for (auto& maker : used)
    for (auto& pool : maker) pool.fill(1);
}

}  // namespace gm
