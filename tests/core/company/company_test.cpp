// The company: payments at the boundary, the leadership limit, free slots, the warehouse by
// level, purchases into it, sorting, and the sums over the stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "company/company.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

class Company : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->setFrontend(&port);
  }
  tkaichou& company() { return world->kaichou; }
  Ttempo& openStore(int n, int state = kOpen) {
    Ttempo& s = company().slot(n);
    s.init();
    s.used = true;
    s.joutai = static_cast<uint8_t>(state);
    return s;
  }
  void stock(int records, int type = 0) {
    for (int n = 1; n <= records; ++n) {
      company().record(n).used = true;
      company().record(n).kishu = static_cast<uint8_t>(type);
    }
  }

  std::unique_ptr<tworld> world;
  test::ScriptedFrontend port;
};

TEST_F(Company, PaymentNeedsMoreCashThanThePrice) {
  company().SetSikin(Money::fromInt(1000));
  EXPECT_FALSE(company().Shiharai(1000));
  EXPECT_EQ(company().sikin, Money::fromInt(1000));
  EXPECT_TRUE(company().Shiharai(999));
  EXPECT_EQ(company().sikin, Money::fromInt(1));
  EXPECT_EQ(port.cashNotices, 2);
  EXPECT_FALSE(company().Shiharai(-5)) << "a negative payment is no payment";
  EXPECT_FALSE(company().Shiharai(Money::fromRaw(-1)));
  EXPECT_EQ(company().sikin, Money::fromInt(1));
  EXPECT_EQ(port.cashNotices, 2);
}

TEST_F(Company, LeadershipLimitsAndStoreCounts) {
  for (auto [tousotu, limit] : {std::pair{9, 5}, {10, 10}, {19, 10}, {99, 50}, {100, 50}}) {
    company().SetTousotu(tousotu);
    EXPECT_EQ(company().TempoKazu().limit, limit) << "leadership " << tousotu;
  }
  openStore(1, kOpen);
  openStore(2, kOpen);
  openStore(4, kSuspended);
  openStore(7, kUnderConstruction);
  openStore(9, kWaiting);
  StoreCounts c = company().TempoKazu();
  EXPECT_EQ(c.used, 5);
  EXPECT_EQ(c.open, 2);
  EXPECT_EQ(c.suspended, 1);
  EXPECT_EQ(c.underConstruction, 1);
  EXPECT_EQ(c.waiting, 1);
}

TEST_F(Company, FreeSlotsLieWithinTheLimit) {
  company().SetTousotu(15);  // ten stores
  openStore(1);
  openStore(2);
  openStore(4);
  openStore(12);  // from a time of better leadership
  EXPECT_EQ(company().AkiTempo(), 3);
  for (int n = 1; n <= 10; ++n) openStore(n);
  EXPECT_EQ(company().AkiTempo(), 0) << "slot 11 is free but beyond the limit";
}

TEST_F(Company, StoreAtABlock) {
  Ttempo& s = openStore(5);
  s.blockY = 3;
  s.blockX = 4;
  EXPECT_EQ(company().TempoAt(3, 4), 5);
  EXPECT_EQ(company().TempoAt(4, 3), 1) << "no store there answers the first slot";
}

TEST_F(Company, WarehouseSpaceByLevel) {
  stock(30);
  for (auto [level, free] : {std::pair{0, 200}, {1, 1700}, {2, 4700}, {3, 9700}}) {
    company().souko = static_cast<uint8_t>(level);
    EXPECT_EQ(company().SoukoAki(), free) << "level " << level;
  }
  EXPECT_EQ(warehouseLevel(2).label, "5,000台収容");
  EXPECT_EQ(warehouseLevel(3).rebuildCost, 200000);

  company().souko = 0;
  stock(50);
  EXPECT_EQ(company().SoukoAki(), 0);
  EXPECT_EQ(company().AkiDai(), 0) << "records beyond 50 do not count at level 0";
  company().souko = 1;
  EXPECT_EQ(company().AkiDai(), 51);
}

TEST_F(Company, RebuildNeedsEnoughStores) {
  for (int n = 1; n <= 2; ++n) openStore(n);
  EXPECT_FALSE(company().SoukoKaichikuKanou());
  openStore(3);
  EXPECT_TRUE(company().SoukoKaichikuKanou());
  company().souko = 1;
  EXPECT_FALSE(company().SoukoKaichikuKanou());
  for (int n = 4; n <= 7; ++n) openStore(n);
  EXPECT_TRUE(company().SoukoKaichikuKanou());
  company().souko = 3;
  EXPECT_FALSE(company().SoukoKaichikuKanou());
}

TEST_F(Company, PurchaseFillsFreeRecordsUpToCapacity) {
  company().record(2).used = true;
  company().record(2).kishu = 4;
  company().record(5).used = true;
  company().record(5).kishu = 6;

  tdai model;
  model.name = "ピッグシューター";
  model.kishu = 8;
  model.maker = 7;
  model.shukka = 3000;
  model.releaseMonth = 10;
  PurchasedRecords got = company().DaiKounyuu(model, 3, 12, 410000);
  EXPECT_EQ(got.first, 3);
  EXPECT_EQ(got.count, 3);
  EXPECT_EQ(company().record(1).kishu, 4) << "the sort kept the records' order";
  EXPECT_EQ(company().record(2).kishu, 6);
  EXPECT_TRUE(company().record(5).sameAsModel(model));
  EXPECT_EQ(company().record(3).tanka, 410000);
  EXPECT_EQ(company().DaiKensuu(model), 30);

  PurchasedRecords more = company().DaiKounyuu(model, 100, 12, 410000);
  EXPECT_EQ(more.first, 6);
  EXPECT_EQ(more.count, 45) << "level 0 holds fifty records";
  EXPECT_EQ(company().SoukoAki(), 0);
  EXPECT_EQ(company().WarehouseMachineTally().slotMachines, 480);
}

