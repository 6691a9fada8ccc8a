// Equipment and opening prices.
#include "store/store_costs.h"

namespace gm {

int64_t equipmentCost(const Ttempo& store, int n, int karisuma) {
  if (n < 0 || n >= kEquipmentCount) return 0;
  int64_t floors = equipmentInfo(n).special ? 1 : store.floorCount();
  Money base = Money::fromInt(kEquipmentIntroductionBase[n] * floors);
  return (base * factorFor(kCharismaPriceFactor, karisuma)).trunc();
}

int64_t openingCost(const Ttempo& store, int karisuma) {
  Money base = Money::fromInt(int64_t{store.floorCount()} * 500);
  return (base * factorFor(kOpeningFactor, karisuma)).trunc();
}

}  // namespace gm
