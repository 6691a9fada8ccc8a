// The rival companies' names and records.
#include "company/rivals.h"

#include <array>

namespace gm {

namespace {
constexpr std::array<std::string_view, kRivalCount> kRivalNames = {
    "パーラーＷild", "Parlor SPEED", "パーラー・ユダ", "MEDIA PARK", "釘心会館"};
}

std::string_view rivalName(int rival) {
  return rival >= 0 && rival < kRivalCount ? kRivalNames[rival] : std::string_view();
}

Tenkaichou::Tenkaichou(tworld& world) : world_(&world) {}

}  // namespace gm
