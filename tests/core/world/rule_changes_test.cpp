// Tax and union revisions: their months, the coins tossed every month, the directions the
// city's halls and feeling push them, and the notices, word for word.
#include "world/rule_changes.h"

#include <gtest/gtest.h>

#include "support/seeded_draws.h"
#include "support/scripted_frontend.h"
#include "test_city.h"

namespace gm {
namespace {

using test::any;
using test::Draw;
using test::exactly;
using test::ScriptedFrontend;

// One housing block of the given feeling and fan rate, and as many of the player's stores as
// asked (each counts among the city's halls).
struct RuleCity {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = test::makeWorld(1, 1);
  RuleCity(int month, int unrest, int fanRate = 0, int stores = 0) {
    world->setFrontend(&port);
    world->month = month;
    test::place(*world, 0, 0, 21, 100, 50, 100000, unrest, fanRate);
    for (int n = 1; n <= stores; ++n) world->kaichou.slot(n).used = true;
  }
  uint32_t seed(std::initializer_list<Draw> draws) {
    const uint32_t s = test::seedWithDraws(draws);
    world->rng().setSeed(s);
    return s;
  }
};

TEST(RuleChanges, JanuaryTaxRisesInACalmCityAndNeverFallsUnderTheEasedExchange) {
  {
    // Coin 1, 10 or more against a feeling of 10: up by 2; then below the one hall: up by 1.
    // The union's four coins follow; the days coin stays down.
    RuleCity c(13, 10, 0, 1);
    const uint32_t s = c.seed({exactly(2, 1),
                               {100, 10, 99},
                               exactly(3, 2),
                               exactly(100, 0),
                               exactly(2, 1),
                               any(2),
                               exactly(2, 0),
                               any(2),
                               any(2)});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->taxRate, 23);
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].title, "税率改正");
    EXPECT_EQ(c.port.messages[0].text, "税率が23％に改正されました。");
    EXPECT_EQ(c.port.messages[0].face, kFaceNormal);
    EXPECT_FALSE(c.port.messages[0].showCash);
    EXPECT_EQ(c.world->rng().seed(), test::seedAfter(s, 9));
  }
  // A feeling of 100 always sends the rate down, unless the halls may exchange for themselves.
  int fell = 0;
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    for (bool eased : {false, true}) {
      RuleCity c(25, 100);
      if (eased) c.world->laws = kLawExchangeEased;
      c.world->rng().setSeed(seed);
      RuleChanges(*c.world);
      if (eased)
        EXPECT_EQ(c.world->taxRate, 20) << "seed " << seed;
      else
        EXPECT_LE(c.world->taxRate, 20);
      if (c.world->taxRate < 20) ++fell;
    }
  }
  EXPECT_GT(fell, 0);
}

TEST(RuleChanges, UnionHoursEaseWithFewHallsAndTightenInAnAngryCity) {
  {
    // June, no hall, no ill feeling: c above 0, d below 86, and 0 below the last draw.
    RuleCity c(18, 0);
    c.world->unionHourCut = 1;
    c.seed({exactly(2, 1), {100, 1, 99}, {100, 0, 85}, {50, 1, 49}});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->unionHourCut, 0);
    ASSERT_GE(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].title, "組合の規制");
    EXPECT_EQ(c.port.messages[0].text,
              "組合の取り決めが改定されました。組合による営業時間の規制は無くなり、"
              "一日の営業時間は13時間となりました。");
    EXPECT_EQ(c.port.messages[0].face, kFaceLaugh);
  }
  {
    // December, d of 86 or more: the angry city (60) tightens the cut, under the long day.
    RuleCity c(24, 60);
    c.world->laws = kLawLongHours;
    c.world->unionHourCut = 2;
    c.seed({exactly(2, 1), any(100), {100, 86, 99}, any(50)});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->unionHourCut, 3);
    ASSERT_GE(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].text,
              "組合の取り決めが改定されました。組合による営業時間の規制は3時間となり、"
              "一日の営業時間は21時間となりました。");
    EXPECT_EQ(c.port.messages[0].face, kFaceNormal);
  }
}

