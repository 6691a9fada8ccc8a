// The game's invariants: a played game keeps them, and each kind of broken record is found and
// named.
#include "invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "played_game.h"

namespace gm {
namespace {

// A game of a year and a half in steady hands: the player's halls and the rivals' stand.
struct Invariants : ::testing::Test {
  test::PlayedGame g = test::newPlayedGame("kirinodai", "steady", 1997);
  void SetUp() override {
    for (int i = 0; i < 18; ++i) g.game->playMonth(true);
    ASSERT_TRUE(g.game->violations().empty()) << g.game->violations().front();
    ASSERT_GE(g.world().kaichou.TempoKazu().used, 1);
    bool rival = false;
    for (const TEntempo& e : g.world().rivals.tenpo) rival = rival || e.used;
    ASSERT_TRUE(rival);
  }
  // The first lines of CheckInvariants after `plant`, with the world restored afterwards.
  std::string brokenBy(const std::function<std::function<void()>(tworld&)>& plant) {
    std::function<void()> undo = plant(g.world());
    std::vector<std::string> found = CheckInvariants(g.world(), 3);
    undo();
    std::string s;
    for (const std::string& f : found) s += f + "\n";
    return s;
  }
};

TEST_F(Invariants, APlayedGameKeepsThemAndEveryBrokenRecordIsNamed) {
  EXPECT_TRUE(CheckInvariants(g.world()).empty());
  tworld& w = g.world();
  Ttempo& store = w.kaichou.slot(1);
  const int row = store.blockY, column = store.blockX;
  int rival = 0;
  while (!w.rivals.tenpo[rival].used) ++rival;

  struct Case {
    const char* expected;
    std::function<std::function<void()>(tworld&)> plant;
  };
  const Case cases[] = {
      {"block (0,0) security = 101, outside 0..100",
       [](tworld& w) {
         const int before = w.block(0, 0).security;
         w.block(0, 0).security = 101;
         return [&w, before] { w.block(0, 0).security = before; };
       }},
      {"store 1 fame = -1",
       [&](tworld&) {
         const int before = store.chimei;
         store.chimei = -1;
         return [&, before] { store.chimei = before; };
       }},
      {"store 1 men = -2",
       [&](tworld&) {
         const int before = store.dansei;
         store.dansei = -2;
         return [&, before] { store.dansei = before; };
       }},
      {"store 1 has no staff but morale 12",
       [&](tworld&) {
         Ttempo before = store;
         store.dansei = store.zyosei = 0;
         store.moral = Money::fromInt(12);
         return [&, before] { store = before; };
       }},
      {"store slot 3 is in use behind a free slot",
       [&](tworld& w) {
         Ttempo before2 = w.kaichou.slot(2), before3 = w.kaichou.slot(3);
         w.kaichou.slot(3) = w.kaichou.slot(1);
         w.kaichou.slot(2).init();
         return [&w, before2, before3] {
           w.kaichou.slot(2) = before2;
           w.kaichou.slot(3) = before3;
         };
       }},
      {"store 1 stands on block",
       [&](tworld& w) {
         w.block(row, column).kind = 2;
         return [&w, row, column] { w.block(row, column).kind = 19; };
       }},
      {"store block (0,1) has 0 stores",
       [](tworld& w) {
         const uint8_t before = w.block(0, 1).kind;
         w.block(0, 1).kind = 19;
         return [&w, before] { w.block(0, 1).kind = before; };
       }},
      {"holds an island but the store has 1 floor(s)",
       [&](tworld&) {
         Ttempo before = store;
         store.kibo = 0;
         store.dai[4][0] = store.dai[0][0];
         store.dai[4][0].used = true;
         return [&, before] { store = before; };
       }},
      {"is in use beyond the 50 records the warehouse holds",
       [](tworld& w) {
         Tddai before = w.kaichou.record(51);
         w.kaichou.record(51).used = true;
         return [&w, before] { w.kaichou.record(51) = before; };
       }},
      {"of rival",
       [&](tworld& w) {
         TEntempo& e = w.rivals.tenpo[rival];
         const int before = e.blockColumn;
         e.blockColumn = (e.blockColumn + 1) % w.mapWidth;
         return [&e, before] { e.blockColumn = before; };
       }},
      {"rival store block (1,0) has 0 records",
       [](tworld& w) {
         const uint8_t before = w.block(1, 0).kind;
         w.block(1, 0).kind = 20;
         return [&w, before] { w.block(1, 0).kind = before; };
       }},
      {"maker 3 friendship = 101",
       [](tworld& w) {
         const int before = w.makers[3].yuukou;
         w.makers[3].yuukou = 101;
         return [&w, before] { w.makers[3].yuukou = before; };
       }},
  };
  for (const Case& c : cases) {
    const std::string found = brokenBy(c.plant);
    EXPECT_NE(found.find(c.expected), std::string::npos)
        << "expected \"" << c.expected << "\", found:\n"
        << found;
  }
  EXPECT_TRUE(CheckInvariants(w).empty()) << "every case must restore the game";
}

}  // namespace
}  // namespace gm
