// The catalogue's month: national sales and the period factor, the end of a sales period,
// illegal models and what the month-end steps tell the player, word for word.
#include "store/catalogue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

using test::ScriptedFrontend;

tdai onSale(std::string_view name, int type, int release, int saleEnd, int zaiko) {
  tdai m;
  m.name = name;
  m.kishu = static_cast<uint8_t>(type);
  m.nominal = {25, 25, 25, 25};
  m.actual = {100, 50, 50, 50};
  m.releaseMonth = release;
  m.saleEndMonth = saleEnd;
  m.shukka = 20000;
  m.zaiko = zaiko;
  m.onSale = true;
  return m;
}

// A one-block city whose average security is `security`, with only the given makers present.
struct Fixture {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = std::make_unique<tworld>();
  explicit Fixture(std::initializer_list<int> present, int security = 100) {
    world->setFrontend(&port);
    world->mapHeight = world->mapWidth = 1;
    world->block(0, 0).kind = 1;
    world->block(0, 0).SetSecurity(security);
    world->month = 16;
    world->kaichou.kaishaname = "銀玉興業";
    for (Tmaker& m : world->makers) m.shijou = false;
    for (int m : present) world->makers[m].shijou = true;
  }
  Tmaker& maker(int i) { return world->makers[i]; }
};

TEST(CatalogueSales, ShortPeriodsSellFaster) {
  // Type 4 sells 2,500 a month at a nominal sum of 200 over a long period.
  const int expected[] = {2500, 3750, 3500, 3250, 3000, 2750, 2500, 2500};
  for (int period = 0; period <= 7; ++period) {
    tdai m = onSale("台", 4, 10, 10 + period, 100000);
    m.nominal = {50, 50, 50, 50};
    m.modelMachine = true;
    EXPECT_FALSE(catalogueSales(m));
    EXPECT_EQ(m.zaiko, 100000 - expected[period]) << "period " << period;
    EXPECT_FALSE(m.modelMachine) << "the request lasts one month";
  }
  // A weak one-month model of type 0: 800 x 1.5 x 2 x 15 x 0.0025 = 90.
  tdai weak = onSale("台", 0, 10, 11, 90);
  weak.nominal = {3, 4, 4, 4};
  EXPECT_TRUE(catalogueSales(weak));
  EXPECT_EQ(weak.zaiko, 0);
  EXPECT_FALSE(weak.onSale);
}

TEST(CatalogueSales, SaleEndsInItsLastMonth) {
  tdai m = onSale("台", 1, 10, 15, 1000);
  EXPECT_FALSE(saleEnd(m, 14));
  EXPECT_TRUE(m.onSale);
  EXPECT_TRUE(saleEnd(m, 15));
  EXPECT_FALSE(m.onSale);
  EXPECT_FALSE(saleEnd(m, 16)) << "a model off sale does not end twice";
}

TEST(CatalogueSales, TheNewModelWindowMarksLimitedRuns) {
  EXPECT_EQ(newModelRunLine(2000).text, "          販売開始 !!");
  EXPECT_FALSE(newModelRunLine(2000).limited);
  EXPECT_EQ(newModelRunLine(1999).text, "1999台限定販売 !!");
  EXPECT_TRUE(newModelRunLine(1001).limited);
}

