// The store loop of the incident pass and its first incidents: the awards of December, the
// successful event, exposed shills, the staff's moods in the hot and cold months, the summer
// riot and the December television report.
#include "world/store_incidents.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/translation.h"
#include "store/promotions.h"
#include "world/incident_odds.h"
#include "world/incident_support.h"

namespace gm {

using namespace incident;

namespace {

// The chance in a hundred that a promotion catches a jury's or the public's eye, by choice.
constexpr std::array<int, 6> kCmChance = {0, 10, 12, 15, 18, 22};
constexpr std::array<int, 6> kWwwChance = {0, 5, 12, 22, 35, 48};
constexpr std::array<int, 5> kEventChance = {0, 5, 10, 15, 20};

template <std::size_t N>
int chanceOf(const std::array<int, N>& table, int choice) {
  return choice >= 0 && choice < static_cast<int>(N) ? table[choice] : 0;
}

bool inMonths(int m, int first, int last) { return m >= first && m <= last; }

}  // namespace

StoreFigures TakeStoreFigures(const tworld& w, const Ttempo& t) {
  StoreFigures f;
  const Tchip& b = w.block(t.blockY, t.blockX);
  const BlockGrid& g = w.blocks;
  const int width = w.mapWidth, height = w.mapHeight;
  f.s1 = b.AverageSecurityWithin(g, width, height, 1);
  f.s3 = b.AverageSecurityWithin(g, width, height, 3);
  f.s5 = b.AverageSecurityWithin(g, width, height, 5);
  f.u1 = b.AverageUnrestWithin(g, width, height, 1);
  f.u3 = b.AverageUnrestWithin(g, width, height, 3);
  f.u5 = b.AverageUnrestWithin(g, width, height, 5);
  f.f3 = b.AverageFanRateWithin(g, width, height, 3);
  f.o3 = b.AverageOccupancyWithin(g, width, height, 3);
  f.d1 = b.CountKindWithin(g, width, height, 24, 1);
  f.own1 = b.HasKindWithin(g, width, height, 19, 1);
  f.park1 = b.HasKindWithin(g, width, height, 27, 1);
  f.women = t.staffSummary().women;
  f.machines = t.machineCounts().allMachines;
  const IslandFilter all;
  const Money sales = t.islandSum(all, IslandQuantity::Sales);
  const Money gross = t.islandSum(all, IslandQuantity::GrossProfit);
  f.rate = profitRate(gross, sales);
  f.age = w.month - t.shuttenMonth;
  return f;
}

void StoreIncidents(IncidentPass& p) {
  for (Ttempo& t : p.world.kaichou.tempo) {
    if (!t.used || t.joutai != kOpen) continue;
    const StoreFigures f = TakeStoreFigures(p.world, t);
    CmAward(p, t, f);
    WwwAward(p, t, f);
    SuccessfulEvent(p, t, f);
    ShillsExposed(p, t, f);
    Hostility(p, t, f);
    Unease(p, t, f);
    Carelessness(p, t, f);
    Riot(p, t, f);
    Television(p, t, f);
    Robbery(p, t, f);
    Burglary(p, t, f);
    Drunk(p, t, f);
    Quarrel(p, t, f);
    Cheats(p, t, f);
    GangAttack(p, t, f);
    StaffBreach(p, t, f);
    Shooting(p, t, f);
  }
}

bool CmAward(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int seen = rng.randInt(100);
  const int jury = rng.randInt(4);
  const int craft = rng.randInt(100);
  if (!(seen < chanceOf(kCmChance, t.hansoku.tvAgency)) || p.calendarMonth != 12 || jury != 1 ||
      !(t.skill > points(craft)) || p.cmAwardGiven || t.bestCm || f.age <= 12)
    return false;
  p.cmAwardGiven = true;
  t.bestCm = true;
  t.setSenren(t.senren + rng.randInt(10));
  addCash(w, 100000);
  t.setChimei(t.chimei + rng.randInt(10));
  addMoral(t, rng.randInt(10));
  const std::string agency = promotionChoiceName(Promotion::TvAgency, t.hansoku.tvAgency);
  tellStore(
      w, t, kCueYes, translate("store_incidents", "CM大賞受賞"),
      formatText(
          translate(
              "store_incidents",
              "%1で"
              "%2に委託して製作、放映されたコマーシャルが、この度デジタル・パーラー・アカデミーより"
              "「CM大賞」を授与され,賞金一億円を頂きました！%2に依頼して良かったですね！"),
          {t.name.view(), agency}),
      false, kFaceLaugh);
  return true;
}

bool WwwAward(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int seen = rng.randInt(100);
  const int jury = rng.randInt(4);
  const int craft = rng.randInt(100);
  if (!(seen < chanceOf(kWwwChance, t.hansoku.www)) || p.calendarMonth != 12 || jury != 1 ||
      !(t.skill > points(craft)) || p.wwwAwardGiven || t.bestWww || f.age <= 12)
    return false;
  p.wwwAwardGiven = true;
  t.bestWww = true;
  addCash(w, 50000);
  t.setSenren(t.senren + rng.randInt(5));
  t.setChimei(t.chimei + rng.randInt(5));
  addMoral(t, rng.randInt(10));
  tellStore(
      w, t, kCueYes, translate("store_incidents", "The Best Of World Wide Web Server受賞"),
      formatText(translate("store_incidents",
                           "%1に設置しているホームページがこの度デジタル・パーラー・アカデミーより"
                           "「The Best Of World Wide Web "
                           "Server」の称号を授与され、賞金５０００万円を頂きました！スタッフも大変"
                           "喜んでいますし、この調子でさらに良い店舗になっていって欲しいですね。"),
                 {t.name.view()}),
      false, kFaceLaugh);
  return true;
}

bool SuccessfulEvent(IncidentPass& p, Ttempo& t, const StoreFigures&) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int seen = rng.randInt(100);
  const int craft = rng.randInt(100);
  const int zeal = rng.randInt(100);
  const int luck = rng.randInt(3);
  if (!(seen < chanceOf(kEventChance, t.hansoku.event)) || !(t.skill > points(craft)) ||
      !(t.moral > points(zeal)) || luck != 1)
    return false;
  t.setManzoku(t.manzoku + rng.randInt(8));
  t.setSenren(t.senren + rng.randInt(5));
  t.setChimei(t.chimei + rng.randInt(5));
  addMoral(t, rng.randInt(5));
  tellStore(w, t, kCueUp, translate("store_incidents", "イベント大好評"),
            formatText(translate("store_incidents",
                                 "%1で開催しているイベントが好評を博しています。スタッフの頑張りに"
                                 "より期待いたしましょう。"),
                       {t.name.view()}),
            false, kFaceLaugh);
  return true;
}

