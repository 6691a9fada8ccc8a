// The job stream of one store: the adjustment dialogs it opens one after another, decided from
// the store as it stands before the first of them opens.
#pragma once

#include <array>
#include <cstdint>

namespace gm {

class Ttempo;

enum class JobStep : uint8_t {
  ExchangeRates,   // "交換率変更"
  Manipulations,   // "工作変更"
  ProfitRates,     // "利益率一括修正"
  BusinessForms,   // "営業形態一括調整"
  Morning,         // "ﾓｰﾆﾝｸﾞ一括設定"
  NewDefaults,     // "新台初期値設定"
  PersonnelCosts,  // "人件費調整"
  Promotions,      // "販売促進予算変更"
};

struct JobStream {
  std::array<JobStep, 8> steps{};
  int count = 0;
  bool has(JobStep s) const {
    for (int i = 0; i < count; ++i)
      if (steps[i] == s) return true;
    return false;
  }
};

// A store under construction or suspended takes no manipulations; a store without machines has
// no islands to set; the morning service needs slot machines and the personnel costs need staff.
JobStream jobStreamFor(const Ttempo& store);

}  // namespace gm
