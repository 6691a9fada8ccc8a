// The advisor: the findings of a hall run with the game's defaults, worked out by hand from the
// staff rules; the odds of a manipulation coming to light; the floor a hall's customers fill; the
// company's cash; the order of importance; and the words of a finding.
#include "company/advisor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "company/advice_text.h"
#include "company/hiring.h"
#include "order_city.h"
#include "store/staff_month.h"
#include "world/incident_odds.h"

namespace gm {
namespace {

constexpr int kApril = 4;  // 30 days of 13 hours: 390 hours

struct Advisor : test::OrderCity {
  void SetUp() override {
    OrderCity::SetUp();
    w->month = kApril;
  }
  // A one-floor hall opened this month with ten pachinko islands bought this month, each
  // played `perIsland` customers, and `men` staff on the game's defaults: salary 150, no
  // education, no welfare, morale and skill 0.
  Ttempo& hall(int perIsland, int men) {
    Ttempo& s = addStore(1, 2, 2, 0, kOpen);
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      Tddai& d = s.dai[0][i] = island(0);
      d.kounyuuMonth = kApril;
      d.jikan = 390;
      d.kadou = perIsland;
    }
    s.setDansei(men);
    return s;
  }
  // A finding points into its list: a list that is gone by the next line is refused here.
  const Advice* find(AdviceList&& list, AdviceTopic topic) = delete;
  const Advice* find(const AdviceList& list, AdviceTopic topic) {
    auto it =
        std::find_if(list.begin(), list.end(), [&](const Advice& a) { return a.topic == topic; });
    return it == list.end() ? nullptr : &*it;
  }
};

TEST_F(Advisor, AHallOnTheDefaultsIsUnderpaidShortOfStaffAndUntended) {
  // 1,560 players an island: 40 % of its 3,900 machine hours.
  Ttempo& s = hall(1560, 21);
  s.kadou[kTotal] = 40;
  const AdviceList list = DiagnoseStore(*w, 1);

  // Demand: 150 + 0 for skill + 40 for a hall 40 % full = 190. Contentment 150 / 190 =
  // 78.9474 %, so 21 % leave: 21 x 21 / 100 = 4 of the 21 men. Paying 209, rounded up to 210,
  // costs 21 x 60 = 1,260 a month; the 17 left would already be below the need of 26.
  const Advice* pay = find(list, AdviceTopic::SalaryBelowDemand);
  ASSERT_NE(pay, nullptr);
  EXPECT_EQ(pay->severity, AdviceSeverity::Serious);
  EXPECT_EQ(pay->remedy, AdviceRemedy::PersonnelCost);
  EXPECT_EQ(pay->v[0], 150);
  EXPECT_EQ(pay->v[1], 190);
  EXPECT_EQ(pay->v[2], 78);
  EXPECT_EQ(pay->v[3], 21);
  EXPECT_EQ(pay->v[4], 4);
  EXPECT_EQ(pay->v[5], 1260);
  EXPECT_EQ(pay->v[6], HiringCost(*w, 4, HireSex::Any));
  EXPECT_EQ(pay->suggestion[0], 210);
  EXPECT_EQ(pay->monthsLeft, 1) << "21 - 4 = 17 of 26 is 65 %, below the discontent at 89 %";

  // Need: ten islands at 40 % (35 a bucket) for 390 hours: 10 x 390 x 35 / 5200 = 26.25, so 26.
  // Ratio 21 / 26 = 80.7692 %. Thresholds 85 and 65, each raised by trunc(21.0526 x 0.2) = 4:
  // 89 and 69. c = trunc(89 - 80.7692) + 2 = 10, so morale falls by RandInt(20) + 1, 10.5 on
  // average. At 50 % next month the bucket is still 35: 26 + the 4 leavers - 21 = 9 to hire.
  const Advice* short_ = find(list, AdviceTopic::StaffDiscontent);
  ASSERT_NE(short_, nullptr);
  EXPECT_EQ(short_->severity, AdviceSeverity::Serious);
  EXPECT_EQ(short_->remedy, AdviceRemedy::Personnel);
  EXPECT_EQ(short_->v[0], 21);
  EXPECT_EQ(short_->v[1], 26);
  EXPECT_EQ(short_->v[2], 80);
  EXPECT_EQ(short_->v[3], 89);
  EXPECT_EQ(short_->v[4], 105);
  EXPECT_EQ(short_->suggestion[0], 9);
  EXPECT_EQ(find(list, AdviceTopic::StaffWalkOut), nullptr) << "80.8 % is above 69 %";

  // Welfare and education of 0 pull morale and skill towards 0; with the default exchange rate
  // and a president of ordinary charm and leadership, a spending a head aims at the same
  // figure, so the welfare proposed is the morale it aims at.
  for (AdviceTopic topic : {AdviceTopic::WelfareLow, AdviceTopic::EducationLow}) {
    const Advice* spend = find(list, topic);
    ASSERT_NE(spend, nullptr);
    EXPECT_EQ(spend->remedy, AdviceRemedy::PersonnelCost);
    EXPECT_EQ(spend->v[0], 0);
    EXPECT_EQ(spend->v[1], 0);
    EXPECT_EQ(spend->v[2], 0);
    EXPECT_EQ(spend->v[3], spend->v[5]);
    EXPECT_GT(spend->v[3], 0);
  }

  // The most important findings come first: the serious ones before the rest.
  EXPECT_EQ(list[0].severity, AdviceSeverity::Serious);
  EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), MoreImportant));
}