TEST(RuleChanges, UnionDaysInJanuaryAndTheFourCoinsOfEveryMonth) {
  {
    // February: nothing to revise, but each union revision's coin is tossed.
    RuleCity c(14, 60, 40, 3);
    c.world->rng().setSeed(99);
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->rng().seed(), test::seedAfter(99, 4));
    EXPECT_TRUE(c.port.messages.empty());
  }
  {
    // January, tax coin down, days coin up, d of 76 or more: the angry city closes a day more.
    RuleCity c(13, 60);
    c.world->unionDayCut = 7;
    c.seed({exactly(2, 0), any(2), exactly(2, 1), any(100), {100, 76, 99}, any(50)});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->unionDayCut, 8);
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].text,
              "組合の取り決めが改定されました。組合による営業日数の規制は8日となり、"
              "月の営業日数は23日となりました。");
    EXPECT_EQ(c.port.messages[0].face, kFaceNormal);
  }
  {
    // The calm city drops the last closed day: January has its 31 days again.
    RuleCity c(25, 0);
    c.world->unionDayCut = 1;
    c.seed({exactly(2, 0), any(2), exactly(2, 1), {100, 1, 99}, {100, 0, 75}, {50, 1, 49}});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->unionDayCut, 0);
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].text,
              "組合の取り決めが改定されました。組合による営業日数の規制は無くなり、"
              "月の営業日数は31日となりました。");
    EXPECT_EQ(c.port.messages[0].face, kFaceLaugh);
  }
}

TEST(RuleChanges, ExchangeLimitsFallOnEveryStoreAboveThemAndRiseInACalmCity) {
  {
    // October, half the people are fans and the feeling is 60: both limits come down by one.
    RuleCity c(22, 60, 50);
    Ttempo& high = c.world->kaichou.slot(1);
    high.used = true;
    high.pkankin = 6;
    high.skankin = 3;
    Ttempo& low = c.world->kaichou.slot(2);
    low.used = true;
    low.pkankin = 4;
    low.skankin = 1;
    TEntempo& rival = c.world->rivals.Tenpo(1);
    rival.used = true;
    rival.pkankin = 6;
    rival.skankin = 3;
    TEntempo& gone = c.world->rivals.Tenpo(2);
    gone.pkankin = 6;
    c.seed({any(2),
            any(2),
            exactly(2, 1),
            {100, 0, 49},
            any(50),
            exactly(2, 1),
            {100, 0, 49},
            any(50)});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->maxPachinkoRate, 5);
    EXPECT_EQ(c.world->maxSlotRate, 2);
    EXPECT_EQ(high.pkankin, 5);
    EXPECT_EQ(high.skankin, 2);
    EXPECT_EQ(low.pkankin, 4);
    EXPECT_EQ(low.skankin, 1);
    EXPECT_EQ(rival.pkankin, 5);
    EXPECT_EQ(rival.skankin, 2);
    EXPECT_EQ(gone.pkankin, 6) << "a free rival record is not a store";
    ASSERT_EQ(c.port.messages.size(), 2u);
    EXPECT_EQ(c.port.messages[0].text,
              "組合の取り決めが改定されました。組合によるパチンコ交換率の規制は3円 "
              "60銭までとなりました。");
    EXPECT_EQ(c.port.messages[1].text,
              "組合の取り決めが改定されました。組合によるパチンコ交換率の規制は6枚交換までとなり"
              "ました。");
    EXPECT_EQ(c.port.messages[1].face, kFaceNormal);
  }
  {
    // No fans, no ill feeling: the slot limit goes back to none, in the union's usual words.
    RuleCity c(22, 0, 0);
    c.world->maxSlotRate = 2;
    c.seed({any(2), any(2), exactly(2, 0), exactly(2, 1), any(100), {50, 1, 49}});
    RuleChanges(*c.world);
    EXPECT_EQ(c.world->maxSlotRate, 3);
    EXPECT_EQ(c.world->maxPachinkoRate, 6);
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].text,
              "組合の取り決めが改定されました。組合によるパチンコ交換率の規制は無くなりました。");
    EXPECT_EQ(c.port.messages[0].face, kFaceLaugh);
  }
}

}  // namespace
}  // namespace gm
