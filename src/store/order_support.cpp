// The confirmation and payment steps every store order takes.
#include "store/order_support.h"

#include "base/money.h"
#include "world/world.h"

namespace gm {

bool confirmOrder(tworld& world, std::string_view title, std::string_view text, bool showCash) {
  if (!world.options().tellmsg) return true;
  return world.ui().message(title, text, showCash, true, kFaceNormal);
}

bool askPlayer(tworld& world, std::string_view title, std::string_view text) {
  return world.ui().message(title, text, false, true, kFaceNormal);
}

bool payOrder(tworld& world, int64_t cost) {
  if (world.kaichou.Shiharai(cost)) return true;
  showRefusal(world.ui(), cashShortage());
  return false;
}

}  // namespace gm
