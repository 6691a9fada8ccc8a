// The dispatcher's fixed order. New laws, tax and union changes, the charity's request, the
// management seminar and the yearly intake of new graduates take their places in this order as
// they join the game.
#include "world/seasonal_events.h"

#include "company/construction_end.h"
#include "store/catalogue.h"
#include "world/world.h"

namespace gm {

void BonusSeasonNotice(tworld& world) {
  const int m = CalendarMonth(world.month);
  if ((m != 6 && m != 12) || !world.options().bonushoukoku) return;
  world.ui().message("ボーナスシーズン",
                     std::string("今月は") + (m == 6 ? "夏期" : "冬期") + "ボーナスシーズンです。" +
                         "店舗の大入りに大いに期待しましょう。",
                     false, false, kFaceLaugh);
}

void RunEvents(tworld& world) {
  world.UpdateDisposalAcceptance();
  EndConstructionAndSuspension(world);
  MakerSalesNews(world);
  IllegalMachineCheck(world);
  // New laws, then the tax and union rule changes.
  NewModels(world);
  // The charity's request, the seminar and the new graduates.
  BonusSeasonNotice(world);
}

}  // namespace gm
