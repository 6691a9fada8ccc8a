// A whole new game set up in the core, from a shipped city file and a fixed seed, as the
// new-game order does it after its two dialogs.
#include <gtest/gtest.h>

#include <memory>

#include "base/text.h"
#include "company/new_game.h"
#include "persist/city_file.h"
#include "world/world.h"

namespace gm {
namespace {

CityDefinition shippedCity(const char* file) {
  CityReadResult r = ReadCityFile(std::string(GM_ASSETS_DIR) + "/cities/" + file);
  EXPECT_TRUE(r.ok) << r.error;
  return r.city;
}

TEST(NewGame, FullSetUpFromAShippedCity) {
  const CityDefinition city = shippedCity("shiomihama.pmp");
  // The order reseeds the generator, and the founding dialog rolls once on creation and then
  // keeps rolling until the player stops it: three rolls here.
  Random generator(20240601);
  FoundingChoice choice;
  for (int i = 0; i < 3; ++i) RollFoundingQualities(generator, choice);
  const Random afterDialogs = generator;
  choice.presidentName = "海野会長";
  choice.companyName = "汐風興産";

  auto world = std::make_unique<tworld>();
  SetUpNewGame(*world, generator, city, choice, Difficulty::kNovice);

  EXPECT_EQ(world->cityName, "汐見浜町");
  EXPECT_EQ(world->month, 1);
  EXPECT_EQ(world->mapHeight, 30);
  EXPECT_EQ(world->mapWidth, 30);
  EXPECT_EQ(world->taxRate, 12);
  EXPECT_EQ(world->maxPachinkoRate, 4);
  EXPECT_EQ(world->maxSlotRate, 3);
  for (int r = 0; r < kMapSize; ++r)
    for (int c = 0; c < kMapSize; ++c) ASSERT_EQ(world->block(r, c).kind, city.kinds[r][c]);

  const tkaichou& k = world->kaichou;
  EXPECT_EQ(k.ownername, "海野会長");
  EXPECT_EQ(k.kaishaname, "汐風興産");
  EXPECT_EQ(k.tousotu, choice.tousotu);
  EXPECT_EQ(k.chisei, choice.chisei);
  EXPECT_EQ(k.karisuma, choice.karisuma);
  EXPECT_EQ(k.kantei, choice.kantei);
  EXPECT_EQ(k.sihon, choice.sihon);
  EXPECT_EQ(k.sikin.raw(), (300000 + 100000 * int64_t{choice.sihon}) * 10000);
  EXPECT_TRUE(world->rivals.rivalNashi);

  // The city's starting values continue the dialogs' sequence: a world that starts from the
  // generator as the dialogs left it draws the same blocks, one that starts from the reseed
  // (as if the rolls had not happened) does not.
  auto same = std::make_unique<tworld>();
  same->rng().setSeed(afterDialogs.seed());
  same->InitFromCity(city);
  auto fromReseed = std::make_unique<tworld>();
  fromReseed->rng().setSeed(20240601);
  fromReseed->InitFromCity(city);
  int differing = 0;
  for (int r = 0; r < 30; ++r)
    for (int c = 0; c < 30; ++c) {
      const Tchip& a = world->block(r, c);
      const Tchip& b = same->block(r, c);
      ASSERT_EQ(a.population, b.population);
      ASSERT_EQ(a.landPrice, b.landPrice);
      ASSERT_EQ(a.growthInfluence, b.growthInfluence);
      differing += a.landPrice != fromReseed->block(r, c).landPrice;
    }
  EXPECT_GT(differing, 100);
  EXPECT_EQ(world->rng().seed(), same->rng().seed());
}

TEST(NewGame, EmptyNamesTakeTheDefaultsAndLongNamesAreCut) {
  const CityDefinition city = shippedCity("kumoizawa.pmp");
  FoundingChoice choice;
  choice.sihon = 7;
  auto world = std::make_unique<tworld>();
  SetUpNewGame(*world, Random(5), city, choice, Difficulty::kRivals);
  EXPECT_EQ(world->kaichou.ownername, kDefaultPresidentName);
  EXPECT_TRUE(world->kaichou.ownername.view().ends_with("会長"));
  EXPECT_EQ(world->kaichou.kaishaname, kDefaultCompanyName);
  EXPECT_EQ(world->kaichou.sikin.raw(), int64_t{1000000} * 10000);
  EXPECT_FALSE(world->rivals.rivalNashi);

  // 30 full-width characters are 60 Shift-JIS bytes; the names keep the first 24.
  const std::string longName = "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十";
  choice.presidentName = longName;
  choice.companyName = longName;
  auto other = std::make_unique<tworld>();
  SetUpNewGame(*other, Random(5), city, choice, Difficulty::kNovice);
  EXPECT_EQ(shiftJisLength(other->kaichou.ownername.view()), 48u);
  EXPECT_EQ(other->kaichou.kaishaname.view(), longName.substr(0, 24 * 3));
}

}  // namespace
}  // namespace gm