TEST(MakerSalesNews, ToldWordForWordAndOnlyForPresentMakers) {
  for (bool report : {true, false}) {
    Fixture f({0});
    f.port.opts.urikirehoukoku = report;
    // Sells 600 in a one-month period and has 600 left.
    f.maker(0).models[0] = onSale("大関伝説", 0, 15, 16, 600);
    // Sells 400 and its period ends this month.
    f.maker(0).models[1] = onSale("土俵の花", 0, 10, 16, 5000);
    f.maker(0).models[2] = onSale("千秋楽", 0, 10, 20, 5000);
    f.maker(0).models[2].modelMachine = true;
    f.maker(2).models[0] = onSale("よそ者", 0, 10, 16, 5000);  // absent maker: untouched
    MakerSalesNews(*f.world);

    EXPECT_FALSE(f.maker(0).models[0].onSale);
    EXPECT_EQ(f.maker(0).models[1].zaiko, 4600);
    EXPECT_FALSE(f.maker(0).models[1].onSale);
    EXPECT_TRUE(f.maker(0).models[2].onSale);
    EXPECT_FALSE(f.maker(0).models[2].modelMachine);
    EXPECT_EQ(f.maker(2).models[0].zaiko, 5000);
    EXPECT_TRUE(f.maker(2).models[0].onSale);
    if (!report) {
      EXPECT_TRUE(f.port.messages.empty());
      continue;
    }
    ASSERT_EQ(f.port.messages.size(), 2u);
    EXPECT_EQ(f.port.messages[0].title, "売り切れ");
    EXPECT_EQ(f.port.messages[0].text, "平輪 が新台 大関伝説 の在庫を全て売り切りました。");
    EXPECT_EQ(f.port.messages[0].face, kFaceNormal);
    EXPECT_FALSE(f.port.messages[0].showCash);
    EXPECT_EQ(f.port.messages[1].title, "販売終了");
    EXPECT_EQ(f.port.messages[1].text, "平輪 の新台 土俵の花 の販売期間が終了しました。");
  }
}

TEST(IllegalCheck, PlainBoardsAreNeverIllegal) {
  int exposed = 0;
  for (uint32_t seed = 0; seed < 500; ++seed) {
    tdai plain = onSale("台", 0, 1, 9, 100);
    Random r(seed);
    EXPECT_FALSE(illegalCheck(plain, 100, r));
    EXPECT_EQ(r.draws(), 1u);
    tdai risky = onSale("台", 1, 1, 9, 100);
    Random r2(seed);
    if (illegalCheck(risky, 100, r2)) {
      ++exposed;
      EXPECT_FALSE(risky.onSale);
    }
    EXPECT_EQ(r2.draws(), 3u) << "the draw never exceeds a gambling appeal of 100";
    tdai safeCity = onSale("台", 1, 1, 9, 100);
    Random r3(seed);
    EXPECT_FALSE(illegalCheck(safeCity, 0, r3)) << "nobody looks where security is 0";
  }
  EXPECT_GT(exposed, 0);
}

// A seed under which a model on sale of gambling appeal 100 is exposed in a city of security 100.
uint32_t exposingSeed() {
  for (uint32_t seed = 0;; ++seed) {
    tdai probe = onSale("台", 4, 1, 30, 100);
    Random r(seed);
    if (illegalCheck(probe, 100, r)) return seed;
  }
}

TEST(IllegalMachineCheck, MarksTheCompanysIslandsAndTellsWhere) {
  Fixture f({0});
  f.world->rng().setSeed(exposingSeed());
  tdai& model = f.maker(0).models[0] = onSale("戦国絵巻", 4, 1, 30, 100);
  tkaichou& k = f.world->kaichou;
  k.dai[3].fillRecord(5, 170000, model);
  k.dai[10].fillRecord(5, 165000, model);
  tdai other = model;
  other.shukka = 1200;
  k.dai[5].fillRecord(5, 170000, other);

  Ttempo& store = k.tempo[1];
  store.used = true;
  store.name = "銀玉本店";
  store.kibo = 1;
  store.blockX = 3;
  store.blockY = 4;
  store.dai[1][2].fillRecord(6, 170000, model);
  store.dai[2][0].fillRecord(6, 170000, model);       // beyond the store's floors
  k.tempo[5].used = true;                             // a store without the model
  k.tempo[7].dai[0][0].fillRecord(6, 170000, model);  // a free slot's leftovers

  IllegalMachineCheck(*f.world);

  EXPECT_FALSE(model.onSale);
  EXPECT_TRUE(k.dai[3].ihou);
  EXPECT_TRUE(k.dai[10].ihou);
  EXPECT_FALSE(k.dai[5].ihou);
  EXPECT_TRUE(store.dai[1][2].ihou);
  EXPECT_FALSE(store.dai[2][0].ihou);
  EXPECT_FALSE(k.tempo[7].dai[0][0].ihou);

  ASSERT_EQ(f.port.messages.size(), 3u);
  for (const auto& m : f.port.messages) EXPECT_EQ(m.title, "台の違法性発覚");
  EXPECT_EQ(f.port.messages[0].text,
            "平輪 の新台 戦国絵巻 のゲーム性に違法性があるとの疑惑が浮上し、業界に波紋を拡げて"
            "います。平輪は販売中止を決定しました。");
  EXPECT_EQ(f.port.messages[0].face, kFaceAngry);
  EXPECT_EQ(f.port.messages[1].text,
            "我が社の倉庫にも問題の台が保管してあります。ご検討ください。");
  EXPECT_EQ(f.port.messages[1].face, kFacePanic);
  EXPECT_EQ(f.port.messages[2].text, "銀玉本店は問題の台をすでに設置しています。ご検討ください。");
  EXPECT_EQ(f.port.messages[2].face, kFacePanic);
  std::vector<std::string> expected = {
      "message:台の違法性発覚", "cue:5", "message:台の違法性発覚", "cue:1", "cue:5", "point:4,3",
      "message:台の違法性発覚", "cue:1"};
  EXPECT_EQ(f.port.events, expected);
}

