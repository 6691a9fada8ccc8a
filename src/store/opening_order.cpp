// The opening and closing orders.
#include "store/opening_order.h"

#include <string>

#include "store/store.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

int64_t OpeningPrice(const tworld& world, const Ttempo& store) {
  return openingCost(store, world.kaichou.karisuma);
}

Check CheckOpeningState(const Ttempo& store) {
  if (store.joutai != kWaiting)
    return refusal("開店", "店舗の状態が「待機中」でないと開店できません。");
  return std::nullopt;
}

Check CheckOpening(const tworld& world, const Ttempo& store) {
  if (Check c = CheckOpeningState(store)) return c;
  // Every check is made and the last one that fails speaks: a store short of everything
  // first needs its staff.
  Check shown;
  if (!store.hasMachines()) shown = refusal("開店", "台が一台もありません。台を搬入してください。");
  if (!(world.kaichou.sikin > Money::fromInt(OpeningPrice(world, store)))) shown = cashShortage();
  const int need = store.staffNeed(world.MonthlyHours(), world.month);
  if (store.staffTotal() < need)
    shown = refusal("開店", "スタッフが" + std::to_string(need) +
                                "人必要です。人事でスタッフを補充してください。");
  return shown;
}

OpeningResult OrderOpening(tworld& world, Ttempo& store) {
  OpeningResult r;
  if (Check c = CheckOpening(world, store)) {
    showRefusal(world.ui(), *c);
    return r;
  }
  const int64_t cost = OpeningPrice(world, store);
  if (!confirmOrder(world, "開店",
                    store.name.str() + "を開店します。開店費用が" + formatGrouped(cost) +
                        "かかりますが、よろしいですか？")) {
    r.outcome = OrderOutcome::Declined;
    return r;
  }
  Frontend& ui = world.ui();
  ui.playCue(kCueYes);
  ui.message("開店",
             store.name.str() + "を新装開店いたしました！店舗と" + world.kaichou.kaishaname.str() +
                 "の繁栄を祈りましょう。",
             false, false, kFaceLaugh);
  ui.playCue(kCueMain);
  world.kaichou.Shiharai(cost);  // the check above saw the cash
  store.setJoutai(kOpen);
  r.outcome = OrderOutcome::Done;
  r.jobStream = askPlayer(world, "ｼﾞｮﾌﾞｽﾄﾘｰﾑ", "ジョブストリームを実行しますか？");
  return r;
}

Check CheckClosing(const tworld&, const Ttempo& store) {
  if (store.joutai != kOpen) return refusal("閉店", "営業中ではありません。");
  return std::nullopt;
}

OrderOutcome OrderClosing(tworld& world, Ttempo& store) {
  if (Check c = CheckClosing(world, store)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  if (!confirmOrder(
          world, "閉店",
          store.name.str() + "を閉店します。イベントなども一時中止されます。よろしいですか？",
          false))
    return OrderOutcome::Declined;
  store.setJoutai(kWaiting);
  return OrderOutcome::Done;
}

}  // namespace gm
