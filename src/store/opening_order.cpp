// The opening and closing orders.
#include "store/opening_order.h"

#include <string>

#include "base/translation.h"
#include "store/store.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

int64_t OpeningPrice(const tworld& world, const Ttempo& store) {
  return openingCost(store, world.kaichou.karisuma);
}

Check CheckOpeningState(const Ttempo& store) {
  if (store.joutai != kWaiting)
    return refusal(translate("opening_order", "開店"),
                   translate("opening_order", "店舗の状態が「待機中」でないと開店できません。"));
  return std::nullopt;
}

Check CheckOpening(const tworld& world, const Ttempo& store) {
  if (Check c = CheckOpeningState(store)) return c;
  // Every check is made and the last one that fails speaks: a store short of everything
  // first needs its staff.
  Check shown;
  if (!store.hasMachines())
    shown = refusal(translate("opening_order", "開店"),
                    translate("opening_order", "台が一台もありません。台を搬入してください。"));
  if (!(world.kaichou.sikin > Money::fromInt(OpeningPrice(world, store)))) shown = cashShortage();
  const int need = store.staffNeed(world.MonthlyHours(), world.month);
  if (store.staffTotal() < need)
    shown =
        refusal(translate("opening_order", "開店"),
                formatText(translate("opening_order",
                                     "スタッフが%1人必要です。人事でスタッフを補充してください。"),
                           {std::to_string(need)}));
  return shown;
}

OpeningResult OrderOpening(tworld& world, Ttempo& store) {
  OpeningResult r;
  if (Check c = CheckOpening(world, store)) {
    showRefusal(world.ui(), *c);
    return r;
  }
  const int64_t cost = OpeningPrice(world, store);
  if (!confirmOrder(
          world, translate("opening_order", "開店"),
          formatText(translate("opening_order",
                               "%1を開店します。開店費用が%2かかりますが、よろしいですか？"),
                     {store.name.view(), formatGrouped(cost)}))) {
    r.outcome = OrderOutcome::Declined;
    return r;
  }
  Frontend& ui = world.ui();
  ui.playCue(kCueYes);
  ui.message(translate("opening_order", "開店"),
             formatText(translate("opening_order",
                                  "%1を新装開店いたしました！店舗と%2の繁栄を祈りましょう。"),
                        {store.name.view(), world.kaichou.kaishaname.view()}),
             false, false, kFaceLaugh);
  ui.playCue(kCueMain);
  world.kaichou.Shiharai(cost);  // the check above saw the cash
  store.setJoutai(kOpen);
  r.outcome = OrderOutcome::Done;
  r.jobStream = askPlayer(world, translate("opening_order", "ｼﾞｮﾌﾞｽﾄﾘｰﾑ"),
                          translate("opening_order", "ジョブストリームを実行しますか？"));
  return r;
}

Check CheckClosing(const tworld&, const Ttempo& store) {
  if (store.joutai != kOpen)
    return refusal(translate("opening_order", "閉店"),
                   translate("opening_order", "営業中ではありません。"));
  return std::nullopt;
}

OrderOutcome OrderClosing(tworld& world, Ttempo& store) {
  if (Check c = CheckClosing(world, store)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  if (!confirmOrder(
          world, translate("opening_order", "閉店"),
          formatText(translate("opening_order",
                               "%1を閉店します。イベントなども一時中止されます。よろしいですか？"),
                     {store.name.view()}),
          false))
    return OrderOutcome::Declined;
  store.setJoutai(kWaiting);
  return OrderOutcome::Done;
}

}  // namespace gm
