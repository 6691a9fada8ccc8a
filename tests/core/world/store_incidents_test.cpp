// The incidents of one open store. Each test shapes the test city so that the incident can
// strike, takes the first seed for which it does, and checks what the rules fix (exact amounts,
// the bounds of the drawn ones, the message and its cues); where a boundary matters, the same
// seed is replayed on a city just across it.
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

int pts(Money m) { return static_cast<int>(m.trunc()); }

// Runs a store incident on the city's first store, in the pass the setup began (or a new one).
template <typename Incident>
auto onStore(Incident incident) {
  return [incident](IncidentCity& c) {
    IncidentPass& p = c.pass ? *c.pass : c.begin();
    return incident(p, c.store(), c.figures());
  };
}

// The store's block is shown, then the cue, the message and the cue after it.
Events news(const std::string& title, int before, int after = kCueMain) {
  return {"point:5,5", "cue:" + std::to_string(before), "message:" + title,
          "cue:" + std::to_string(after)};
}

TEST(StoreIncidents, CmAwardOncePerStoreAndOncePerMonthInTheCompany) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 24;  // December of year 2; the store is 23 months old
    c.store().hansoku.tvAgency = 5;
    c.store().setSkill(Money::fromInt(100));
  };
  auto c = firstCityWhere(setup, onStore(CmAward));
  ASSERT_NE(c, nullptr);
  const Ttempo& t = c->store();
  EXPECT_EQ(c->cash(), 1100000);
  EXPECT_TRUE(t.bestCm);
  EXPECT_TRUE(c->pass->cmAwardGiven);
  EXPECT_TRUE(within(t.senren, 50, 59));
  EXPECT_TRUE(within(pts(t.moral), 50, 59));
  EXPECT_EQ(c->onlyMessage().title, "CM大賞受賞");
  EXPECT_EQ(c->onlyMessage().text,
            "試験店で電痛に委託して製作、放映されたコマーシャルが、この度デジタル・パーラー・アカデ"
            "ミーより「CM大賞」を授与され,賞金一億円を頂きました！電痛に依頼して良かったですね！");
  EXPECT_EQ(c->onlyMessage().face, kFaceLaugh);
  EXPECT_EQ(c->port.events, news("CM大賞受賞", kCueYes));

  // The month has had its award: the jury's three draws are still made, and nothing is won.
  c->store().bestCm = false;
  const uint64_t before = c->draws();
  EXPECT_FALSE(onStore(CmAward)(*c));
  EXPECT_EQ(c->draws(), before + 3);
  EXPECT_EQ(c->cash(), 1100000);
}

TEST(StoreIncidents, WwwAwardNeedsAStoreOlderThanAYear) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 24;
    c.store().hansoku.www = 5;
    c.store().setSkill(Money::fromInt(100));
  };
  auto c = firstCityWhere(setup, onStore(WwwAward));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->cash(), 1050000);
  EXPECT_TRUE(c->store().bestWww);
  EXPECT_EQ(c->onlyMessage().text,
            "試験店に設置しているホームページがこの度デジタル・パーラー・アカデミーより「The Best "
            "Of World Wide Web Server」の称号を授与され、賞金５０００万円を頂きました！スタッフも"
            "大変喜んでいますし、この調子でさらに良い店舗になっていって欲しいですね。");
  EXPECT_EQ(c->port.events, news("The Best Of World Wide Web Server受賞", kCueYes));

  // The same dice for a store built exactly twelve months ago give nothing.
  IncidentCity young(c->seed);
  setup(young);
  young.store().shuttenMonth = 12;
  EXPECT_FALSE(onStore(WwwAward)(young));
  EXPECT_TRUE(young.port.messages.empty());
}

TEST(StoreIncidents, SuccessfulEventPleasesCustomersAndStaff) {
  auto setup = [](IncidentCity& c) {
    c.store().hansoku.event = 4;
    c.store().setSkill(Money::fromInt(100));
    c.store().setMoral(Money::fromInt(100));
  };
  auto c = firstCityWhere(setup, onStore(SuccessfulEvent));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(within(c->store().manzoku, 50, 57));
  EXPECT_EQ(c->onlyMessage().text,
            "試験店で開催しているイベントが好評を博しています。スタッフの頑張りにより期待いたしまし"
            "ょう。");
  EXPECT_EQ(c->port.events, news("イベント大好評", kCueUp));
}

