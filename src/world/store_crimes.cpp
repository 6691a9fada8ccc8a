// The store incidents of crime and trouble: robbery and burglary, the drunk from the district
// next door, the quarrel with a customer, the cheats at the machines, the staff's breach of
// trust and the shooting in a gang war. Skilled staff foil some of them; the others cost cash,
// which may go below zero.
#include <algorithm>
#include <string>

#include "base/translation.h"
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
    tellStore(
        w, t, kCueUp, translate("store_crimes", "強盗"),
        formatText(translate("store_crimes",
                             "%1で強盗事件が発生しました！ですが、スタッフによって犯人は取り押さえ"
                             "られ、強盗は未遂に終わりました！良いスタッフに恵まれましたね。"),
                   {t.name.view()}),
        false, kFaceLaugh);
    return true;
  }
  // A day's takings, or a thousand at least when the store took little.
  const int loss = Jitter(std::max(takingsShare(t, 31), 1000), rng);
  t.setManzoku(t.manzoku - rng.randInt(5));
  t.setChimei(t.chimei + (rng.randInt(5) + 3));
  addSkill(t, rng.randInt(4));
  addCash(w, -loss);
  tellStore(
      w, t, kCueDown, translate("store_crimes", "強盗事件"),
      formatText(
          translate("store_crimes",
                    "%1で強盗事件が発生しました！当日のスタッフの対処は後手後手にまわり、残念ながら"
                    "、犯人は逃走に成功してしまいました！被害額は%2にのぼっております。"),
          {t.name.view(), amount(loss)}),
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
  tellStore(
      w, t, kCueDown, translate("store_crimes", "泥棒"),
      formatText(
          translate(
              "store_crimes",
              "%1で、深夜、泥棒に入られました！犯人は景品など数百点をを物色し、逃走した模様で、当該"
              "店舗は防犯対策が甘かったと言わざるを得ません！被害額は%2にのぼっております。"),
          {t.name.view(), amount(loss)}),
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
  tellStore(
      w, t, kCueDown, translate("store_crimes", "酔っ払いの侵入"),
      formatText(
          translate("store_crimes",
                    "%1で、近くの繁華街で泥酔していた酔っ払いが店舗内で暴れるという事件がありました"
                    "。被害はわずかですが、店舗のイメージダウンに繋がるかもしれません。"),
          {t.name.view()}),
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
  tellStore(
      w, t, kCueDown, translate("store_crimes", "喧嘩"),
      formatText(
          translate(
              "store_crimes",
              "%1で、スタッフとお客様が激しく口論し合い、一時店内は騒然となりました！事後処理などで"
              "損害額が%2ほどありました。スタッフへの影響と、店舗のイメージダウンが懸念されます。"),
          {t.name.view(), amount(loss)}),
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
    tellStore(
        w, t, kCueUp, translate("store_crimes", "ゴト師捕縛"),
        formatText(translate("store_crimes",
                             "%1で営業中ゴト行為を働いていた男を、スタッフが見事取り押さえました！"
                             "事件後、ゴト師を警察に引き渡し、店舗には損害はありませんでした。"),
                   {t.name.view()}),
        false, kFaceLaugh);
    return true;
  }
  const int loss = (rng.randInt(100) + f.machines) * 10;
  addCash(w, -loss);
  addSkill(t, rng.randInt(3) + 2);
  addMoral(t, -(rng.randInt(3) + 2));
  t.setManzoku(t.manzoku + (rng.randInt(4) + 1));
  tellStore(
      w, t, kCueDown, translate("store_crimes", "ゴト師"),
      formatText(translate("store_crimes",
                           "%1で営業中ゴト行為が行われた事実が判明しました！残念ながらゴト師の捕縛"
                           "には至っておりません。調査の結果%2の被害を受けたのがわかりました。"),
                 {t.name.view(), amount(loss)}),
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
  tellStore(
      w, t, kCueDown, translate("store_crimes", "スタッフの背任"),
      formatText(
          translate("store_crimes",
                    "%1でスタッフの背任行為が発覚しました！どうやら客と協同で不正に出玉を出していた"
                    "ようです。このスタッフは懲戒免職処分としましたが、被害額が%2あったようです。"),
          {t.name.view(), amount(loss)}),
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
  tellStore(
      w, t, kCueDown, translate("store_crimes", "発砲事件"),
      formatText(
          translate("store_crimes",
                    "%1で、抗争中の暴力団組員らが店内で銃を発砲するという事件がありました！幸い怪我"
                    "人は無く、被害も%2程度ですが、お客様やスタッフに大きな衝撃を与えています。"),
          {t.name.view(), amount(loss)}),
      true, kFacePanic);
  return true;
}

}  // namespace gm
