// The managed game of the screens' tests.
#include "managed_game.h"

#include <gtest/gtest.h>

#include <array>

#include "company/company.h"
#include "company/new_game.h"
#include "persist/city_file.h"
#include "store/machine.h"
#include "world/month_end.h"

namespace gm::test {

namespace {

// Models of the test's own, one of each type but the rarer ones.
struct ModelDef {
  const char* name;
  int type;
  int maker;
  int price;  // thousands of yen a machine
  Ratings ratings;
};
constexpr std::array<ModelDef, 6> kModels = {{
    {"ＣＲ星の海峡", 4, 0, 320, {70, 55, 60, 50}},
    {"花鳥風月", 0, 1, 250, {40, 70, 65, 45}},
    {"ＣＲ大漁節", 5, 2, 340, {80, 50, 45, 60}},
    {"羽根の舞", 2, 3, 240, {35, 75, 55, 50}},
    {"スロ将軍", 8, 4, 410, {75, 60, 50, 55}},
    {"ＣＲスロ天狗", 9, 5, 430, {85, 55, 45, 65}},
}};

tdai modelOf(const ModelDef& m, int month) {
  tdai d;
  d.name = m.name;
  d.kishu = static_cast<uint8_t>(m.type);
  d.maker = static_cast<uint8_t>(m.maker);
  d.price = m.price;
  d.nominal = m.ratings;
  d.actual = m.ratings;
  d.releaseMonth = month;
  d.onSale = true;
  return d;
}

// A hall on a vacant block of the city, with `islands` islands of the first models on sale.
void setUpHall(tworld& w, int slot, const char* name, int kibo, int islands, int staff) {
  Ttempo& s = w.kaichou.slot(slot);
  // The first vacant blocks from the middle of the city outwards.
  int row = -1, column = -1;
  for (int r = w.mapHeight / 2; r < w.mapHeight && row < 0; ++r)
    for (int c = w.mapWidth / 2 - 4 + slot * 3; c < w.mapWidth && row < 0; ++c)
      if (w.block(r, c).kind == 1) row = r, column = c;
  ASSERT_GE(row, 0) << "the city has room for the hall";
  s.init();
  s.used = true;
  s.name = name;
  s.kibo = static_cast<uint8_t>(kibo);
  s.blockX = column;
  s.blockY = row;
  s.shuttenMonth = w.month;
  s.joutai = kOpen;
  s.setSenren(40 + slot * 5);
  s.setChimei(30 + slot * 3);
  s.setManzoku(50);
  s.setDansei(staff / 2);
  s.setZyosei(staff - staff / 2);
  s.setMoral(Money::fromInt(60));
  s.setSkill(Money::fromInt(55));
  s.pkankin = 2;
  s.skankin = 1;
  s.addEquipment(0);
  s.addEquipment(2);
  s.hansoku.tissue = 2;
  s.hansoku.mail = 3;
  w.block(row, column).kind = 19;
  for (int i = 0; i < islands; ++i) {
    const ModelDef& m = kModels[static_cast<std::size_t>((i + slot) % kModels.size())];
    Tddai& d = s.dai[i / kIslandsPerFloor][i % kIslandsPerFloor];
    d.fillRecord(w.month, m.price * 1000, modelOf(m, w.month));
    d.riritu = Money::fromInt(12 + i % 5);
    d.keitai = static_cast<uint8_t>(i % 3);
    if (isSlotType(m.type)) d.morning = static_cast<uint8_t>(i % 4);
  }
}

// A few records in the warehouse, waiting for a floor.
void stock(tworld& w) {
  for (int i = 0; i < 7; ++i)
    w.kaichou.record(i + 1).fillRecord(
        w.month, kModels[static_cast<std::size_t>(i % kModels.size())].price * 1000,
        modelOf(kModels[static_cast<std::size_t>(i % kModels.size())], w.month));
}

}  // namespace

std::unique_ptr<tworld> managedGame(int months) {
  CityReadResult city = ReadCityFile(GM_ASSETS_DIR "/cities/akebono.pmp");
  EXPECT_TRUE(city.ok) << city.error;
  auto w = std::make_unique<tworld>();
  FoundingChoice founding;
  founding.presidentName = "山田";
  founding.companyName = "銀玉興業";
  founding.tousotu = 62;
  founding.chisei = 55;
  founding.karisuma = 48;
  founding.kantei = 40;
  founding.sihon = 5;
  SetUpNewGame(*w, Random(20240601), city.city, founding, Difficulty::kRivals);
  setUpHall(*w, 1, "銀玉一号店", 1, 14, 16);
  setUpHall(*w, 2, "銀玉駅前店", 0, 8, 9);
  setUpHall(*w, 3, "銀玉パーク", 3, 30, 30);
  stock(*w);
  for (int i = 0; i < months; ++i) PlayMonth(*w);
  return w;
}

}  // namespace gm::test
