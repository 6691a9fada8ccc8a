// The job stream of one store, and of the stores selected in the company's store list: the
// adjustment dialogs it opens one after another, decided from the stores as they stand before
// the first of them opens.
#pragma once

#include <array>
#include <cstdint>

#include "company/store_selection.h"

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

// The stream of the selected stores opens every dialog for all of them at once. Only the waiting
// and open stores take the manipulations, and that dialog opens only when there is one; the
// morning service opens only when the selected stores have slot machines. An empty selection
// (or one without a store in use) opens nothing.
struct SelectionJobStream {
  JobStream stream;
  StoreSelection stores;              // the selected stores in use
  StoreSelection manipulationStores;  // those of them waiting or open
};
SelectionJobStream jobStreamFor(const tkaichou& company, const StoreSelection& selected);

}  // namespace gm
