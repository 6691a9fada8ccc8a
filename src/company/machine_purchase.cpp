// The machine purchase order.
#include "company/machine_purchase.h"

#include <string>

#include "base/translation.h"
#include "company/sentences.h"
#include "store/maker.h"
#include "world/world.h"

namespace gm {

MachinePrice MachinePurchasePrice(const Tmaker& maker, const tdai& model, int islands) {
  MachinePrice p;
  p.machines = islands * 10;
  // price x 1000 yen x (1 - discount / 100), with the discount in per cent x 10,000: exact in
  // four decimals, so nothing is rounded until the total.
  p.unitYen = Money::fromRaw(int64_t{model.price} * 10 * (1000000 - discount(maker).raw()));
  p.recordYen = static_cast<int32_t>(p.unitYen.trunc());
  const int64_t totalRaw =
      divRoundHalfEven(static_cast<__int128>(p.unitYen.raw()) * p.machines, 1000);
  p.total = totalRaw / Money::kScale;
  return p;
}

Check CheckMachinePurchase(const tworld& world, int maker, int slot, int islands) {
  if (maker < 0 || maker >= kMakerCount || slot < 0 || slot >= 5)
    return refusal(translate("machine_purchase", "購入"),
                   translate("machine_purchase", "その台は購入できません。"));
  const Tmaker& m = world.makers[maker];
  const tdai& model = m.models[slot];
  if (!m.shijou || !m.torihiki || !model.onSale)
    return refusal(translate("machine_purchase", "購入"),
                   translate("machine_purchase", "その台は購入できません。"));
  if (islands < 1 || islands > kMaxPurchaseIslands)
    return refusal(
        translate("machine_purchase", "購入"),
        translate("machine_purchase", "購入する島数を 1 から 1000 の間で指定してください。"));
  const MachinePrice p = MachinePurchasePrice(m, model, islands);
  if (p.machines > model.zaiko)
    return refusal(
        translate("machine_purchase", "在庫不足"),
        formatText(translate("machine_purchase", "%1の在庫が足りません。"), {model.name.view()}));
  // One thousand yen is kept back, so cash of the total plus exactly that is still too little.
  if (!(world.kaichou.sikin - Money::fromInt(1) > Money::fromInt(p.total))) return cashShortage();
  if (world.kaichou.SoukoAki() < p.machines)
    return refusal(
        translate("machine_purchase", "収容できません"),
        translate("machine_purchase", "本部の倉庫に台を収容できるスペースがありません。"));
  return std::nullopt;
}

PurchaseResult OrderMachinePurchase(tworld& world, int maker, int slot, int islands) {
  PurchaseResult r;
  if (Check c = CheckMachinePurchase(world, maker, slot, islands)) {
    showRefusal(world.ui(), *c);
    return r;
  }
  Tmaker& m = world.makers[maker];
  tdai& model = m.models[slot];
  const MachinePrice p = MachinePurchasePrice(m, model, islands);
  if (!confirmOrder(
          world, translate("machine_purchase", "購入"),
          formatText(translate("machine_purchase",
                               "%1を%2台購入します。費用が%3かかりますが、よろしいですか？"),
                     {model.name.view(), formatGrouped(p.machines), formatGrouped(p.total)}))) {
    r.outcome = OrderOutcome::Declined;
    return r;
  }
  if (!payOrder(world, p.total)) {
    r.outcome = OrderOutcome::Unpaid;
    return r;
  }
  tkaichou& company = world.kaichou;
  const PurchasedRecords bought = company.DaiKounyuu(model, islands, world.month, p.recordYen);
  r.firstRecord = bought.first;
  r.records = bought.count;
  const std::string modelName = model.name.str();
  const BuyGainResult gain = buyGain(m, p.machines, model, company.karisuma, world.rng());
  std::string text = formatText(translate("machine_purchase", "%1との友好度が%2上がりました。"),
                                {m.name(), std::to_string(gain.gain)});
  if (gain.soldOut)
    appendSentence(
        text, formatText(translate("machine_purchase", "%1は売り切れとなりました。"), {modelName}));
  world.ui().message(translate("machine_purchase", "取引終了"), text, false, false, kFaceLaugh);
  r.outcome = OrderOutcome::Done;
  return r;
}

}  // namespace gm
