// `GetsumatsuGo`: what the company resets after the month's events, in the game's draw order.
#include "company/month_after.h"

#include <array>

#include "base/rating.h"
#include "company/company.h"
#include "world/world.h"

namespace gm {

int AppraisalChance(int kantei) { return kantei / 2 <= 0 ? 1 : kantei / 2; }

int NegotiationCooldown(int karisuma) {
  // A charming president is forgiven sooner.
  static constexpr std::array<int, 10> kMonths = {8, 7, 7, 6, 6, 5, 5, 4, 4, 3};
  return kMonths[bandIndex(karisuma)];
}

void tkaichou::GetsumatsuGo() {
  Random& rng = world_->rng();
  jinjizumi = false;
  koyouzumi = false;

  int chance = AppraisalChance(kantei);
  for (Ttempo& s : tempo) {
    if (!s.used) continue;
    for (int f = 0; f <= s.kibo && f < kFloors; ++f)
      for (Tddai& d : s.dai[f])
        if (d.used && d.virgin && rng.randInt(100) < chance) d.virgin = false;
  }

  int cooldown = NegotiationCooldown(karisuma);
  for (auto& row : baishuuzumi)
    for (uint8_t& mark : row)
      if (mark == 1 && rng.randInt(cooldown) == 2) mark = 0;

  baikyakuzumi = {};
  koujizumi = {};
  for (Ttempo& s : tempo) s.irekaeDone = false;
  for (Tddai& d : dai) d.modelMachine = false;
}

}  // namespace gm
