// The district overview on a small hand-made city: its figures, the business rules and fees
// worked out by hand, the blocks by kind, the bonus caption, and the laws with the explanation
// of the one selected, refreshed when the port says the city changed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

#include "shell/main_window.h"
#include "shell/qt_frontend.h"
#include "shell_test_support.h"
#include "ui/district_window.h"
#include "world/world.h"

namespace gm {
namespace {

class DistrictWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.chikudata = [](TMain& m) { return new DistrictWindow(m); };
    main->createSubWindows(makers);
    // Housing, vacant land, our store / a road, a rival's store, our car park.
    auto w = test::smallWorld(2, 3, 1);
    w->cityName = "銀玉市";
    w->month = 18;  // June of the second year: 30 days
    const int kinds[2][3] = {{21, 1, 19}, {4, 20, 27}};
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c) w->block(r, c).kind = static_cast<uint8_t>(kinds[r][c]);
    Tchip& housing = w->block(0, 0);
    housing.population = 100;
    housing.fanRate = 20;
    housing.unrest = 30;
    housing.security = 60;
    w->SetTaxRate(20);
    w->unionHourCut = 2;
    w->unionDayCut = 3;
    w->maxPachinkoRate = 5;
    w->maxSlotRate = 3;
    w->disposalAccepted = false;
    main->replaceWorld(std::move(w));
    window = static_cast<DistrictWindow*>(main->subWindows().chikudata);
    window->show();
  }
  QString shown(const char* name) { return window->figure(QString::fromLatin1(name))->text(); }
  QString cell(QTableWidget* t, int row, int column) { return t->item(row, column)->text(); }

  std::unique_ptr<TMain> main;
  DistrictWindow* window = nullptr;
};

TEST_F(DistrictWindowTest, TheCitysFiguresRulesFeesAndBlocks) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("地区概略 ボーナスシーズン："));
  EXPECT_EQ(shown("cityName"), QStringLiteral("銀玉市"));
  EXPECT_EQ(shown("difficulty"), QStringLiteral("ライバル登場！"));
  main->world().rivals.rivalNashi = true;
  window->refresh();
  EXPECT_EQ(shown("difficulty"), QStringLiteral("新米店長")) << "a game without rivals";
  EXPECT_EQ(shown("blocks"), QStringLiteral("6"));
  EXPECT_EQ(shown("population"), QStringLiteral("100人"));
  EXPECT_EQ(shown("density"), QStringLiteral("50%")) << "100 of the housing's 200";
  EXPECT_EQ(shown("fans"), QStringLiteral("20人"));
  EXPECT_EQ(shown("fanRatio"), QStringLiteral("20%"));
  EXPECT_EQ(shown("security"), QStringLiteral("10")) << "60 over six blocks";
  EXPECT_EQ(shown("unrest"), QStringLiteral("30")) << "only where people live";
  EXPECT_EQ(shown("development"), QStringLiteral("83%")) << "five of six blocks";
  EXPECT_EQ(shown("taxRate"), QStringLiteral("20%"));
  EXPECT_FALSE(window->figure(QStringLiteral("pachinkoTax"))->isVisibleTo(window));

  EXPECT_EQ(shown("hourCut"), QStringLiteral("2時間"));
  EXPECT_EQ(shown("dailyHours"), QStringLiteral("11時間"));
  EXPECT_EQ(shown("dayCut"), QStringLiteral("3日"));
  EXPECT_EQ(shown("businessDays"), QStringLiteral("27日"));
  EXPECT_EQ(shown("monthlyHours"), QStringLiteral("297時間"));
  EXPECT_EQ(shown("pachinkoLimit"), QStringLiteral("3円 60銭"));
  EXPECT_EQ(shown("slotLimit"), QStringLiteral("なし"));
  EXPECT_EQ(shown("disposal"), QStringLiteral("停止中"));
  // 83 / 30 = 2.7667: type 0 costs 2 x 2.7667 x 10 = 55.33, type 9 10 x 2.7667 x 10 = 276.67.
  QTableWidget* fees = window->feeTable();
  EXPECT_EQ(cell(fees, 0, 0), QStringLiteral("一般台"));
  EXPECT_EQ(cell(fees, 0, 1), QStringLiteral("55"));
  EXPECT_EQ(cell(fees, 9, 1), QStringLiteral("276"));

  QTableWidget* kinds = window->kindTable();
  EXPECT_EQ(cell(kinds, 0, 1), QStringLiteral("6"));
  EXPECT_EQ(cell(kinds, 1, 1), QStringLiteral("1"));
  EXPECT_EQ(cell(kinds, 4, 1), QStringLiteral("1")) << "the road";
  EXPECT_EQ(cell(kinds, 9, 0), QStringLiteral("住宅"));
  EXPECT_EQ(cell(kinds, 9, 1), QStringLiteral("1"));
  EXPECT_EQ(cell(kinds, 15, 0), QStringLiteral("駐車場（我が社）"));
  EXPECT_EQ(cell(kinds, 15, 1), QStringLiteral("1"));

  EXPECT_EQ(districtCaption(19), QStringLiteral("地区概略"));
  EXPECT_EQ(exchangeLimitText(6, false), QStringLiteral("なし"));
  EXPECT_EQ(exchangeLimitText(2, true), QStringLiteral("6枚交換"));
}

TEST_F(DistrictWindowTest, NewLawsAppearWhenTheCityChangesAndExplainThemselves) {
  EXPECT_EQ(window->lawList()->count(), 0);
  EXPECT_TRUE(window->lawExplanationLabel()->text().isEmpty());

  tworld& w = main->world();
  w.laws = kLawLongHours | kLawPachinkoTax;
  main->frontend().cityChanged();
  ASSERT_EQ(window->lawList()->count(), 2);
  EXPECT_EQ(window->lawList()->item(0)->text(), QStringLiteral("営業時間の規制緩和"));
  EXPECT_EQ(window->lawList()->item(1)->text(), QStringLiteral("ぱちんこ税の導入"));
  EXPECT_EQ(shown("dailyHours"), QStringLiteral("22時間"));
  EXPECT_TRUE(window->figure(QStringLiteral("pachinkoTax"))->isVisibleTo(window));
  EXPECT_EQ(shown("pachinkoTax"), QStringLiteral("15%"));

  window->lawList()->setCurrentRow(1);
  EXPECT_EQ(
      window->lawExplanationLabel()->text(),
      QStringLiteral("ぱちんこ店はその純益に対し毎月１５％のぱちんこ税を納付しなければならない。"));
  // A law enacted while one is selected keeps the selection on the same law.
  w.laws |= kLawExchangeEased;
  main->frontend().cityChanged();
  ASSERT_EQ(window->lawList()->count(), 3);
  EXPECT_EQ(window->lawList()->currentItem()->text(), QStringLiteral("ぱちんこ税の導入"));
  EXPECT_EQ(
      window->lawExplanationLabel()->text(),
      QStringLiteral("ぱちんこ店はその純益に対し毎月１５％のぱちんこ税を納付しなければならない。"));
}

}  // namespace
}  // namespace gm
