// The police raids on the company's manipulations and the gang of professional players' attack
// on an island, with the illegal model that the attack may bring to light.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "incident_city.h"

namespace gm {
namespace {

using test::firstCityWhere;
using test::IncidentCity;
using test::within;
using Events = std::vector<std::string>;

void crooked(IncidentCity& c, uint8_t bits) {
  c.look(50, 50, 20);
  c.set(5, 3, 4);  // a road inside the square
  c.store().kousaku = bits;
  c.store().setMoral(Money());
  c.company().chisei = 1;
  c.company().karisuma = 1;
}

// The neighbourhood of a raided store: the populated blocks of the square of 4 take up to
// unrestBound - 1 more unrest and lose up to fanBound - 1 of their fan rate; the road in the
// square takes its share only when the raid reaches every block; nothing outside moves.
void expectStained(IncidentCity& c, int unrestBound, int fanBound, bool road) {
  bool moved = false;
  for (int r = 1; r <= 9; ++r)
    for (int col = 1; col <= 9; ++col) {
      const Tchip& b = c.at(r, col);
      if (!b.IsPopulated()) continue;
      EXPECT_GE(b.unrest, 50);
      EXPECT_LT(b.unrest, 50 + unrestBound);
      EXPECT_GT(b.fanRate, 20 - fanBound);
      EXPECT_LE(b.fanRate, 20);
      moved = moved || b.unrest != 50 || b.fanRate != 20;
    }
  EXPECT_TRUE(moved);
  if (road)
    EXPECT_TRUE(within(c.at(5, 3).unrest, 0, unrestBound - 1));
  else
    EXPECT_EQ(c.at(5, 3).unrest, 0);
  EXPECT_EQ(c.at(0, 0).unrest, 50);
  EXPECT_EQ(c.at(10, 4).fanRate, 20);
}

TEST(Raids, AlteredRomsCloseTheStoreForThreeMonthsAndSpareItTheSecondRaid) {
  auto c = firstCityWhere([](IncidentCity& c) { crooked(c, kIllegalRom | kJackpotControl); },
                          [](IncidentCity& c) {
                            RomRaids(c.begin());
                            return !c.port.messages.empty();
                          });
  ASSERT_NE(c, nullptr);
  const Ttempo& t = c->store();
  // Bail: 20,000 + RandInt(2000) for two floors, moved by less than a thirtieth of that.
  const int64_t bail = 1000000 - c->cash();
  EXPECT_TRUE(within(bail, 20000 - 732, 21999 + 732));
  EXPECT_EQ(t.joutai, kSuspended);
  EXPECT_EQ(t.teishiMonth, 34);
  EXPECT_EQ(t.kousaku, kJackpotControl);
  EXPECT_EQ(c->company().karisuma, 1);
  EXPECT_TRUE(within(c->company().tousotu, 45, 47));
  expectStained(*c, 5, 10, false);
  // Five draws decide the raid, nine make the bail (three) and the losses (six), and the 79
  // populated blocks of the square (all but the road) draw their unrest and then their fans.
  EXPECT_EQ(c->draws(), 5u + 9u + 2u * 79u);
  EXPECT_EQ(c->onlyMessage().title, "ガサ入れ");
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店がガサ入れされ、台に裏ロムを取り付けて営業を行っていた事実が発覚してしまいました！"
      "当該店舗は３ヶ月間の営業停止処分を受け、また、保釈金として" +
          formatGrouped(bail) + "を支払いました。");
  EXPECT_TRUE(c->onlyMessage().showCash);
  EXPECT_EQ(c->onlyMessage().face, kFacePanic);
  EXPECT_EQ(c->port.events,
            (Events{"block:5,5", "point:5,5", "cue:5", "message:ガサ入れ", "cue:1"}));

  // Closed now, the store is no longer looked at: no draw, no second raid.
  const uint64_t before = c->draws();
  JackpotRaids(*c->pass);
  EXPECT_EQ(c->draws(), before);
  EXPECT_EQ(c->port.messages.size(), 1u);
  EXPECT_EQ(c->store().kousaku, kJackpotControl);
}

TEST(Raids, JackpotSystemsCloseTheStoreForSixMonths) {
  auto c = firstCityWhere([](IncidentCity& c) { crooked(c, kJackpotControl); },
                          [](IncidentCity& c) {
                            JackpotRaids(c.begin());
                            return !c.port.messages.empty();
                          });
  ASSERT_NE(c, nullptr);
  const Ttempo& t = c->store();
  const int64_t bail = 1000000 - c->cash();
  EXPECT_TRUE(within(bail, 40000 - 1398, 41999 + 1398));
  EXPECT_EQ(t.teishiMonth, 37);
  EXPECT_EQ(t.kousaku, 0);
  EXPECT_TRUE(within(t.senren, 1, 30));  // 50 - (20..49)
  EXPECT_TRUE(within(c->company().tousotu, 39, 44));
  expectStained(*c, 9, 40, true);
  // The same, but all 80 blocks of the square draw, the road among them.
  EXPECT_EQ(c->draws(), 5u + 9u + 2u * 80u);
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店がガサ入れされ、特賞操作システムを設置運営していた事実が発覚してしまいました！当該"
      "店舗は６ヶ月間の営業停止処分を受け、また、保釈金として" +
          formatGrouped(bail) + "を支払いました。");