TEST(StoreIncidents, ExposedShillsStainTheStoreThePresidentAndTheNeighbourhood) {
  auto setup = [](IncidentCity& c) {
    c.store().kousaku = kShills | kIllegalRom;
    c.company().karisuma = 1;
    c.set(5, 3, 4);  // a road inside the square
  };
  auto c = firstCityWhere(setup, onStore(ShillsExposed));
  ASSERT_NE(c, nullptr);
  const Ttempo& t = c->store();
  EXPECT_EQ(t.kousaku, kIllegalRom);
  EXPECT_EQ(c->company().karisuma, 1);  // clamped
  EXPECT_TRUE(within(c->company().tousotu, 45, 47));
  EXPECT_TRUE(within(t.manzoku, 11, 30));
  int raised = 0;
  for (int r = 1; r <= 9; ++r)
    for (int col = 1; col <= 9; ++col) {
      const Tchip& b = c->at(r, col);
      if (!b.IsPopulated()) continue;
      EXPECT_TRUE(within(b.unrest, 50, 54));
      EXPECT_TRUE(within(b.fanRate, 11, 20));
      raised += b.unrest > 50;
    }
  EXPECT_GT(raised, 0);
  // The scandal reaches every block of the square, the road too: four draws decide it, five
  // mark the store and the president, and each of the 9 x 9 - 1 = 80 blocks draws its unrest
  // and then its fans (a road's fan rate stays at 0).
  EXPECT_EQ(c->draws(), 4u + 5u + 2u * 80u);
  EXPECT_TRUE(within(c->at(5, 3).unrest, 0, 4));
  EXPECT_EQ(c->at(5, 3).fanRate, 0);
  EXPECT_EQ(c->at(0, 5).unrest, 50);  // outside the square
  EXPECT_EQ(c->at(10, 10).fanRate, 20);
  EXPECT_EQ(c->port.events, news("サクラ発覚", kCueDown));
  EXPECT_EQ(c->onlyMessage().face, kFacePanic);
}

TEST(StoreIncidents, StaffMoodsOfTheSeasonsComeWithoutCues) {
  struct Mood {
    int month;
    int security, unrest;
    bool (*incident)(IncidentPass&, Ttempo&, const StoreFigures&);
    const char* title;
    const char* text;
    bool skill;
  };
  const Mood moods[] = {
      {32, 50, 100, Hostility, "反感", "試験店のスタッフが、市民の反感に怯えているようです。",
       false},
      {35, 0, 50, Unease, "昏迷", "試験店のスタッフが、周辺地域の治安に不安を覚えています。",
       false},
      {26, 0, 50, Carelessness, "退嬰", "試験店で、人為的なミスや事故が多発しています。", true},
  };
  for (const Mood& m : moods) {
    SCOPED_TRACE(m.title);
    auto setup = [&](IncidentCity& c) {
      c.w().month = m.month;
      c.look(m.security, m.unrest, 20);
    };
    auto c = firstCityWhere(setup, onStore(m.incident));
    ASSERT_NE(c, nullptr);
    const int fell = 50 - pts(m.skill ? c->store().skill : c->store().moral);
    EXPECT_TRUE(within(fell, 4, 8));
    EXPECT_EQ(c->onlyMessage().text, m.text);
    EXPECT_EQ(c->onlyMessage().face, kFaceAngry);
    EXPECT_EQ(c->port.events, (Events{"point:5,5", std::string("message:") + m.title}));

    // Out of season the same dice do nothing.
    IncidentCity off(c->seed);
    setup(off);
    off.w().month = m.month + 3;
    EXPECT_FALSE(onStore(m.incident)(off));
  }
}