TEST_F(Company, StoreSortKeepsTheOrderOfStoresInUse) {
  openStore(3).name = "丙";
  openStore(7).name = "丁";
  openStore(40).name = "戊";
  company().TempoSort();
  EXPECT_EQ(company().slot(1).name, "丙");
  EXPECT_EQ(company().slot(2).name, "丁");
  EXPECT_EQ(company().slot(3).name, "戊");
  EXPECT_FALSE(company().slot(4).used);
  EXPECT_EQ(company().slot(3).world, world.get());
}

// The warehouse sort walks its permutation in cycles: records in use come first and both groups
// keep their order, free records with their leftovers too.
TEST_F(Company, WarehouseSortPutsRecordsInUseFirstAndKeepsBothOrders) {
  for (int n = 1; n <= kWarehouseRecords; ++n) company().record(n).tanka = n;
  const std::array<int, 5> inUse = {2, 4, 5, 999, 1000};
  for (int n : inUse) company().record(n).used = true;
  company().DaiSort();
  std::vector<int> expected(inUse.begin(), inUse.end());
  for (int n = 1; n <= kWarehouseRecords; ++n)
    if (std::find(inUse.begin(), inUse.end(), n) == inUse.end()) expected.push_back(n);
  for (int n = 1; n <= kWarehouseRecords; ++n) {
    ASSERT_EQ(company().record(n).tanka, expected[n - 1]) << "record " << n;
    ASSERT_EQ(company().record(n).used, n <= 5) << "record " << n;
  }
}

TEST_F(Company, SumsOverStoresInUse) {
  Ttempo& a = openStore(1);
  a.uriage = {Money::fromInt(3000), Money::fromInt(1000), Money::fromInt(4000)};
  a.arari = {Money::fromInt(600), Money::fromInt(400), Money::fromInt(1000)};
  a.hoshuResults[14] = Money::fromInt(100);
  a.jinkenResults = {100, 20, 30, 150};
  a.eigyouResults = {Money::fromInt(40), 10, Money::fromInt(50)};
  a.dai[0][0].used = true;
  a.eigyouJikan = 100;
  a.kyaku = {500, 0, 500};
  a.senren = 40;
  a.chimei = 10;
  Ttempo& b = openStore(2);
  b.uriage = {Money::fromInt(1000), Money(), Money::fromInt(1000)};
  b.arari = {Money::fromInt(-200), Money(), Money::fromInt(-200)};
  b.senren = 21;
  Ttempo& unused = company().slot(3);
  unused.uriage = {Money::fromInt(99999), Money(), Money::fromInt(99999)};

  CompanySums s = company().StoreSums();
  EXPECT_EQ(s.uriage[kTotal], Money::fromInt(5000));
  EXPECT_EQ(s.arari[kTotal], Money::fromInt(800));
  EXPECT_EQ(s.operating, Money::fromInt(50));
  EXPECT_EQ(s.netProfit, Money::fromInt(800 - 150 - 50 - 100));
  EXPECT_EQ(s.profitRate[kPachinko], Money::fromInt(10));
  EXPECT_EQ(s.profitRate[kSlot], Money::fromInt(40));
  EXPECT_EQ(s.occupancy[kPachinko], 50);
  EXPECT_EQ(s.occupancy[kSlot], 0);

  ImageAverages img = company().ImageHeikin();
  EXPECT_EQ(img.senren, 30);
  EXPECT_EQ(img.chimei, 5);
}

TEST_F(Company, StaffSummary) {
  Ttempo& a = openStore(1);
  a.setDansei(6);
  a.setZyosei(3);
  a.setMoral(Money::fromInt(50));
  a.setSkill(Money::fromInt(20));
  Ttempo& b = openStore(2);
  b.setZyosei(1);
  b.setMoral(Money::fromInt(31));
  openStore(3);  // nobody there: left out of the averages of morale and skill
  StaffSummary s = company().StaffShuukei(300, 1);
  EXPECT_EQ(s.total, 10);
  EXPECT_EQ(s.need, 3);
  EXPECT_EQ(s.averageTotal, 3);
  EXPECT_EQ(s.menShare, 60);
  EXPECT_EQ(s.womenShare, 40);
  EXPECT_EQ(s.moral.raw(), 405000);
  EXPECT_EQ(s.skill, Money::fromInt(10));
}

TEST_F(Company, TotalAssetsCountStoresAndOwnLand) {
  world->mapHeight = 3;
  world->mapWidth = 3;
  Ttempo& s = openStore(1);
  s.blockY = 1;
  s.blockX = 1;
  s.shuttenMonth = 1;
  world->block(1, 1).landPrice = 200000;
  world->block(0, 2).kind = 2;
  world->block(0, 2).landPrice = 50000;
  world->block(2, 0).kind = 27;
  world->block(2, 0).landPrice = 70000;
  world->block(2, 2).kind = 1;  // the citizens' land
  world->block(2, 2).landPrice = 90000;
  EXPECT_EQ(company().SoushisanKeisan(1), 200000 + 100000 + 50000 + 70000);
}

}  // namespace
}  // namespace gm
