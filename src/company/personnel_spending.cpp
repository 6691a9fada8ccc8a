// Personnel spending for one store or for several at once.
#include "company/personnel_spending.h"

#include "base/translation.h"
#include "world/world.h"

namespace gm {

PersonnelSpending AverageSpending(const tkaichou& company, const StoreSelection& stores) {
  int64_t kyuyo = 0, kyouiku = 0, fukuri = 0;
  int count = 0;
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = company.slot(n);
    if (!stores.test(n - 1) || !s.used) continue;
    ++count;
    kyuyo += s.kyuyo;
    kyouiku += s.kyouiku;
    fukuri += s.fukuri;
  }
  if (count == 0) return PersonnelSpending{};
  return PersonnelSpending{static_cast<int>(kyuyo / count), static_cast<int>(kyouiku / count),
                           static_cast<int>(fukuri / count)};
}

PersonnelSpending RaiseToSalaryFloor(PersonnelSpending values) {
  if (values.kyuyo < kMinSalary) values.kyuyo = kMinSalary;
  return values;
}

Check CheckPersonnelSpending(const PersonnelSpending& v) {
  auto out = [](int value, int lo) { return value < lo || value > kMaxSpending; };
  if (out(v.kyuyo, kMinSalary) || out(v.kyouiku, 0) || out(v.fukuri, 0))
    return Refusal{translate("personnel_spending", "人件費調整"),
                   translate("personnel_spending",
                             "給与は120から1,000まで、教育と福利厚生は0から1,000までの額を指定して"
                             "ください。"),
                   kFaceCry, false};
  return std::nullopt;
}

bool ChangePersonnelSpending(tworld& world, const StoreSelection& stores,
                             PersonnelSpending values) {
  values = RaiseToSalaryFloor(values);
  Frontend& ui = world.ui();
  if (Check refusal = CheckPersonnelSpending(values)) {
    showRefusal(ui, *refusal);
    return false;
  }
  tkaichou& company = world.kaichou;
  bool any = false;
  for (int n = 1; n <= kStoreSlots; ++n) any = any || (stores.test(n - 1) && company.slot(n).used);
  if (!any) return false;
  if (world.options().tellmsg &&
      !ui.message(translate("personnel_spending", "人件費調整"),
                  translate("personnel_spending", "人件費を変更します。よろしいですか？"), false,
                  true, kFaceNormal))
    return false;
  for (int n = 1; n <= kStoreSlots; ++n) {
    Ttempo& s = company.slot(n);
    if (!stores.test(n - 1) || !s.used) continue;
    s.kyuyo = values.kyuyo;
    s.kyouiku = values.kyouiku;
    s.fukuri = values.fukuri;
  }
  return true;
}

}  // namespace gm
