// The incident pass: its state and city figures, the order of its steps, and the helpers the
// incident files share.
#include "world/incidents.h"

#include <climits>

#include "base/rating.h"

#include "world/incident_support.h"
#include "world/world.h"

namespace gm {

IncidentPass::IncidentPass(tworld& w, int monthlyHours)
    : world(w),
      hours(monthlyHours),
      calendarMonth(CalendarMonth(w.month)),
      density(w.Density()),
      totalPopulation(w.TotalPopulation()),
      averageSecurity(w.AverageSecurity()),
      averageUnrest(w.AverageUnrest()) {}

void RunIncidents(tworld& world, int hours) {
  IncidentPass p(world, hours);
  DryAir(p);
  GangArrival(p);
  GangWar(p);
  UnionComplaint(p);
  RomRaids(p);
  JackpotRaids(p);
  StoreIncidents(p);
  Fires(p);
  TaxEvasionDiscovery(p);
  Demonstration(p);
  Earthquake(p);
}

namespace incident {

void tell(tworld& w, int cueBefore, std::string_view title, const std::string& text, bool cash,
          int face, int cueAfter) {
  Frontend& ui = w.ui();
  if (cueBefore != kNoCue) ui.playCue(cueBefore);
  ui.message(title, text, cash, false, face);
  if (cueAfter != kNoCue) ui.playCue(cueAfter);
}

void tellStore(tworld& w, const Ttempo& t, int cueBefore, std::string_view title,
               const std::string& text, bool cash, int face, int cueAfter) {
  w.ui().pointBlockWindowAt(t.blockY, t.blockX);
  tell(w, cueBefore, title, text, cash, face, cueAfter);
}

int takingsShare(const Ttempo& t, int64_t divisor) {
  const int64_t share = t.uriage[kTotal].raw() / (divisor * Money::kScale);
  return static_cast<int>(clampValue(share, 0, INT_MAX / 2));
}

void stainNeighbourhood(tworld& w, const Ttempo& t, Reach reach, int unrest, int fans) {
  Random& rng = w.rng();
  const auto each = [&](auto&& f) {
    if (reach == Reach::PopulatedBlocks)
      forPopulatedSquare(w, t.blockY, t.blockX, 4, f);
    else
      forSquare(w, t.blockY, t.blockX, 4, f);
  };
  each([&](Tchip& b) { b.SetUnrest(b.unrest + rng.randInt(unrest)); });
  each([&](Tchip& b) { b.SetFanRate(b.fanRate - rng.randInt(fans), w.laws); });
}

}  // namespace incident

}  // namespace gm
