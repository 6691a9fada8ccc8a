// The city's and the company's incidents, the whole pass in a quiet month counted draw by draw,
// and the pass's place in the month's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "incident_city.h"
#include "world/month_end.h"

namespace gm {
namespace {

using test::firstCityWhere;
using test::IncidentCity;
using test::within;
using Events = std::vector<std::string>;

template <typename Step>
auto step(Step s) {
  return [s](IncidentCity& c) {
    s(c.pass ? *c.pass : c.begin());
    return !c.port.messages.empty();
  };
}

TEST(CityIncidents, DryAirInTheColdMonthsWarnsOnlySometimes) {
  auto setup = [](IncidentCity& c) { c.w().month = 24; };
  auto warned = firstCityWhere(setup, step(DryAir));
  ASSERT_NE(warned, nullptr);
  EXPECT_TRUE(warned->pass->dryAir);
  EXPECT_EQ(warned->onlyMessage().title, "異常乾燥注意報");
  EXPECT_EQ(warned->onlyMessage().text, "空気が乾燥しています。火の元には充分注意しましょう。");
  EXPECT_EQ(warned->onlyMessage().face, kFaceNormal);
  EXPECT_EQ(warned->port.events, Events{"message:異常乾燥注意報"});

  auto silent = firstCityWhere(setup, [](IncidentCity& c) {
    DryAir(c.begin());
    return c.pass->dryAir && c.port.messages.empty();
  });
  ASSERT_NE(silent, nullptr);
  EXPECT_EQ(silent->draws(), 2u);

  IncidentCity june(warned->seed);
  june.w().month = 30;
  DryAir(june.begin());
  EXPECT_FALSE(june.pass->dryAir);
  EXPECT_EQ(june.draws(), 1u);
}

TEST(CityIncidents, GangComesInSeptemberOrInFebruaryUnderLongHours) {
  auto c = firstCityWhere([](IncidentCity& c) { c.w().month = 33; }, step(GangArrival));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->pass->gangInTown);
  EXPECT_EQ(c->onlyMessage().text, "試験市にパチンコ攻略集団「漁山泊」がやってきているようです。");
  EXPECT_EQ(c->onlyMessage().face, kFaceCry);
  EXPECT_EQ(c->port.events, Events{"message:漁山泊の蠢動"});

  for (bool longHours : {false, true}) {
    IncidentCity february(c->seed);
    february.w().month = 26;
    if (longHours) february.w().laws = kLawLongHours;
    GangArrival(february.begin());
    EXPECT_EQ(february.pass->gangInTown, longHours);
  }
  IncidentCity empty(c->seed);  // a city at 30 % of its capacity is not worth the trip
  empty.w().month = 33;
  for (int r = 0; r < test::kCityRows; ++r)
    for (int col = 0; col < test::kCityColumns; ++col) empty.at(r, col).population = 60;
  GangArrival(empty.begin());
  EXPECT_FALSE(empty.pass->gangInTown);
}

TEST(CityIncidents, GangWarNeedsABigCrowdedCity) {
  auto crowded = [](IncidentCity& c, int people) {
    c.w().month = 35;
    for (int r = 0; r < test::kCityRows; ++r)
      for (int col = 0; col < test::kCityColumns; ++col)
        if (c.at(r, col).kind != 19) c.set(r, col, 15, people, 0);
  };
  // 120 stations of 700 people: 84,000 at 93 % of the capacity.
  auto c = firstCityWhere([&](IncidentCity& c) { crowded(c, 700); }, step(GangWar));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->pass->gangWar);
  EXPECT_EQ(c->onlyMessage().title, "暴力団抗争");
  EXPECT_EQ(c->onlyMessage().text,
            "試験市で暴力団同士の抗争が激化しております。我が社で事件が起こらなければよいのですが．"
            "．．");

  // 120 x 400 = 48,000 people are not enough, though the city is crowded.
  IncidentCity small(c->seed);
  crowded(small, 400);
  GangWar(small.begin());
  EXPECT_FALSE(small.pass->gangWar);
  EXPECT_EQ(small.draws(), 2u);
}

