// The charity's request: when it comes, what a gift does to the city and to the president's
// charm against what the company keeps, and the donation window's limits.
#include "world/donation.h"

#include <gtest/gtest.h>

#include "support/seeded_draws.h"
#include "support/scripted_frontend.h"
#include "test_city.h"

namespace gm {
namespace {

using test::any;
using test::exactly;
using test::ScriptedFrontend;

// A full housing block (density 100) beside vacant land and the company's one famous store.
struct CharityCity {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = test::makeWorld(1, 3);
  CharityCity(int month, int64_t cash) {
    world->setFrontend(&port);
    world->cityName = "試験市";
    world->month = month;
    test::place(*world, 0, 0, 21, 200, 50, 100000, 40, 20);
    test::place(*world, 0, 1, 1, 0, 50, 100000, 40, 0);
    test::place(*world, 0, 2, 19, 0, 50, 100000, 0, 0);
    Ttempo& store = world->kaichou.slot(1);
    store.used = true;
    store.setChimei(100);
    world->kaichou.sikin = Money::fromInt(cash);
    world->kaichou.karisuma = 50;
  }
};

constexpr std::string_view kRequest =
    "試験市の慈善団体が、活動資金の寄付を我が社に願い出ております。寄付されたお金は、"
    "試験市の育英事業に役立てたいとの事ですが、寄付しますか？";

TEST(DonationRequest, AGiftOfAQuarterOfWhatIsLeftCalmsThePopulatedBlocks) {
  CharityCity c(3, 200000);
  // The request's three draws; then the housing block's calming (level 2: RandInt(5)) and the
  // president's charm.
  c.world->rng().setSeed(
      test::seedWithDraws({any(100), {200, 0, 99}, exactly(2, 1), exactly(5, 4), exactly(3, 2)}));
  c.port.answers = {true};
  c.port.donations = {40000};
  EXPECT_TRUE(DonationRequest(*c.world));

  EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(160000));
  EXPECT_EQ(c.world->block(0, 0).unrest, 36);
  EXPECT_EQ(c.world->block(0, 1).unrest, 40) << "vacant land has nobody to calm";
  EXPECT_EQ(c.world->kaichou.karisuma, 52);
  ASSERT_EQ(c.port.messages.size(), 2u);
  EXPECT_EQ(c.port.messages[0].title, "寄付願い");
  EXPECT_EQ(c.port.messages[0].text, kRequest);
  EXPECT_TRUE(c.port.messages[0].confirm);
  EXPECT_FALSE(c.port.messages[0].showCash);
  EXPECT_EQ(c.port.messages[1].title, "寄付");
  EXPECT_EQ(c.port.messages[1].text, "これで我が社のイメージが少しでも良くなればいいですね。");
  EXPECT_TRUE(c.port.messages[1].showCash);
  EXPECT_EQ(c.port.messages[1].face, kFaceLaugh);
  EXPECT_EQ(c.port.events,
            (std::vector<std::string>{"message:寄付願い", "donation-window", "city-changed",
                                      "cue:4", "message:寄付", "cue:1"}));
}

TEST(DonationRequest, ATokenGiftLeavesTheCityAsItWasAndCostsCharm) {
  CharityCity c(9, 200000);
  c.world->rng().setSeed(
      test::seedWithDraws({any(100), {200, 0, 99}, exactly(2, 1), exactly(3, 2)}));
  c.port.answers = {true};
  c.port.donations = {10000};  // a nineteenth of the 190,000 left
  EXPECT_TRUE(DonationRequest(*c.world));
  EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(190000));
  EXPECT_EQ(c.world->block(0, 0).unrest, 40);
  EXPECT_EQ(c.world->kaichou.karisuma, 48);
  ASSERT_EQ(c.port.messages.size(), 2u);
  EXPECT_EQ(c.port.messages[1].text,
            "あまり慈善団体の方は喜んでいらっしゃらなかったようですが．．．出し渋ったのですか？");
  EXPECT_TRUE(c.port.messages[1].showCash);
  EXPECT_EQ(c.port.messages[1].face, kFaceNormal);
  EXPECT_TRUE(c.port.cues.empty());
}

TEST(DonationRequest, TheWindowsLimitsAndTheGiftsWeight) {
  const Money cash = Money::fromInt(200000);
  EXPECT_EQ(limitDonation(0, cash), 0) << "nothing typed: the button stays off";
  EXPECT_EQ(limitDonation(-5, cash), 0);
  EXPECT_EQ(limitDonation(1, cash), 1);
  EXPECT_EQ(limitDonation(199999, cash), 199999);
  EXPECT_EQ(limitDonation(200000, cash), 199999);
  EXPECT_EQ(limitDonation(9999999999999999, Money::fromInt(int64_t{1} << 40)), 2147483647);
  const Money halfPast = Money::fromRaw(1000005000);  // 100,000.5
  EXPECT_EQ(limitDonation(100000, halfPast), 100000);
  EXPECT_EQ(limitDonation(100001, halfPast), 99999);

  EXPECT_EQ(donationLevel(20000, Money::fromInt(200000)), 1) << "exactly a tenth";
  EXPECT_EQ(donationLevel(19980, Money::fromInt(200000)), 0);
  EXPECT_EQ(donationLevel(99996, Money::fromInt(1000000)), 1) << "0.099996 is 0.1000 in money";
  EXPECT_EQ(donationLevel(100000, Money::fromInt(100000)), 9);
  EXPECT_EQ(donationQuestion(1234567), "1,234,567を寄付します。よろしいですか？");

  // Whatever a port answers, the company keeps something.
  CharityCity c(3, 200000);
  c.world->rng().setSeed(test::seedWithDraws({any(100), {200, 0, 99}, exactly(2, 1)}));
  c.port.answers = {true};
  c.port.donations = {5000000};
  EXPECT_TRUE(DonationRequest(*c.world));
  EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(1));
}

TEST(DonationRequest, NoRequestWithoutTheCashTheMonthOrAStoreAndNothingGivenOnNo) {
  {
    CharityCity c(3, 99999);
    c.world->rng().setSeed(5);
    EXPECT_FALSE(DonationRequest(*c.world));
    EXPECT_EQ(c.world->rng().seed(), 5u) << "a company short of cash is not even asked";
  }
  const uint32_t comes = test::seedWithDraws({any(100), {200, 0, 99}, exactly(2, 1)});
  {
    CharityCity c(4, 200000);
    c.world->rng().setSeed(comes);
    EXPECT_FALSE(DonationRequest(*c.world));
    EXPECT_EQ(c.world->rng().seed(), test::seedAfter(comes, 3));
  }
  {
    CharityCity c(3, 200000);
    c.world->kaichou.slot(1).used = false;  // no store: the stores' fame is 0
    c.world->rng().setSeed(comes);
    EXPECT_FALSE(DonationRequest(*c.world));
    EXPECT_TRUE(c.port.messages.empty());
  }
  {
    CharityCity c(3, 200000);
    c.world->rng().setSeed(comes);
    c.port.answers = {false};
    c.port.donations = {40000};
    EXPECT_FALSE(DonationRequest(*c.world));
    EXPECT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(200000));
    EXPECT_EQ(c.port.donations.size(), 1u) << "the window does not open on no";
  }
}

}  // namespace
}  // namespace gm
