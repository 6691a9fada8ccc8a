// The month's end as a whole: the order of its steps, the game-end tests and their messages,
// the victory ending and long headless play.
#include <gtest/gtest.h>

#include <memory>

#include "support/fixed_catalogue.h"
#include "support/scripted_frontend.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

// A small city: a road cross with housing, shops and offices around it.
CityDefinition smallCity(int size = 10) {
  CityDefinition c;
  c.name = "試験市";
  c.height = size;
  c.width = size;
  c.housingPolicy = 40;
  c.commercePolicy = 30;
  c.businessPolicy = 20;
  c.taxRate = 20;
  for (int r = 0; r < size; ++r)
    for (int col = 0; col < size; ++col) {
      uint8_t k = 1;
      if (r == size / 2 && col == size / 2)
        k = 10;
      else if (r == size / 2)
        k = 4;
      else if (col == size / 2)
        k = 5;
      else if ((r + col) % 5 == 0)
        k = 21;
      else if ((r * 3 + col) % 7 == 0)
        k = 24;
      else if ((r + 2 * col) % 11 == 0)
        k = 25;
      c.kinds[r][col] = k;
    }
  return c;
}

class MonthEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->setFrontend(&port);
    world->rng().setSeed(7);
    world->InitFromCity(smallCity());
    world->kaichou.kaishaname = "試験商事";
    world->kaichou.ownername = "試験会長";
    world->kaichou.SetSikin(Money::fromInt(300000));
    world->rivals.rivalNashi = true;
    port.opts.jissekihoukoku = false;
    port.opts.reserchhoukoku = false;
  }

  // Puts a store in slot 1 on the block (row, column) in the given state.
  void placeStore(int row, int column, uint8_t state) {
    Ttempo& t = world->kaichou.slot(1);
    t.used = true;
    t.joutai = state;
    t.blockY = row;
    t.blockX = column;
    t.name = "試験店";
    t.chimei = 50;
    world->block(row, column).kind = 19;
  }

  test::ScriptedFrontend port;
  std::unique_ptr<tworld> world;
};

TEST_F(MonthEnd, ResignationAtTheEndOfTheSixthMonthWithoutAStore) {
  world->month = 6;
  GameEndResult r = PlayMonth(*world);
  EXPECT_EQ(world->month, 7);
  EXPECT_FALSE(r.goesOn);
  EXPECT_TRUE(r.storeTestFired);
  ASSERT_FALSE(port.messages.empty());
  const auto& m = port.messages.back();
  EXPECT_EQ(m.title, "辞任");
  EXPECT_EQ(
      m.text,
      "六ヶ月を経ても店舗を出店していないあなたは、役員会議により辞任に追い込まれました．．．。"
      "残念ですがこれまでのようです。お疲れ様でした．．．。");
  EXPECT_EQ(m.face, kFaceCry);
  EXPECT_FALSE(m.showCash);
  // Shut down: the main theme is forbidden and the game-over cue plays before the message.
  EXPECT_EQ(port.cues.back(), kCueGameOver);
}

TEST_F(MonthEnd, WithdrawalAfterLosingEveryStoreLater) {
  world->month = 9;
  GameEndResult r = GameEndCheck(*world);
  EXPECT_FALSE(r.goesOn);
  ASSERT_EQ(port.titles(), std::vector<std::string>{"撤退"});
  EXPECT_EQ(port.messages[0].text,
            "店舗が一軒も無くなってしまいました．．．試験商事の命運は尽きたようです。お疲れ様でした"
            "．．．。");
}

TEST_F(MonthEnd, WaitingOrUnderConstructionStoresCountAsStores) {
  world->month = 8;
  placeStore(1, 1, kWaiting);
  EXPECT_TRUE(GameEndCheck(*world).goesOn);
  world->kaichou.slot(1).joutai = kUnderConstruction;
  EXPECT_TRUE(GameEndCheck(*world).goesOn);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(MonthEnd, BankruptcyEvenWithStoresOpenAndBothMessagesInOrder) {
  world->month = 10;
  placeStore(1, 1, kOpen);
  world->kaichou.SetSikin(Money());
  GameEndResult r = GameEndCheck(*world);
  EXPECT_FALSE(r.goesOn);
  EXPECT_FALSE(r.storeTestFired);
  ASSERT_EQ(port.titles(), std::vector<std::string>{"倒産"});
  EXPECT_EQ(port.messages[0].text,
            "とうとう資金が底を突きました。これ以上の経営は不可能です。我が試験商事は事実上倒産と相"
            "成りまし"
            "た。お疲れ様でした．．．。");
  EXPECT_TRUE(port.messages[0].showCash);

  port.messages.clear();
  world->kaichou.slot(1).used = false;
  world->kaichou.SetSikin(Money::fromRaw(-1));
  r = GameEndCheck(*world);
  EXPECT_TRUE(r.storeTestFired && r.cashTestFired);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"撤退", "倒産"}));
}

