// The machine purchase order.
#include "company/machine_purchase.h"

#include <string>

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
    return refusal("購入", "その台は購入できません。");
  const Tmaker& m = world.makers[maker];
  const tdai& model = m.models[slot];
  if (!m.shijou || !m.torihiki || !model.onSale) return refusal("購入", "その台は購入できません。");
  if (islands < 1 || islands > kMaxPurchaseIslands)
    return refusal("購入", "購入する島数を 1 から 1000 の間で指定してください。");
  const MachinePrice p = MachinePurchasePrice(m, model, islands);
  if (p.machines > model.zaiko)
    return refusal("在庫不足", model.name.str() + "の在庫が足りません。");
  // One thousand yen is kept back, so cash of the total plus exactly that is still too little.
  if (!(world.kaichou.sikin - Money::fromInt(1) > Money::fromInt(p.total))) return cashShortage();
  if (world.kaichou.SoukoAki() < p.machines)
    return refusal("収容できません", "本部の倉庫に台を収容できるスペースがありません。");
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
  if (!confirmOrder(world, "購入",
                    model.name.str() + "を" + formatGrouped(p.machines) + "台購入します。費用が" +
                        formatGrouped(p.total) + "かかりますが、よろしいですか？")) {
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
  std::string text =
      std::string(m.name()) + "との友好度が" + std::to_string(gain.gain) + "上がりました。";
  if (gain.soldOut) text += modelName + "は売り切れとなりました。";
  world.ui().message("取引終了", text, false, false, kFaceLaugh);
  r.outcome = OrderOutcome::Done;
  return r;
}

}  // namespace gm
