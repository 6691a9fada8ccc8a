// The fixed order of the month's end.
#include "world/month_end.h"

#include <algorithm>

#include "base/translation.h"
#include "world/incidents.h"
#include "world/monthly_pass.h"
#include "world/seasonal_events.h"
#include "world/world.h"

namespace gm {

bool ConfirmEndOfMonth(tworld& world) {
  if (!world.options().tellmsg) return true;
  return world.ui().message(translate("month_end", "命令終了"),
                            translate("month_end", "以上で今月の指示は終了ですか？"), false, true,
                            kFaceNormal);
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
          translate("month_end", "辞任"),
          translate("month_end",
                    "六ヶ月を経ても店舗を出店していないあなたは、役員会議により辞任に追い込まれ"
                    "ました．．．。残念ですがこれまでのようです。お疲れ様でした．．．。"),
          false, false, kFaceCry);
    } else {
      world.ui().message(translate("month_end", "撤退"),
                         formatText(translate("month_end",
                                              "店舗が一軒も無くなってしまいました．．．%1の命運は"
                                              "尽きたようです。お疲れ様でした．．．。"),
                                    {company}),
                         false, false, kFaceCry);
    }
  }

  if (world.kaichou.sikin <= Money()) {
    result.cashTestFired = true;
    shutDown(world);
    world.ui().message(translate("month_end", "倒産"),
                       formatText(translate("month_end",
                                            "とうとう資金が底を突きました。これ以上の経営は不可能"
                                            "です。我が%1は事実上倒産と相成りました。お疲れ様でし"
                                            "た．．．。"),
                                  {company}),
                       true, false, kFaceCry);
  }

  result.goesOn = !result.storeTestFired && !result.cashTestFired;
  return result;
}

std::string EndingText(const tworld& world) {
  const YearMonth date = MonthToDate(world.month);
  const std::string city(world.cityName.view());
  return formatText(translate("month_end",
                              "．．．%1年%2月、%3は%4における競合に勝ち残った。\n"
                              " %5は%4を制覇した．．．"),
                    {std::to_string(date.year), std::to_string(date.month),
                     world.kaichou.ownername.view(), city, world.kaichou.kaishaname.view()});
}

GameEndResult PlayMonth(tworld& world) {
  MonthStepA(world);
  MonthStepB(world);
  return GameEndCheck(world);
}

}  // namespace gm