TEST(StoreIncidents, RiotDestroysIslandsAndShowsTheirMachines) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 32;  // August
    c.look(30, 90, 20);
    c.store().arari[kTotal] = Money::fromInt(1);
    c.addIslands(c.store(), 0, 10, 1, 50, 50);
    c.addIslands(c.store(), 1, 10, 1, 50, 50);
  };
  auto c = firstCityWhere(setup, onStore(Riot));
  ASSERT_NE(c, nullptr);
  const Ttempo& t = c->store();
  const int left = t.machineCounts().allIslands;
  const int destroyed = 20 - left;
  ASSERT_GT(destroyed, 0);
  EXPECT_EQ(c->onlyMessage().text,
            "大変です！試験店の近辺で暴動が発生しました！暴徒と化した市民が店内で暴れまわり、台が" +
                std::to_string(destroyed) +
                "0台破壊されてしまいました！スタッフも動揺しています。");
  for (int floor = 0; floor < 2; ++floor) {  // the islands left stand first on their floor
    const int used = t.machineCounts(floor + 1).allIslands;
    for (int i = 0; i < kIslandsPerFloor; ++i) EXPECT_EQ(t.dai[floor][i].used, i < used);
  }
  EXPECT_LE(pts(t.moral), 40);
  EXPECT_TRUE(within(c->at(1, 1).security, 25, 30));
  EXPECT_EQ(c->at(0, 0).security, 30);
  EXPECT_EQ(c->port.events, news("暴動発生", kCueDown));

  // A store that made no gross profit last month gives the mob no reason.
  IncidentCity poor(c->seed);
  setup(poor);
  poor.store().arari[kTotal] = Money();
  EXPECT_FALSE(onStore(Riot)(poor));
  EXPECT_EQ(poor.store().machineCounts().allIslands, 20);
}

TEST(StoreIncidents, TelevisionReportsGoodOrBad) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 24;
    c.look(50, 50, 40);
    c.store().senren = 100;
    c.store().setDansei(0);  // an all-women staff
    c.store().setZyosei(20);
  };
  auto bad = firstCityWhere(setup, [](IncidentCity& c) {
    return onStore(Television)(c) && c.onlyMessage().face == kFaceCry;
  });
  ASSERT_NE(bad, nullptr);
  EXPECT_EQ(
      bad->onlyMessage().text,
      "試験店がテレビ中継されています。何と、その内容は「緊急報道！空前のボッタクリパーラーの内"
      "情！豪華な店舗の裏面を突く」という物で、かなり店舗の悪い面を強調した番組になっています"
      "！今月の実績が懸念されます。");
  EXPECT_EQ(bad->port.events, news("TV放映", kCueDown));
  EXPECT_LE(bad->store().manzoku, 40);
  EXPECT_LE(bad->at(1, 1).fanRate, 40);
  EXPECT_GE(bad->at(1, 1).fanRate, 33);

  auto good = firstCityWhere(setup, [](IncidentCity& c) {
    return onStore(Television)(c) && c.onlyMessage().face == kFaceLaugh;
  });
  ASSERT_NE(good, nullptr);
  EXPECT_EQ(
      good->onlyMessage().text,
      "試験店がテレビ中継されています。その内容は「噂の名店、試験店の店長に直撃インタビュー」と"
      "いう内容で、市民は我が社に好意的評価を持ちつつあるようです。");
  // The good news ends on the up cue again, not on the main theme.
  EXPECT_EQ(good->port.events, news("TV放映", kCueUp, kCueUp));
  EXPECT_TRUE(within(good->at(1, 1).unrest, 43, 50));
}

TEST(StoreIncidents, RobberyFoiledBySkilledStaffOrPaidForWithADaysTakings) {
  auto setup = [](IncidentCity& c) {
    c.look(0, 100, 20);
    c.store().kibo = 4;
    c.store().uriage[kTotal] = Money::fromInt(3100000);  // a day's share: 100,000
  };
  auto foiled = firstCityWhere(
      [&](IncidentCity& c) {
        setup(c);
        c.store().setSkill(Money::fromInt(100));
      },
      onStore(Robbery));
  ASSERT_NE(foiled, nullptr);
  EXPECT_EQ(foiled->cash(), 1000000);
  EXPECT_EQ(
      foiled->onlyMessage().text,
      "試験店で強盗事件が発生しました！ですが、スタッフによって犯人は取り押さえられ、強盗は未遂"
      "に終わりました！良いスタッフに恵まれましたね。");
  EXPECT_EQ(foiled->port.events, news("強盗", kCueUp));
  EXPECT_GE(foiled->store().chimei, 53);

  auto robbed = firstCityWhere(
      [&](IncidentCity& c) {
        setup(c);
        c.store().setSkill(Money());
      },
      onStore(Robbery));
  ASSERT_NE(robbed, nullptr);
  const int64_t loss = 1000000 - robbed->cash();
  EXPECT_TRUE(within(loss, 100000 - 3332, 100000 + 3332));
  EXPECT_EQ(
      robbed->onlyMessage().text,
      "試験店で強盗事件が発生しました！当日のスタッフの対処は後手後手にまわり、残念ながら、犯人"
      "は逃走に成功してしまいました！被害額は" +
          formatGrouped(loss) + "にのぼっております。");
  EXPECT_TRUE(robbed->onlyMessage().showCash);
  EXPECT_EQ(robbed->port.events, news("強盗事件", kCueDown));
}