TEST(IllegalMachineCheck, SaysSoWhenTheCompanyHoldsNone) {
  Fixture f({0});
  f.world->rng().setSeed(exposingSeed());
  f.maker(0).models[0] = onSale("戦国絵巻", 4, 1, 30, 100);
  IllegalMachineCheck(*f.world);
  ASSERT_EQ(f.port.messages.size(), 2u);
  EXPECT_EQ(f.port.messages[1].text,
            "我が社は問題の台は一台も所有しておりません。良かったですね。");
  EXPECT_EQ(f.port.messages[1].face, kFaceSmile);
  EXPECT_TRUE(f.port.cues.empty());
}

TEST(NewModels, AnnouncesAndPassesOnAModelStoreRequest) {
  bool requested = false;
  for (uint32_t seed = 0; seed < 400 && !requested; ++seed) {
    Fixture f({0});
    f.maker(0).SetYuukou(100);
    f.maker(3).SetYuukou(50);  // absent: no drift
    f.world->kaichou.karisuma = 100;
    f.world->rng().setSeed(seed);
    NewModels(*f.world);
    EXPECT_EQ(f.maker(3).yuukou, 50);
    if (f.port.events.empty()) continue;
    const tdai& m = f.maker(0).models[4];
    ASSERT_TRUE(m.onSale);
    EXPECT_EQ(m.releaseMonth, 16);
    EXPECT_EQ(f.port.events[0], "new-model:" + m.name.str());
    if (!m.modelMachine) {
      EXPECT_EQ(f.port.events.size(), 1u);
      continue;
    }
    requested = true;
    ASSERT_EQ(f.port.messages.size(), 1u);
    EXPECT_EQ(f.port.messages[0].title, "モデルオープンの依頼");
    EXPECT_EQ(f.port.messages[0].text,
              "平輪 が、新台 " + m.name.str() +
                  " を銀玉興業で導入して欲しいと強く求めています。我が社の店舗のどれかに今月中に"
                  "導入したら、全国初導入のモデル店舗に認定すると先方はおっしゃっています。");
    EXPECT_EQ(f.port.messages[0].face, kFacePanic);
  }
  EXPECT_TRUE(requested);
}

TEST(NewModels, TheNewModelWindowFollowsItsOption) {
  for (uint32_t seed = 0; seed < 50; ++seed) {
    Fixture f({0});
    f.port.opts.sindaihoukoku = false;
    f.world->rng().setSeed(seed);
    NewModels(*f.world);
    for (const std::string& e : f.port.events) EXPECT_NE(e.rfind("new-model:", 0), 0u) << e;
  }
}

}  // namespace
}  // namespace gm
