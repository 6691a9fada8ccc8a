// The fixed order of the month's end.
#include "world/month_end.h"

#include <algorithm>

#include "world/incidents.h"
#include "world/monthly_pass.h"
#include "world/seasonal_events.h"
#include "world/world.h"

namespace gm {

bool ConfirmEndOfMonth(tworld& world) {
  if (!world.options().tellmsg) return true;
  return world.ui().message("命令終了", "以上で今月の指示は終了ですか？", false, true, kFaceNormal);
}

void MonthStepA(tworld& world) {
  // The month's opening hours and business days, taken before anything changes the laws or the
  // union rules: the accounts and the results count the month the stores were open.
  const int hours = world.MonthlyHours();
  const int days = world.BusinessDays();

  RunBlockPass(world);
  RunIncidents(world, hours);
  world.rivals.Katsudou();
  world.rivals.Jiken();
  world.kaichou.GetsumatsuMae(world.blocks, hours, world.mapWidth, world.mapHeight, world.laws,
                              world.month, days);
  // Shares the customers among the stores and closes the company's and the rivals' accounts.
  world.jisseki.Keisan(hours, days);
  world.kaichou.Rireki(world.blocks, world.month);
  if (world.options().jissekihoukoku) world.ui().showResultsReport(world.month);
  world.lastBusinessDays = days;
  world.month += 1;
}

void MonthStepB(tworld& world) {
  RunEvents(world);

  const int opened = world.rivals.Kansei(world.month);
  if (opened > 0) {
    const int factor = std::min(opened, 5);
    for (Ttempo& store : world.kaichou.tempo) {
      if (!store.used) continue;
      store.setChimei(store.chimei - (factor * world.rng().randInt(10) + 2));
    }
  }

  world.RestoreMakerRelations();
  world.kaichou.GetsumatsuGo();
  if (world.options().reserchhoukoku) world.ui().showResearch();

  if (world.rivals.Zenmetsu() && !world.endingShown) {
    world.endingShown = true;
    world.ui().stopMusic();
    world.ui().showEnding(EndingText(world));
    world.ui().playCue(kCueMain);
  }
  world.UpdateMaxLandPrice();
}

namespace {

void shutDown(tworld& world) {
  world.ui().gameShutDown();
  world.ui().setMainCueAllowed(false);
  world.ui().playCue(kCueGameOver);
}

}  // namespace

GameEndResult GameEndCheck(tworld& world) {
  GameEndResult result;
  const std::string company(world.kaichou.kaishaname.view());

  int storesInUse = 0;
  for (const Ttempo& store : world.kaichou.tempo)
    if (store.used) ++storesInUse;
  if (world.month > 6 && storesInUse == 0) {
    result.storeTestFired = true;
    shutDown(world);
    if (world.month == 7) {
      world.ui().message(
          "辞任",
          "六ヶ月を経ても店舗を出店していないあなたは、役員会議により辞任に追い込まれ"
          "ました．．．。残念ですがこれまでのようです。お疲れ様でした．．．。",
          false, false, kFaceCry);
    } else {
      world.ui().message("撤退",
                         "店舗が一軒も無くなってしまいました．．．" + company +
                             "の命運は尽きたようです。お疲れ様でした．．．。",
                         false, false, kFaceCry);
    }
  }

  if (world.kaichou.sikin <= Money()) {
    result.cashTestFired = true;
    shutDown(world);
    world.ui().message("倒産",
                       "とうとう資金が底を突きました。これ以上の経営は不可能です。我が" + company +
                           "は" + "事実上倒産と相成りました。お疲れ様でした．．．。",
                       true, false, kFaceCry);
  }

  result.goesOn = !result.storeTestFired && !result.cashTestFired;
  return result;
}

std::string EndingText(const tworld& world) {
  const YearMonth date = MonthToDate(world.month);
  const std::string city(world.cityName.view());
  return "．．．" + std::to_string(date.year) + "年" + std::to_string(date.month) + "月、" +
         std::string(world.kaichou.ownername.view()) + "は" + city + "における競合に勝ち残った。" +
         "\n" + " " + std::string(world.kaichou.kaishaname.view()) + "は" + city +
         "を制覇した．．．";
}

GameEndResult PlayMonth(tworld& world) {
  MonthStepA(world);
  MonthStepB(world);
  return GameEndCheck(world);
}

}  // namespace gm
