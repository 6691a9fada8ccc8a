// End of construction and of suspension: the reports, the reopening question and its checks.
#include "company/construction_end.h"

#include <string>

#include "base/money.h"
#include "company/company.h"
#include "store/store.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

namespace {

void reportConstructionDone(tworld& world, const Ttempo& s) {
  Frontend& ui = world.ui();
  ui.playCue(kCueUp);
  std::string text = s.name.str() + "の工事が完了しました。" + "新しく " +
                     std::string(storeSizeName(s.kibo)) + "規模のパーラーが " +
                     world.kaichou.kaishaname.str() + "に加わります。";
  ui.message("工事完了", text, false, false, kFaceLaugh);
  ui.playCue(kCueMain);
}

// The reopening question after a suspension; the store stays waiting unless every check passes.
void offerReopening(tworld& world, Ttempo& s, int month) {
  Frontend& ui = world.ui();
  tkaichou& company = world.kaichou;
  int64_t cost = openingCost(s, company.karisuma);
  std::string question = s.name.str() + "の営業停止処分の期間が" + "終了しました。費用が " +
                         formatGrouped(cost) + "かかりますが、すぐに営業を再開しますか？";
  if (!ui.message("営業再開", question, true, true, kFaceNormal)) return;

  if (!(company.sikin > Money::fromInt(cost))) {
    ui.message("資金不足", "資金が足りません。", true, false, kFaceCry);
    return;
  }
  bool noMachine = !s.hasMachines();
  bool shortStaffed = s.understaffed(world.MonthlyHours(), month);
  if (noMachine || shortStaffed) {
    std::string text;
    if (noMachine) text += "台が足りません。";
    if (shortStaffed) text += "ｽﾀｯﾌが足りません。";
    ui.message("準備不足", text, false, false, kFaceCry);
    return;
  }
  company.Shiharai(cost);
  s.setJoutai(kOpen);
  ui.playCue(kCueUp);
  ui.message("開店",
             s.name.str() + "の営業を再開しました。" +
                 "心機一転、お客様に喜ばれるお店創りに頑張っていきましょう。",
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
