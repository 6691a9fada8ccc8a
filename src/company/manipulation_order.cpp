// The manipulation order.
#include "company/manipulation_order.h"

#include <array>
#include <string>

#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, kManipulationCount> kCaptions = {
    GM_TR_NOOP("manipulation_order", "サクラを雇う"),
    GM_TR_NOOP("manipulation_order", "裏ROMを仕込む"),
    GM_TR_NOOP("manipulation_order", "特賞操作システムを導入する")};

constexpr uint8_t kAllBits = kShills | kIllegalRom | kJackpotControl;

uint8_t resultingBits(uint8_t bits, const ManipulationChange& c) {
  return static_cast<uint8_t>((bits | c.add) & ~c.remove & kAllBits);
}

}  // namespace

std::string manipulationCaption(int bit) {
  return bit >= 0 && bit < kManipulationCount ? translate("manipulation_order", kCaptions[bit])
                                              : std::string();
}

ManipulationChange ManipulationChange::to(const Ttempo& store, uint8_t wanted) {
  ManipulationChange c;
  c.add = static_cast<uint8_t>(wanted & ~store.kousaku & kAllBits);
  c.remove = static_cast<uint8_t>(store.kousaku & ~wanted & kAllBits);
  return c;
}

int64_t ManipulationCost(const Ttempo& s, const ManipulationChange& change) {
  const uint8_t after = resultingBits(s.kousaku, change);
  const uint8_t added = static_cast<uint8_t>(after & ~s.kousaku);
  const uint8_t removed = static_cast<uint8_t>(s.kousaku & ~after);
  const int64_t floors = int64_t{s.kibo} + 1;
  const int64_t machines = s.machineCounts().allMachines;
  int64_t cost = 0;
  // Letting the shills go is cheaper than hiring them; stripping the ROMs or the system out
  // costs about half of putting them in.
  if (added & kShills) cost += floors * 800;
  if (removed & kShills) cost += floors * 600;
  if (added & kIllegalRom) cost += 200 + 2 * machines;
  if (removed & kIllegalRom) cost += 150 + machines;
  if (added & kJackpotControl) cost += 2500 + floors * 100;
  if (removed & kJackpotControl) cost += 1250 + floors * 100;
  return cost;
}

int64_t ManipulationCost(const tworld& world, const StoreSelection& stores,
                         const ManipulationChange& change) {
  int64_t cost = 0;
  for (int n : slotsOf(stores)) cost += ManipulationCost(world.kaichou.slot(n), change);
  return cost;
}

Check CheckManipulations(const tworld& world, const StoreSelection& stores,
                         const ManipulationChange& change) {
  if (!allInUse(world.kaichou, stores) || ((change.add | change.remove) & ~kAllBits) ||
      (change.add & change.remove))
    return refusal(translate("manipulation_order", "工作変更"),
                   translate("manipulation_order", "その工作はできません。"));
  // The order takes any store, whatever its state: only the job stream, which walks the stores
  // that are to do business, passes over those under construction or suspended.
  return std::nullopt;
}

OrderOutcome OrderManipulations(tworld& world, const StoreSelection& stores,
                                const ManipulationChange& change) {
  if (Check c = CheckManipulations(world, stores, change)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  bool changes = false;
  for (int n : slotsOf(stores)) {
    const Ttempo& s = world.kaichou.slot(n);
    changes = changes || resultingBits(s.kousaku, change) != s.kousaku;
  }
  if (!changes) return OrderOutcome::Unchanged;
  const int64_t cost = ManipulationCost(world, stores, change);
  const std::string question =
      formatText(stores.count() > 1
                     ? translate("manipulation_order",
                                 "工作を一括変更します。コストが  %1かかりますが、よろしいですか？")
                     : translate("manipulation_order",
                                 "工作を変更します。コストが  %1かかりますが、よろしいですか？"),
                 {formatGrouped(cost)});
  if (!confirmOrder(world, translate("manipulation_order", "工作変更"), question))
    return OrderOutcome::Declined;
  if (!payOrder(world, cost)) return OrderOutcome::Unpaid;
  for (int n : slotsOf(stores)) {
    Ttempo& s = world.kaichou.slot(n);
    s.kousaku = resultingBits(s.kousaku, change);
  }
  return OrderOutcome::Done;
}

}  // namespace gm
