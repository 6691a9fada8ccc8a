// The dispatcher's fixed order. Each event lives in a file of its own; this one only knows the
// order in which they come.
#include "world/seasonal_events.h"

#include "base/translation.h"
#include "company/construction_end.h"
#include "store/catalogue.h"
#include "world/donation.h"
#include "world/new_graduates.h"
#include "world/new_laws.h"
#include "world/rule_changes.h"
#include "world/seminar.h"
#include "world/world.h"

namespace gm {

void BonusSeasonNotice(tworld& world) {
  const int m = CalendarMonth(world.month);
  if ((m != 6 && m != 12) || !world.options().bonushoukoku) return;
  world.ui().message(translate("seasonal_events", "ボーナスシーズン"),
                     m == 6 ? translate("seasonal_events",
                                        "今月は夏期ボーナスシーズンです。店舗の大入りに大いに期待し"
                                        "ましょう。")
                            : translate("seasonal_events",
                                        "今月は冬期ボーナスシーズンです。店舗の大入りに大いに期待し"
                                        "ましょう。"),
                     false, false, kFaceLaugh);
}

void RunEvents(tworld& world) {
  const bool wasAccepted = world.disposalAccepted;
  // The district overview shows whether the city takes machines this month.
  if (world.UpdateDisposalAcceptance() != wasAccepted) world.ui().cityChanged();
  EndConstructionAndSuspension(world);
  MakerSalesNews(world);
  IllegalMachineCheck(world);
  NewLaws(world);
  RuleChanges(world);
  NewModels(world);
  DonationRequest(world);
  Seminar(world);
  NewGraduates(world);
  BonusSeasonNotice(world);
}

}  // namespace gm
