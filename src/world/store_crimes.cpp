// The store incidents of crime and trouble: robbery and burglary, the drunk from the district
// next door, the quarrel with a customer, the cheats at the machines, the staff's breach of
// trust and the shooting in a gang war. Skilled staff foil some of them; the others cost cash,
// which may go below zero.
#include <algorithm>
#include <string>

#include "world/incident_support.h"
#include "world/store_incidents.h"

namespace gm {

using namespace incident;

bool Robbery(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int feeling = rng.randInt(100);
  const int chance = rng.randInt(6);
  const int size = rng.randInt(6);
  const int police = rng.randInt(125);
  const int nerve = rng.randInt(2);
  if (!(feeling < f.u3 || chance == 1) || !(t.kibo >= size) || !(f.s3 < police) || nerve != 1)
    return false;
  const int robber = rng.randInt(125);
  if (t.skill > points(robber)) {
    t.setManzoku(t.manzoku + rng.randInt(5));
    t.setChimei(t.chimei + (rng.randInt(5) + 3));
    addSkill(t, -rng.randInt(4));
    tellStore(w, t, kCueUp, "強盗",
              t.name.str() + "で強盗事件が発生しました！ですが、スタッフに" +
                  "よって犯人は取り押さえられ、強盗は未遂に終わりました！" +
                  "良いスタッフに恵まれましたね。",
              false, kFaceLaugh);
    return true;
  }
  // A day's takings, or a thousand at least when the store took little.
  const int loss = Jitter(std::max(takingsShare(t, 31), 1000), rng);
  t.setManzoku(t.manzoku - rng.randInt(5));
  t.setChimei(t.chimei + (rng.randInt(5) + 3));
  addSkill(t, rng.randInt(4));
  addCash(w, -loss);
  tellStore(w, t, kCueDown, "強盗事件",
            t.name.str() + "で強盗事件が発生しました！当日のスタッフの対処は" +
                "後手後手にまわり、残念ながら、犯人は逃走に成功して" + "しまいました！被害額は" +
                amount(loss) + "にのぼっております。",
            true, kFacePanic);
  return true;
}

bool Burglary(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int feeling = rng.randInt(100);
  const int chance = rng.randInt(9);
  const int size = rng.randInt(9);
  const int police = rng.randInt(125);
  const int guard = rng.randInt(150);
  if (!(feeling < f.u1 || chance == 1) || !(t.kibo >= size) || !(f.s1 < police) ||
      !(t.skill < points(guard)))
    return false;
  t.setChimei(t.chimei + rng.randInt(6));
  addMoral(t, -rng.randInt(5));
  const int loss = Jitter(std::max(takingsShare(t, 24), 1000), rng);
  addCash(w, -loss);
  tellStore(w, t, kCueDown, "泥棒",
            t.name.str() + "で、深夜、泥棒に入られました！犯人は景品など数百点を" +
                "を物色し、逃走した模様で、当該店舗は防犯対策が甘かった" +
                "と言わざるを得ません！被害額は" + amount(loss) + "にのぼっております。",
            true, kFaceCry);
  return true;
}

bool Drunk(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int police = rng.randInt(100);
  const int bars = rng.randInt(8);
  const int chance = rng.randInt(5);
  if (!(f.s1 < police) || !(f.d1 >= bars) || chance != 1) return false;
  t.setSenren(t.senren - (rng.randInt(5) + 5));
  t.setManzoku(t.manzoku - (rng.randInt(3) + 2));
  addSkill(t, 3);
  addMoral(t, -5);
  tellStore(w, t, kCueDown, "酔っ払いの侵入",
            t.name.str() + "で、近くの繁華街で泥酔していた酔っ払いが店舗内で暴れ" +
                "るという事件がありました。被害はわずかですが、" +
                "店舗のイメージダウンに繋がるかもしれません。",
            false, kFaceCry);
  return true;
}

bool Quarrel(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int police = rng.randInt(100);
  const int feeling = rng.randInt(100);
  const int tact = rng.randInt(130);
  const int chance = rng.randInt(5);
  if (!(f.s1 < police || feeling < f.u1) || !(t.skill < points(tact) || f.rate > points(10)) ||
      chance != 1 || w.kaichou.sikin <= Money::fromInt(250))
    return false;
  addSkill(t, 3);
  addMoral(t, -5);
  t.setSenren(t.senren - (rng.randInt(3) + 2));
  t.setManzoku(t.manzoku - (rng.randInt(5) + 5));
  t.setChimei(t.chimei + rng.randInt(4));
  const int loss = Jitter(t.kibo * 50 + 50, rng);
  addCash(w, -loss);
  tellStore(w, t, kCueDown, "喧嘩",
            t.name.str() + "で、スタッフとお客様が激しく口論し合い、" +
                "一時店内は騒然となりました！事後処理などで損害額が" + amount(loss) +
                "ほどありました。スタッフへの影響と、" + "店舗のイメージダウンが懸念されます。",
            true, kFaceCry);
  return true;
}

bool Cheats(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int crowd = rng.randInt(550);
  const int staff = rng.randInt(150);
  const int police = rng.randInt(100);
  const int chance = rng.randInt(5);
  if (!(crowd < f.machines) || !(t.moral < points(staff)) || !(f.s1 < police || chance == 1))
    return false;
  const int cheat = rng.randInt(125);
  if (t.skill >= points(cheat)) {
    addSkill(t, -(rng.randInt(3) + 2));
    addMoral(t, rng.randInt(3) + 1);
    t.setManzoku(t.manzoku - (rng.randInt(4) + 1));
    tellStore(w, t, kCueUp, "ゴト師捕縛",
              t.name.str() + "で営業中ゴト行為を働いていた男を、スタッフが見事取り押さえました！" +
                  "事件後、ゴト師を警察に引き渡し、店舗には損害はありませんでした。",
              false, kFaceLaugh);
    return true;
  }
  const int loss = (rng.randInt(100) + f.machines) * 10;
  addCash(w, -loss);
  addSkill(t, rng.randInt(3) + 2);
  addMoral(t, -(rng.randInt(3) + 2));
  t.setManzoku(t.manzoku + (rng.randInt(4) + 1));
  tellStore(w, t, kCueDown, "ゴト師",
            t.name.str() + "で営業中ゴト行為が行われた事実が判明しました！" +
                "残念ながらゴト師の捕縛には至っておりません。" + "調査の結果" + amount(loss) +
                "の被害を受けたのがわかりました。",
            true, kFacePanic);
  return true;
}

bool StaffBreach(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int loyalty = rng.randInt(100);
  const int craft = rng.randInt(100);
  const int police = rng.randInt(110);
  if (p.calendarMonth % 2 == 0 || !(t.moral < points(loyalty)) || !(t.skill > points(craft)) ||
      !(f.s3 < police) || t.staffTotal() <= 1)
    return false;
  t.setSenren(t.senren - rng.randInt(5));
  t.setManzoku(t.manzoku - rng.randInt(10));
  addMoral(t, -rng.randInt(10));
  const int share =
      static_cast<int>(std::clamp(t.uriage[kTotal].trunc() / 100, int64_t{1000}, int64_t{20000}));
  const int loss = Jitter(share, rng);
  addCash(w, -loss);
  if (t.dansei > 0)
    t.setDansei(t.dansei - 1);
  else
    t.setZyosei(t.zyosei - 1);
  if (t.staffTotal() == 0) t.setJoutai(kWaiting);
  tellStore(w, t, kCueDown, "スタッフの背任",
            t.name.str() + "でスタッフの背任行為が発覚しました！" +
                "どうやら客と協同で不正に出玉を出していたようです。このスタッフは" +
                "懲戒免職処分としましたが、被害額が" + amount(loss) + "あったようです。",
            false, kFaceCry);
  return true;
}

bool Shooting(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  if (!p.gangWar) return false;
  tworld& w = p.world;
  Random& rng = w.rng();
  const int feeling = rng.randInt(100);
  const int chance = rng.randInt(5);
  const int police = rng.randInt(100);
  if (!(feeling < f.u3 || chance == 1) || !(f.s3 < police)) return false;
  addMoral(t, -(rng.randInt(10) + 20));
  t.setSenren(t.senren - rng.randInt(10));
  t.setManzoku(t.manzoku - (rng.randInt(20) + 30));
  t.setChimei(t.chimei + rng.randInt(10));
  const int loss = rng.randInt(t.kibo * 100 + 100) + 1000;
  addCash(w, -loss);
  tellStore(w, t, kCueDown, "発砲事件",
            t.name.str() + "で、" + "抗争中の暴力団組員らが店内で銃を発砲するという" +
                "事件がありました！幸い怪我人は無く、被害も" + amount(loss) + "程度ですが、" +
                "お客様やスタッフに大きな衝撃を与えています。",
            true, kFacePanic);
  return true;
}

}  // namespace gm
