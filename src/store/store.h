// A pachinko hall (`Ttempo`): its fields, its five floors of ten machine islands, its promotion
// record and its history. The company owns fifty of them as fixed slots.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/fixed_string.h"
#include "base/money.h"
#include "store/history.h"
#include "store/machine.h"
#include "world/calendar.h"

namespace gm {

class tworld;

inline constexpr int kFloors = 5;
inline constexpr int kIslandsPerFloor = 10;
inline constexpr int kEquipmentCount = 12;

// Store states (`joutai`).
enum StoreState : uint8_t { kWaiting = 0, kOpen = 1, kUnderConstruction = 2, kSuspended = 3 };

// Names of the sizes ("１フロア" .. "タワー") and the states ("待機中" .. "営業停止") in the
// player's language; an index out of range gives an empty name. The exchange-rate names are the
// world's (`pachinkoRateName`, `slotRateName`), since the union limits use the same table.
std::string storeSizeName(int kibo);
std::string storeStateName(int joutai);

// `kousaku` bits.
enum ManipulationBit : uint8_t { kShills = 1 << 0, kIllegalRom = 1 << 1, kJackpotControl = 1 << 2 };

// Equipment 0..4 is general, 5..11 special: a special item stands on one floor, takes room for
// `space` machines there and cannot stand beside its exclusive partner.
struct EquipmentInfo {
  std::string_view name;
  bool special;
  int floor;     // 1-based floor of a special item, 0 for general equipment
  int space;     // machines' worth of floor room
  int excludes;  // the exclusive partner, -1 for none
};
const EquipmentInfo& equipmentInfo(int n);
// An item's name in the player's language.
std::string equipmentName(int n);

// Which machines an island query looks at: a machine type (-1 any), a business form (-1 any)
// and a kind (pachinko, slot or both).
enum class IslandKind : uint8_t { Both, Pachinko, Slot };
struct IslandFilter {
  int type = -1;
  int form = -1;
  IslandKind kind = IslandKind::Both;
  bool accepts(const Tddai& d) const;
};

// Machine quantities that island sums and averages can add up.
enum class IslandQuantity : uint8_t { ProfitRate, Sales, GrossProfit, ExpectedGrossProfit };
// One island's value of a quantity.
Money islandQuantity(const Tddai& d, IslandQuantity q);

// Machines (ten per occupied island) and islands by type and kind.
struct MachineCounts {
  std::array<int, kMachineTypeCount> machines{};
  std::array<int, kMachineTypeCount> islands{};
  int pachinkoIslands = 0;
  int pachinkoMachines = 0;
  int slotIslands = 0;
  int slotMachines = 0;
  int allMachines = 0;
  int allIslands = 0;
};

// Per-kind figures: pachinko, slot, total.
template <typename T>
using ByKind = std::array<T, 3>;
enum KindIndex { kPachinko = 0, kSlot = 1, kTotal = 2 };

// The two kinds of staff that head counts and transfers name.
enum StaffSex : int { kMale = 0, kFemale = 1 };

// A store's staff at a glance: the head count and the shares of men and women in whole per cent.
struct StaffShares {
  int64_t total = 0;
  int men = 0;
  int women = 0;
};

// Monthly spending on a store's staff, thousands of yen: head count x the per-head amounts.
struct PersonnelCost {
  int64_t salaries = 0;
  int64_t education = 0;
  int64_t welfare = 0;
  int64_t total = 0;
};

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

// Reorders records so that those in use come first, keeping the order within each group. It
// moves the records through a permutation instead of std::stable_sort, whose scratch buffer
// would allocate during play.
template <typename T, std::size_t N, typename InUse>
void stableInUseFirst(std::array<T, N>& a, InUse inUse) {
  std::array<uint16_t, N> from{};  // from[k]: the record that goes to position k
  std::size_t k = 0;
  for (std::size_t i = 0; i < N; ++i)
    if (inUse(a[i])) from[k++] = static_cast<uint16_t>(i);
  for (std::size_t i = 0; i < N; ++i)
    if (!inUse(a[i])) from[k++] = static_cast<uint16_t>(i);
  std::array<bool, N> placed{};
  for (std::size_t start = 0; start < N; ++start) {
    if (placed[start] || from[start] == start) continue;
    T held = a[start];
    std::size_t at = start;
    while (true) {
      placed[at] = true;
      std::size_t src = from[at];
      if (src == start) {
        a[at] = held;
        break;
      }
      a[at] = a[src];
      at = src;
    }
  }
}

inline constexpr int64_t kDefaultNewMachineRate = 150000;  // 15 %

class Ttempo {
 public:
  Ttempo() { shinDaiRitu.fill(Money::fromRaw(kDefaultNewMachineRate)); }

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

