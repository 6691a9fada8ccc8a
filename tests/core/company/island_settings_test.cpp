// Island settings: the island page's steps and their limits, the bulk orders on one store or
// several with their questions, the forecast, the defaults for new islands, and the job stream's
// choice of dialogs.
#include "store/island_settings.h"

#include <gtest/gtest.h>

#include "company/bulk_settings_order.h"
#include "company/job_stream.h"
#include "order_city.h"

namespace gm {
namespace {

struct IslandSettings : test::OrderCity {
  Ttempo* s = nullptr;
  void SetUp() override {
    OrderCity::SetUp();
    s = &addStore(1, 2, 2, 1, kOpen);
    s->dai[0][0] = island(0);
    s->dai[0][1] = island(8);
    s->dai[1][0] = island(0);
    s->dai[1][0].keitai = 3;
  }
};

TEST_F(IslandSettings, StepsMoveTheSelectedIslandsWithinTheirLimits) {
  const IslandPosition sel[] = {{0, 0}, {0, 1}, {0, 5}, {2, 0}};  // an empty island, no floor 3
  EXPECT_EQ(StepProfitRate(*s, sel, Money::fromRaw(-1000)), 2);
  EXPECT_EQ(s->dai[0][0].riritu, Money::fromRaw(149000));
  EXPECT_EQ(StepProfitRate(*s, sel, Money::fromRaw(5000)), 0) << "only 10, 1 and 0.1";
  for (int i = 0; i < 3; ++i) StepProfitRate(*s, sel, Money::fromInt(-10));
  EXPECT_EQ(s->dai[0][0].riritu, Money::fromRaw(-151000)) << "negative rates are allowed";
  for (int i = 0; i < 20; ++i) StepProfitRate(*s, sel, Money::fromInt(10));
  EXPECT_EQ(s->dai[0][1].riritu, Money::fromInt(100));

  EXPECT_EQ(StepMorning(*s, sel, 1), 1) << "only the slot island takes the morning service";
  EXPECT_EQ(s->dai[0][0].morning, 0);
  EXPECT_EQ(s->dai[0][1].morning, 1);
  for (int i = 0; i < 12; ++i) StepMorning(*s, sel, 1);
  EXPECT_EQ(s->dai[0][1].morning, 10);

  const IslandPosition top[] = {{1, 0}};
  EXPECT_EQ(StepBusinessForm(*s, top, 1), 0);
  EXPECT_EQ(StepBusinessForm(*s, top, -1), 1);
  EXPECT_EQ(s->dai[1][0].keitai, 2);
  EXPECT_EQ(StepBusinessForm(*s, top, 2), 0);
}

TEST_F(IslandSettings, TheForecastRatesLastMonthsSalesAtTheRatesBeingSet) {
  // 1,000 customers at 2.5 a head on the pachinko island of the first floor.
  Tddai& d = s->dai[0][0];
  d.kadou = 1000;
  d.nissuu = 30;
  d.kyakutan = Money::fromRaw(25000);
  d.riritu = Money::fromInt(12);
  const StoreSelection one = selectSlot(1);
  const BulkForecast now = forecastAfter(*w, one, ProfitRateChanges{});
  EXPECT_EQ(now.sales, Money::fromInt(2500));
  EXPECT_EQ(now.grossProfit, Money::fromInt(300));
  EXPECT_EQ(now.profitRate, Money::fromInt(12));

  ProfitRateChanges higher;
  higher.byType[0] = Money::fromInt(20);
  const BulkForecast after = forecastAfter(*w, one, higher);
  EXPECT_EQ(after.grossProfit, Money::fromInt(500));
  EXPECT_EQ(after.profitRate, Money::fromInt(20));
  EXPECT_EQ(after.netProfit - now.netProfit, Money::fromInt(200))
      << "the month's costs do not follow the profit rate";
  EXPECT_LT(now.netProfit, now.grossProfit) << "the costs are taken off";
  EXPECT_EQ(d.riritu, Money::fromInt(12)) << "the forecast works on copies";
}

TEST_F(IslandSettings, BulkOrdersAskThenChangeEverySelectedStore) {
  Ttempo& other = addStore(2, 0, 0, 0, kWaiting, "二号店");
  other.dai[0][0] = island(0);
  const StoreSelection both = selectSlot(1) | selectSlot(2);

  ProfitRateChanges rates;
  rates.byType[0] = Money::fromRaw(-25000);
  answer({true});
  ASSERT_EQ(OrderBulkProfitRates(*w, both, rates), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "利益率一括修正");
  EXPECT_EQ(port.messages[0].text, "利益率を一括修正します。よろしいですか？");
  EXPECT_EQ(s->dai[0][0].riritu, Money::fromRaw(-25000));
  EXPECT_EQ(s->dai[1][0].riritu, Money::fromRaw(-25000));
  EXPECT_EQ(s->dai[0][1].riritu, Money::fromInt(15)) << "the slot island is of another type";
  EXPECT_EQ(other.dai[0][0].riritu, Money::fromRaw(-25000));
  EXPECT_EQ(OrderBulkProfitRates(*w, both, rates), OrderOutcome::Unchanged);

  // By business form: the pachinko islands of form 3 only.
  ProfitRateChanges byForm;
  byForm.byForm[0][3] = Money::fromInt(30);
  answer({true});
  ASSERT_EQ(OrderBulkProfitRates(*w, selectSlot(1), byForm), OrderOutcome::Done);
  EXPECT_EQ(s->dai[1][0].riritu, Money::fromInt(30));
  EXPECT_EQ(s->dai[0][0].riritu, Money::fromRaw(-25000));
  byForm.byForm[1][0] = Money::fromInt(101);
  EXPECT_EQ(OrderBulkProfitRates(*w, selectSlot(1), byForm), OrderOutcome::Refused);
  EXPECT_EQ(port.messages.back().text, "その値は設定できません。");

  BusinessFormChange forms;
  forms.types[8] = true;
  forms.form = 1;
  answer({false});
  EXPECT_EQ(OrderBulkBusinessForm(*w, both, forms), OrderOutcome::Declined);
  EXPECT_EQ(port.messages.back().title, "営業形態一括修正");
  EXPECT_EQ(port.messages.back().text, "営業形態を一括調整します。よろしいですか？");
  EXPECT_EQ(s->dai[0][1].keitai, 0);
  answer({true});
  EXPECT_EQ(OrderBulkBusinessForm(*w, both, forms), OrderOutcome::Done);
  EXPECT_EQ(s->dai[0][1].keitai, 1);

  port.opts.tellmsg = false;
  EXPECT_EQ(OrderBulkMorning(*w, both, MorningChange{4}), OrderOutcome::Done);
  EXPECT_EQ(s->dai[0][1].morning, 4);
  EXPECT_EQ(s->dai[0][0].morning, 0);
  EXPECT_EQ(OrderBulkMorning(*w, both, MorningChange{11}), OrderOutcome::Refused);
}

TEST_F(IslandSettings, NewIslandDefaultsAreCheckedAndStored) {
  NewIslandDefaults d = NewIslandDefaults::of(*s);
  EXPECT_EQ(d.riritu[5], Money::fromInt(15));
  d.riritu[5] = Money::fromRaw(-12345);
  d.keitai[9] = 3;
  d.morning9 = 7;
  answer({true});
  ASSERT_EQ(OrderNewIslandDefaults(*w, selectSlot(1), d), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "新台初期値設定");
  EXPECT_EQ(port.messages[0].text, "新台初期値を一括変更します。よろしいですか？");
  EXPECT_EQ(s->shinDaiRitu[5], Money::fromRaw(-12345));
  EXPECT_EQ(s->getShinDaiKeitai(9), 3);
  EXPECT_EQ(s->shinDaiMorning9, 7);
  d.keitai[0] = 4;
  EXPECT_EQ(OrderNewIslandDefaults(*w, selectSlot(1), d), OrderOutcome::Refused);
  d.keitai[0] = 0;
  d.morning8 = -1;
  EXPECT_EQ(OrderNewIslandDefaults(*w, selectSlot(1), d), OrderOutcome::Refused);
}

TEST_F(IslandSettings, TheJobStreamSkipsWhatTheStoreCannotUse) {
  using enum JobStep;
  auto steps = [](const Ttempo& t) {
    const JobStream js = jobStreamFor(t);
    return std::vector<JobStep>(js.steps.begin(), js.steps.begin() + js.count);
  };
  EXPECT_EQ(steps(*s), (std::vector<JobStep>{ExchangeRates, Manipulations, ProfitRates,
                                             BusinessForms, Morning, NewDefaults, Promotions}))
      << "no staff: no personnel costs";
  s->setZyosei(3);
  s->joutai = kUnderConstruction;
  s->dai[0][1].reset();
  EXPECT_EQ(steps(*s), (std::vector<JobStep>{ExchangeRates, ProfitRates, BusinessForms, NewDefaults,
                                             PersonnelCosts, Promotions}));
  Ttempo empty;
  EXPECT_EQ(steps(empty),
            (std::vector<JobStep>{ExchangeRates, Manipulations, NewDefaults, Promotions}));
}

}  // namespace
}  // namespace gm
