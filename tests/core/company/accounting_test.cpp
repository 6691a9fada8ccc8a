// The company's monthly accounts: the qualities' drift, a store's close and history worked by
// hand, and the taxes with and without the pachinko tax and the special manoeuvre.
#include <gtest/gtest.h>

#include <memory>

#include "company/accounting.h"
#include "company/company.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

Money thousands(int64_t whole, int64_t tenThousandths = 0) {
  return Money::fromRaw(whole * Money::kScale + tenThousandths);
}

class Accounting : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->setFrontend(&port);
    world->mapHeight = world->mapWidth = 5;
    world->month = 30;
    company().SetSikin(Money::fromInt(100000));
    company().SetTousotu(55);
    company().SetChisei(50);
    company().SetKarisuma(50);
    company().SetKantei(50);
  }
  tkaichou& company() { return world->kaichou; }

  // A store of the month's takings and costs, written straight into its records.
  Ttempo& storeWithFigures(int n, Money grossProfit, int64_t personnel, Money operating,
                           Money maintenance) {
    Ttempo& s = company().slot(n);
    s.used = true;
    s.uriage = {grossProfit * 5, Money(), grossProfit * 5};
    s.arari = {grossProfit, Money(), grossProfit};
    s.jinkenResults = {static_cast<int32_t>(personnel), 0, 0, static_cast<int32_t>(personnel)};
    s.eigyouResults = {operating, 0, operating};
    s.hoshuResults[14] = maintenance;
    return s;
  }

  std::unique_ptr<tworld> world;
  test::ScriptedFrontend port;
};

TEST_F(Accounting, QualitiesDriftOnePointAndStayWithinTheirRange) {
  company().SetTousotu(1);
  company().SetKantei(100);
  const uint64_t before = world->rng().draws();
  company().GetsumatsuMae(world->blocks, 300, 5, 5, 0, world->month, 25);
  EXPECT_EQ(world->rng().draws() - before, 4u) << "one draw a quality, no store";
  EXPECT_TRUE(company().tousotu == 1 || company().tousotu == 2);
  EXPECT_TRUE(company().chisei == 49 || company().chisei == 51);
  EXPECT_TRUE(company().karisuma == 49 || company().karisuma == 51);
  EXPECT_TRUE(company().kantei == 99 || company().kantei == 100);
  EXPECT_EQ(company().eigyoujikan, 300);
  EXPECT_EQ(company().eigyounissuu, 25);
}

