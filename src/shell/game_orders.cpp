// Wiring of the main window's orders to the new-game order, the month-end driver and the
// saved-game orders.
#include "shell/game_orders.h"

#include <QObject>

#include "shell/main_window.h"
#include "shell/month_end_driver.h"
#include "shell/new_game_order.h"
#include "shell/save_orders.h"
#include "world/world.h"

namespace gm {

bool runNewGame(TMain& main) {
  std::unique_ptr<tworld> fresh = runNewGameOrder(&main, main.world().rng(), &main.options());
  if (!fresh) return false;
  // The old game's windows go, and every window forgets what pointed into the old world.
  main.hideDataWindows();
  main.replaceWorld(std::move(fresh));
  main.setSaveFileName(QString());
  main.beginPlay();
  return true;
}

void connectGameOrders(TMain& main) {
  QObject::connect(&main, &TMain::newGameRequested, &main, [&main] { runNewGame(main); });
  QObject::connect(&main, &TMain::endMonthRequested, &main, [&main] { runMonthEnd(main); });
  QObject::connect(&main, &TMain::loadRequested, &main, [&main] { runLoad(main); });
  QObject::connect(&main, &TMain::saveAsRequested, &main, [&main] { runSaveAs(main); });
  QObject::connect(&main, &TMain::saveRequested, &main, [&main] { runSave(main); });
}

}  // namespace gm
