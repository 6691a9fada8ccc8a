// The replacement plan ("入替計画") of one store: islands moved between the company's warehouse
// and the store's floors on working copies, undone last first, and carried out by one order that
// prices the work, warns of model machines taken down too early, pays, and then settles with the
// makers.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "company/company.h"
#include "store/island_settings.h"
#include "store/order_support.h"

namespace gm {

class Frontend;
class tworld;

// One island moved: from warehouse record `record` (0-based) onto floor `floor`, island `island`,
// or back.
struct PlannedMove {
  bool install = true;
  int16_t record = 0;
  uint8_t floor = 0;
  uint8_t island = 0;
  uint8_t kishu = 0;
  uint8_t maker = 0;
  // A removal of a model machine whose maker's terms still hold it on the floor.
  bool earlyModel = false;
  // What the island carried in the warehouse before the store's defaults replaced it, so that
  // undoing an installation gives the record back as it was.
  uint8_t keitai = 0;
  uint8_t morning = 0;
  Money riritu;
};

inline constexpr int kMaxPlannedMoves = 2000;

class ReplacementPlan {
 public:
  // A plan for the store in slot 1..50, on copies of its floors and of the warehouse.
  ReplacementPlan(const tworld& world, int slot);

  int slot() const { return slot_; }
  const Ttempo& store() const { return store_; }
  const std::array<Tddai, kWarehouseRecords>& warehouse() const { return warehouse_; }
  // Warehouse records 0 .. usableRecords() - 1 can hold islands at the present warehouse level.
  int usableRecords() const { return usable_; }

  // The machines a floor holds once its special equipment has its room, and the islands still
  // free on it.
  int floorCapacity(int floor) const { return store_.floorCapacity(floor); }
  int freeIslands(int floor) const;

  // Installs the warehouse records, in the order given, onto the floor, each into the floor's
  // first free island, until the floor is full; an island past its validity is skipped. Each
  // refusal is told through the port. Answers the number installed.
  int install(Frontend& ui, std::span<const int> records, int floor);
  // Takes the islands down into the first free warehouse records. Answers the number removed.
  int remove(Frontend& ui, std::span<const IslandPosition> islands);
  // Takes back the last move; false when there is none.
  bool undo();

  int moveCount() const { return moves_; }
  const PlannedMove& move(int i) const { return plan_[i]; }

  // The price of the work, whole thousands of yen.
  int64_t cost() const;
  // Model machines the plan takes down while the maker's terms still hold them there: machines
  // in all, and islands by maker.
  int earlyModelMachines() const;
  std::array<int, kMakerCount> earlyModelIslandsByMaker() const;

 private:
  bool recordMove(const PlannedMove& m);

  int slot_;
  int month_;
  int tousotu_;
  int usable_;
  Ttempo store_;
  std::array<Tddai, kWarehouseRecords> warehouse_{};
  std::array<PlannedMove, kMaxPlannedMoves> plan_{};
  int moves_ = 0;
};

// The floor names of the replacement screens: "1Fﾎｰﾙ" .. "5Fﾎｰﾙ".
std::string floorHallName(int floor);

// Carries the plan out on the company: the questions, the payment, the moves, and then the
// makers' reaction, the waiting state of an emptied store and the model-store marks.
OrderOutcome OrderReplacement(tworld& world, const ReplacementPlan& plan);

}  // namespace gm
