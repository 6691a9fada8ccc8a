// The gang of professional players at work: while the gang is in town it picks one island of a
// store that made money last month and plays it dry. A machine with more play value than gambling
// appeal is beaten through its play; a gambling machine through its appeal, and then the gang's
// findings may show its model to be illegal everywhere.
#include <array>
#include <string>

#include "base/translation.h"
#include "world/incident_support.h"
#include "world/store_incidents.h"

namespace gm {

using namespace incident;

namespace {

// Damage per point of rating, by machine type; the plain and the one-shot machines give the gang
// nothing to work on.
constexpr std::array<int, kMachineTypeCount> kGangDamage = {0, 30, 35, 0, 40, 45, 40, 45, 35, 50};

// The islands of the store, on its own floors, of the same purchase as `d` (`d` included).
int sameModelIslands(const Ttempo& t, const Tddai& d) {
  int n = 0;
  for (int floor = 0; floor <= t.kibo && floor < kFloors; ++floor)
    for (const Tddai& other : t.dai[floor])
      if (other.sameModel(d)) ++n;
  return n;
}

// The model found illegal is marked so on every island the company holds, and the makers take
// it off sale.
void markIllegalEverywhere(tworld& w, const Tddai& model) {
  for (Ttempo& t : w.kaichou.tempo) {
    if (!t.used) continue;
    for (auto& floor : t.dai)
      for (Tddai& d : floor)
        if (d.sameModel(model)) d.ihou = true;
  }
  for (Tddai& d : w.kaichou.dai)
    if (d.sameModel(model)) d.ihou = true;
  for (Tmaker& maker : w.makers)
    for (tdai& m : maker.models)
      if (m.onSale && model.sameAsModel(m)) m.onSale = false;
}

}  // namespace

bool GangAttack(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  if (!p.gangInTown || t.netProfit() <= Money()) return false;
  tworld& w = p.world;
  Random& rng = w.rng();
  for (int floor = 0; floor <= t.kibo && floor < kFloors; ++floor) {
    for (Tddai& d : t.dai[floor]) {
      if (!d.used || d.kishu == 0 || d.kishu == 3 || d.kishu >= kMachineTypeCount) continue;
      const int g = d.actual[kGambling];
      const int b = d.actual[kPlay];
      int perIsland = 0;
      bool foundIllegal = false;
      if (g < b) {
        const int guard = rng.randInt(120);
        const int grip = rng.randInt(100);
        const int crowd = rng.randInt(100);
        const bool defended = t.skill >= points(guard) || (b < 51 && !d.ihou);
        if (defended || !(grip < b) || !(crowd < f.u3)) continue;
        perIsland = Jitter(kGangDamage[d.kishu] * b, rng);
      } else {
        const int guard = rng.randInt(120);
        const int grip = rng.randInt(100);
        const int crowd = rng.randInt(100);
        const int chance = rng.randInt(4);
        if (t.skill >= points(guard) || (!d.ihou && g < 31) || grip >= g ||
            (crowd >= f.u3 && chance != 1))
          continue;
        perIsland = Jitter(kGangDamage[d.kishu] * g * 2, rng);
        const int finding = rng.randInt(100);
        foundIllegal = finding < 50 && !d.ihou;
      }

      // Every island of the same purchase falls to the same trick; the attacked one counts once.
      const int islands = sameModelIslands(t, d);
      const int64_t loss = int64_t{perIsland} * islands;
      addCash(w, -loss);
      t.setManzoku(t.manzoku - rng.randInt(10));
      t.setSenren(t.senren - rng.randInt(10));
      // The count is of islands, ten machines each.
      const std::string machines = std::to_string(islands) + "0";
      const std::string text =
          foundIllegal
              ? formatText(
                    translate("gang_attack",
                              "%1にて、%2が漁山泊に攻略されました！調査によると、どうやらこの"
                              "台のゲーム性には元々違法性があったようです！被害を受けた台数は"
                              "%3台、被害金額は%4に昇っています！"),
                    {t.name.view(), d.name.view(), machines, amount(loss)})
              : formatText(translate("gang_attack",
                                     "%1にて、%2が漁山泊に攻略されました！被害を受け"
                                     "た台数は%3台、被害金額は%4に昇っています！"),
                           {t.name.view(), d.name.view(), machines, amount(loss)});
      tellStore(w, t, kCueDown, translate("gang_attack", "漁山泊の襲撃"), text, true, kFacePanic);
      if (foundIllegal) {
        p.illegalFound = true;
        p.illegalModel = d;
        markIllegalEverywhere(w, p.illegalModel);
      }
      return true;  // one attack a store
    }
  }
  return false;
}

}  // namespace gm