  // An honest store draws the same five numbers and is left alone.
  IncidentCity honest(c->seed);
  crooked(honest, 0);
  JackpotRaids(honest.begin());
  EXPECT_TRUE(honest.port.messages.empty());
  EXPECT_EQ(honest.draws(), 5u);
}

// A store that made money last month with three islands of one purchase on its ground floor
// (gambling 60 over play 40: the gang works on the appeal) and one island of another model.
void gangTarget(IncidentCity& c) {
  c.look(50, 100, 20);
  c.begin().gangInTown = true;
  Ttempo& t = c.store();
  t.arari[kTotal] = Money::fromInt(100000);
  t.setSkill(Money());
  c.addIslands(t, 0, 3, 1, 60, 40, "攻略台");
  c.addIslands(t, 1, 1, 1, 60, 40, "別の台");
}

TEST(Raids, GangAttackShowsAModelIllegalEverywhere) {
  auto c = firstCityWhere(
      [](IncidentCity& c) {
        gangTarget(c);
        tkaichou& k = c.company();
        k.record(1) = c.store().dai[0][0];  // the same purchase, in the warehouse
        k.record(2) = c.store().dai[0][0];
        k.record(2).tanka = 280;  // the same model bought at another price
        tdai& onSale = c.w().makers[1].models[0];
        onSale.name = "攻略台";
        onSale.kishu = 1;
        onSale.maker = 1;
        onSale.shukka = 1234;
        onSale.onSale = true;
        c.w().makers[1].models[1] = onSale;
        c.w().makers[1].models[1].name = "新台";
      },
      [](IncidentCity& c) {
        return GangAttack(*c.pass, c.store(), c.figures()) &&
               c.onlyMessage().text.find("違法性") != std::string::npos;
      });
  ASSERT_NE(c, nullptr);
  // Three islands of ten, each worth Jitter(30 x 60 x 2 = 3600): 3481..3719.
  const int64_t loss = 1000000 - c->cash();
  EXPECT_EQ(loss % 3, 0);
  EXPECT_TRUE(within(loss / 3, 3481, 3719));
  EXPECT_EQ(c->onlyMessage().title, "漁山泊の襲撃");
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店にて、攻略台が漁山泊に攻略されました！調査によると、どうやらこの台のゲーム性には元"
      "々違法性があったようです！被害を受けた台数は30台、被害金額は" +
          formatGrouped(loss) + "に昇っています！");
  EXPECT_TRUE(c->onlyMessage().showCash);
  EXPECT_EQ(c->port.events, (Events{"point:5,5", "cue:5", "message:漁山泊の襲撃", "cue:1"}));

  EXPECT_TRUE(c->pass->illegalFound);
  const Ttempo& t = c->store();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(t.dai[0][i].ihou);
  EXPECT_FALSE(t.dai[1][0].ihou);
  EXPECT_TRUE(c->company().record(1).ihou);
  EXPECT_FALSE(c->company().record(2).ihou);
  EXPECT_FALSE(c->w().makers[1].models[0].onSale);
  EXPECT_TRUE(c->w().makers[1].models[1].onSale);
}

TEST(Raids, GangAttackCountsALoneIslandOnce) {
  // Play 80 over gambling 20: the gang plays the machine; a lone island of a type-4 model.
  auto setup = [](IncidentCity& c) {
    gangTarget(c);
    for (auto& floor : c.store().dai)
      for (Tddai& d : floor) d.reset();
    c.addIslands(c.store(), 0, 1, 4, 20, 80);
  };
  auto c = firstCityWhere(
      setup, [](IncidentCity& c) { return GangAttack(*c.pass, c.store(), c.figures()); });
  ASSERT_NE(c, nullptr);
  const int64_t loss = 1000000 - c->cash();
  EXPECT_TRUE(within(loss, 3200 - 105, 3200 + 105));  // Jitter(40 x 80)
  EXPECT_EQ(c->onlyMessage().text,
            "試験店にて、試験台が漁山泊に攻略されました！被害を受けた台数は10台、被害金額は" +
                formatGrouped(loss) + "に昇っています！");
  EXPECT_FALSE(c->store().dai[0][0].ihou);

  // No gang in town, or a store that lost money last month: nothing is even tried.
  IncidentCity quiet(c->seed);
  setup(quiet);
  quiet.pass->gangInTown = false;
  EXPECT_FALSE(GangAttack(*quiet.pass, quiet.store(), quiet.figures()));
  quiet.pass->gangInTown = true;
  quiet.store().hoshuResults[14] = Money::fromInt(100000);
  EXPECT_FALSE(GangAttack(*quiet.pass, quiet.store(), quiet.figures()));
  EXPECT_EQ(quiet.draws(), 0u);
}

}  // namespace
}  // namespace gm
