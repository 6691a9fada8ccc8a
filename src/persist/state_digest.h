// A digest of the whole game state, field by field (never the memory image, whose padding is
// undefined). Golden tests and the headless player compare games by it: the same seed and the
// same orders must give the same digest on every run and every platform.
#pragma once

#include <cstdint>

namespace gm {

class tworld;

uint64_t StateDigest(const tworld& world);

}  // namespace gm
