// `steady`: ten years on every shipped city keep the company alive and growing without a broken
// rule, and the answers he gives are the ones a careful player would.
#include "steady_strategy.h"

#include <gtest/gtest.h>

#include "played_game.h"
#include "world/seminar.h"

namespace gm {
namespace {

TEST(Steady, TenYearsOnEveryShippedCityKeepTheCompanyAliveAndGrowing) {
  for (const char* city :
       {"akebono", "kirinodai", "kumoizawa", "shiomihama", "tenkyo", "tetsugahara"}) {
    // The headless player's own founding: middling qualities and the smallest capital.
    test::PlayedGame g = test::newPlayedGame(city, "steady", 1, 0, 50);
    tworld& w = g.world();
    const Money start = w.kaichou.sikin;
    int openAfterTwoYears = 0;
    for (int month = 1; month <= 120; ++month) {
      ASSERT_TRUE(g.game->playMonth(true).goesOn) << city << " ended in month " << month;
      if (month == 24) openAfterTwoYears = w.kaichou.TempoKazu().open;
    }
    EXPECT_TRUE(g.game->violations().empty()) << city << ": " << g.game->violations().front();
    const StoreCounts counts = w.kaichou.TempoKazu();
    EXPECT_GE(counts.open, 2) << city;
    EXPECT_GT(counts.open, openAfterTwoYears) << city;
    EXPECT_GT(w.kaichou.sikin, start) << city;
    EXPECT_GT(w.kaichou.StoreSums().uriage[kTotal], Money()) << city;
  }
}

TEST(Steady, AnswersAsACarefulPlayer) {
  test::PlayedGame g = test::newPlayedGame("kumoizawa", "steady", 1, 0, 50);
  tworld& w = g.world();
  Strategy& steady = *g.strategy;

  // The owner takes an offer that comes, with the charm bonus, to 81 per cent of his price:
  // charm 50 gives no bonus, so 81 % of 12,345 (9,999.45) is offered as 10,000; charm 95 gives
  // 8, so 73 % (9,011.85) as 9,012.
  w.kaichou.karisuma = 50;
  EXPECT_EQ(steady.purchaseOffer(w, 1, 12345, Money::fromInt(300000)), 10000);
  w.kaichou.karisuma = 95;
  EXPECT_EQ(steady.purchaseOffer(w, 1, 12345, Money::fromInt(300000)), 9012);

  // His own orders are meant; the job stream, the early removal of model machines, the charity
  // and the manoeuvre are not.
  EXPECT_TRUE(steady.confirm(w, "工事実行", "１フロア級の店舗 銀玉１号店 を新築します。"));
  EXPECT_TRUE(steady.confirm(w, "命令終了", "以上で今月の指示は終了ですか？"));
  EXPECT_FALSE(steady.confirm(w, "ｼﾞｮﾌﾞｽﾄﾘｰﾑ", "ジョブストリームを実行しますか？"));
  EXPECT_FALSE(steady.confirm(w, "規約違反", "まだ有効期限の切れていないモデルマシンを"));
  EXPECT_FALSE(steady.confirm(w, "寄付願い", "寄付しますか？"));
  EXPECT_FALSE(steady.confirm(w, "特殊工作", "アレを．．．実行するのですか？．．．本当に．．？"));
  EXPECT_EQ(steady.donation(w, w.kaichou.sikin), std::nullopt);

  // The seminar's list is shuffled: he finds the leadership course by its name while his
  // leadership is below 95, and the charm course after that.
  SeminarOffer offer;
  offer.courses = {std::string(seminarCourseName(2, 3)), std::string(seminarCourseName(2, 2)),
                   std::string(seminarCourseName(2, 0)), std::string(seminarCourseName(2, 1))};
  w.kaichou.tousotu = 60;
  EXPECT_EQ(steady.seminarCourse(w, offer), 2);
  w.kaichou.tousotu = 95;
  w.kaichou.karisuma = 40;
  EXPECT_EQ(steady.seminarCourse(w, offer), 1);

  // A store is named with the first number no hall of his carries; a rebuild keeps its name.
  EXPECT_EQ(steady.storeName(w, ""), "銀玉１号店");
  w.kaichou.slot(1).used = true;
  w.kaichou.slot(1).name = "銀玉１号店";
  EXPECT_EQ(steady.storeName(w, ""), "銀玉２号店");
  EXPECT_EQ(steady.storeName(w, "駅前会館"), "駅前会館");
  w.kaichou.slot(1).init();
}

}  // namespace
}  // namespace gm