bool ShillsExposed(IncidentPass& p, Ttempo& t, const StoreFigures&) {
  tworld& w = p.world;
  tkaichou& k = w.kaichou;
  Random& rng = w.rng();
  const int staff = rng.randInt(kExposureStaffRange);
  const int lead = rng.randInt(kExposureWitsRange);
  const int charm = rng.randInt(kExposureCharmRange);
  const int leak = rng.randInt(kExposureCoin);
  if (!(t.kousaku & kShills) || !(t.moral < points(staff)) || !(k.tousotu < lead) ||
      !(k.karisuma < charm) || leak != 1)
    return false;
  t.kousaku = static_cast<uint8_t>(t.kousaku & ~kShills);
  addMoral(t, -rng.randInt(10));
  t.setSenren(t.senren - rng.randInt(15));
  t.setManzoku(t.manzoku - (rng.randInt(20) + 20));
  k.SetKarisuma(k.karisuma - (rng.randInt(3) + 3));
  k.SetTousotu(k.tousotu - (rng.randInt(3) + 3));
  stainNeighbourhood(w, t, Reach::EveryBlock, 5, 10);
  tellStore(
      w, t, kCueDown, translate("store_incidents", "サクラ発覚"),
      formatText(translate("store_incidents",
                           "%1でサクラを雇っているのがバレてしまいました！どうやらスタッフの誰かが"
                           "外部に情報を漏らしたようです！店舗の信用はガタ落ちです．．．。"),
                 {t.name.view()}),
      false, kFacePanic);
  return true;
}

bool Hostility(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  Random& rng = p.world.rng();
  const int feeling = rng.randInt(100);
  const int crowd = rng.randInt(100);
  if (!(feeling < f.u3) || !inMonths(p.calendarMonth, 7, 9) || !(crowd < f.o3 || f.park1))
    return false;
  addMoral(t, -(rng.randInt(5) + 4));
  tellStore(
      p.world, t, kNoCue, translate("store_incidents", "反感"),
      formatText(translate("store_incidents", "%1のスタッフが、市民の反感に怯えているようです。"),
                 {t.name.view()}),
      false, kFaceAngry, kNoCue);
  return true;
}

bool Unease(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  Random& rng = p.world.rng();
  const int fear = rng.randInt(100);
  const int crowd = rng.randInt(100);
  if (!(f.s3 < fear) || !inMonths(p.calendarMonth, 10, 12) || !(f.d1 > 2 || crowd < f.o3))
    return false;
  addMoral(t, -(rng.randInt(5) + 4));
  tellStore(p.world, t, kNoCue, translate("store_incidents", "昏迷"),
            formatText(translate("store_incidents",
                                 "%1のスタッフが、周辺地域の治安に不安を覚えています。"),
                       {t.name.view()}),
            false, kFaceAngry, kNoCue);
  return true;
}

