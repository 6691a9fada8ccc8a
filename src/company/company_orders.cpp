// The warehouse rebuild and the special manoeuvre.
#include "company/company_orders.h"

#include <string>

#include "base/money.h"
#include "base/translation.h"
#include "company/company.h"
#include "world/world.h"

namespace gm {

std::optional<WarehouseRebuild> NextWarehouseRebuild(const tkaichou& company) {
  if (!company.SoukoKaichikuKanou()) return std::nullopt;
  const int next = company.souko + 1;
  const WarehouseLevel& level = warehouseLevel(next);
  return WarehouseRebuild{next, level.capacity, level.rebuildCost};
}

WarehouseRebuildOutcome SoukoKaichiku(tworld& world) {
  tkaichou& company = world.kaichou;
  const std::optional<WarehouseRebuild> plan = NextWarehouseRebuild(company);
  if (!plan) return WarehouseRebuildOutcome::NotOffered;
  Frontend& ui = world.ui();
  const std::string question =
      formatText(translate("company_orders",
                           "倉庫を%1台収容できる規模に改築します。費用が%2かかりますが、よろしいで"
                           "すか？"),
                 {formatGrouped(int64_t{plan->capacity}), formatGrouped(plan->cost)});
  if (!ui.message(translate("company_orders", "倉庫改築"), question, true, true, kFaceNormal))
    return WarehouseRebuildOutcome::Declined;
  if (!company.Shiharai(plan->cost)) {
    ui.message(translate("company_orders", "資金不足"),
               translate("company_orders", "費用が足りません。"), true, false, kFaceCry);
    return WarehouseRebuildOutcome::NoMoney;
  }
  company.souko = static_cast<uint8_t>(plan->level);
  ui.companyChanged();
  ui.playCue(kCueYes);
  ui.message(
      translate("company_orders", "倉庫改築"),
      formatText(translate("company_orders",
                           "倉庫を改築しました。これからは最大%1台を収容できるようになります。"),
                 {formatGrouped(int64_t{plan->capacity})}),
      false, false, kFaceLaugh);
  ui.playCue(kCueMain);
  return WarehouseRebuildOutcome::Rebuilt;
}

bool TokushuKousaku(tworld& world) {
  tkaichou& company = world.kaichou;
  Frontend& ui = world.ui();
  bool changed = false;
  if (company.datuzei) {
    if (ui.message(translate("company_orders", "特殊工作"),
                   translate("company_orders", "アレをやめるのですね？"), false, true,
                   kFaceNormal)) {
      company.datuzei = false;
      changed = true;
    }
  } else if (ui.message(
                 translate("company_orders", "特殊工作"),
                 translate("company_orders", "アレを．．．実行するのですか？．．．本当に．．？"),
                 false, true, kFaceNormal)) {
    ui.message(translate("company_orders", "特殊工作"),
               translate("company_orders", "わかりました．．．。今月より実行いたします。"), false,
               false, kFaceNormal);
    company.datuzei = true;
    changed = true;
  }
  ui.companyChanged();
  return changed;
}

}  // namespace gm
