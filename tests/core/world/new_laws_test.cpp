// New laws: the checks' draws and their order, the effect on the blocks, the news, and the laws
// that a city's feeling allows.
#include "world/new_laws.h"

#include <gtest/gtest.h>

#include <set>

#include "support/fixed_catalogue.h"
#include "support/scripted_frontend.h"
#include "support/seeded_draws.h"
#include "test_city.h"

namespace gm {
namespace {

using test::any;
using test::Draw;
using test::ScriptedFrontend;

// A row of three blocks: housing, vacant land, housing. The housing blocks' unrest sets the
// city's average feeling; the vacant block does not count in it.
struct LawCity {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = test::makeWorld(1, 3);
  LawCity(int month, int unrest0, int unrest2) {
    world->setFrontend(&port);
    world->cityName = "試験市";
    world->month = month;
    test::place(*world, 0, 0, 21, 100, 50, 100000, unrest0, 45);
    test::place(*world, 0, 1, 1, 0, 50, 100000, 0, 0);
    test::place(*world, 0, 2, 21, 100, 3, 100000, unrest2, 10);
  }
  void seed(std::initializer_list<Draw> draws) { world->rng().setSeed(test::seedWithDraws(draws)); }
};

TEST(NewLaws, TheEasedExchangeMovesTheBlocksOneByOneAndEndsTheMonthsLaws) {
  LawCity c(80, 10, 2);  // average feeling 6; too early for longer hours (month 84)
  c.seed({any(300),
          {300, 0, 9},
          {20, 6, 19},
          any(5),
          any(10),
          any(10),
          any(20),
          {5, 3, 4},
          {10, 4, 9}});
  const uint32_t start = c.world->rng().seed();
  EXPECT_EQ(NewLaws(*c.world), 1);

  // The draws in the order the blocks take them: the housing blocks' fans and feeling, then
  // every block's security, row by row.
  Random r(start);
  r.randInt(300);
  r.randInt(300);
  r.randInt(20);  // block 0's fans: 6 or more, past the ceiling
  const int unrest0 = r.randInt(5);
  const int security0 = r.randInt(10);
  const int security1 = r.randInt(10);
  const int fan2 = r.randInt(20);
  r.randInt(5);
  r.randInt(10);
  EXPECT_EQ(c.world->rng().seed(), r.seed()) << "no law is looked at after the one enacted";

  const tworld& w = *c.world;
  EXPECT_EQ(w.laws, kLawExchangeEased);
  EXPECT_EQ(w.block(0, 0).fanRate, 50) << "45 + at least 6, held at the ceiling";
  EXPECT_EQ(w.block(0, 0).unrest, 10 - unrest0);
  EXPECT_EQ(w.block(0, 0).security, 50 - security0);
  EXPECT_EQ(w.block(0, 1).fanRate, 0) << "vacant land has no fans to win";
  EXPECT_EQ(w.block(0, 1).security, 50 - security1);
  EXPECT_EQ(w.block(0, 2).fanRate, 10 + fan2);
  EXPECT_EQ(w.block(0, 2).unrest, 0) << "2 less 3 or 4 stops at 0";
  EXPECT_EQ(w.block(0, 2).security, 0);

  ASSERT_EQ(c.port.messages.size(), 1u);
  const auto& m = c.port.messages[0];
  EXPECT_EQ(m.title, "新法制定");
  EXPECT_EQ(m.text,
            "試験市市議会で新法「換金行為の規制緩和」が可決、制定されました！"
            "各所で波紋を広げています。法案の詳細は地区概略をご覧ください。");
  EXPECT_EQ(m.face, kFaceLaugh);
  EXPECT_FALSE(m.showCash);
  EXPECT_FALSE(m.confirm);
  EXPECT_EQ(c.port.events,
            (std::vector<std::string>{"city-changed", "cue:3", "message:新法制定", "cue:1"}));
}

TEST(NewLaws, PairedLawsComeOneOrTheOtherAndLawsInForceDrawNothing) {
  constexpr uint16_t kAll = (1u << kLawCount) - 1;
  {
    // An angry city (feeling 45) with every law but the exchange pair: the easing is looked at
    // and refused, the ban comes.
    LawCity c(80, 45, 45);
    c.world->laws = kAll & ~(kLawExchangeEased | kLawExchangeBanned);
    c.seed({any(300), {300, 0, 9}});
    EXPECT_EQ(NewLaws(*c.world), 2);
    EXPECT_EQ(c.world->laws, kAll & ~kLawExchangeEased);
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].text,
              "試験市市議会で新法「換金行為の全面規制」が可決、制定されました！"
              "各所で波紋を広げています。法案の詳細は地区概略をご覧ください。");
    EXPECT_EQ(c.port.messages[0].face, kFaceCry);
    EXPECT_EQ(c.port.cues, (std::vector<int>{kCueDown, kCueMain}));
  }
  {
    // With one law of the pair in force, and all the others, nothing is looked at at all.
    LawCity c(200, 45, 45);
    c.world->laws = kAll & ~kLawExchangeEased;
    c.world->rng().setSeed(77);
    EXPECT_EQ(NewLaws(*c.world), -1);
    EXPECT_EQ(c.world->rng().seed(), 77u);
    EXPECT_TRUE(c.port.messages.empty());
  }
}

