// The program's composition: which window class stands behind each start-up window, and which
// dialog behind each order.
#include "ui/program_assembly.h"

#include <QLabel>
#include <QStatusBar>
#include <memory>

#include "shell/data_folder.h"
#include "shell/fluid_sound_player.h"
#include "shell/game_orders.h"
#include "shell/main_window.h"
#include "shell/mini_map.h"
#include "shell/qt_frontend.h"
#include "shell/research_window.h"
#include "shell/results_report.h"
#include "ui/block_window.h"
#include "ui/company_window.h"
#include "ui/district_window.h"
#include "ui/donation_window.h"
#include "ui/machine_window.h"
#include "ui/maker_window.h"
#include "ui/negotiation_window.h"
#include "ui/new_model_window.h"
#include "ui/personnel_window.h"
#include "ui/rival_store_window.h"
#include "ui/sale_window.h"
#include "ui/seminar_window.h"
#include "ui/store_window.h"
#include "world/world.h"

namespace gm {

void assembleProgram(TMain& main) {
  SubWindowMakers makers;
  makers.allmap = [](TMain& m) {
    auto* w = new MiniMap(m);
    QObject::connect(w, &MiniMap::blockChosen, &m, &TMain::centreOn);
    return w;
  };
  makers.chikudata = [](TMain& m) { return new DistrictWindow(m); };
  makers.chipform = [](TMain& m) { return new BlockWindow(m); };
  makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
  makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
  makers.ddaidata = [](TMain& m) { return new MachineWindow(m); };
  makers.entempoform = [](TMain& m) { return new RivalStoreWindow(m); };
  makers.idouform = [](TMain& m) { return new PersonnelWindow(m); };
  makers.sindaiform = [](TMain& m) { return new NewModelForm(m); };
  makers.jissekiform = [](TMain& m) { return new ResultsReportWindow(m); };
  main.createSubWindows(makers);

  auto sound = std::make_unique<FluidSoundPlayer>(dataFolder(), main.options().playmusic, &main);
  const QString silentReason = sound->unavailableReason();
  main.setSoundPlayer(std::move(sound));
  // A permanent label: a status message would vanish as soon as a menu item shows its own.
  if (!silentReason.isEmpty()) {
    auto* notice = new QLabel(silentReason, main.statusBar());
    notice->setObjectName(QStringLiteral("soundNotice"));
    main.statusBar()->addPermanentWidget(notice);
  }

  main.setResearchRunner([](TMain& m) { showResearchWindow(&m, m.world()); });
  main.setMachinePurchaseRunner(runMakerVisit);
  main.frontend().setSalePriceAsker([&main](int landPrice) {
    return askSalePrice(&main, landPrice, main.world().kaichou.sikin);
  });
  // The main window owns the negotiation screen; it lives as long as the program.
  main.frontend().setNegotiationScreen(new TBuykoushou(main));
  main.frontend().setDonationAsker(
      [&main](Money cash) { return askDonationAmount(&main, main.world().ui(), cash); });
  main.frontend().setSeminarAsker([&main](const SeminarOffer& offer) {
    return askSeminarCourse(&main, offer, main.options().waittime);
  });
  connectGameOrders(main);
}

}  // namespace gm
