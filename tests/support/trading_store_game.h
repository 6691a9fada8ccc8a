// A game for the month-close tests: a generated 20 x 20 city without rivals, a company founded
// with middling qualities, and one open two-floor store of its own set straight into the state
// (eight pachinko and four pachislot islands, a staff a few above its need, paid above their
// demand, and advertising), played without windows.
#pragma once

#include <memory>

#include "company/new_game.h"
#include "core/world/test_city.h"
#include "support/scripted_frontend.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm::test {

struct TradingStoreGame {
  std::unique_ptr<tworld> world = std::make_unique<tworld>();
  ScriptedFrontend port;

  explicit TradingStoreGame(uint32_t seed) {
    port.opts.jissekihoukoku = true;
    port.opts.reserchhoukoku = false;
    world->setFrontend(&port);
    FoundingChoice founding;
    founding.companyName = "試験興業";
    founding.tousotu = founding.chisei = founding.karisuma = founding.kantei = 60;
    founding.sihon = 4;
    SetUpNewGame(*world, Random(seed), makeCityDefinition(20, 20, 11), founding,
                 Difficulty::kNovice);

    // Beside the column street at 6, amid housing, shops and offices.
    world->block(7, 7).kind = 19;
    Ttempo& s = store();
    s.init();
    s.used = true;
    s.name = "試験会館";
    s.blockY = s.blockX = 7;
    s.kibo = 1;
    s.shuttenMonth = world->month;
    s.senren = s.chimei = s.manzoku = 50;
    s.pkankin = 2;
    s.skankin = 1;
    s.setDansei(20);
    s.setZyosei(12);
    s.setMoral(Money::fromInt(60));
    s.setSkill(Money::fromInt(60));
    // Fans drift away from halls that do not advertise.
    s.hansoku.event = 4;
    s.hansoku.tissue = 2;
    s.hansoku.mail = 4;
    s.hansoku.www = 2;
    s.kyuyo = 260;
    s.kyouiku = 30;
    s.fukuri = 40;
    for (int i = 0; i < 12; ++i) {
      Tddai& d = s.dai[i / 8][i % 8];
      d.used = true;
      d.name = i < 8 ? "試験台" : "試験スロ";
      d.kishu = static_cast<uint8_t>(i < 8 ? i : 8 + i % 2);
      d.maker = static_cast<uint8_t>(i % kMakerCount);
      d.actual = d.nominal = {60, 60, 60, 60};
      d.kounyuuMonth = world->month;
      d.yuukouMonth = world->month + 36;
      d.shukka = 5000 + i;
      d.tanka = 300000;
      d.riritu = Money::fromInt(15);
    }
    s.setJoutai(kOpen);
  }
  TradingStoreGame(const TradingStoreGame&) = delete;  // the world points at `port`
  TradingStoreGame& operator=(const TradingStoreGame&) = delete;

  Ttempo& store() { return world->kaichou.slot(1); }
};

}  // namespace gm::test
