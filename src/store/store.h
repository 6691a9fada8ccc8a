// A pachinko hall (`Ttempo`): its fields, its five floors of ten machine islands, its promotion
// record and its history. The company owns fifty of them as fixed slots.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "base/fixed_string.h"
#include "base/money.h"
#include "store/history.h"
#include "store/machine.h"

namespace gm {

class tworld;

inline constexpr int kFloors = 5;
inline constexpr int kIslandsPerFloor = 10;
inline constexpr int kEquipmentCount = 12;

// Store states (`joutai`).
enum StoreState : uint8_t { kWaiting = 0, kOpen = 1, kUnderConstruction = 2, kSuspended = 3 };

// The store's promotions: one choice per promotion.
struct Thansoku {
  uint8_t event = 0;          // event period
  uint8_t tissue = 0;         // pocket tissues
  uint8_t mail = 0;           // direct mail
  uint8_t tvAgency = 0;       // TV agency
  uint8_t tvSpot = 0;         // TV spot length
  uint8_t www = 0;            // WWW server
  uint8_t newspaperSize = 0;  // newspaper page size
  uint8_t newspaperTerm = 0;  // newspaper period
};

// The monthly operating costs: running costs (money), promotion costs (whole thousands of yen)
// and their total (money).
struct OperatingCosts {
  Money running;
  int32_t promotion = 0;
  Money total;
};

class Ttempo {
 public:
  Ttempo() = default;

  // The world this store belongs to (set by the company; copies keep it).
  tworld* world = nullptr;

  // Fields, in declaration order.
  Name name;
  bool used = false;
  uint8_t joutai = kWaiting;
  int32_t kanseiMonth = 0;
  int32_t teishiMonth = 0;
  int32_t shuttenMonth = 0;
  int32_t blockX = 0;  // column
  int32_t blockY = 0;  // row
  int32_t senren = 0;
  int32_t chimei = 0;
  uint8_t kibo = 0;
  uint8_t pkankin = 0;
  uint8_t skankin = 0;
  uint16_t setubi = 0;
  int32_t dansei = 0;
  int32_t zyosei = 0;
  Money moral;
  Money skill;
  int32_t kyuyo = 150;
  int32_t kyouiku = 0;
  int32_t fukuri = 0;
  uint16_t modelMakers = 0;
  uint8_t kousaku = 0;
  bool irekaeDone = false;
  bool bestWww = false;
  bool bestCm = false;
  std::array<Money, kMachineTypeCount> shinDaiRitu{};
  std::array<uint8_t, kMachineTypeCount> shinDaiKeitai{};
  int32_t shinDaiMorning8 = 0;
  int32_t shinDaiMorning9 = 0;
  int32_t manzoku = 0;
  int32_t eigyouJikan = 0;
  int32_t eigyouNissuu = 0;
  std::array<Money, 15> hoshuResults{};
  OperatingCosts eigyouResults;
  std::array<int32_t, 4> jinkenResults{};
  std::array<Money, 3> uriage{};
  std::array<Money, 3> arari{};
  std::array<int32_t, 3> kyaku{};
  std::array<int32_t, 3> kadou{};
  std::array<std::array<Tddai, kIslandsPerFloor>, kFloors> dai{};  // [floor][island 0..9]
  Thansoku hansoku;
  Tbackup backup;
};

}  // namespace gm
