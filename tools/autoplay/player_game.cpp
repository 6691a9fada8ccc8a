// One headless game's months.
#include "player_game.h"

#include "invariants.h"
#include "strategy.h"
#include "world/world.h"

namespace gm {

PlayerGame::PlayerGame(std::unique_ptr<tworld> world, Strategy& strategy)
    : world_(std::move(world)),
      strategy_(strategy),
      port_(*world_, strategy),
      orders_(*world_, port_) {
  port_.setOrders(&orders_);
  world_->setFrontend(&port_);
  port_.ledger().start(world_->kaichou.sikin);
}

PlayerGame::~PlayerGame() { world_->setFrontend(nullptr); }

void PlayerGame::collect(const std::vector<std::string>& found, int month) {
  const YearMonth date = MonthToDate(month);
  const std::string when =
      "year " + std::to_string(date.year) + " month " + std::to_string(date.month) + ": ";
  for (const std::string& f : found) violations_.push_back(when + f);
}

GameEndResult PlayerGame::playMonth(bool check, bool giveOrders) {
  tworld& w = *world_;
  CashLedger& ledger = port_.ledger();
  const int month = w.month;

  if (giveOrders) strategy_.giveOrders(w, orders_);
  ledger.endOrders();

  // The month's end cannot make machine records: it only loses them (fires, earthquakes).
  const int records = MachineRecordsInUse(w);
  MonthStepA(w);
  ledger.endStepA(w.kaichou.zeibikirieki);
  MonthStepB(w);
  ledger.endStepB();
  const GameEndResult end = GameEndCheck(w);

  if (check) {
    std::vector<std::string> found = ledger.violations();
    found.insert(found.end(), orders_.violations().begin(), orders_.violations().end());
    if (MachineRecordsInUse(w) > records)
      found.push_back("the month's end made machine records: " + std::to_string(records) +
                      " before, " + std::to_string(MachineRecordsInUse(w)) + " after");
    const std::vector<std::string> broken = CheckInvariants(w);
    found.insert(found.end(), broken.begin(), broken.end());
    collect(found, month);
  }
  ledger.clearViolations();
  orders_.clearViolations();
  return end;
}

}  // namespace gm
