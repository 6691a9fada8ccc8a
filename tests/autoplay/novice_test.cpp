// `novice` and `advised`: the new player sets up one hall with the game's defaults and then only
// ends months; the advised one gives, in a month, the orders the advisor's findings name with
// the values they propose; and the headless player writes the findings when asked to.
#include "novice_strategy.h"

#include <gtest/gtest.h>

#include <sstream>

#include "autoplay.h"
#include "core/world/test_city.h"
#include "played_game.h"
#include "player_game.h"

namespace gm {
namespace {

TEST(Novice, SetsUpOneHallWithTheDefaultsAndThenOnlyEndsMonths) {
  test::PlayedGame g = test::newPlayedGame("kumoizawa", "novice", 1, 0, 50);
  tworld& w = g.world();
  int openedIn = 0;
  for (int month = 1; month <= 12 && openedIn == 0; ++month) {
    ASSERT_TRUE(g.game->playMonth(true).goesOn);
    if (w.kaichou.TempoKazu().open == 1) openedIn = month;
  }
  ASSERT_GT(openedIn, 0) << "a hall opens within the first year";
  const Ttempo& s = w.kaichou.slot(1);
  EXPECT_EQ(s.kibo, 0) << "a one-floor hall";
  EXPECT_TRUE(s.hasMachines());
  EXPECT_EQ(s.kyuyo, 150);
  EXPECT_EQ(s.kyouiku, 0);
  EXPECT_EQ(s.fukuri, 0);
  EXPECT_EQ(s.hansoku.tvAgency + s.hansoku.mail + s.hansoku.tissue + s.hansoku.event, 0);
  const int given = g.game->orders().given();
  for (int month = 0; month < 6; ++month) g.game->playMonth(true);
  EXPECT_EQ(g.game->orders().given(), given) << "after the opening he only ends months";
  EXPECT_TRUE(g.game->violations().empty()) << g.game->violations().front();
}

TEST(Advised, GivesTheOrdersTheFindingsNameWithTheirValues) {
  // The advisor's own test hall: salary 150 against a demand of 190, 21 of the 26 it needs.
  auto world = test::makeWorld(5, 5);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) test::place(*world, r, c, 1);
  world->month = 4;
  world->kaichou.kaishaname = "銀玉商事";
  world->kaichou.sikin = Money::fromInt(1000000);
  world->kaichou.karisuma = 45;
  world->kaichou.chisei = 65;
  world->kaichou.tousotu = 55;
  Ttempo& s = world->kaichou.slot(1);
  s.init();
  s.used = true;
  s.name = "銀玉会館";
  s.blockY = s.blockX = 2;
  s.joutai = kOpen;
  s.shuttenMonth = 4;
  world->block(2, 2).kind = 19;
  for (int i = 0; i < kIslandsPerFloor; ++i) {
    Tddai& d = s.dai[0][i];
    d.used = true;
    d.kounyuuMonth = 4;
    d.jikan = 390;
    d.kadou = 1560;
    d.riritu = Money::fromInt(15);
  }
  s.kadou[kTotal] = 40;
  s.setDansei(21);

  AdvisedStrategy advised;
  PlayerGame game(std::move(world), advised);
  tworld& w = game.world();
  advised.giveOrders(w, game.orders());
  const Ttempo& after = w.kaichou.slot(1);
  EXPECT_EQ(after.kyuyo, 210) << "the demand of 190 and a tenth, rounded up to ten";
  EXPECT_EQ(after.staffTotal(), 30) << "26 needed, 4 about to leave: 9 hired";
  EXPECT_TRUE(w.kaichou.koyouzumi);
  EXPECT_GE(game.orders().given(), 2);
}

TEST(Autoplay, WritesTheAdvisorsFindingsAfterEveryMonthWhenAsked) {
  AutoplaySettings s;
  s.cityFile = std::string(GM_ASSETS_DIR) + "/cities/kumoizawa.pmp";
  s.strategy = "novice";
  s.months = 3;
  s.advice = true;
  s.founding.tousotu = s.founding.chisei = s.founding.karisuma = s.founding.kantei = 50;
  std::ostringstream out, err;
  ASSERT_EQ(RunAutoplay(s, out, err), 0) << err.str();
  // After the first month the company has its land and a hall being built, or is still
  // looking: either way the company's findings come first, then the hall's.
  const std::string text = out.str();
  EXPECT_NE(text.find("\nadvice slot="), std::string::npos) << text;
  EXPECT_NE(text.find(" under-construction remedy=0 "), std::string::npos) << text;
}

}  // namespace
}  // namespace gm