TEST(StoreIncidents, BurglaryTakesAShareOfTheTakingsAndAtLeastAThousand) {
  auto setup = [](IncidentCity& c) {
    c.look(0, 100, 20);
    c.store().kibo = 4;
    c.store().setSkill(Money());
    c.store().uriage[kTotal] = Money::fromInt(2400000);
  };
  auto c = firstCityWhere(setup, onStore(Burglary));
  ASSERT_NE(c, nullptr);
  const int64_t loss = 1000000 - c->cash();
  EXPECT_TRUE(within(loss, 100000 - 3332, 100000 + 3332));
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店で、深夜、泥棒に入られました！犯人は景品など数百点をを物色し、逃走した模様で、当該"
      "店舗は防犯対策が甘かったと言わざるを得ません！被害額は" +
          formatGrouped(loss) + "にのぼっております。");
  EXPECT_EQ(c->port.events, news("泥棒", kCueDown));

  // A store that took nothing still loses about a thousand: 1,000 moved by up to 32.
  IncidentCity empty(c->seed);
  setup(empty);
  empty.store().uriage[kTotal] = Money();
  ASSERT_TRUE(onStore(Burglary)(empty));
  EXPECT_TRUE(within(1000000 - empty.cash(), 968, 1032));
}

TEST(StoreIncidents, DrunkFromTheDistrictNextDoor) {
  auto setup = [](IncidentCity& c) {
    c.look(0, 50, 20);
    for (int r = 4; r <= 6; ++r)
      for (int col = 4; col <= 6; ++col)
        if (r != 5 || col != 5) c.set(r, col, 24, 150, 0, 50, 20);
  };
  auto c = firstCityWhere(setup, onStore(Drunk));
  ASSERT_NE(c, nullptr);
  const Ttempo& t = c->store();
  EXPECT_EQ(pts(t.skill), 53);  // the staff learn from it: fixed steps, no draws
  EXPECT_EQ(pts(t.moral), 45);
  EXPECT_TRUE(within(t.senren, 41, 45));
  EXPECT_TRUE(within(t.manzoku, 46, 48));
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店で、近くの繁華街で泥酔していた酔っ払いが店舗内で暴れるという事件がありました。被害"
      "はわずかですが、店舗のイメージダウンに繋がるかもしれません。");
  EXPECT_EQ(c->port.events, news("酔っ払いの侵入", kCueDown));
}

TEST(StoreIncidents, QuarrelNeedsMoreThan250InCash) {
  auto setup = [](IncidentCity& c) {
    c.look(0, 50, 20);
    c.store().setSkill(Money());
  };
  auto c = firstCityWhere(setup, onStore(Quarrel));
  ASSERT_NE(c, nullptr);
  const int64_t loss = 1000000 - c->cash();
  EXPECT_TRUE(within(loss, 98, 102));  // 100 for two floors, moved by up to 2
  EXPECT_EQ(pts(c->store().skill), 3);
  EXPECT_EQ(pts(c->store().moral), 45);
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店で、スタッフとお客様が激しく口論し合い、一時店内は騒然となりました！事後処理などで"
      "損害額が" +
          formatGrouped(loss) +
          "ほどありました。スタッフへの影響と、店舗のイメージダウンが懸念"
          "されます。");
  EXPECT_EQ(c->port.events, news("喧嘩", kCueDown));

  IncidentCity broke(c->seed);
  setup(broke);
  broke.company().sikin = Money::fromInt(250);
  const uint64_t before = broke.draws();
  EXPECT_FALSE(onStore(Quarrel)(broke));
  EXPECT_EQ(broke.draws(), before + 4);  // every term's draw is made all the same
}

