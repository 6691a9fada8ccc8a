// The incidents of the city as a whole: the dry-air warning of the cold months, the gang of
// professional players and the gang war that come to a crowded city, the union's complaint about
// gambling appeal in January, and the October demonstration against the halls.
#include <string>

#include "base/translation.h"
#include "world/incident_odds.h"
#include "world/incident_support.h"

namespace gm {

using namespace incident;

namespace {

// The integer average of the actual gambling appeal over every island of every store the
// company has, whatever its state.
int averageGamblingAppeal(const tworld& w) {
  int64_t sum = 0, n = 0;
  for (const Ttempo& t : w.kaichou.tempo) {
    if (!t.used) continue;
    for (int floor = 0; floor <= t.kibo && floor < kFloors; ++floor)
      for (const Tddai& d : t.dai[floor]) {
        if (!d.used) continue;
        sum += d.actual[kGambling];
        ++n;
      }
  }
  return n == 0 ? 0 : static_cast<int>(sum / n);
}

}  // namespace

void DryAir(IncidentPass& p) {
  Random& rng = p.world.rng();
  const int air = rng.randInt(kDryAirRange);
  if (air != 0 || !IsDryAirMonth(p.calendarMonth)) return;
  p.dryAir = true;
  // The warning itself is not always given: the fires may come unannounced.
  if (rng.randInt(100) > 60)
    tell(p.world, kNoCue, translate("city_incidents", "異常乾燥注意報"),
         translate("city_incidents", "空気が乾燥しています。火の元には充分注意しましょう。"), false,
         kFaceNormal, kNoCue);
}

void GangArrival(IncidentPass& p) {
  tworld& w = p.world;
  const int rumour = w.rng().randInt(2);
  const bool season = (w.hasLaw(kLawLongHours) && p.calendarMonth == 2) || p.calendarMonth == 9;
  if (rumour != 1 || !season || p.density <= 30) return;
  p.gangInTown = true;
  tell(w, kNoCue, translate("city_incidents", "漁山泊の蠢動"),
       formatText(
           translate("city_incidents", "%1にパチンコ攻略集団「漁山泊」がやってきているようです。"),
           {w.cityName.view()}),
       false, kFaceCry, kNoCue);
}

void GangWar(IncidentPass& p) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int spark = rng.randInt(3);
  const int police = rng.randInt(125);
  const bool tension = spark == 1 || !w.hasLaw(kLawExchangeEased);
  if (!tension || (p.calendarMonth != 11 && p.calendarMonth != 12) || p.density <= 50 ||
      p.totalPopulation <= 50000 || p.averageSecurity >= police)
    return;
  p.gangWar = true;
  tell(w, kNoCue, translate("city_incidents", "暴力団抗争"),
       formatText(translate("city_incidents",
                            "%1で暴力団同士の抗争が激化しております。"
                            "我が社で事件が起こらなければよいのですが．．．"),
                  {w.cityName.view()}),
       false, kFaceCry, kNoCue);
}

void UnionComplaint(IncidentPass& p) {
  tworld& w = p.world;
  tkaichou& k = w.kaichou;
  const int appeal = averageGamblingAppeal(w);
  const int mood = w.rng().randInt(2);
  if (k.sikin <= Money::fromInt(5001) || mood != 1 || p.calendarMonth != 1 || appeal <= 70) return;

  const int64_t fine = clampValue((k.sikin * Money::fromRaw(1000)).round(), 5000, 500000);
  const bool pay = w.ui().message(
      translate("city_incidents", "組合からの苦情"),
      formatText(translate("city_incidents",
                           "組合から我が社に苦情が届いております。内容は「市民の射幸心を煽りすぎ、"
                           "パチンコに対する不信感が高まっている」との事です。組合の規制の締め付け"
                           "を回避する為に、追徴金%1を支払いますか？"),
                 {amount(fine)}),
      true, true, kFaceCry);
  if (pay) {
    k.Shiharai(fine);
    return;
  }
  if (w.rng().randInt(4) == 1) return;
  w.SetUnionHourCut(w.unionHourCut + 1);
  tell(w, kCueDown, translate("city_incidents", "営業時間の規制"),
       formatText(
           translate("city_incidents", "組合の方針により、一日の営業時間は%1時間となりました。"),
           {std::to_string(w.DailyHours())}),
       false, kFaceCry);
}

void Demonstration(IncidentPass& p) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int anger = rng.randInt(100);
  const int spark = rng.randInt(12);
  const int police = rng.randInt(100);
  if (!(anger < p.averageUnrest || spark == 1) || w.kaichou.TempoKazu().used <= 2 ||
      p.calendarMonth != 10 || p.averageSecurity >= police)
    return;
  forPopulatedCity(w, [&](Tchip& b) {
    b.SetUnrest(b.unrest - rng.randInt(3));
    b.SetFanRate(b.fanRate - rng.randInt(10), w.laws);
    b.SetSecurity(b.security - rng.randInt(5));
  });
  tkaichou& k = w.kaichou;
  k.SetTousotu(k.tousotu - rng.randInt(4));
  k.SetKarisuma(k.karisuma - rng.randInt(4));
  tell(w, kCueDown, translate("city_incidents", "デモ"),
       formatText(translate("city_incidents",
                            "%1各所で市民がデモを行っています。デモの内容は「町の治安を乱す行き過ぎ"
                            "たパチンコ店のやり口を許すな！」などというもので、相次ぐパチンコ店がら"
                            "みの事件などに触発されたものと思われます。パチンコに対するイメージの悪"
                            "化が懸念されます。"),
                  {w.cityName.view()}),
       false, kFaceCry);
}

}  // namespace gm