TEST_F(MonthEnd, NoQuestionWithoutTellmsg) {
  port.opts.tellmsg = false;
  EXPECT_TRUE(ConfirmEndOfMonth(*world));
  EXPECT_TRUE(port.messages.empty());
  port.opts.tellmsg = true;
  port.answers.push_back(false);
  EXPECT_FALSE(ConfirmEndOfMonth(*world));
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "命令終了");
  EXPECT_EQ(port.messages[0].text, "以上で今月の指示は終了ですか？");
  EXPECT_TRUE(port.messages[0].confirm);
}

TEST_F(MonthEnd, VictoryEndingIsShownOncePerGame) {
  // No rival has cash: every month from now on would pass the victory test.
  for (Money& cash : world->rivals.shikin) cash = Money();
  placeStore(1, 1, kOpen);
  world->month = 3;
  MonthStepB(*world);
  MonthStepB(*world);
  int endings = 0;
  for (const auto& e : port.events)
    if (e.rfind("ending:", 0) == 0) ++endings;
  EXPECT_EQ(endings, 1);
  EXPECT_TRUE(world->endingShown);
  EXPECT_EQ(EndingText(*world),
            "．．．1年3月、試験会長は試験市における競合に勝ち残った。\n "
            "試験商事は試験市を制覇した．．．");
}

// English names the company before the city, and the city twice: every place lands where the
// translation puts it.
TEST_F(MonthEnd, EndingInAnotherLanguage) {
  world->month = 15;
  test::FixedCatalogue english({{"month_end",
                                 "．．．%1年%2月、%3は%4における競合に勝ち残った。\n"
                                 " %5は%4を制覇した．．．",
                                 "%5 rules %4.\n(%3, Year %1, Month %2, %4)"}});
  EXPECT_EQ(EndingText(*world), "試験商事 rules 試験市.\n(試験会長, Year 2, Month 3, 試験市)");
}

TEST_F(MonthEnd, StepAAdvancesTheMonthAndRecordsTheBusinessDays) {
  world->month = 2;  // February: 28 days
  world->SetUnionDayCut(3);
  port.opts.jissekihoukoku = true;
  MonthStepA(*world);
  EXPECT_EQ(world->month, 3);
  EXPECT_EQ(world->lastBusinessDays, 25);
  EXPECT_NE(std::find(port.events.begin(), port.events.end(), "results-report:2"),
            port.events.end());
  EXPECT_NE(std::find(port.events.begin(), port.events.end(), "wait-begin:試験市:2"),
            port.events.end());
}

TEST_F(MonthEnd, StepAClosesTheRivalsOnceWithTheCustomersTheResultsGaveThem) {
  world->rivals.rivalNashi = false;
  world->rivals.sanka[0] = true;
  world->rivals.shikin[0] = Money::fromInt(5000000);
  // An open rival hall at (2, 2): the small city has housing and shops all round it.
  world->block(2, 2).kind = 20;
  world->block(2, 2).owner = 0;
  TEntempo& t = world->rivals.Tenpo(1);
  t.used = true;
  t.joutai = kRivalOpen;
  t.blockRow = t.blockColumn = 2;
  t.shuttenMonth = 1;
  t.kibo = 2;
  t.senren = t.chimei = t.manzoku = t.moral = t.skill = 60;
  world->month = 12;
  MonthStepA(*world);
  ASSERT_TRUE(t.used);
  EXPECT_GT(t.kyaku, 0);
  EXPECT_EQ(t.kyaku, world->jisseki.customers(kFirstRivalEntry));
  EXPECT_EQ(t.ruikei, t.zengetsu) << "one month's result, counted once";
  EXPECT_EQ(world->jisseki.inputs().days, 31) << "December";
  EXPECT_EQ(world->lastBusinessDays, 31);
}

TEST_F(MonthEnd, RivalOpeningsCostEveryStoreSomeFame) {
  placeStore(1, 1, kOpen);
  Ttempo& second = world->kaichou.slot(2);
  second.used = true;
  second.chimei = 60;
  world->month = 5;
  port.opts.kaitenhoukoku = false;
  // Six rival stores finish this month; the loss is capped as if five had opened.
  for (int k = 1; k <= 6; ++k) {
    TEntempo& e = world->rivals.Tenpo(k);
    e.used = true;
    e.owner = 0;
    e.joutai = kRivalBuilding;
    e.kanseiMonth = 5;
    e.blockRow = 8;
    e.blockColumn = k;
  }
  MonthStepB(*world);
  const int first = 50 - world->kaichou.slot(1).chimei;
  const int other = 60 - world->kaichou.slot(2).chimei;
  for (int loss : {first, other}) {
    EXPECT_GE(loss, 2);
    EXPECT_LE(loss, 5 * 9 + 2);
    EXPECT_EQ((loss - 2) % 5, 0) << "the loss is min(n, 5) x RandInt(10) + 2";
  }
}

}  // namespace
}  // namespace gm
