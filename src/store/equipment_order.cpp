// The equipment order.
#include "store/equipment_order.h"

#include <string>

#include "store/store.h"
#include "store/store_costs.h"
#include "world/world.h"

namespace gm {

namespace {

// "2階ﾎｰﾙに 1島分（10台分）": the room a special item needs on its floor.
std::string roomText(const EquipmentInfo& e) {
  return std::to_string(e.floor) + "階ﾎｰﾙに " + std::to_string(e.space / 10) + "島分（" +
         std::to_string(e.space) + "台分）";
}

}  // namespace

bool equipmentOffered(const Ttempo& store, int item) { return store.canInstall(item); }

int64_t EquipmentPrice(const tworld& world, const Ttempo& store, int item) {
  return equipmentCost(store, item, world.kaichou.karisuma);
}

Check CheckEquipment(const tworld&, const Ttempo& store, int item) {
  if (store.joutai == kUnderConstruction)
    return refusal("設備投資", "工事中は設備を設置できません。");
  if (!equipmentOffered(store, item)) return refusal("設備投資", "その設備は導入できません。");
  const EquipmentInfo& e = equipmentInfo(item);
  if (e.special && store.floorMachines(e.floor - 1) > 100 - e.space)
    return refusal("ｽﾍﾟｰｽ不足", store.name.str() + "に " + std::string(e.name) +
                                    " を導入する為には、" + roomText(e) + "のスペースが必要です。");
  return std::nullopt;
}

OrderOutcome OrderEquipment(tworld& world, Ttempo& store, int item) {
  if (Check c = CheckEquipment(world, store, item)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  const EquipmentInfo& e = equipmentInfo(item);
  const int64_t price = EquipmentPrice(world, store, item);
  const std::string q =
      e.special ? store.name.str() + "の " + std::to_string(e.floor) + "階ホールに " +
                      std::string(e.name) + "を設置します。" + std::to_string(e.space / 10) +
                      "島分（" + std::to_string(e.space) + "台分）のスペースを占有し、" +
                      formatGrouped(price) + "の費用がかかりますが、よろしいですか？"
                : store.name.str() + "に " + std::string(e.name) + "を導入します。" +
                      formatGrouped(price) + "の費用がかかりますが、よろしいですか？";
  if (!confirmOrder(world, "設備投資", q)) return OrderOutcome::Declined;
  if (!payOrder(world, price)) return OrderOutcome::Unpaid;

  store.addEquipment(item);
  Frontend& ui = world.ui();
  ui.playCue(kCueUp);
  ui.message("設置完了",
             std::string(e.name) + "の設置を完了しました。今月の実績報告が楽しみですね。", false,
             false, kFaceLaugh);
  ui.playCue(kCueMain);
  return OrderOutcome::Done;
}

}  // namespace gm
