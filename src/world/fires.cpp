// Fires in dry air: any store the company has, open or not, may catch fire, more easily when it
// stands closed. Skilled, alert staff put a fire out while it is small; otherwise it burns some
// floors or, when it reaches the top, the whole store, and the land is left bare.
#include <string>

#include "base/translation.h"
#include "world/incident_odds.h"
#include "world/incident_support.h"

namespace gm {

using namespace incident;

namespace {

// Morale and skill in whole points; a store without staff counts as middling.
int staffPoints(const Ttempo& t, Money rating) {
  return t.staffTotal() == 0 ? kUnstaffedPoints : static_cast<int>(rating.trunc());
}

// Returns true when the store was lost and its slot now holds the next store.
bool fireAt(IncidentPass& p, Ttempo& t) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const Tchip& block = w.block(t.blockY, t.blockX);
  const int s3 = block.AverageSecurityWithin(w.blocks, w.mapWidth, w.mapHeight, 3);
  const int u3 = block.AverageUnrestWithin(w.blocks, w.mapWidth, w.mapHeight, 3);
  const int moral = staffPoints(t, t.moral);
  const int skill = staffPoints(t, t.skill);
  // A closed store has nobody about to notice a spark.
  const int spark = rng.randInt(t.joutai == kOpen ? kSparkOpenRange : kSparkClosedRange);
  const int police = rng.randInt(kFirePoliceRange);
  const int malice = rng.randInt(kFireMaliceRange);
  if (spark != 1 || !(s3 < police) || !(malice < u3)) return false;

  const int handling = rng.randInt(kFireHandlingRange);
  const int alarm = rng.randInt(kFireAlarmRange);
  if (!(skill < handling && moral < alarm)) {
    const int cost = Jitter(t.kibo * 70 + 70, rng);
    addCash(w, -cost);
    tellStore(w, t, kCueUp, translate("fires", "ボヤ"),
              formatText(translate("fires",
                                   "%1でボヤ騒ぎがありました！幸いにも駆けつけた人間が"
                                   "素早く適切な初期消火を行ってくれましたので、火災は未然"
                                   "に防がれ、混乱も最小限度に鎮められました。損害は%2程"
                                   "度です。"),
                         {t.name.view(), amount(cost)}),
              true, kFaceSmile);
    return false;
  }

  const int spared = rng.randInt(kFireSparedFloorsRange);
  if (spared < t.kibo) {
    t.fireDamage(t.kibo - spared - 1);
    t.setChimei(t.chimei + rng.randInt(10));
    tellStore(w, t, kCueDown, translate("fires", "火災"),
              formatText(translate("fires",
                                   "%1で火災が発生しました！初期消火は殆ど効果がなく、"
                                   "又消防署への連絡も遅れてしまった為、被害の拡大を防ぎき"
                                   "れなかったようです。誠に無念ながら、%2が全焼してしま"
                                   "いました！"),
                         {t.name.view(), std::to_string(spared + 1)}),
              false, kFaceCry);
    return false;
  }

  const std::string name = t.name.str();
  const int row = t.blockY, column = t.blockX;
  w.block(row, column).kind = kOwnLandKind;
  w.changedBlocks[row][column] = true;
  w.ui().blockChanged(row, column);
  t.init();
  w.kaichou.TempoSort();
  w.ui().pointBlockWindowAt(row, column);
  tell(w, kCueDown, translate("fires", "大火災"),
       formatText(translate("fires",
                            "た、大変です！%1で大規模な火災が発生しました！"
                            "数日来の乾燥した空気のせいで、火の回りが思いのほか早かったよ"
                            "うで、消防隊の必死の消火作業も空しく店舗は焼け落ちてしまいま"
                            "した．．．ご愁傷様でした．．．。"),
                  {name}),
       false, kFaceCry);
  return true;
}

}  // namespace

void Fires(IncidentPass& p) {
  if (!p.dryAir) return;
  tkaichou& k = p.world.kaichou;
  // A store that burns down frees its slot and the stores behind it move up, so the same slot is
  // looked at again: every store has its one chance of fire.
  int n = 1;
  while (n <= kStoreSlots) {
    Ttempo& t = k.slot(n);
    if (!t.used || !fireAt(p, t)) ++n;
  }
}

}  // namespace gm
