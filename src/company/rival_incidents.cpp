// The rivals' incidents of the month (`Jiken`): tax evasion in January, fires in the cold
// months, television in December, and every month hired shills and police raids. The player
// hears of each one; a raid or an exposed evasion closes the stores for a while.
#include <string>

#include "base/translation.h"
#include "company/rival_constants.h"
#include "world/world.h"

namespace gm {

namespace {

bool isColdMonth(int calendarMonth) { return calendarMonth >= 11 || calendarMonth <= 3; }

}  // namespace

void Tenkaichou::Jiken() { Jiken(world().blocks, world().month); }

void Tenkaichou::Jiken(BlockGrid& blocks, int month) {
  // The first months are left in peace so that a new game starts on even terms. A game without
  // rivals still makes January's draws (they are made whatever the rival's state), so that its
  // random sequence is the one every game follows.
  if (month <= 7) return;
  Random& rng = world().rng();
  Frontend& ui = world().ui();
  const int calendarMonth = CalendarMonth(month);
  auto name = [](int owner) { return std::string(rivalName(owner)); };
  auto pointAt = [&ui](const TEntempo& t) { ui.pointBlockWindowAt(t.blockRow, t.blockColumn); };

  if (calendarMonth == 1) {
    for (int i = 0; i < kRivalCount; ++i) {
      bool active = Sentaku(i);
      int draw = rng.randInt(rivalProfile(i).incidents.taxEvasion);
      if (!active || draw != 1) continue;
      shikin[i] = roundedWhole(shikin[i] * Money::fromRaw(6500));
      for (TEntempo& t : tenpo) {
        if (!t.isOpen() || t.owner != i) continue;
        t.joutai = kRivalSuspended;
        t.teishiMonth = month + 7;
        t.SetSenren(t.senren - (rng.randInt(10) + 5));
        t.SetManzoku(t.manzoku - (rng.randInt(10) + 5));
        t.SetMoral(t.moral - (rng.randInt(15) + 10));
      }
      ui.message(translate("rival_incidents", "脱税発覚"),
                 formatText(translate("rival_incidents",
                                      "%1の脱税が露見しました！現在営業中の店舗は全て６ヶ月の営業停"
                                      "止処分を受けたようです！市内は騒然としております．．．。"),
                            {name(i)}),
                 false, false, kFacePanic);
    }
  }

  if (isColdMonth(calendarMonth)) {
    // A store that burns down frees its record and the ones behind it move up: the same index
    // is looked at again so that every store has its one chance of fire.
    int k = 1;
    while (k <= kRivalStoreSlots) {
      TEntempo& t = Tenpo(k);
      if (!t.isOpen()) {
        ++k;
        continue;
      }
      int spark = rng.randInt(rivalProfile(t.owner).incidents.fire);
      int spread = rng.randInt(100);
      if (spark != 1 || spread >= 42) {
        ++k;
        continue;
      }
      if (rng.randInt(100) >= 70) {
        const int owner = t.owner;
        const int row = t.blockRow, column = t.blockColumn;
        Tchip& b = blocks[row][column];
        b.kind = kRivalLandKind;
        ui.blockChanged(row, column);
        ClearTenpo(k);
        ui.pointBlockWindowAt(row, column);
        ui.message(translate("rival_incidents", "大火災"),
                   formatText(translate("rival_incidents",
                                        "%1の店舗で大規模な火災があったようです。店舗は全焼してしま"
                                        "ったようです。"),
                              {name(owner)}),
                   false, false, kFacePanic);
        continue;
      }
      shikin[t.owner] = roundedWhole(shikin[t.owner] * Money::fromRaw(9500));
      t.SetSenren(t.senren - rng.randInt(5));
      t.SetManzoku(t.manzoku - rng.randInt(5));
      t.SetSkill(t.skill + rng.randInt(5));
      pointAt(t);
      ui.message(translate("rival_incidents", "ボヤ"),
                 formatText(translate("rival_incidents", "%1の店舗でボヤ騒ぎがあったようです。"),
                            {name(t.owner)}),
                 false, false, kFaceSmile);
      ++k;
    }
  }

  if (calendarMonth == 12) {
    for (TEntempo& t : tenpo) {
      if (!t.isOpen() || rng.randInt(rivalProfile(t.owner).incidents.television) != 1) continue;
      t.SetSenren(t.senren + rng.randInt(5));
      t.SetChimei(t.chimei + rng.randInt(5));
      t.SetMoral(t.moral + rng.randInt(5));
      pointAt(t);
      ui.message(translate("rival_incidents", "TV放映"),
                 formatText(translate("rival_incidents",
                                      "%1の店舗がテレビ中継されています。市民は%1に好意的評価を持ち"
                                      "つつあるようです。"),
                            {name(t.owner)}),
                 false, false, kFaceAngry);
    }
  }

  for (TEntempo& t : tenpo) {
    if (!t.isOpen() || rng.randInt(rivalProfile(t.owner).incidents.shills) != 1) continue;
    t.SetMoral(t.moral - rng.randInt(10));
    t.SetSenren(t.senren - rng.randInt(15));
    t.SetManzoku(t.manzoku - (rng.randInt(20) + 20));
    pointAt(t);
    ui.message(translate("rival_incidents", "サクラ発覚"),
               formatText(translate("rival_incidents",
                                    "%1の店舗でサクラを雇っているのが発覚しました！%1は激しい非難を"
                                    "浴びています。"),
                          {name(t.owner)}),
               false, false, kFacePanic);
  }

  for (TEntempo& t : tenpo) {
    if (!t.isOpen() || rng.randInt(rivalProfile(t.owner).incidents.chipRaid) != 1) continue;
    shikin[t.owner] = roundedWhole(shikin[t.owner] * Money::fromRaw(9000));
    t.SetMoral(t.moral - rng.randInt(5));
    t.SetSenren(t.senren - rng.randInt(15));
    t.SetChimei(t.chimei - rng.randInt(15));
    t.SetManzoku(t.manzoku - rng.randInt(20));
    t.joutai = kRivalSuspended;
    t.teishiMonth = month + 4;
    pointAt(t);
    ui.message(translate("rival_incidents", "ガサ入れ"),
               formatText(translate("rival_incidents",
                                    "%1の店舗がガサ入れされ、台に裏ロムを取り付けて営業を行っていた"
                                    "事実が発覚しました！当該店舗は３ヶ月間の営業停止処分を受けたよ"
                                    "うです。"),
                          {name(t.owner)}),
               false, false, kFacePanic);
  }

  for (TEntempo& t : tenpo) {
    if (!t.isOpen() || rng.randInt(rivalProfile(t.owner).incidents.jackpotRaid) != 1) continue;
    shikin[t.owner] = roundedWhole(shikin[t.owner] * Money::fromRaw(9000));
    t.SetMoral(t.moral - rng.randInt(40));
    t.SetSenren(t.senren - (rng.randInt(30) + 20));
    t.SetChimei(t.chimei - (rng.randInt(30) + 20));
    t.SetManzoku(t.manzoku - (rng.randInt(30) + 20));
    t.joutai = kRivalSuspended;
    t.teishiMonth = month + 7;
    pointAt(t);
    ui.message(translate("rival_incidents", "ガサ入れ"),
               formatText(translate("rival_incidents",
                                    "%1の店舗がガサ入れされ、特賞操作システムを設置運営していた事実"
                                    "が発覚しました！当該店舗は６ヶ月間の営業停止処分を受けたようで"
                                    "す。"),
                          {name(t.owner)}),
               false, false, kFacePanic);
  }
}

}  // namespace gm
