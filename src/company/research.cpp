// Customers a day of the player's and the rivals' stores against the city's fans.
#include "company/research.h"

#include "base/rating.h"
#include "world/world.h"

namespace gm {

ResearchFigures researchFigures(const tworld& world) {
  ResearchFigures f;
  f.totalFans = world.TotalFans();
  const int days = world.lastBusinessDays;

  ResearchGauge& mine = f.gauges[0];
  mine.visible = true;
  for (int n = 1; n <= kStoreSlots; ++n)
    if (world.kaichou.slot(n).used) mine.customersPerDay += world.kaichou.slot(n).perDay(days)[2];

  const Tenkaichou& rivals = world.rivals;
  for (int i = 0; i < kRivalCount; ++i) {
    ResearchGauge& g = f.gauges[i + 1];
    g.visible = !rivals.rivalNashi && rivals.sanka[i] && rivals.shikin[i] > Money();
    if (days <= 0) continue;
    for (int k = 1; k <= kRivalStoreSlots; ++k) {
      const TEntempo& t = rivals.Tenpo(k);
      if (t.used && t.owner == i) g.customersPerDay += t.kyaku / days;
    }
  }
  for (ResearchGauge& g : f.gauges) g.percent = percentOf(g.customersPerDay, f.totalFans);
  return f;
}

}  // namespace gm
