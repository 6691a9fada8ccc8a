// The exchange-rate order.
#include "company/exchange_rate_order.h"

#include <string>

#include "base/rating.h"
#include "base/translation.h"
#include "world/world.h"

namespace gm {

namespace {

// A well-read president argues the union's paperwork down.
constexpr FactorTable kIntelligenceRateFactor = {14000, 13300, 12000, 11200, 11000,
                                                 10500, 10000, 9000,  8500,  7000};

}  // namespace

int64_t ExchangeRateCost(const tworld& world, const StoreSelection& stores) {
  int64_t base = 150;
  for (int slot : slotsOf(stores)) {
    const Ttempo& s = world.kaichou.slot(slot);
    const MachineCounts c = s.machineCounts();
    const int64_t perKind = (int64_t{s.kibo} + 1) * 150;
    if (c.pachinkoIslands > 0) base += perKind;
    if (c.slotIslands > 0) base += perKind;
  }
  return (Money::fromInt(base) * factorFor(kIntelligenceRateFactor, world.kaichou.chisei)).trunc();
}

Check CheckExchangeRates(const tworld& world, const StoreSelection& stores, int pachinko,
                         int slot) {
  if (!allInUse(world.kaichou, stores) || pachinko < 0 || pachinko >= kPachinkoRates || slot < 0 ||
      slot >= kSlotRates)
    return refusal(translate("exchange_rate_order", "交換率変更"),
                   translate("exchange_rate_order", "その交換率は選べません。"));
  if (pachinko > world.maxPachinkoRate)
    return refusal(
        translate("exchange_rate_order", "交換率変更"),
        formatText(translate("exchange_rate_order",
                             "組合の規制により、パチンコの交換率は %1までと定められていま"
                             "す。"),
                   {pachinkoRateName(world.maxPachinkoRate)}));
  if (slot > world.maxSlotRate)
    return refusal(
        translate("exchange_rate_order", "交換率変更"),
        formatText(translate("exchange_rate_order",
                             "組合の規制により、パチスロの交換率は %1までと定められていま"
                             "す。"),
                   {slotRateName(world.maxSlotRate)}));
  return std::nullopt;
}

OrderOutcome OrderExchangeRates(tworld& world, const StoreSelection& stores, int pachinko,
                                int slot) {
  if (Check c = CheckExchangeRates(world, stores, pachinko, slot)) {
    showRefusal(world.ui(), *c);
    return OrderOutcome::Refused;
  }
  bool changes = false;
  for (int n : slotsOf(stores)) {
    const Ttempo& s = world.kaichou.slot(n);
    changes = changes || s.pkankin != pachinko || s.skankin != slot;
  }
  if (!changes) return OrderOutcome::Unchanged;
  const int64_t cost = ExchangeRateCost(world, stores);
  if (!confirmOrder(
          world, translate("exchange_rate_order", "交換率変更"),
          formatText(translate("exchange_rate_order",
                               "交換率を変更します。コストが  %1かかりますが、よろしいです"
                               "か？"),
                     {formatGrouped(cost)})))
    return OrderOutcome::Declined;
  if (!payOrder(world, cost)) return OrderOutcome::Unpaid;
  for (int n : slotsOf(stores)) {
    Ttempo& s = world.kaichou.slot(n);
    s.pkankin = static_cast<uint8_t>(pachinko);
    s.skankin = static_cast<uint8_t>(slot);
  }
  return OrderOutcome::Done;
}

}  // namespace gm
