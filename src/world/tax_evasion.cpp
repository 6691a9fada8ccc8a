// The discovery of the company's tax evasion: while the evasion runs, or once enough tax has
// been evaded, the tax office may find it out. Loyal, well-led staff and a shrewd president keep
// it hidden longer; once found, the evaded tax is owed half as much again, every open store is
// closed for six months and the whole city turns against the halls.
#include <algorithm>
#include <string>

#include "base/translation.h"
#include "world/incident_odds.h"
#include "world/incident_support.h"

namespace gm {

using namespace incident;

void TaxEvasionDiscovery(IncidentPass& p) {
  tworld& w = p.world;
  tkaichou& k = w.kaichou;
  if (!k.datuzei && k.datuzeiruikei < Money::fromInt(kEvasionNoticed)) return;

  const int morale = std::max<int>(static_cast<int>(k.StaffShuukei(p.hours, w.month).moral.trunc()),
                                   kAuditMoraleFloor);
  Random& rng = w.rng();
  const int audit = rng.randInt(kAuditRange);
  const int leak = rng.randInt(kAuditLeakRange);
  const int slip = rng.randInt(kAuditLeakRange);
  if (audit != 1 || std::min(morale, kAuditCap) >= leak ||
      std::min<int>(k.chisei, kAuditCap) >= slip)
    return;

  const int64_t penalty = (k.datuzeiruikei * Money::fromRaw(15000)).round();
  addCash(w, -penalty);
  k.datuzei = false;
  k.datuzeiruikei = Money();
  k.SetKarisuma(k.karisuma - 10);
  k.SetTousotu(k.tousotu - 10);
  forPopulatedCity(w, [&](Tchip& b) {
    b.SetUnrest(b.unrest + rng.randInt(5));
    b.SetFanRate(b.fanRate - rng.randInt(10), w.laws);
  });
  for (Ttempo& t : k.tempo) {
    if (!t.used || t.joutai != kOpen) continue;
    t.teishiMonth = w.month + 7;
    t.setJoutai(kSuspended);
    t.setSenren(t.senren - (rng.randInt(10) + 5));
    t.setManzoku(t.manzoku - (rng.randInt(10) + 5));
    addMoral(t, -(rng.randInt(15) + 10));
  }
  tell(w, kCueDown, translate("tax_evasion", "脱税発覚"),
       formatText(translate("tax_evasion",
                            "脱税が露見してしまいました！国税局に追徴課税"
                            "%1の支払いを命ぜられ、現在営業中の店舗は全て６ヶ月の営業停止処分を受け"
                            "ました！市内は騒然としております．．．。"),
                  {amount(penalty)}),
       true, kFaceCry);
}

}  // namespace gm