  // Life of the record.
  void init();
  void assignTo(Ttempo& other) const;
  void setJoutai(int state);
  bool checkKansei(int month);
  bool checkTeishi(int month);
  bool matches(std::string_view storeName, int x, int y) const;

  // Clamping setters.
  void setSenren(int64_t v);
  void setChimei(int64_t v);
  void setManzoku(int64_t v);
  void setMoral(Money v);
  void setSkill(Money v);
  void setShinDaiMorning8(int64_t v);
  void setShinDaiMorning9(int64_t v);
  // The business form new islands of a machine type (0..9) take; a type outside the table reads
  // as form 0, and a type or a form (0..3) outside its range is not stored.
  int getShinDaiKeitai(int type) const;
  void setShinDaiKeitai(int type, int form);

  // Staff (staff.cpp).
  void setDansei(int64_t n);
  void setZyosei(int64_t n);
  // In 64 bits: two head counts near the int32 limit still add up.
  int64_t staffTotal() const { return int64_t{dansei} + zyosei; }
  int staffOf(int sex) const { return sex == kMale ? dansei : zyosei; }
  StaffShares staffSummary() const;
  PersonnelCost personnelCost() const;
  // The staff the store needs (適正人員) for a month of `hours` business hours.
  int staffNeed(int hours, int month) const;
  bool understaffed(int hours, int month) const { return staffTotal() < staffNeed(hours, month); }
  // Moves n people of one sex from `from` into this store; false, and nothing moves, when `from`
  // has fewer than n of them (or n is negative, or `from` is this store).
  bool transferStaff(Ttempo& from, int sex, int64_t n);

  // Equipment.
  bool hasEquipment(int n) const { return (setubi >> n) & 1u; }
  bool canInstall(int n) const;
  void addEquipment(int n) { setubi = static_cast<uint16_t>(setubi | (1u << n)); }
  void removeEquipment(int n) { setubi = static_cast<uint16_t>(setubi & ~(1u << n)); }
  // Machines a floor (0..4) can hold once its special equipment has taken its room.
  int floorCapacity(int floor) const;
  int floorMachines(int floor) const;

  // Islands.
  int floorCount() const { return kibo + 1; }
  void sortDai();
  void fireDamage(int floors);
  bool hasIllegalDai() const;
  bool hasMachines() const { return machineCounts().allIslands > 0; }
  // Scope 0 is every floor the store has; 1..5 is that single floor.
  MachineCounts machineCounts(int scope = 0) const;
  // Machines of a type (-1: every type) in each business form.
  std::array<int, 4> formCounts(int type = -1) const;
  int morningTotal() const;
  int islandCount(const IslandFilter& f) const;
  Money islandSum(const IslandFilter& f, IslandQuantity q) const;
  Money islandAverage(const IslandFilter& f, IslandQuantity q) const;
  void setKeitaiWhere(const IslandFilter& f, int form);
  void setRirituWhere(const IslandFilter& f, Money rate);
  // Calls fn on every occupied island of floors 0..kibo, floor by floor and island by island:
  // the islands that every figure of the store reads, in the order its month plays them.
  template <typename Fn>
  void forEachIsland(Fn&& fn) const {
    for (int f = 0; f <= kibo && f < kFloors; ++f)
      for (const Tddai& d : dai[f])
        if (d.used) fn(d);
  }
  template <typename Fn>
  void forEachIsland(Fn&& fn) {
    for (int f = 0; f <= kibo && f < kFloors; ++f)
      for (Tddai& d : dai[f])
        if (d.used) fn(d);
  }

  // Results of the last closed month.
  YearMonth age(int month) const;
  ByKind<int32_t> perDay(int days) const;
  ByKind<Money> profitRates() const;
  ByKind<Money> salesPerMachinePerDay() const;
  ByKind<Money> grossProfitPerMachinePerDay() const;
  Money netProfit() const;
  // A series of the history with its average. A store counts its months by its asset value
  // (series 0), which has a value from its first month on, whatever series is read.
  HistorySummary historySummary(int series) const { return backup.summary(series, 0); }

  // Store and land, in whole thousands of yen.
  int64_t assetValue(int month, int64_t landValue) const;

 private:
  void limitPromotionsByStaff();
};

}  // namespace gm