TEST(NewLaws, AtAFeelingOf30OnlyTheUnconditionalLawsComeAndThePachinkoTaxIsSilent) {
  std::set<int> enacted;
  bool taxSeen = false;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    LawCity c(200, 30, 30);
    c.world->rng().setSeed(seed);
    const int bit = NewLaws(*c.world);
    if (bit < 0) continue;
    enacted.insert(bit);
    if (bit == 7) {
      taxSeen = true;
      EXPECT_TRUE(c.port.cues.empty()) << "the pachinko tax comes without music";
      EXPECT_EQ(c.port.messages[0].face, kFaceNormal);
    }
  }
  EXPECT_EQ(enacted, (std::set<int>{7, 8, 9}));
  EXPECT_TRUE(taxSeen);
}

TEST(NewLaws, FreeManufactureBringsEveryAbsentMakerInFromMonth37) {
  const std::initializer_list<Draw> draws = {any(300), any(300), any(300), any(300),    any(300),
                                             any(300), any(300), any(300), {100, 0, 49}};
  {
    LawCity c(36, 30, 30);
    c.seed(draws);
    EXPECT_EQ(NewLaws(*c.world), -1) << "month 36 is too early";
    EXPECT_FALSE(c.world->makers[2].shijou);
  }
  LawCity c(37, 30, 30);
  c.seed(draws);
  EXPECT_EQ(NewLaws(*c.world), 8);
  for (const Tmaker& m : c.world->makers) EXPECT_TRUE(m.shijou) << m.name();
  ASSERT_EQ(c.port.messages.size(), 1u);
  EXPECT_EQ(c.port.messages[0].text,
            "試験市市議会で新法「機械台製造販売の自由化」が可決、制定されました！"
            "新たに「煮詩陣」「大位置」「不治商事」「サムー工業」「オリンポア」が試験市の市場に参入"
            "します。");
  EXPECT_EQ(c.port.messages[0].face, kFaceSmile);
  EXPECT_EQ(c.port.cues, (std::vector<int>{kCueUp, kCueMain}));
}

// The makers' names are listed the way the language lists them: the first one alone, each
// further one with its separator.
TEST(NewLaws, TheNewMakersAreListedInAnotherLanguage) {
  const std::initializer_list<Draw> draws = {any(300), any(300), any(300), any(300),    any(300),
                                             any(300), any(300), any(300), {100, 0, 49}};
  LawCity c(37, 30, 30);
  c.seed(draws);
  test::FixedCatalogue english({
      {"world", "機械台製造販売の自由化", "Free Manufacture"},
      {"new_laws", "%1市議会で新法「%2」が可決、制定されました！%3", "%1 passed \"%2\". %3"},
      {"new_laws", "新たに%1が%2の市場に参入します。", "Into %2 come %1."},
      {"new_laws", "「%1」", "<%1>"},
      {"new_laws", "「%1」", ", <%1>", "a further name of the list"},
  });
  EXPECT_EQ(NewLaws(*c.world), 8);
  ASSERT_EQ(c.port.messages.size(), 1u);
  EXPECT_EQ(c.port.messages[0].text,
            "試験市 passed \"Free Manufacture\". Into 試験市 come <煮詩陣>, <大位置>, <不治商事>, "
            "<サムー工業>, <オリンポア>.");
}

}  // namespace
}  // namespace gm