TEST(CityIncidents, UnionComplaintAboutGamblingAppealInJanuary) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 25;
    c.company().sikin = Money::fromInt(1234565);
    c.addIslands(c.store(), 0, 2, 1, 80, 40);
    c.addIslands(c.store(), 1, 1, 1, 60, 40);  // average 73
    c.port.answers = {true};
  };
  auto c = firstCityWhere(setup, step(UnionComplaint));
  ASSERT_NE(c, nullptr);
  const auto& q = c->onlyMessage();
  EXPECT_EQ(q.title, "組合からの苦情");
  // A tenth of 1,234,565 is 123,456.5, rounded to the even thousand.
  EXPECT_EQ(
      q.text,
      "組合から我が社に苦情が届いております。内容は「市民の射幸心を煽りすぎ、パチンコに対する不"
      "信感が高まっている」との事です。組合の規制の締め付けを回避する為に、追徴金123,456を支払い"
      "ますか？");
  EXPECT_TRUE(q.confirm);
  EXPECT_TRUE(q.showCash);
  EXPECT_EQ(q.face, kFaceCry);
  EXPECT_EQ(c->cash(), 1234565 - 123456);
  EXPECT_EQ(c->w().unionHourCut, 0);

  // The fine is 5,000 at least and 500,000 at most; at 5,001 in cash the union still draws
  // its number but says nothing.
  struct Case {
    int64_t cash;
    const char* fine;
  };
  for (const Case& k : {Case{5002, "5,000"}, Case{9000000, "500,000"}, Case{5001, nullptr}}) {
    IncidentCity again(c->seed);
    setup(again);
    again.company().sikin = Money::fromInt(k.cash);
    UnionComplaint(again.begin());
    EXPECT_EQ(again.draws(), 1u);
    if (k.fine == nullptr) {
      EXPECT_TRUE(again.port.messages.empty());
    } else {
      ASSERT_EQ(again.port.messages.size(), 1u);
      EXPECT_NE(again.port.messages[0].text.find(std::string("追徴金") + k.fine + "を"),
                std::string::npos);
    }
  }

  // Refusing to pay may cost an hour of business a day.
  auto refused = firstCityWhere(
      [&](IncidentCity& c) {
        setup(c);
        c.port.answers = {false};
      },
      [](IncidentCity& c) {
        UnionComplaint(c.begin());
        return c.w().unionHourCut == 1;
      });
  ASSERT_NE(refused, nullptr);
  EXPECT_EQ(refused->cash(), 1234565);
  ASSERT_EQ(refused->port.messages.size(), 2u);
  EXPECT_EQ(refused->port.messages[1].title, "営業時間の規制");
  EXPECT_EQ(refused->port.messages[1].text,
            "組合の方針により、一日の営業時間は12時間となりました。");
  EXPECT_EQ(refused->port.events,
            (Events{"message:組合からの苦情", "cue:5", "message:営業時間の規制", "cue:1"}));

  IncidentCity mild(c->seed);  // an average appeal of 70 is within bounds
  setup(mild);
  mild.store().dai[0][0].actual[kGambling] = 70;
  mild.store().dai[0][1].actual[kGambling] = 80;
  mild.store().dai[1][0].actual[kGambling] = 62;  // 212 / 3 = 70
  EXPECT_FALSE(step(UnionComplaint)(mild));
}

TEST(CityIncidents, TaxEvasionFoundOutClosesEveryOpenStore) {
  auto setup = [](IncidentCity& c) {
    c.company().datuzeiruikei = Money::fromInt(123457);
    c.company().chisei = 1;
    c.store().setMoral(Money());
    c.openStore(2, 2, 2, "二号店").joutai = kWaiting;
  };
  auto c = firstCityWhere(setup, step(TaxEvasionDiscovery));
  ASSERT_NE(c, nullptr);
  const tkaichou& k = c->company();
  // 123,457 x 1.5 = 185,185.5, rounded to the even thousand.
  EXPECT_EQ(c->cash(), 1000000 - 185186);
  EXPECT_FALSE(k.datuzei);
  EXPECT_EQ(k.datuzeiruikei, Money());
  EXPECT_EQ(k.karisuma, 40);
  EXPECT_EQ(k.tousotu, 40);
  EXPECT_EQ(c->store(1).joutai, kSuspended);
  EXPECT_EQ(c->store(1).teishiMonth, 37);
  EXPECT_EQ(c->store(2).joutai, kWaiting);
  EXPECT_EQ(c->store(2).senren, 50);
  for (int r = 0; r < test::kCityRows; ++r)  // the whole city, not just the stores' squares
    for (int col = 0; col < test::kCityColumns; ++col)
      if (c->at(r, col).IsPopulated()) {
        EXPECT_LE(c->at(r, col).unrest, 54);
        EXPECT_GE(c->at(r, col).fanRate, 11);
      }
  EXPECT_EQ(
      c->onlyMessage().text,
      "脱税が露見してしまいました！国税局に追徴課税185,186の支払いを命ぜられ、現在営業中の店舗は"
      "全て６ヶ月の営業停止処分を受けました！市内は騒然としております．．．。");
  EXPECT_TRUE(c->onlyMessage().showCash);
  EXPECT_EQ(c->port.events, (Events{"block:5,5", "cue:5", "message:脱税発覚", "cue:1"}));

  // Below 100,000 evaded and with the manoeuvre off, the tax office does not look.
  IncidentCity clean(c->seed);
  setup(clean);
  clean.company().datuzeiruikei = Money::fromInt(99999);
  TaxEvasionDiscovery(clean.begin());
  EXPECT_EQ(clean.draws(), 0u);
}

