// The company's cash, payments and president's qualities.
#include "company/company.h"

#include "base/rating.h"
#include "world/world.h"

namespace gm {

tkaichou::tkaichou(tworld& world) : world_(&world) {
  for (auto& store : tempo) store.world = &world;
}

void tkaichou::SetSikin(Money amount) {
  sikin = amount;
  world_->ui().cashChanged();
}

bool tkaichou::Shiharai(Money amount) {
  if (sikin > amount) {
    SetSikin(sikin - amount);
    return true;
  }
  return false;
}

bool tkaichou::Shiharai(int64_t amount) { return Shiharai(Money::fromInt(amount)); }

void tkaichou::SetKarisuma(int64_t v) { karisuma = static_cast<int32_t>(clampValue(v, 1, 100)); }
void tkaichou::SetChisei(int64_t v) { chisei = static_cast<int32_t>(clampValue(v, 1, 100)); }
void tkaichou::SetTousotu(int64_t v) { tousotu = static_cast<int32_t>(clampValue(v, 1, 100)); }
void tkaichou::SetKantei(int64_t v) { kantei = static_cast<int32_t>(clampValue(v, 1, 100)); }

}  // namespace gm
