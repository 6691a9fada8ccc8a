// Machine models on offer (`tdai`) and machine records (`Tddai`, one island of ten identical
// machines), with the fixed machine-type table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/fixed_string.h"
#include "base/money.h"

namespace gm {

inline constexpr int kMachineTypeCount = 10;
inline constexpr int kMakerCount = 11;

struct MachineTypeInfo {
  std::string_view name;  // "一般台", ... "CRパチスロ"
  int basePrice;          // thousands of yen per machine
  int surcharge;          // added while law bit 9 is in force
  int reduction;          // taken off while law bit 8 is in force
  int nationalSalesBase;
};
const MachineTypeInfo& machineTypeInfo(int type);
inline bool isSlotType(int type) { return type == 8 || type == 9; }

// The four ratings, in this order: gambling appeal, play value, refinement, novelty.
using Ratings = std::array<uint8_t, 4>;
enum RatingIndex { kGambling = 0, kPlay = 1, kRefinement = 2, kNovelty = 3 };

// A model of a maker's catalogue.
struct tdai {
  Name name;
  uint8_t kishu = 0;
  int32_t price = 0;
  uint8_t maker = 0;
  Ratings nominal{};
  Ratings actual{};
  int32_t releaseMonth = 0;
  int32_t saleEndMonth = 0;
  int32_t shukka = 0;
  int32_t zaiko = 0;
  bool onSale = false;
  bool unappraised = false;
  bool modelMachine = false;
};

// A machine record: an island of ten machines, in the warehouse or on a store floor.
struct Tddai {
  bool used = false;
  Name name;
  uint8_t kishu = 0;
  int32_t tanka = 0;
  uint8_t maker = 0;
  Ratings nominal{};
  Ratings actual{};
  int32_t kounyuuMonth = 1;
  int32_t yuukouMonth = 0;
  int32_t shukka = 0;
  bool virgin = false;
  bool ihou = false;
  uint8_t keitai = 0;
  uint8_t morning = 0;
  Money riritu;
  int32_t jikan = 0;
  int32_t nissuu = 0;
  int32_t kadou = 0;
  Money kyakutan;
  Money ririJisseki;
  int32_t kyakuDansei = 0;
  int32_t kyakuZyosei = 0;
  bool modelMachine = false;

  void reset() { *this = Tddai(); }
  bool isPachinko() const { return !isSlotType(kishu); }
};

}  // namespace gm
