// The managed game of the screens' tests, played through the real orders only: land bought from
// its owners, halls built and equipped, machines bought and installed through the replacement
// plan, staff hired and assigned, the halls opened, then months of business.
#include "managed_game.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "company/company.h"
#include "company/construction_order.h"
#include "company/hiring.h"
#include "company/machine_purchase.h"
#include "company/negotiation.h"
#include "company/new_game.h"
#include "company/personnel_orders.h"
#include "company/personnel_spending.h"
#include "company/replacement_plan.h"
#include "persist/city_file.h"
#include "store/equipment_order.h"
#include "store/maker.h"
#include "store/opening_order.h"
#include "support/scripted_frontend.h"
#include "world/month_end.h"

namespace gm::test {

namespace {

// Models of the test's own, one a maker, each on sale for the whole game.
struct ModelDef {
  const char* name;
  int type;
  int price;  // thousands of yen a machine
  Ratings ratings;
};
constexpr std::array<ModelDef, 6> kModels = {{
    {"ＣＲ星の海峡", 4, 320, {70, 55, 60, 50}},
    {"花鳥風月", 0, 250, {40, 70, 65, 45}},
    {"ＣＲ大漁節", 5, 340, {80, 50, 45, 60}},
    {"羽根の舞", 2, 240, {35, 75, 55, 50}},
    {"スロ将軍", 8, 410, {75, 60, 50, 55}},
    {"ＣＲスロ天狗", 9, 430, {85, 55, 45, 65}},
}};

void putModelsOnSale(tworld& w) {
  for (std::size_t m = 0; m < kModels.size(); ++m) {
    Tmaker& maker = w.makers[m];
    maker.shijou = true;
    maker.torihiki = true;
    tdai& d = maker.models[0];
    d = tdai{};
    d.name = kModels[m].name;
    d.kishu = static_cast<uint8_t>(kModels[m].type);
    d.maker = static_cast<uint8_t>(m);
    d.price = kModels[m].price;
    d.nominal = d.actual = kModels[m].ratings;
    d.releaseMonth = w.month;
    d.saleEndMonth = w.month + 24;
    d.shukka = d.zaiko = 50000;
    d.onSale = true;
  }
}

// The next vacant citizens' block a store may stand on whose owner sells, bought at his price.
bool buyLand(tworld& w, ScriptedFrontend& port, int& row, int& column) {
  for (int r = 0; r < w.mapHeight; ++r)
    for (int c = 0; c < w.mapWidth; ++c) {
      const Tchip& b = w.block(r, c);
      if (b.kind != 1 || b.HasKindWithin(w.blocks, w.mapWidth, w.mapHeight, 22, 2) ||
          b.HasKindWithin(w.blocks, w.mapWidth, w.mapHeight, 23, 2))
        continue;
      Random probe = w.rng();
      const PurchaseQuote q = b.PurchasePrice(w.AverageUnrest(), probe);
      if (q.refused) continue;
      port.offers.push_back(q.price);
      if (BuyLand(w, r, c) != LandPurchaseOutcome::Bought) continue;
      row = r;
      column = c;
      return true;
    }
  return false;
}

struct HallPlan {
  const char* name;
  int size;                    // 0..4
  std::array<int, 6> islands;  // of each model
};

}  // namespace

std::unique_ptr<tworld> managedGame(int months) {
  CityReadResult city = ReadCityFile(GM_ASSETS_DIR "/cities/akebono.pmp");
  EXPECT_TRUE(city.ok) << city.error;
  auto w = std::make_unique<tworld>();
  FoundingChoice founding;
  founding.presidentName = "山田";
  founding.companyName = "銀玉興業";
  founding.tousotu = 62;
  founding.chisei = 55;
  founding.karisuma = 58;
  founding.kantei = 40;
  founding.sihon = 7;
  SetUpNewGame(*w, Random(20240601), city.city, founding, Difficulty::kRivals);

  ScriptedFrontend port;
  port.opts.tellmsg = false;
  port.opts.jissekihoukoku = false;
  port.opts.reserchhoukoku = false;
  port.opts.nyuushahoukoku = false;
  w->setFrontend(&port);
  tkaichou& k = w->kaichou;

  const std::array<HallPlan, 2> halls = {{
      {"銀玉一号店", 1, {3, 3, 2, 2, 2, 2}},
      {"銀玉駅前店", 0, {2, 2, 0, 2, 2, 0}},
  }};
  std::array<int, 2> slots{};
  for (std::size_t h = 0; h < halls.size(); ++h) {
    int row = 0, column = 0;
    EXPECT_TRUE(buyLand(*w, port, row, column)) << "no land for " << halls[h].name;
    EXPECT_GT(k.sikin, Money::fromInt(300000)) << "cash left for the halls";
    port.storeNames.push_back(halls[h].name);
    EXPECT_EQ(OrderConstruction(*w, row, column, kWorkStore + halls[h].size), OrderOutcome::Done)
        << (port.messages.empty() ? std::string() : port.messages.back().text);
    slots[h] = k.TempoAt(row, column);
  }
  // Until the largest hall is finished.
  while (k.TempoKazu().underConstruction > 0) PlayMonth(*w);
  putModelsOnSale(*w);

  for (std::size_t h = 0; h < halls.size(); ++h) {
    Ttempo& s = k.slot(slots[h]);
    for (int item : {0, 2}) OrderEquipment(*w, s, item);
    std::vector<int> records;
    for (std::size_t m = 0; m < kModels.size(); ++m) {
      if (halls[h].islands[m] == 0) continue;
      const PurchaseResult bought =
          OrderMachinePurchase(*w, static_cast<int>(m), 0, halls[h].islands[m]);
      EXPECT_EQ(bought.outcome, OrderOutcome::Done)
          << kModels[m].name << ": " << (port.messages.empty() ? "" : port.messages.back().text);
      for (int r = bought.firstRecord; r < bought.firstRecord + bought.records; ++r)
        records.push_back(r - 1);
    }
    // Ten islands a floor, the first floors first.
    ReplacementPlan plan(*w, slots[h]);
    for (int f = 0; f < s.floorCount() && !records.empty(); ++f) {
      const std::size_t n = std::min<std::size_t>(records.size(), plan.freeIslands(f));
      plan.install(port, std::vector<int>(records.begin(), records.begin() + n), f);
      records.erase(records.begin(), records.begin() + n);
    }
    EXPECT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  }

  // Staff for both at once (hiring is once a month), shared out evenly.
  PersonnelSession session(*w);
  session.begin();
  StoreSelection all;
  int staff = 0;
  for (int n : slots) {
    all |= selectSlot(n);
    staff += k.slot(n).staffNeed(w->MonthlyHours(), w->month) + 4;
  }
  EXPECT_TRUE(Hire(session, staff, HireSex::Any));
  session.assign(StoreOrder(all), StaffChoice::Both, kMoveAll);
  EXPECT_TRUE(session.confirm());
  // Pay them well enough to stay, and train them.
  EXPECT_TRUE(ChangePersonnelSpending(*w, all, PersonnelSpending{260, 40, 40}));

  for (std::size_t h = 0; h < halls.size(); ++h) {
    port.answers.push_back(false);  // no job stream
    EXPECT_EQ(OrderOpening(*w, k.slot(slots[h])).outcome, OrderOutcome::Done) << halls[h].name;
  }
  // A few records left in the warehouse, waiting for a floor.
  OrderMachinePurchase(*w, 1, 0, 3);
  OrderMachinePurchase(*w, 4, 0, 2);

  for (int i = 0; i < months; ++i) PlayMonth(*w);
  w->setFrontend(nullptr);
  return w;
}

}  // namespace gm::test
