// The character of each rival company: how much it starts with, how much it keeps in reserve,
// what city it likes, how its stores drift and what trouble they attract. Every number that
// makes one rival behave differently from another lives in this one table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "company/rivals.h"

namespace gm {

// Bounds of the random draws that decide a new store on the rival's own land (a: a competitor is
// near; b1..b6 lower or raise the odds by the surroundings).
struct RivalNewStoreBounds {
  int a, b1, b2, b3, b4, b5, b6;
};
// Bounds of the draw that decides selling the rival's land.
struct RivalSaleBounds {
  int c1, c2, c3, c4, c5, c6, c7, c8;
};
// Bounds of the draw that decides rebuilding one of the rival's stores.
struct RivalRebuildBounds {
  int e1, e2, e3, e4, e5, e6;
};
// Bounds of the draw that decides buying a block.
struct RivalPurchaseBounds {
  int f1, f2, f3, f4, f5, f6, f7;
};
// A new store's starting ratings and exchange-rate classes.
struct RivalStartRatings {
  int senren, chimei, moral, skill;  // random bounds over the base of 11
  int pkankin, skankin;              // before the city's limits
};
// The monthly drift of an open store. Ratings in the order senren, chimei, moral, skill.
struct RivalDrift {
  int upPercent;
  std::array<int, 4> rise;
  std::array<int, 4> fall;
  int pachinkoOdds;  // 1 in n months the pachinko class moves
  int slotOdds;
};
// 1-in-n odds of the rivals' incidents.
struct RivalIncidentOdds {
  int taxEvasion, fire, television, shills, chipRaid, jackpotRaid;
};

struct RivalProfile {
  std::string_view name;
  int64_t startCash;
  int maxTenpo;
  int64_t yobi;      // reserve kept back when building
  int64_t yobi2;     // reserve when short of cash
  int mitudoMin;     // occupancy a block's surroundings must beat
  int chianMin;      // security the surroundings must beat
  int64_t kiboMin;   // average size + 1 below which the chain counts as small (x 10,000)
  int newStoreOdds;  // 1 in n for another small store while the chain is small
  int rebuildAfter;  // months since the last construction before a rebuild (more than)
  int closeAfter;    // months of age before a store may be closed (more than)
  int spendBase;     // spend per customer, yen
  int costCut;       // bound of the monthly cost reduction
  int satisfaction;  // bound of the monthly satisfaction draw
  int fanInfluence;  // bound of the fan-rate rise around an open store
  RivalNewStoreBounds newStore;
  RivalSaleBounds sale;
  RivalRebuildBounds rebuild;
  RivalPurchaseBounds purchase;
  RivalStartRatings start;
  RivalDrift drift;
  RivalIncidentOdds incidents;
};

// clang-format off
inline constexpr std::array<RivalProfile, kRivalCount> kRivalProfiles = {{
    {"パーラーＷild", 700000, 25, 200000, 50000, 20, 15, 25000, 12, 12, 10, 9000, 3000, 35, 9,
     {12, 5, 10, 3, 4, 4, 3}, {6, 5, 6, 10, 9, 2, 3, 3}, {8, 2, 3, 2, 2, 4},
     {12, 8, 3, 9, 2, 2, 3}, {5, 20, 15, 15, 1, 1},
     {50, {5, 5, 4, 5}, {4, 4, 3, 4}, 12, 18}, {24, 36, 48, 160, 160, 200}},
    {"Parlor SPEED", 700000, 29, 230000, 65000, 24, 16, 27000, 12, 6, 8, 9100, 4000, 45, 10,
     {12, 6, 10, 3, 4, 4, 4}, {7, 6, 5, 10, 10, 3, 3, 3}, {9, 2, 2, 2, 2, 4},
     {11, 7, 4, 10, 3, 3, 3}, {15, 15, 10, 15, 3, 2},
     {51, {4, 4, 4, 5}, {3, 3, 3, 4}, 6, 12}, {48, 40, 24, 400, 240, 320}},
    {"パーラー・ユダ", 700000, 34, 270000, 85000, 29, 18, 30000, 12, 10, 10, 9200, 5500, 50, 11,
     {12, 5, 10, 2, 3, 3, 3}, {7, 5, 6, 10, 10, 2, 3, 2}, {11, 3, 3, 3, 3, 4},
     {12, 8, 5, 9, 2, 2, 3}, {15, 15, 10, 20, 2, 0},
     {53, {5, 4, 3, 4}, {4, 3, 2, 3}, 12, 18}, {24, 40, 32, 280, 240, 280}},
    {"MEDIA PARK", 800000, 40, 320000, 110000, 35, 21, 33000, 14, 8, 10, 9300, 6000, 65, 13,
     {14, 7, 10, 4, 4, 4, 4}, {8, 7, 5, 9, 9, 4, 4, 3}, {12, 4, 4, 3, 3, 5},
     {13, 9, 6, 9, 3, 3, 5}, {20, 25, 15, 20, 6, 3},
     {56, {4, 6, 4, 5}, {3, 5, 3, 4}, 18, 24}, {64, 50, 12, 360, 380, 600}},
    {"釘心会館", 800000, 50, 380000, 140000, 42, 25, 38000, 16, 12, 10, 9400, 7500, 70, 15,
     {15, 8, 10, 5, 5, 5, 5}, {8, 8, 5, 8, 10, 4, 4, 3}, {12, 5, 5, 3, 3, 6},
     {14, 10, 7, 9, 4, 4, 4}, {20, 20, 20, 25, 3, 1},
     {60, {5, 5, 5, 4}, {4, 4, 4, 5}, 12, 18}, {120, 60, 16, 800, 400, 960}},
}};
// clang-format on

inline const RivalProfile& rivalProfile(int rival) { return kRivalProfiles[rival]; }

// Construction cost of a store of size 0..4, whole thousands of yen.
inline constexpr std::array<int64_t, 5> kRivalStoreCost = {100000, 250000, 450000, 700000, 1000000};
// Building or demolishing a car park.
inline constexpr int64_t kRivalParkingCost = 1000;

}  // namespace gm
