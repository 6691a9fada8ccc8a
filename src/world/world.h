// The world (`tworld`): the root of one game's state. It owns the company, the rivals, the
// name generator, the results calculator, the 50 x 50 blocks, the eleven makers and the game's
// random generator, and it holds the city's description, laws, union rules and calendar.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/fixed_string.h"
#include "base/frontend.h"
#include "base/random.h"
#include "company/company.h"
#include "company/results.h"
#include "company/rivals.h"
#include "store/maker.h"
#include "store/name_generator.h"
#include "world/block.h"
#include "world/calendar.h"
#include "world/city_definition.h"

namespace gm {

// Law bits of `laws`.
enum LawBit : uint16_t {
  kLawLongHours = 1 << 0,        // "営業時間の規制緩和"
  kLawExchangeEased = 1 << 1,    // "換金行為の規制緩和"
  kLawExchangeBanned = 1 << 2,   // "換金行為の全面規制"
  kLawSecurities = 1 << 3,       // "有価証券商品の交換の認可"
  kLawPrizeLimitUp = 1 << 4,     // "景品限度額の引き上げ"
  kLawPrizeLimitDown = 1 << 5,   // "景品限度額の引き下げ"
  kLawClosedDays = 1 << 6,       // "月毎営業日数規制"
  kLawPachinkoTax = 1 << 7,      // "ぱちんこ税の導入"
  kLawFreeManufacture = 1 << 8,  // "機械台製造販売の自由化"
  kLawMakerLiability = 1 << 9,   // "機械台の製造者責任を義務付け"
};
inline constexpr int kLawCount = 10;
// Names in the player's language; an index out of range gives an empty name.
std::string lawName(int bit);

// Exchange-rate names: pachinko 0..6, slot 0..3.
std::string pachinkoRateName(int index);
std::string slotRateName(int index);

// The blocks' kind counts of `CountKinds` (the district screen's block table).
struct KindCounts {
  int total = 0;
  int vacantCitizens = 0;           // kind 1
  int vacantPlayer = 0;             // kind 2
  int vacantRival = 0;              // kind 3
  int roads = 0;                    // kinds 4..14
  int stations = 0;                 // kinds 15..16
  int railways = 0;                 // kinds 17..18
  std::array<int, 10> buildings{};  // kinds 19..28
};

struct FacilityShortages {
  int police = 0;
  int education = 0;
  int hospital = 0;
};

class tworld {
 public:
  tworld();
  ~tworld();
  tworld(const tworld&) = delete;
  tworld& operator=(const tworld&) = delete;

  // The port to the player and the game's random generator.
  Frontend& ui() const { return *ui_; }
  void setFrontend(Frontend* ui) { ui_ = ui ? ui : &silent_; }
  const Options& options() const { return ui_->options(); }
  Random& rng() { return rng_; }
  const Random& rng() const { return rng_; }

  // Saved fields, in declaration order.
  Name cityName;
  uint8_t mapHeight = 0;
  uint8_t mapWidth = 0;
  int32_t month = 0;
  int32_t housingPolicy = 0;
  int32_t commercePolicy = 0;
  int32_t businessPolicy = 0;
  int32_t taxRate = 0;
  int32_t unionHourCut = 0;
  int32_t unionDayCut = 0;
  bool disposalAccepted = false;
  uint16_t laws = 0;
  uint8_t maxPachinkoRate = 6;
  uint8_t maxSlotRate = 3;
  uint8_t cityType = 0;
  bool endingShown = false;
  int32_t lastBusinessDays = 0;
  int32_t maxLandPrice = 600000;
  // Not saved: blocks whose picture may have changed during the month's pass.
  std::array<std::array<bool, kMapSize>, kMapSize> changedBlocks{};
  // True while the month's block pass runs; painting code reads it.
  bool cityUpdating = false;

  // Owned objects, created in this order.
  tkaichou kaichou;
  Tenkaichou rivals;
  tdainameselect nameSelect;
  Tjissekicalc jisseki;
  BlockGrid blocks;  // [row][column]
  std::array<Tmaker, kMakerCount> makers;

  Tchip& block(int row, int column) { return blocks[row][column]; }
  const Tchip& block(int row, int column) const { return blocks[row][column]; }
  bool onMap(int row, int column) const {
    return row >= 0 && column >= 0 && row < mapHeight && column < mapWidth;
  }

  void InitMakers();
  void InitFromCity(const CityDefinition& city);

  // Setters (each clamps).
  void SetHousingPolicy(int64_t v);
  void SetCommercePolicy(int64_t v);
  void SetBusinessPolicy(int64_t v);
  void SetTaxRate(int64_t v);
  void SetUnionHourCut(int64_t v);
  void SetUnionDayCut(int64_t v);

  bool hasLaw(uint16_t bit) const { return (laws & bit) != 0; }

  // City-wide queries over the blocks of the map whose kind is not 0.
  KindCounts CountKinds() const;
  int64_t TotalCapacity() const;
  int64_t TotalPopulation() const;
  int AverageLandPrice() const;
  int DevelopmentDegree() const;
  int AverageSecurity() const;
  int AverageUnrest() const;
  int64_t TotalFans() const;
  int FanRatio() const;
  int Density() const;
  int CountOccupiedBlocks() const;
  int DailyHours() const;
  int ClosedDays() const;
  int BusinessDays() const;
  int MonthlyHours() const;
  int64_t DisposalFee(int type) const;
  bool UpdateDisposalAcceptance();

  // Monthly world steps.
  void RestoreMakerRelations();
  void UpdateMaxLandPrice();

 private:
  SilentFrontend silent_;
  Frontend* ui_ = &silent_;
  Random rng_;
};

}  // namespace gm
