// End of construction and of suspension: the reports, the reopening question and its checks.
#include "company/construction_end.h"

#include <string>

#include "base/money.h"
#include "base/translation.h"
#include "company/company.h"
#include "company/sentences.h"
#include "store/store.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

namespace {

void reportConstructionDone(tworld& world, const Ttempo& s) {
  Frontend& ui = world.ui();
  ui.playCue(kCueUp);
  const std::string text =
      formatText(translate("construction_end",
                           "%1の工事が完了しました。新しく %2規模のパーラーが %3に加わります。"),
                 {s.name.view(), storeSizeName(s.kibo), world.kaichou.kaishaname.view()});
  ui.message(translate("construction_end", "工事完了"), text, false, false, kFaceLaugh);
  ui.playCue(kCueMain);
}

// The reopening question after a suspension; the store stays waiting unless every check passes.
void offerReopening(tworld& world, Ttempo& s, int month) {
  Frontend& ui = world.ui();
  tkaichou& company = world.kaichou;
  int64_t cost = openingCost(s, company.karisuma);
  const std::string question =
      formatText(translate("construction_end",
                           "%1の営業停止処分の期間が終了しました。費用が %2かかりますが、すぐに営業"
                           "を再開しますか？"),
                 {s.name.view(), formatGrouped(cost)});
  if (!ui.message(translate("construction_end", "営業再開"), question, true, true, kFaceNormal))
    return;

  if (!(company.sikin > Money::fromInt(cost))) {
    ui.message(translate("construction_end", "資金不足"),
               translate("construction_end", "資金が足りません。"), true, false, kFaceCry);
    return;
  }
  bool noMachine = !s.hasMachines();
  bool shortStaffed = s.understaffed(world.MonthlyHours(), month);
  if (noMachine || shortStaffed) {
    std::string text;
    if (noMachine) appendSentence(text, translate("construction_end", "台が足りません。"));
    if (shortStaffed) appendSentence(text, translate("construction_end", "ｽﾀｯﾌが足りません。"));
    ui.message(translate("construction_end", "準備不足"), text, false, false, kFaceCry);
    return;
  }
  company.Shiharai(cost);
  s.setJoutai(kOpen);
  ui.playCue(kCueUp);
  ui.message(translate("construction_end", "開店"),
             formatText(translate("construction_end",
                                  "%1の営業を再開しました。心機一転、お客様に喜ばれるお店創りに頑張"
                                  "っていきましょう。"),
                        {s.name.view()}),
             false, false, kFaceLaugh);
  ui.playCue(kCueMain);
}

}  // namespace

void EndConstructionAndSuspension(tworld& world) {
  const int month = world.month;
  tkaichou& company = world.kaichou;
  for (int n = 1; n <= kStoreSlots; ++n) {
    Ttempo& s = company.slot(n);
    // Leaving the building state already tells the map to redraw the store's block.
    if (!s.checkKansei(month) || !s.used) continue;
    if (world.options().koujiokhoukoku) reportConstructionDone(world, s);
  }
  for (int n = 1; n <= kStoreSlots; ++n) {
    Ttempo& s = company.slot(n);
    if (!s.checkTeishi(month) || !s.used) continue;
    if (world.options().teisiokhoukoku) offerReopening(world, s, month);
  }
}

}  // namespace gm