// A waiting two-floor store of 18 months with one pachinko island bought a year ago, an island
// partition and a rest room, ten staff and no promotions, closed in a month of 300 hours.
TEST_F(Accounting, AWaitingStoresCloseAndHistoryWorkedByHand) {
  world->block(2, 2).kind = 19;
  world->block(2, 2).landPrice = 150000;
  Ttempo& s = company().slot(1);
  s.used = true;
  s.joutai = kWaiting;
  s.name = "手計算店";
  s.blockY = s.blockX = 2;
  s.kibo = 1;
  s.shuttenMonth = 12;
  s.senren = 40;
  s.chimei = 30;
  s.manzoku = 20;
  s.addEquipment(0);
  s.addEquipment(5);
  s.setDansei(6);
  s.setZyosei(4);
  s.setMoral(Money::fromInt(75));
  s.setSkill(Money::fromInt(55));
  s.kyuyo = 200;
  s.kyouiku = 10;
  s.fukuri = 20;
  Tddai& d = s.dai[0][0];
  d.used = true;
  d.name = "試験台";
  d.kounyuuMonth = 18;
  d.kyakutan = Money::fromInt(9);  // last month's play
  d.ririJisseki = Money::fromInt(12);
  s.eigyouJikan = 300;

  company().Kessan(300, 30, 0, 20);

  // Nothing played: the island's figures of the month are cleared, so it took nothing.
  EXPECT_EQ(d.kyakutan, Money());
  EXPECT_EQ(s.uriage[kTotal], Money());
  EXPECT_EQ(s.arari[kTotal], Money());
  // Machine upkeep: 903/40300 x (1 + 12/24) x 300 h x 1.20 (skill 55) = 12.0998.
  EXPECT_EQ(s.hoshuResults[0], thousands(12, 998));
  // Building: 2 floors x 200 x 0.92 (no customers) x 1.00 (leadership 55) x 1.06 (18 months).
  EXPECT_EQ(s.hoshuResults[1], thousands(390, 800));
  // Island partition: 0.5 / 3 x 300 x 1.10 x 2 floors; rest room: 1.10 x 300 x 0.05 / 4.
  EXPECT_EQ(s.hoshuResults[2], thousands(110));
  EXPECT_EQ(s.hoshuResults[7], thousands(4, 1250));
  EXPECT_EQ(s.hoshuResults[14], thousands(516, 3048));
  // Running: 300 x 40/403 x 1.00 (morale 75) = 29.7767; no promotion.
  EXPECT_EQ(s.eigyouResults.total, thousands(29, 7767));
  // Ten heads at 200 + 10 + 20.
  EXPECT_EQ(s.jinkenResults, (std::array<int32_t, 4>{2000, 100, 200, 2300}));

  // A loss of 2,846.0815 pays no tax and comes straight off the cash.
  const Money loss = -thousands(2846, 815);
  EXPECT_EQ(s.netProfit(), loss);
  EXPECT_EQ(company().zeibikirieki, loss);
  EXPECT_EQ(company().shotokuzei, Money());
  EXPECT_EQ(company().pachinkozei, Money());
  EXPECT_EQ(company().sikin, Money::fromInt(100000) + loss);

  company().Rireki(world->blocks, 30);
  // Land 150,000 + building 250,000 less one year's 5,000 + equipment 10,000 and 300 at list.
  const std::array<Money, 12> storeSeries = {
      Money::fromInt(405300), Money(),           Money(), Money(), thousands(29, 7767),
      thousands(516, 3048),   thousands(2300),   loss,    Money(), Money::fromInt(40),
      Money::fromInt(30),     Money::fromInt(20)};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(s.backup.at(i, 1), storeSeries[i]) << "store series " << i;
    EXPECT_EQ(company().backup.at(i, 1), storeSeries[i]) << "company series " << i;
  }
  EXPECT_EQ(s.backup.at(12, 1), s.moral);
  EXPECT_EQ(s.backup.at(13, 1), s.skill);
  EXPECT_EQ(company().backup.at(12, 1), s.moral) << "the only staff's morale";
  EXPECT_EQ(company().backup.at(13, 1), s.skill);
  EXPECT_EQ(company().backup.at(0, 2), Money()) << "one month pushed";
}