bool Carelessness(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  Random& rng = p.world.rng();
  const int fear = rng.randInt(100);
  const int crowd = rng.randInt(100);
  const int slip = rng.randInt(2);
  if (!(f.s1 < fear || f.own1) || !inMonths(p.calendarMonth, 1, 3) || !(crowd < f.o3) ||
      slip != 1 || f.age <= 12)
    return false;
  addSkill(t, -(rng.randInt(5) + 4));
  tellStore(p.world, t, kNoCue, translate("store_incidents", "退嬰"),
            formatText(translate("store_incidents", "%1で、人為的なミスや事故が多発しています。"),
                       {t.name.view()}),
            false, kFaceAngry, kNoCue);
  return true;
}

bool Riot(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int police = rng.randInt(100);
  const int anger = rng.randInt(100);
  const int spark = rng.randInt(3);
  const int crowd = rng.randInt(100);
  const int mob = rng.randInt(2);
  if (!(f.s5 < police) || !inMonths(p.calendarMonth, 7, 9) || !(anger < f.u5 || spark == 1) ||
      t.arari[kTotal] <= Money() || !(crowd < f.o3) || mob != 1)
    return false;
  int destroyed = 0;
  for (int floor = 0; floor <= t.kibo && floor < kFloors; ++floor)
    for (Tddai& d : t.dai[floor]) {
      const int hit = rng.randInt(3);
      if (hit != 1 || !d.used) continue;
      d.reset();
      ++destroyed;
    }
  if (destroyed == 0) return false;
  t.sortDai();
  addMoral(t, -(rng.randInt(10) + 10));
  forPopulatedSquare(w, t.blockY, t.blockX, 4,
                     [&](Tchip& b) { b.SetUnrest(b.unrest + rng.randInt(4)); });
  forSquare(w, t.blockY, t.blockX, 4,
            [&](Tchip& b) { b.SetSecurity(b.security - rng.randInt(6)); });
  // The count is of islands; a trailing zero makes it machines, ten to an island.
  tellStore(
      w, t, kCueDown, translate("store_incidents", "暴動発生"),
      formatText(
          translate(
              "store_incidents",
              "大変です！%1の近辺で暴動が発生しました！暴徒と化した市民が店内で暴れまわり、台が"
              "%2台破壊されてしまいました！スタッフも動揺しています。"),
          {t.name.view(), std::to_string(destroyed) + "0"}),
      false, kFacePanic);
  return true;
}

bool Television(IncidentPass& p, Ttempo& t, const StoreFigures& f) {
  tworld& w = p.world;
  Random& rng = w.rng();
  const int fans = rng.randInt(80);
  const int looks = rng.randInt(100);
  const int faces = rng.randInt(100);
  if (p.calendarMonth != 12 || f.f3 <= 30 || !(fans < f.f3) || !(looks < t.senren) ||
      !(faces < f.women))
    return false;
  const int grudge = rng.randInt(100);
  const int angle = rng.randInt(2);
  if (grudge < f.u1 || angle == 1) {
    t.setSenren(t.senren - rng.randInt(10));
    t.setChimei(t.chimei + rng.randInt(5));
    t.setManzoku(t.manzoku - (rng.randInt(10) + 10));
    addMoral(t, -rng.randInt(8));
    forPopulatedSquare(w, t.blockY, t.blockX, 4,
                       [&](Tchip& b) { b.SetFanRate(b.fanRate - rng.randInt(8), w.laws); });
    tellStore(
        w, t, kCueDown, translate("store_incidents", "TV放映"),
        formatText(translate("store_incidents",
                             "%1がテレビ中継されています。何と、その内容は「緊急報道！空前のボッタ"
                             "クリパーラーの内情！豪華な店舗の裏面を突く」という物で、かなり店舗の"
                             "悪い面を強調した番組になっています！今月の実績が懸念されます。"),
                   {t.name.view()}),
        false, kFaceCry);
    return true;
  }
  t.setSenren(t.senren + rng.randInt(5));
  t.setChimei(t.chimei + rng.randInt(5));
  addMoral(t, rng.randInt(5));
  forPopulatedSquare(w, t.blockY, t.blockX, 4,
                     [&](Tchip& b) { b.SetUnrest(b.unrest - rng.randInt(8)); });
  tellStore(
      w, t, kCueUp, translate("store_incidents", "TV放映"),
      formatText(translate("store_incidents",
                           "%1がテレビ中継されています。その内容は「噂の名店、"
                           "%1の店長に直撃インタビュー」という内容で、市民は我が社に好意的評価"
                           "を持ちつつあるようです。"),
                 {t.name.view()}),
      false, kFaceLaugh, kCueUp);
  return true;
}

}  // namespace gm