TEST_F(Advisor, AWellStaffedHallPaidWhatItAsksForHasNoStaffFinding) {
  Ttempo& s = hall(1560, 40);
  s.kadou[kTotal] = 40;
  s.kyuyo = 190;
  const AdviceList list = DiagnoseStore(*w, 1);
  for (AdviceTopic topic : {AdviceTopic::SalaryBelowDemand, AdviceTopic::StaffWalkOut,
                            AdviceTopic::StaffDiscontent, AdviceTopic::StaffShort})
    EXPECT_EQ(find(list, topic), nullptr) << adviceTopicKey(topic);
}

TEST_F(Advisor, TheStaffRulesHelpersGiveTheMonthsFigures) {
  // Contentment above 100 lowers both thresholds by a fifth of the excess, but not below 50
  // and 30.
  EXPECT_EQ(SettleThresholds({}, Money::fromInt(150)).discontent, 75);
  EXPECT_EQ(SettleThresholds({}, Money::fromInt(150)).resignation, 55);
  EXPECT_EQ(SettleThresholds({}, Money::fromInt(400)).discontent, 50);
  EXPECT_EQ(SettleThresholds({}, Money::fromInt(400)).resignation, 30);
  EXPECT_EQ(SettleThresholds({80, 60}, Money::fromInt(100)).discontent, 80);
  EXPECT_EQ(SalaryDepartureShare(Money::fromInt(100)), 0);
  EXPECT_EQ(SalaryDepartureShare(Money::fromRaw(999999)), 1) << "at least one per cent";
  // A tenth of 3 women is nobody, but somebody always goes.
  Ttempo& s = hall(0, 20);
  s.setZyosei(3);
  const Departures d = DeparturesAt(s, 10);
  EXPECT_EQ(d.men, 2);
  EXPECT_EQ(d.women, 1);
}

TEST_F(Advisor, TheOddsOfExposureCountTheDrawsOutcomeByOutcome) {
  Ttempo& s = hall(0, 10);
  // Morale 0: 149 of RandInt(150) lie above it; intelligence 50: 69 of 120; charm 45: 74 of
  // 120; unrest 30: RandInt(100) below it or the coin, 130 of 200.
  s.kousaku = kIllegalRom | kShills;
  EXPECT_EQ(ExposureChance(s, kIllegalRom, 50, 55, 45, 30), 228942);
  // The shills: leadership 55 (64 of 120) instead of intelligence, and the coin alone.
  EXPECT_EQ(ExposureChance(s, kShills, 50, 55, 45, 30), 163348);
  EXPECT_EQ(ExposureChance(s, kJackpotControl, 50, 55, 45, 30), 0) << "not in use";
  // Morale 30 counts as 50 (49 of 100), intelligence 65 (34 of 100), and the audit 1 of 12.
  EXPECT_EQ(AuditChance(30, 65), 13883);
  EXPECT_EQ(OutcomesAbove(Money::fromRaw(495000), 100), 50) << "49.5: 50..99";
  EXPECT_EQ(OutcomesAbove(Money::fromInt(200), 150), 0);
}

