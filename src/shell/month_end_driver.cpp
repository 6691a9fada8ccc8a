// The window side of the month's end, around the core's steps A and B.
#include "shell/month_end_driver.h"

#include <array>

#include "shell/main_window.h"
#include "shell/map_view.h"
#include "shell/save_orders.h"
#include "shell/sub_windows.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {

MonthEndReport runMonthEnd(TMain& main) {
  MonthEndReport report;
  tworld& world = main.world();
  if (!ConfirmEndOfMonth(world)) return report;
  report.ran = true;

  main.setMonthProcessing(true);

  // The movable views step aside while the month runs; the district overview stays, disabled.
  const SubWindows& subs = main.subWindows();
  const std::array<DataWindow*, 6> movable = {subs.allmap,   subs.tempoform,  subs.ddaidata,
                                              subs.chipform, subs.kaishaform, subs.entempoform};
  std::array<bool, 6> wasVisible{};
  for (std::size_t i = 0; i < movable.size(); ++i) {
    wasVisible[i] = movable[i] && movable[i]->isVisible();
    if (wasVisible[i]) movable[i]->hide();
  }

  main.map().startMonthRedraw();
  MonthStepA(world);
  if (subs.chikudata && subs.chikudata->isVisible()) subs.chikudata->refresh();
  main.updateCaption();
  MonthStepB(world);
  main.map().stopMonthRedraw();
  // Step B pays too (a seminar's fee, a donation): the caption shows the cash the month ends with.
  main.updateCaption();

  // A window whose store, machine or rival store is gone is not shown again.
  for (DataWindow* w :
       {static_cast<DataWindow*>(subs.tempoform), static_cast<DataWindow*>(subs.ddaidata),
        static_cast<DataWindow*>(subs.entempoform)}) {
    if (!w || w->objectStillExists()) continue;
    for (std::size_t i = 0; i < movable.size(); ++i)
      if (movable[i] == w) wasVisible[i] = false;
  }

  if (subs.chikudata && subs.chikudata->isVisible()) subs.chikudata->refresh();
  for (std::size_t i = 0; i < movable.size(); ++i)
    if (wasVisible[i]) movable[i]->refresh();

  const GameEndResult end = GameEndCheck(world);
  report.goesOn = end.goesOn;
  if (end.goesOn) {
    for (std::size_t i = 0; i < movable.size(); ++i)
      if (wasVisible[i]) movable[i]->show();
    main.setMonthProcessing(false);
    if (main.options().autosave) runAutosave(main);
  } else {
    // Game over: only new game, load, options, quit, help and version remain; the map shows the
    // last month's city but takes no input.
    main.setMonthProcessing(false);
    main.setGameMenusEnabled(false);
    main.map().setEnabled(false);
  }
  for (DataWindow* w : subs.dataWindows())
    if (w) w->setEnabled(true);
  return report;
}

}  // namespace gm