TEST(CityIncidents, OctoberDemonstrationAgainstAChainOfThree) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 34;
    c.look(10, 100, 20);
    c.openStore(2, 2, 2, "二号店");
    c.openStore(3, 8, 8, "三号店");
  };
  auto c = firstCityWhere(setup, step(Demonstration));
  ASSERT_NE(c, nullptr);
  for (int r = 0; r < test::kCityRows; ++r)
    for (int col = 0; col < test::kCityColumns; ++col) {
      const Tchip& b = c->at(r, col);
      if (!b.IsPopulated()) continue;
      EXPECT_GE(b.unrest, 98);
      EXPECT_TRUE(within(b.security, 6, 10));
    }
  EXPECT_GE(c->company().tousotu, 47);
  EXPECT_EQ(c->onlyMessage().title, "デモ");
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験市各所で市民がデモを行っています。デモの内容は「町の治安を乱す行き過ぎたパチンコ店の"
      "やり口を許すな！」などというもので、相次ぐパチンコ店がらみの事件などに触発されたものと思"
      "われます。パチンコに対するイメージの悪化が懸念されます。");
  EXPECT_EQ(c->port.events, (Events{"cue:5", "message:デモ", "cue:1"}));

  IncidentCity two(c->seed);
  setup(two);
  two.store(3).init();
  EXPECT_FALSE(step(Demonstration)(two));
  EXPECT_EQ(two.draws(), 3u);
}

// A quiet June with two open stores and the evasion running: the draws counted by hand.
//   dry air 1, gang 1, gang war 2, union 1                                    5
//   ROM raid 5 and jackpot raid 5, for each store                            20
//   each store: CM 3, WWW 3, event 4, shills 4, hostility 2, unease 2,
//     carelessness 3, riot 5, TV 3, robbery 5, burglary 5, drunk 3,
//     quarrel 4, cheats 4, breach 3 (no gang in town, no gang war)       2 x 53
//   fires 0 (no dry air in June), tax evasion 3, demonstration 3, quake 1    7
TEST(IncidentPassTest, AQuietMonthDrawsEveryTermOfEveryCondition) {
  auto quiet = firstCityWhere(
      [](IncidentCity& c) {
        // Unrest at the top and no security make the first term of every "or" true, and no
        // promotion nor manipulation makes the first of many "and"s false: a condition that
        // stopped at its deciding term would draw less.
        c.look(0, 100, 20);
        c.openStore(2, 2, 2, "二号店");
        c.store(1).kibo = 0;
        c.store(2).kibo = 0;
        c.company().datuzei = true;
      },
      [](IncidentCity& c) {
        RunIncidents(c.w(), 300);
        return c.port.messages.empty();
      });
  ASSERT_NE(quiet, nullptr);
  EXPECT_EQ(quiet->draws(), 5u + 20u + 2u * 53u + 7u);

  // Without a store and without the evasion only the city's steps draw.
  IncidentCity bare(quiet->seed);
  bare.store().init();
  RunIncidents(bare.w(), 300);
  EXPECT_EQ(bare.draws(), 5u + 3u + 1u);
}

TEST(IncidentPassTest, RunsRightAfterTheBlockPass) {
  auto c = firstCityWhere(
      [](IncidentCity& c) {
        c.w().month = 25;
        c.w().rivals.rivalNashi = true;
        c.port.opts.jissekihoukoku = false;
        c.addIslands(c.store(), 0, 1, 1, 90, 40);
      },
      [](IncidentCity& c) {
        MonthStepA(c.w());
        return !c.port.messages.empty() && c.port.messages[0].title == "組合からの苦情";
      });
  ASSERT_NE(c, nullptr);
  const Events& e = c->port.events;
  const auto waitEnd = std::find(e.begin(), e.end(), "wait-end");
  const auto question = std::find(e.begin(), e.end(), "message:組合からの苦情");
  EXPECT_LT(waitEnd, question);
  EXPECT_EQ(c->w().month, 26);
}

}  // namespace
}  // namespace gm