TEST_F(Advisor, AManipulationNamesItsRiskAndWhatItCosts) {
  Ttempo& s = hall(0, 10);
  s.kousaku = kIllegalRom;
  const AdviceList list = DiagnoseStore(*w, 1);
  const Advice* rom = find(list, AdviceTopic::Manipulation);
  ASSERT_NE(rom, nullptr);
  // No unrest around: half the months bring a tip-off. 149 x 54 (intelligence 65) x 74 x 100
  // of 150 x 120 x 120 x 200 outcomes: 137,825 in a million, once in 7 months.
  EXPECT_EQ(rom->v[0], kIllegalRom);
  EXPECT_EQ(rom->v[1], 137825);
  EXPECT_EQ(rom->v[2], 11000) << "a floor's 10,000 and 1,000 on average";
  EXPECT_EQ(rom->v[3], 3);
  EXPECT_EQ(rom->v[4], 5) << "RandInt(2): half a point a month";
  EXPECT_EQ(rom->monthsLeft, 7);
  EXPECT_EQ(rom->severity, AdviceSeverity::Serious);
  EXPECT_EQ(rom->suggestion[0], 0) << "keep none";
  EXPECT_GT(rom->monthlyCost, 0);
}

TEST_F(Advisor, AFloorTooBigForItsCustomersShrinksAndAFullOneGrows) {
  // 500 players an island, 5,000 in all: at 70 % of 3,900 an island they fill two islands.
  Ttempo& s = hall(500, 17);
  s.kyaku[kTotal] = 5000;
  s.kadou[kTotal] = 12;
  const AdviceList idleList = DiagnoseStore(*w, 1);
  const Advice* idle = find(idleList, AdviceTopic::IslandsIdle);
  ASSERT_NE(idle, nullptr);
  EXPECT_EQ(idle->v[0], 10);
  EXPECT_EQ(idle->v[1], 5000);
  EXPECT_EQ(idle->v[2], 2);
  // Need now: 12 % (23 a bucket) on ten islands, 17.25; then 64 % (40) on two, 6.
  EXPECT_EQ(idle->v[5], 11);
  EXPECT_EQ(idle->remedy, AdviceRemedy::Replacement);
  EXPECT_EQ(idle->suggestion[0], -8);
  EXPECT_GT(idle->monthlyCost, 0);

  // Six islands played full, four free places on the floor.
  for (int i = 6; i < kIslandsPerFloor; ++i) s.dai[0][i].reset();
  s.forEachIsland([](Tddai& d) { d.kadou = 3900; });
  s.kyaku[kTotal] = 23400;
  s.kadou[kTotal] = 100;
  const AdviceList fullList = DiagnoseStore(*w, 1);
  const Advice* full = find(fullList, AdviceTopic::IslandsFull);
  ASSERT_NE(full, nullptr);
  // 23,400 players want 23,400 / 2,730 = 8.6, so 9 islands: 3 more, and 4 places are free.
  EXPECT_EQ(full->v[3], 9);
  EXPECT_EQ(full->v[4], 4);
  EXPECT_EQ(full->suggestion[0], 3);
  EXPECT_EQ(full->remedy, AdviceRemedy::MachinePurchase);
}

