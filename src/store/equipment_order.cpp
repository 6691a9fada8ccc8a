// The equipment order.
#include "store/equipment_order.h"

#include <string>

#include "base/translation.h"
#include "store/store.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

bool equipmentOffered(const Ttempo& store, int item) { return store.canInstall(item); }

int64_t EquipmentPrice(const tworld& world, const Ttempo& store, int item) {
  return equipmentCost(store, item, world.kaichou.karisuma);
}

Check CheckEquipment(const tworld&, const Ttempo& store, int item) {
  if (store.joutai == kUnderConstruction)
    return refusal(translate("equipment_order", "設備投資"),
                   translate("equipment_order", "工事中は設備を設置できません。"));
  if (!equipmentOffered(store, item))
    return refusal(translate("equipment_order", "設備投資"),
                   translate("equipment_order", "その設備は導入できません。"));
  const EquipmentInfo& e = equipmentInfo(item);
  // The room a special item needs on its floor, in islands and machines.
  if (e.special && store.floorMachines(e.floor - 1) > 100 - e.space)
    return refusal(translate("equipment_order", "ｽﾍﾟｰｽ不足"),
                   formatText(translate("equipment_order",
                                        "%1に %2 を導入する為には、%3階ﾎｰﾙに %4島分（%5台分）のス"
                                        "ペースが必要です。"),
                              {store.name.view(), equipmentName(item), std::to_string(e.floor),
                               std::to_string(e.space / 10), std::to_string(e.space)}));
  return std::nullopt;
}

OrderOutcome OrderEquipment(tworld& world, Ttempo& store, int item) {
  if (Check c = CheckEquipment(world, store, item)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  const EquipmentInfo& e = equipmentInfo(item);
  const int64_t price = EquipmentPrice(world, store, item);
  const std::string name = equipmentName(item);
  const std::string q =
      e.special
          ? formatText(
                translate("equipment_order",
                          "%1の %2階ホールに %3を設置します。%4島分（%5台分）のスペースを占"
                          "有し、%6の費用がかかりますが、よろしいですか？"),
                {store.name.view(), std::to_string(e.floor), name, std::to_string(e.space / 10),
                 std::to_string(e.space), formatGrouped(price)})
          : formatText(translate("equipment_order",
                                 "%1に %2を導入します。%3の費用がかかりますが、よろしいですか？"),
                       {store.name.view(), name, formatGrouped(price)});
  if (!confirmOrder(world, translate("equipment_order", "設備投資"), q))
    return OrderOutcome::Declined;
  if (!payOrder(world, price)) return OrderOutcome::Unpaid;

  store.addEquipment(item);
  Frontend& ui = world.ui();
  ui.playCue(kCueUp);
  ui.message(translate("equipment_order", "設置完了"),
             formatText(translate("equipment_order",
                                  "%1の設置を完了しました。今月の実績報告が楽しみですね。"),
                        {name}),
             false, false, kFaceLaugh);
  ui.playCue(kCueMain);
  return OrderOutcome::Done;
}

}  // namespace gm
