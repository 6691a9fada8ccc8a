// The promotion choices' names.
#include "store/promotions.h"

#include <array>

namespace gm {

namespace {
constexpr std::array<std::string_view, 6> kTvAgencies = {
    "放映しない", "駒洒落エージェンシー", "電詩広告社", "GAPTAIN", "博宝道", "電痛"};
}  // namespace

std::string_view tvAgencyName(int choice) {
  return choice >= 0 && choice < static_cast<int>(kTvAgencies.size()) ? kTvAgencies[choice]
                                                                      : std::string_view();
}

}  // namespace gm