TEST_F(Advisor, TheCompanyCountsTheMonthsItsCashLasts) {
  AdviceList list = DiagnoseCompany(*w);
  ASSERT_EQ(list.size(), 1);
  EXPECT_EQ(list[0].topic, AdviceTopic::NoStore);
  EXPECT_EQ(list[0].monthsLeft, 2) << "April: two more month ends before the seventh month";
  EXPECT_EQ(list[0].severity, AdviceSeverity::Urgent);

  hall(0, 10);
  company().sikin = Money::fromInt(100000);
  company().zeibikirieki = Money::fromInt(-8000);
  list = DiagnoseCompany(*w);
  ASSERT_EQ(list.size(), 1);
  EXPECT_EQ(list[0].topic, AdviceTopic::CashRunway);
  EXPECT_EQ(list[0].v[2], 12);
  EXPECT_EQ(list[0].monthsLeft, 12);
  EXPECT_EQ(list[0].monthlyCost, 8000);
  EXPECT_EQ(list[0].severity, AdviceSeverity::Serious);
  EXPECT_EQ(
      adviceText(*w, list[0]).headline,
      "先月の経常利益は8,000千円の赤字で、資金100,000千円はこのままでは約12ヶ月で底をつきます。");
}

TEST(AdviceList, KeepsTheMostImportantInOrderAndDropsTheLeast) {
  AdviceList list;
  auto add = [&](AdviceSeverity severity, int monthsLeft, int64_t cost) {
    Advice a;
    a.severity = severity;
    a.monthsLeft = monthsLeft;
    a.monthlyCost = cost;
    list.add(a);
  };
  for (int i = 0; i < AdviceList::kCapacity; ++i) add(AdviceSeverity::Caution, -1, i);
  add(AdviceSeverity::Note, -1, 1000);  // less important than all: it does not get in
  EXPECT_EQ(list.size(), AdviceList::kCapacity);
  EXPECT_EQ(list[AdviceList::kCapacity - 1].monthlyCost, 0);
  add(AdviceSeverity::Serious, -1, 5);
  add(AdviceSeverity::Serious, 3, 1);  // a countdown before an open-ended cost
  add(AdviceSeverity::Serious, 2, 1);
  EXPECT_EQ(list.size(), AdviceList::kCapacity);
  EXPECT_EQ(list[0].monthsLeft, 2);
  EXPECT_EQ(list[1].monthsLeft, 3);
  EXPECT_EQ(list[2].monthlyCost, 5);
  EXPECT_EQ(list[3].monthlyCost, 15) << "the dearest caution next";
  EXPECT_EQ(list[AdviceList::kCapacity - 1].monthlyCost, 3) << "the three cheapest gave way";
  EXPECT_EQ(list.worst(), AdviceSeverity::Serious);
  EXPECT_EQ(AdviceList().worst(), AdviceSeverity::Note);
}

TEST_F(Advisor, AFindingReadsAsTheReportToThePresident) {
  Ttempo& s = hall(1560, 21);
  s.kadou[kTotal] = 40;
  const AdviceList list = DiagnoseStore(*w, 1);
  const auto pay = std::find_if(list.begin(), list.end(), [](const Advice& a) {
    return a.topic == AdviceTopic::SalaryBelowDemand;
  });
  ASSERT_NE(pay, list.end());
  const AdviceText text = adviceText(*w, *pay);
  EXPECT_EQ(text.headline,
            "給与が一人あたり月150千円で、スタッフの求める190千円に届きません（求める額の78%）。");
  EXPECT_EQ(text.order, "「人件費調整」で給与を210千円にしてください。");
  EXPECT_NE(text.reason.find("今月末には約4人が辞める見込みです"), std::string::npos);
  const auto staff = std::find_if(list.begin(), list.end(), [](const Advice& a) {
    return a.topic == AdviceTopic::StaffDiscontent;
  });
  ASSERT_NE(staff, list.end());
  EXPECT_EQ(adviceText(*w, *staff).headline,
            "人員の充足率が80%（21人／適正人員26人）で、不満の出る89%を下回っています。");
  EXPECT_EQ(adviceText(*w, *staff).order, "「人事」で9人を雇用し、配属してください。");
  EXPECT_EQ(adviceSummary(*w, list).rfind("【重要】", 0), 0u);
  EXPECT_EQ(adviceSummary(*w, AdviceList()), "特に問題はありません。");
}

}  // namespace
}  // namespace gm
