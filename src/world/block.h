// A city block (`Tchip`): its kind, owner and values, the clamping setters that are the only way
// to change those values, the derived values and the neighbourhood scans.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/random.h"

namespace gm {

inline constexpr int kMapSize = 50;
inline constexpr int kKindCount = 29;

class Tchip;
using BlockGrid = std::array<std::array<Tchip, kMapSize>, kMapSize>;  // [row][column]

// The kinds that orders, rivals and incidents build, clear or look for.
inline constexpr int kCitizensLandKind = 1;  // the citizens' vacant land
inline constexpr int kOwnLandKind = 2;       // the company's vacant land
inline constexpr int kRivalLandKind = 3;     // a rival's vacant land
inline constexpr int kOwnStoreKind = 19;
inline constexpr int kRivalStoreKind = 20;
inline constexpr int kSchoolKind = 22;
inline constexpr int kHospitalKind = 23;
inline constexpr int kOwnParkingKind = 27;
inline constexpr int kRivalParkingKind = 28;

// Who a kind's owner label names.
enum class OwnerKind : uint8_t { None, City, Citizens, Player, Rival };

struct KindInfo {
  std::string_view name;  // "空き地", "道路", ...
  int group;              // 0 none, 1 vacant land, 2 road/T-junction, 3 crossroads, 4 station,
                          // 5 railway, 6 parking, 7 building
  OwnerKind owner;
  int capacity;  // largest population
  int startPopulation;
  int startFanRate;
  int startSecurity;
  int startUnrest;
  int startLandPrice;
  int maxLandPrice;
};

// The kind table; kinds outside 0..28 read as kind 0.
const KindInfo& kindInfo(int kind);
// A kind's name in the player's language.
std::string blockKindName(int kind);

// Jitter(a): d = a div 30; if d >= 2 then d = RandInt(d); then r = RandInt(100) + 1; the result
// is a + d when r < 50, else a - d.
int Jitter(int a, Random& rng);

struct PurchaseQuote {
  int64_t price = 0;
  bool refused = false;
};

struct SaleAnswer {
  bool sold = false;
  bool tooDear = false;
};

class Tchip {
 public:
  Tchip() = default;
  void Create(int row, int column);

  // Fields, in declaration order (the saved block record follows it).
  int32_t row = 0;
  int32_t column = 0;
  uint8_t kind = 0;
  int32_t population = 0;
  int32_t security = 0;
  int32_t fanRate = 0;
  int32_t landPrice = 0;
  int32_t unrest = 0;
  uint8_t owner = 0;
  int32_t growthInfluence = 0;
  int32_t securityInfluence = 0;
  int32_t priceInfluence = 0;
  int32_t unrestInfluence = 0;

  // Setters: each clamps and stores.
  void SetPopulation(int64_t v);
  void SetSecurity(int64_t v);
  void SetFanRate(int64_t v, uint16_t laws);
  void SetLandPrice(int64_t v);
  void SetUnrest(int64_t v);

  // Sets the kind and draws the starting values.
  void InitKind(int newKind, Random& rng);

  // Derived values.
  static int KindGroup(int kind);
  int Group() const { return KindGroup(kind); }
  bool IsPopulated() const;
  int Occupancy() const;
  int DevelopmentLevel() const;
  int FanCount() const;
  std::string KindName() const;
  // The owner label: the city name, "市民", the player's representative or the owning rival.
  std::string OwnerLabel(std::string_view cityName, std::string_view presidentName) const;
  int Distance(int otherRow, int otherColumn) const;

  // Neighbourhood scans over the square of radius r around this block (this block excluded,
  // positions outside rows 0..height-1 and columns 0..width-1 skipped).
  bool HasKindWithin(const BlockGrid& g, int width, int height, int kind, int r) const;
  int CountKindWithin(const BlockGrid& g, int width, int height, int kind, int r) const;
  int CountOwnedKindWithin(const BlockGrid& g, int width, int height, int kind, int owner,
                           int r) const;
  bool HasGroupWithin(const BlockGrid& g, int width, int height, int group, int r) const;
  int AverageSecurityWithin(const BlockGrid& g, int width, int height, int r) const;
  int AverageFanRateWithin(const BlockGrid& g, int width, int height, int r) const;
  int AverageUnrestWithin(const BlockGrid& g, int width, int height, int r) const;
  int AverageOccupancyWithin(const BlockGrid& g, int width, int height, int r) const;
  int AverageOccupancyAround(const BlockGrid& g, int width, int height, int r) const;
  bool HasOtherRivalStoreWithin(const BlockGrid& g, int width, int height, int owner, int r) const;
  bool HasRivalStoreAdjacent(const BlockGrid& g, int width, int height, int owner) const;
  bool HasRivalParkingAdjacent(const BlockGrid& g, int width, int height, int owner) const;

  // Prices.
  PurchaseQuote PurchasePrice(int averageUnrest, Random& rng) const;
  SaleAnswer SaleAccepted(int64_t askingPrice, int charm, int averageUnrest, Random& rng) const;
  int64_t ConstructionCost(int workType, int sizeIndex, int cityDensity, int charm) const;
};

}  // namespace gm
