// The dispatcher of the new month: in a June when many things happen at once, they come in
// their fixed order, and the bonus-season notice closes the events.
#include "world/seasonal_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/scripted_frontend.h"
#include "test_city.h"

namespace gm {
namespace {

using test::ScriptedFrontend;

// June of the fourth year in a city of feeling 30: free manufacture is the only law that can
// come. A store's construction ends this month and a maker's model reaches its last month.
struct JuneCity {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = test::makeWorld(1, 3);
  explicit JuneCity(uint32_t seed) {
    world->setFrontend(&port);
    world->cityName = "試験市";
    world->month = 42;
    world->rng().setSeed(seed);
    world->unionHourCut = 3;
    test::place(*world, 0, 0, 21, 150, 50, 100000, 30, 20);
    test::place(*world, 0, 1, 19, 0, 50, 100000, 0, 0);
    test::place(*world, 0, 2, 21, 150, 50, 100000, 30, 20);
    Ttempo& store = world->kaichou.slot(1);
    store.used = true;
    store.name = "銀玉会館";
    store.blockX = 1;
    store.joutai = kUnderConstruction;
    store.kanseiMonth = 42;
    tdai& model = world->makers[0].models[0];
    model.name = "夏の陣";
    model.nominal = {25, 25, 25, 25};
    model.releaseMonth = 30;
    model.saleEndMonth = 42;
    model.zaiko = 100000;
    model.onSale = true;
  }
};

// The dispatcher's step that raises each kind of notice.
int stageOf(const std::string& event) {
  static const std::map<std::string, int> kStages = {
      {"message:工事完了", 2},
      {"message:販売終了", 3},
      {"message:新法制定", 5},
      {"message:組合の規制", 6},
      {"message:モデルオープンの依頼", 7},
      {"message:ボーナスシーズン", 11},
  };
  if (event.rfind("new-model:", 0) == 0) return 7;
  const auto it = kStages.find(event);
  return it == kStages.end() ? 0 : it->second;
}

TEST(RunEvents, AJuneOfConstructionSalesALawAUnionRuleNewModelsAndTheBonusInOrder) {
  for (uint32_t seed = 1; seed <= 2000; ++seed) {
    JuneCity c(seed);
    RunEvents(*c.world);
    std::vector<int> stages;
    for (const std::string& e : c.port.events)
      if (const int s = stageOf(e)) stages.push_back(s);
    const auto has = [&](int s) {
      return std::find(stages.begin(), stages.end(), s) != stages.end();
    };
    if (!has(5) || !has(6) || !has(7)) continue;

    EXPECT_TRUE(std::is_sorted(stages.begin(), stages.end())) << "seed " << seed;
    EXPECT_EQ(stages.front(), 2);
    EXPECT_EQ(stages[1], 3);
    EXPECT_EQ(stages.back(), 11);
    EXPECT_EQ(std::count(stages.begin(), stages.end(), 5), 1) << "one law a month";
    EXPECT_TRUE(c.world->hasLaw(kLawFreeManufacture));
    EXPECT_EQ(c.world->kaichou.slot(1).joutai, kWaiting);
    EXPECT_EQ(c.port.messages.back().text,
              "今月は夏期ボーナスシーズンです。店舗の大入りに大いに期待しましょう。");
    return;
  }
  FAIL() << "no seed brought a law, a union rule and a new model together";
}

TEST(RunEvents, TheBonusNoticeFollowsItsMonthsAndItsReportOption) {
  for (int month : {12, 18, 24, 25}) {
    for (bool report : {true, false}) {
      JuneCity c(1);
      c.world->month = month;
      c.port.opts.bonushoukoku = report;
      BonusSeasonNotice(*c.world);
      const bool due = report && (month == 18 || month == 24 || month == 12);
      ASSERT_EQ(c.port.messages.size(), due ? 1u : 0u) << month;
      if (!due) continue;
      EXPECT_EQ(c.port.messages[0].title, "ボーナスシーズン");
      EXPECT_EQ(c.port.messages[0].text,
                std::string("今月は") + (month == 18 ? "夏期" : "冬期") +
                    "ボーナスシーズンです。店舗の大入りに大いに期待しましょう。");
      EXPECT_EQ(c.port.messages[0].face, kFaceLaugh);
    }
  }
}

}  // namespace
}  // namespace gm
