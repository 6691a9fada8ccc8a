// The management seminar: its month and chance, the fee, the course list's shuffle, and what
// the chosen course does for the president.
#include "world/seminar.h"

#include <gtest/gtest.h>

#include "support/seeded_draws.h"
#include "support/scripted_frontend.h"
#include "test_city.h"

namespace gm {
namespace {

using test::exactly;
using test::ScriptedFrontend;

struct SeminarCity {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = test::makeWorld(1, 1);
  explicit SeminarCity(int month, int64_t cash = 10000) {
    world->setFrontend(&port);
    world->cityName = "試験市";
    world->month = month;
    world->kaichou.slot(1).used = true;
    world->kaichou.sikin = Money::fromInt(cash);
    tkaichou& k = world->kaichou;
    k.karisuma = 40;
    k.chisei = 50;
    k.tousotu = 60;
    k.kantei = 99;
  }
};

// The chance comes up, set 2 is drawn, and its courses are laid out as appraisal, leadership,
// intelligence, charm (the draws 3, 3, 0, 0, 1, 2: a course already placed is drawn again);
// then a gain of 3.
uint32_t seminarSeed() {
  return test::seedWithDraws({exactly(4, 1), exactly(4, 2), exactly(4, 3), exactly(4, 3),
                              exactly(4, 0), exactly(4, 0), exactly(4, 1), exactly(4, 2),
                              exactly(5, 2)});
}

TEST(Seminar, TheFeeTheShuffledCoursesAndTheGainOfTheOneChosen) {
  SeminarCity c(17);  // May of the second year
  c.world->rng().setSeed(seminarSeed());
  c.port.answers = {true};
  c.port.seminarCourses = {2};
  EXPECT_EQ(Seminar(*c.world), 3);

  EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(9500));
  ASSERT_EQ(c.port.seminarOffers.size(), 1u);
  const SeminarOffer& offer = c.port.seminarOffers[0];
  EXPECT_EQ(offer.courses,
            (std::array<std::string, 4>{"愛すべき娯楽", "「忠誠」の感情的・論理的側面",
                                        "尊徳の憂鬱", "人格の深淵"}));
  EXPECT_EQ(offer.karisuma, 40);
  EXPECT_EQ(offer.chisei, 50);
  EXPECT_EQ(offer.tousotu, 60);
  EXPECT_EQ(offer.kantei, 99);
  EXPECT_EQ(c.world->kaichou.chisei, 53);
  EXPECT_EQ(c.world->kaichou.tousotu, 60);

  ASSERT_EQ(c.port.messages.size(), 2u);
  EXPECT_EQ(c.port.messages[0].title, "経営者セミナー");
  EXPECT_EQ(c.port.messages[0].text,
            "試験市で経営者セミナーが開かれています。講習料金は500ですが、参加しますか？");
  EXPECT_TRUE(c.port.messages[0].showCash);
  EXPECT_TRUE(c.port.messages[0].confirm);
  EXPECT_EQ(c.port.messages[1].title, "講習終了");
  EXPECT_EQ(c.port.messages[1].text, "知性が3向上しました！");
  EXPECT_EQ(c.port.messages[1].face, kFaceLaugh);
  EXPECT_FALSE(c.port.messages[1].showCash);
  EXPECT_EQ(c.port.events, (std::vector<std::string>{"message:経営者セミナー", "seminar-window",
                                                     "cue:4", "message:講習終了", "cue:1"}));
}

TEST(Seminar, AQualityNearItsTopGainsOnlyWhatIsLeft) {
  {
    SeminarCity c(23);  // November
    c.world->rng().setSeed(seminarSeed());
    c.port.answers = {true};
    c.port.seminarCourses = {0};
    EXPECT_EQ(Seminar(*c.world), 1);
    EXPECT_EQ(c.world->kaichou.kantei, 100);
    EXPECT_EQ(c.port.messages.back().text, "鑑定眼が1向上しました！");
  }
  {
    SeminarCity c(23);
    c.world->kaichou.kantei = 100;
    c.world->rng().setSeed(seminarSeed());
    c.port.answers = {true};
    c.port.seminarCourses = {7};  // no such entry: the preselected first one
    EXPECT_EQ(Seminar(*c.world), 0);
    EXPECT_EQ(c.port.messages.back().text,
              "あまり変わり映えしませんね．．．ちゃんと勉強したんですか？");
    EXPECT_EQ(c.port.messages.back().face, kFaceAngry);
    EXPECT_EQ(c.port.cues, (std::vector<int>{kCueMain}));
  }
}

TEST(Seminar, OnlyInItsMonthsWithAStoreAndOnlyForAFeePaid) {
  const uint32_t seed = seminarSeed();
  {
    SeminarCity c(18);  // June
    c.world->rng().setSeed(seed);
    EXPECT_EQ(Seminar(*c.world), -1);
    EXPECT_EQ(c.world->rng().seed(), test::seedAfter(seed, 1)) << "the chance is drawn anyway";
    EXPECT_TRUE(c.port.messages.empty());
  }
  {
    SeminarCity c(17);
    c.world->kaichou.slot(1).used = false;
    c.world->rng().setSeed(seed);
    EXPECT_EQ(Seminar(*c.world), -1);
    EXPECT_TRUE(c.port.messages.empty());
  }
  {
    SeminarCity c(17);
    c.world->rng().setSeed(seed);
    c.port.answers = {false};
    EXPECT_EQ(Seminar(*c.world), -1);
    EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(10000));
    EXPECT_TRUE(c.port.seminarOffers.empty());
  }
  {
    // The fee is paid like any other bill: the company must have more than 500.
    SeminarCity c(17, 500);
    c.world->rng().setSeed(seed);
    c.port.answers = {true};
    EXPECT_EQ(Seminar(*c.world), -1);
    EXPECT_EQ(c.world->kaichou.sikin, Money::fromInt(500));
    EXPECT_TRUE(c.port.seminarOffers.empty());
    ASSERT_EQ(c.port.messages.size(), 2u);
    EXPECT_EQ(c.port.messages[1].title, "資金不足");
    EXPECT_EQ(c.port.messages[1].text, "資金が足りません。");
    EXPECT_TRUE(c.port.messages[1].showCash);
    EXPECT_EQ(c.port.messages[1].face, kFaceCry);
  }
}

}  // namespace
}  // namespace gm
