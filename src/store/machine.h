// Machine models on offer (`tdai`) and machine records (`Tddai`, one island of ten identical
// machines), with the fixed machine-type table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/fixed_string.h"
#include "base/money.h"
#include "world/calendar.h"

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
// The names below are in the player's language. A machine type's name:
std::string machineTypeName(int type);
// The business forms of an island (`keitai` 0..3): "無制限", "ﾗｯｷｰﾅﾝﾊﾞｰ", "定量制", "一回交換";
// any other value reads as the first.
std::string businessFormName(int keitai);
// The illegality mark as the machine screens show it: "有り" or "無し".
std::string illegalityText(bool ihou);
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
// The game's order of its fields (the order the saved record keeps) is: used, name, kishu, tanka,
// maker, nominal, actual, kounyuuMonth, yuukouMonth, shukka, virgin, ihou, keitai, morning,
// riritu, jikan, nissuu, kadou, kyakutan, ririJisseki, kyakuZyosei, kyakuDansei, modelMachine
// (the women's share of the customers before the men's).
// In memory they are grouped by width: 3,500 records stand in every game (a thousand in the
// warehouse, fifty on each store's floors), and the padding of the game's order would cost the
// game state some 56 KB.
struct Tddai {
  Money riritu;
  Money kyakutan;
  Money ririJisseki;
  int32_t tanka = 0;
  int32_t kounyuuMonth = 1;
  int32_t yuukouMonth = 0;
  int32_t shukka = 0;
  int32_t jikan = 0;
  int32_t nissuu = 0;
  int32_t kadou = 0;
  int32_t kyakuDansei = 0;
  int32_t kyakuZyosei = 0;
  Ratings nominal{};
  Ratings actual{};
  bool used = false;
  uint8_t kishu = 0;
  uint8_t maker = 0;
  bool virgin = false;
  bool ihou = false;
  uint8_t keitai = 0;
  uint8_t morning = 0;
  bool modelMachine = false;
  Name name;

  void reset() { *this = Tddai(); }
  bool isPachinko() const { return !isSlotType(kishu); }

  // Turns a free record into an island of the model bought this month at `unitPriceYen` a
  // machine.
  void fillRecord(int month, int32_t unitPriceYen, const tdai& model);
  // Same island of the same purchase: both in use, same model, same production and price.
  bool sameModel(const Tddai& other) const;
  // An island of the given catalogue model (the price may differ by the discount).
  bool sameAsModel(const tdai& model) const;
  // Years and months since purchase, (0, 0) in the month of purchase.
  YearMonth monthsOwned(int month) const;
  // The island may still be newly installed on a floor in `month`.
  bool withinValidity(int month) const { return used && yuukouMonth >= month; }

  // Last month's money, in thousands of yen.
  Money sales() const;
  Money grossProfit() const;
  Money expectedGrossProfit() const;
  Money salesPerMachineDay() const;
  Money grossProfitPerMachineDay() const;
  // 客付き: per cent of the hours its machines could have been played, at most 100.
  int attendance() const;
};

// `move` carries an island between the warehouse and a floor, leaving `from` free; `copy` leaves
// `from` as it was.
void move(Tddai& from, Tddai& to);
void copy(const Tddai& from, Tddai& to);

}  // namespace gm
