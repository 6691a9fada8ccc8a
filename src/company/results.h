// The monthly results calculator (`Tjissekicalc`): scores every open store of the player and of
// the rivals, lets each reach the blocks around it, shares every customer-producing block's
// fans among the stores that reach it, multiplies by the business days, shares each player
// store's customers among its islands, and then runs the closings: the company's and then the
// rivals'. Its working tables are allocated once, with the calculator.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "base/extended.h"
#include "base/random.h"
#include "world/block.h"

namespace gm {

class tworld;
class tkaichou;
class Tenkaichou;
class Ttempo;
struct TEntempo;

// Entries 1..50 stand for the player's stores 1..50, entries 51..100 for rival records 1..50.
inline constexpr int kResultsEntries = 100;
inline constexpr int kFirstRivalEntry = 51;

// A store's entry: its score for the month and its weight for the block being shared.
struct Teasytempo {
  int tempoNo = 0;
  bool rival = false;
  Extended score = 0;
  Extended weight = 0;
};

// An island position of a player store (floor 0..4, island 1..10) with its attraction.
struct Teasydai {
  int floor = 0;
  int island = 0;
  int32_t attraction = 0;
};

// A store's score: 0.35 refinement + 0.25 fame + 0.20 satisfaction + 0.05 morale + 0.05 skill,
// with a bonus for each generous exchange rate. A player store counts a rate only for a kind of
// machine it has; a rival always counts both.
Extended PlayerStoreScore(const Ttempo& store);
Extended RivalStoreScore(const TEntempo& store);
// What a store's score weighs on a block `distance` steps away.
Extended ReachWeight(Extended score, int distance);

// Splits `total` into shares.size() shares: round and round the shares, each taking
// max(remaining / divisor, 1), until nothing remains. Even a total of 0 or less gives the first
// share one.
void SplitIntoShares(int64_t total, int64_t divisor, std::span<int64_t> shares);

// What an island on floor `floor` (0..4) loses of its attraction: customers climb stairs only
// to a floor with something to offer besides machines.
int FloorPenalty(int floor, uint16_t setubi, Random& rng);

// The month's inputs that the calculation keeps.
struct ResultsMonth {
  int month = 0;
  int hours = 0;
  int days = 0;
  int columns = 0;
  int rows = 0;
  uint16_t laws = 0;
  int taxRate = 0;
  int averageLandPrice = 0;
};

class Tjissekicalc {
 public:
  explicit Tjissekicalc(tworld& world);
  ~Tjissekicalc();
  Tjissekicalc(const Tjissekicalc&) = delete;
  Tjissekicalc& operator=(const Tjissekicalc&) = delete;

  // The month's results and closings.
  void Keisan(BlockGrid& blocks, tkaichou& company, std::string_view cityName, int averageLandPrice,
              int taxRate, int month, int hours, int days, int columns, int rows, uint16_t flags,
              Tenkaichou& rivals);
  // The same with everything the world holds.
  void Keisan(int hours, int days);

  // What the last calculation found, for the screens and the tests: entries are 1..100.
  const ResultsMonth& inputs() const { return inputs_; }
  const Teasytempo& entry(int n) const;
  int64_t customers(int entry) const;  // after the business days
  bool reaches(int row, int column, int entry) const;
  int distance(int row, int column, int entry) const;  // valid where `reaches`

 private:
  struct Tables;
  void Reset();
  void Score(const tkaichou& company, const Tenkaichou& rivals);
  void MarkReach(const BlockGrid& blocks, const tkaichou& company, const Tenkaichou& rivals);
  void ShareBlocks(const BlockGrid& blocks);
  void ShareMachines(Ttempo& store, int64_t customers, Random& rng);

  tworld* world_;
  std::unique_ptr<Tables> t_;
  ResultsMonth inputs_;
};

}  // namespace gm
