// The clean-up after the month: marks cleared, islands appraised and owners cooling down, with
// the draws made in the game's order.
#include <gtest/gtest.h>

#include <memory>

#include "company/company.h"
#include "company/founding.h"
#include "company/month_after.h"
#include "world/world.h"

namespace gm {
namespace {

TEST(MonthAfter, ChancesFollowThePresident) {
  EXPECT_EQ(AppraisalChance(1), 1);
  EXPECT_EQ(AppraisalChance(41), 20);
  EXPECT_EQ(NegotiationCooldown(5), 8);
  EXPECT_EQ(NegotiationCooldown(29), 7);
  EXPECT_EQ(NegotiationCooldown(55), 5);
  EXPECT_EQ(NegotiationCooldown(100), 3);
}

TEST(MonthAfter, ClearsMarksAndDrawsInOrder) {
  auto world = std::make_unique<tworld>();
  tkaichou& k = world->kaichou;
  k.SetKantei(80);    // appraisal chance 40
  k.SetKarisuma(35);  // cool-down 6
  k.jinjizumi = true;
  k.baikyakuzumi[3][4] = 1;
  k.koujizumi[49][49] = 1;
  k.dai[999].modelMachine = true;
  k.slot(50).irekaeDone = true;  // a free slot is cleared as well

  Ttempo& s = k.slot(2);
  s.used = true;
  s.kibo = 1;
  for (int i = 0; i < 6; ++i) {
    s.dai[i % 2][i].used = true;
    s.dai[i % 2][i].virgin = true;
  }
  s.dai[0][8].used = true;  // already appraised: no draw
  s.dai[2][0].used = true;  // beyond the store's floors: no draw
  s.dai[2][0].virgin = true;
  Ttempo& free = k.slot(1);
  free.dai[0][0].used = true;  // a free slot's leftovers are not drawn for
  free.dai[0][0].virgin = true;
  k.baishuuzumi[0][7] = 1;
  k.baishuuzumi[49][0] = 1;  // the whole grid, whatever the map size

  world->rng().setSeed(12345);
  Random expected(12345);
  std::array<bool, 6> virginAfter{};
  // Floor 0 first (islands 0, 2, 4), then floor 1 (islands 1, 3, 5).
  for (int i : {0, 2, 4, 1, 3, 5}) virginAfter[i] = !(expected.randInt(100) < 40);
  bool firstMark = expected.randInt(6) != 2;
  bool secondMark = expected.randInt(6) != 2;

  k.GetsumatsuGo();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(s.dai[i % 2][i].virgin, virginAfter[i]) << "island " << i;
  EXPECT_TRUE(s.dai[2][0].virgin);
  EXPECT_TRUE(free.dai[0][0].virgin);
  EXPECT_EQ(k.baishuuzumi[0][7] == 1, firstMark);
  EXPECT_EQ(k.baishuuzumi[49][0] == 1, secondMark);
  EXPECT_EQ(world->rng().seed(), expected.seed()) << "exactly eight draws";

  EXPECT_FALSE(k.jinjizumi);
  EXPECT_EQ(k.baikyakuzumi[3][4], 0);
  EXPECT_EQ(k.koujizumi[49][49], 0);
  EXPECT_FALSE(k.dai[999].modelMachine);
  EXPECT_FALSE(k.slot(50).irekaeDone);
}

TEST(Founding, DefaultsQualitiesAndCapital) {
  auto world = std::make_unique<tworld>();
  tkaichou& k = world->kaichou;
  k.jinjizumi = true;
  FoundingChoice c;
  c.tousotu = 0;
  c.karisuma = 120;
  c.kantei = 33;
  c.chisei = 64;
  c.sihon = 7;
  FoundCompany(k, c);
  EXPECT_EQ(k.ownername, kDefaultPresidentName);
  EXPECT_TRUE(k.ownername.view().ends_with("会長"));
  EXPECT_EQ(k.kaishaname, kDefaultCompanyName);
  EXPECT_EQ(k.tousotu, 1);
  EXPECT_EQ(k.karisuma, 100);
  EXPECT_EQ(k.kantei, 33);
  EXPECT_EQ(k.chisei, 64);
  EXPECT_EQ(k.sihon, 7);
  EXPECT_EQ(k.sikin, Money::fromInt(1000000));
  EXPECT_EQ(capitalLabel(7), "10億円");
  EXPECT_FALSE(k.jinjizumi) << "founding opens the first month";

  c.presidentName = "山田";
  c.companyName = "パチンコ山田";
  FoundCompany(k, c);
  EXPECT_EQ(k.ownername, "山田");
  EXPECT_EQ(k.kaishaname, "パチンコ山田");
}

TEST(Founding, RollDrawsQualitiesThenCapital) {
  Random rng(777), ref(777);
  FoundingChoice c;
  RollFoundingQualities(rng, c);
  EXPECT_EQ(c.tousotu, ref.randInt(100) + 1);
  EXPECT_EQ(c.chisei, ref.randInt(100) + 1);
  EXPECT_EQ(c.karisuma, ref.randInt(100) + 1);
  EXPECT_EQ(c.kantei, ref.randInt(100) + 1);
  EXPECT_EQ(c.sihon, ref.randInt(8));
}

}  // namespace
}  // namespace gm