TEST_F(Accounting, TaxesWithTheManoeuvreOnAndOff) {
  // Gross profit 7,500,000 less 1,000,000 of staff, 900,000 of running and 600,000 of upkeep.
  storeWithFigures(1, Money::fromInt(7500000), 1000000, Money::fromInt(900000),
                   Money::fromInt(600000));
  world->laws = kLawPachinkoTax;
  company().datuzeiruikei = Money::fromInt(1000);

  // Seed 21 draws 26 of 40 at intelligence 50: the evasion share is 36 %.
  world->rng().setSeed(21);
  company().datuzei = true;
  company().CloseAccounts(world->laws, 20);
  // Income tax 20 % of 5,000,000 is 1,000,000: 360,000 of it evaded and 640,000 paid; the
  // pachinko tax of 750,000 on the same profit: 270,000 evaded and 480,000 paid.
  EXPECT_EQ(company().shotokuzei, Money::fromInt(640000));
  EXPECT_EQ(company().pachinkozei, Money::fromInt(480000));
  EXPECT_EQ(company().datuzeigaku, Money::fromInt(630000));
  EXPECT_EQ(company().zeibikirieki, Money::fromInt(3880000));
  EXPECT_EQ(company().sikin, Money::fromInt(3980000));
  EXPECT_EQ(company().datuzeiruikei, Money::fromInt(631000));

  // The same month without the manoeuvre draws the share all the same and evades nothing.
  world->rng().setSeed(21);
  company().datuzei = false;
  company().SetSikin(Money::fromInt(100000));
  const uint64_t before = world->rng().draws();
  company().CloseAccounts(world->laws, 20);
  EXPECT_EQ(world->rng().draws() - before, 1u);
  EXPECT_EQ(company().shotokuzei, Money::fromInt(1000000));
  EXPECT_EQ(company().pachinkozei, Money::fromInt(750000));
  EXPECT_EQ(company().datuzeigaku, Money());
  EXPECT_EQ(company().zeibikirieki, Money::fromInt(3250000));
  EXPECT_EQ(company().sikin, Money::fromInt(3350000));
  EXPECT_EQ(company().datuzeiruikei, Money::fromInt(631000));

  // Without the pachinko tax only the income tax is reduced.
  world->rng().setSeed(21);
  company().datuzei = true;
  company().CloseAccounts(0, 20);
  EXPECT_EQ(company().pachinkozei, Money());
  EXPECT_EQ(company().shotokuzei, Money::fromInt(640000));
  EXPECT_EQ(company().datuzeigaku, Money::fromInt(360000));
  EXPECT_EQ(company().zeibikirieki, Money::fromInt(4360000));
}

TEST_F(Accounting, NoTaxOnALossOrANilProfitAndNothingEvaded) {
  company().datuzei = true;
  company().datuzeiruikei = Money::fromInt(500);
  world->laws = kLawPachinkoTax;
  for (int64_t grossProfit : {1000, 999}) {
    // Costs of exactly 1,000: a nil profit, then a loss of 1.
    storeWithFigures(1, Money::fromInt(grossProfit), 400, Money::fromInt(350), Money::fromInt(250));
    company().SetSikin(Money::fromInt(10000));
    const uint64_t before = world->rng().draws();
    company().CloseAccounts(world->laws, 20);
    EXPECT_EQ(world->rng().draws() - before, 1u) << "the evasion share is drawn anyway";
    EXPECT_EQ(company().shotokuzei, Money());
    EXPECT_EQ(company().pachinkozei, Money());
    EXPECT_EQ(company().datuzeigaku, Money());
    EXPECT_EQ(company().zeibikirieki, Money::fromInt(grossProfit - 1000));
    EXPECT_EQ(company().sikin, Money::fromInt(10000 + grossProfit - 1000));
    EXPECT_EQ(company().datuzeiruikei, Money::fromInt(500));
  }

  // No store at all: nothing changes hands.
  company().slot(1).used = false;
  company().SetSikin(Money::fromInt(10000));
  company().CloseAccounts(world->laws, 20);
  EXPECT_EQ(company().sikin, Money::fromInt(10000));
  EXPECT_EQ(company().zeibikirieki, Money());
}

TEST(AccountingRules, TaxesRoundToWholeThousandsHalfToEvenAndTheShareFollowsIntelligence) {
  EXPECT_EQ(WholePercentOf(Money::fromRaw(75000), 20), Money::fromInt(2)) << "1.5 -> 2";
  EXPECT_EQ(WholePercentOf(Money::fromRaw(25000), 20), Money()) << "0.5 -> 0";
  EXPECT_EQ(WholePercentOf(Money::fromRaw(123456789), 15), Money::fromInt(1852));
  for (auto [chisei, bound] : {std::pair{1, 27},
                               {9, 27},
                               {10, 30},
                               {35, 35},
                               {49, 37},
                               {50, 40},
                               {79, 45},
                               {89, 47},
                               {99, 50},
                               {100, 50}})
    EXPECT_EQ(EvasionShareBound(chisei), bound) << "intelligence " << chisei;
}

}  // namespace
}  // namespace gm
