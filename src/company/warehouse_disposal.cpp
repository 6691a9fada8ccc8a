// The disposal order.
#include "company/warehouse_disposal.h"

#include <string>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

int64_t DisposalCost(const tworld& world, std::span<const int> records) {
  int64_t cost = 0;
  for (int n : records)
    if (n >= 1 && n <= kWarehouseRecords && world.kaichou.record(n).used)
      cost += world.DisposalFee(world.kaichou.record(n).kishu);
  return cost;
}

Check CheckDisposal(const tworld& world, std::span<const int> records) {
  for (int i = 0; i < static_cast<int>(records.size()); ++i) {
    const int n = records[i];
    bool twice = false;
    for (int j = 0; j < i; ++j) twice = twice || records[j] == n;
    if (n < 1 || n > kWarehouseRecords || !world.kaichou.record(n).used || twice)
      return refusal(translate("warehouse_disposal", "廃棄"),
                     translate("warehouse_disposal", "その台は廃棄できません。"));
  }
  if (!world.disposalAccepted && !world.hasLaw(kLawMakerLiability))
    return refusal(translate("warehouse_disposal", "廃棄"),
                   translate("warehouse_disposal",
                             "今月は市が台の廃棄を受け付けておりません。来月までお待ちください。"));
  return std::nullopt;
}

OrderOutcome OrderDisposal(tworld& world, std::span<const int> records) {
  if (records.empty()) return OrderOutcome::Unchanged;
  if (Check c = CheckDisposal(world, records)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  const int64_t cost = DisposalCost(world, records);
  const std::string machines = formatGrouped(static_cast<int64_t>(records.size()) * 10);
  if (!confirmOrder(
          world, translate("warehouse_disposal", "廃棄"),
          formatText(translate("warehouse_disposal",
                               "選択した台%1台を廃棄します。費用が%2かかりますが、よろしい"
                               "ですか？"),
                     {machines, formatGrouped(cost)})))
    return OrderOutcome::Declined;
  if (!payOrder(world, cost)) return OrderOutcome::Unpaid;
  for (int n : records) world.kaichou.record(n).reset();
  return OrderOutcome::Done;
}

}  // namespace gm
