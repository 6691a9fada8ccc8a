// Ten years of headless play on a shipped city: nothing breaks and every rating stays in range.
#include <gtest/gtest.h>

#include <memory>

#include "company/new_game.h"
#include "persist/city_file.h"
#include "support/scripted_frontend.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {

TEST(LongPlay, TenYearsOnAShippedCityKeepEveryRatingInRange) {
  CityReadResult city = ReadCityFile(std::string(GM_ASSETS_DIR) + "/cities/kirinodai.pmp");
  ASSERT_TRUE(city.ok) << city.error;
  auto world = std::make_unique<tworld>();
  test::ScriptedFrontend port;
  port.opts.jissekihoukoku = false;
  port.opts.reserchhoukoku = false;
  world->setFrontend(&port);
  FoundingChoice founding;
  founding.tousotu = founding.chisei = founding.karisuma = founding.kantei = 60;
  founding.sihon = 4;
  SetUpNewGame(*world, Random(4242), city.city, founding, Difficulty::kRivals);

  // A store of the player's, waiting on the first vacant block, keeps the game going.
  bool placed = false;
  for (int r = 0; r < world->mapHeight && !placed; ++r)
    for (int c = 0; c < world->mapWidth && !placed; ++c)
      if (world->block(r, c).kind == 1) {
        world->block(r, c).kind = 19;
        Ttempo& store = world->kaichou.slot(1);
        store.used = true;
        store.name = "試験店";
        store.blockY = r;
        store.blockX = c;
        store.joutai = kWaiting;
        placed = true;
      }
  ASSERT_TRUE(placed);

  for (int i = 0; i < 120; ++i) {
    GameEndResult r = PlayMonth(*world);
    ASSERT_TRUE(r.goesOn) << "month " << world->month;
    for (int row = 0; row < kMapSize; ++row)
      for (int col = 0; col < kMapSize; ++col) {
        const Tchip& b = world->block(row, col);
        ASSERT_LE(b.kind, 28);
        ASSERT_GE(b.population, 0);
        ASSERT_LE(b.population, kindInfo(b.kind).capacity);
        ASSERT_GE(b.security, 0);
        ASSERT_LE(b.security, 100);
        ASSERT_GE(b.unrest, 0);
        ASSERT_LE(b.unrest, 100);
        ASSERT_GE(b.fanRate, 0);
        ASSERT_LE(b.fanRate, 70);
      }
    for (int p : {world->housingPolicy, world->commercePolicy, world->businessPolicy}) {
      ASSERT_GE(p, 0);
      ASSERT_LE(p, 100);
    }
    for (const TEntempo& e : world->rivals.tenpo)
      for (int v : {e.senren, e.chimei, e.manzoku, e.moral, e.skill}) {
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 100);
      }
    const Ttempo& store = world->kaichou.slot(1);
    ASSERT_GE(store.chimei, 0);
    ASSERT_LE(store.chimei, 100);
    for (const Tmaker& m : world->makers) {
      ASSERT_GE(m.yuukou, 0);
      ASSERT_LE(m.yuukou, 100);
    }
  }
  EXPECT_EQ(world->month, 121);
  EXPECT_GT(world->TotalPopulation(), 0);
}

}  // namespace gm