TEST(StoreIncidents, CheatsCaughtOrGone) {
  auto setup = [](IncidentCity& c) {
    c.look(0, 50, 20);
    c.store().kibo = 4;
    for (int floor = 0; floor < kFloors; ++floor) c.addIslands(c.store(), floor, 10, 1, 50, 50);
  };
  auto caught = firstCityWhere(
      [&](IncidentCity& c) {
        setup(c);
        c.store().setSkill(Money::fromInt(100));
      },
      onStore(Cheats));
  ASSERT_NE(caught, nullptr);
  EXPECT_EQ(caught->cash(), 1000000);
  EXPECT_EQ(
      caught->onlyMessage().text,
      "試験店で営業中ゴト行為を働いていた男を、スタッフが見事取り押さえました！事件後、ゴト師を"
      "警察に引き渡し、店舗には損害はありませんでした。");
  EXPECT_EQ(caught->port.events, news("ゴト師捕縛", kCueUp));

  auto gone = firstCityWhere(
      [&](IncidentCity& c) {
        setup(c);
        c.store().setSkill(Money());
      },
      onStore(Cheats));
  ASSERT_NE(gone, nullptr);
  const int64_t loss = 1000000 - gone->cash();
  EXPECT_EQ(loss % 10, 0);
  EXPECT_TRUE(within(loss, 5000, 5990));  // (0..99 + 500 machines) x 10
  EXPECT_GE(pts(gone->store().skill), 2);
  EXPECT_EQ(
      gone->onlyMessage().text,
      "試験店で営業中ゴト行為が行われた事実が判明しました！残念ながらゴト師の捕縛には至っており"
      "ません。調査の結果" +
          formatGrouped(loss) + "の被害を受けたのがわかりました。");
  EXPECT_EQ(gone->port.events, news("ゴト師", kCueDown));
}

TEST(StoreIncidents, StaffBreachDismissesAManFirst) {
  auto setup = [](IncidentCity& c) {
    c.w().month = 31;  // July
    c.look(0, 50, 20);
    c.store().setMoral(Money());
    c.store().setSkill(Money::fromInt(100));
    c.store().uriage[kTotal] = Money::fromInt(500000);  // one per cent: 5,000
  };
  auto c = firstCityWhere(setup, onStore(StaffBreach));
  ASSERT_NE(c, nullptr);
  const int64_t loss = 1000000 - c->cash();
  EXPECT_TRUE(within(loss, 5000 - 165, 5000 + 165));
  EXPECT_EQ(c->store().dansei, 9);
  EXPECT_EQ(c->store().zyosei, 10);
  EXPECT_EQ(c->onlyMessage().text,
            "試験店でスタッフの背任行為が発覚しました！どうやら客と協同で不正に出玉を出していたよう"
            "です。このスタッフは懲戒免職処分としましたが、被害額が" +
                formatGrouped(loss) + "あったようです。");
  EXPECT_EQ(c->port.events, news("スタッフの背任", kCueDown));

  // Without men a woman goes; big takings are charged at most 20,000 (moved by up to 665).
  IncidentCity women(c->seed);
  setup(women);
  women.store().setDansei(0);
  women.store().setSkill(Money::fromInt(100));
  women.store().uriage[kTotal] = Money::fromInt(9000000);
  ASSERT_TRUE(onStore(StaffBreach)(women));
  EXPECT_EQ(women.store().zyosei, 9);
  EXPECT_TRUE(within(1000000 - women.cash(), 20000 - 665, 20000 + 665));

  // In an even month the same dice do nothing.
  IncidentCity even(c->seed);
  setup(even);
  even.w().month = 32;
  EXPECT_FALSE(onStore(StaffBreach)(even));
}

TEST(StoreIncidents, ShootingOnlyDuringAGangWar) {
  auto setup = [](IncidentCity& c) {
    c.look(0, 100, 20);
    c.begin().gangWar = true;
  };
  auto c = firstCityWhere(setup, onStore(Shooting));
  ASSERT_NE(c, nullptr);
  const int64_t loss = 1000000 - c->cash();
  EXPECT_TRUE(within(loss, 1000, 1199));
  EXPECT_TRUE(within(pts(c->store().moral), 21, 30));
  EXPECT_EQ(
      c->onlyMessage().text,
      "試験店で、抗争中の暴力団組員らが店内で銃を発砲するという事件がありました！幸い怪我人は無"
      "く、被害も" +
          formatGrouped(loss) + "程度ですが、お客様やスタッフに大きな衝撃を与えています。");
  EXPECT_EQ(c->port.events, news("発砲事件", kCueDown));

  IncidentCity calm(c->seed);
  calm.look(0, 100, 20);
  const uint64_t before = calm.draws();
  EXPECT_FALSE(onStore(Shooting)(calm));
  EXPECT_EQ(calm.draws(), before);
}

}  // namespace
}  // namespace gm
