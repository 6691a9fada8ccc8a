// The player's company (`tkaichou`): the president, the cash, the fifty store slots, the
// warehouse of a thousand machine records, the monthly block marks and the history.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/fixed_string.h"
#include "base/money.h"
#include "store/history.h"
#include "store/machine.h"
#include "store/store.h"
#include "world/block.h"

namespace gm {

class tworld;

inline constexpr int kStoreSlots = 50;
inline constexpr int kWarehouseRecords = 1000;

using BlockMarks = std::array<std::array<uint8_t, kMapSize>, kMapSize>;  // [row][column]

// Capital classes (`sihon`): what the founding and company screens show and the starting cash.
inline constexpr int kCapitalClasses = 8;
std::string capitalLabel(int sihon);
int64_t capitalCash(int sihon);  // thousands of yen

// Warehouse levels (`souko`).
struct WarehouseLevel {
  int capacity;            // machines
  int64_t rebuildCost;     // thousands of yen to rebuild up to this level (0 for the first)
  std::string_view label;  // as written; the player reads `warehouseLevelLabel`
};
inline constexpr int kWarehouseLevels = 4;
const WarehouseLevel& warehouseLevel(int souko);
std::string warehouseLevelLabel(int souko);

// `TempoKazu`: how many stores the president can lead, and the stores by state.
struct StoreCounts {
  int limit = 0;
  int used = 0;
  int waiting = 0;
  int open = 0;
  int suspended = 0;
  int underConstruction = 0;
};

// `ImageHeikin`: the stores' average refinement, fame and satisfaction.
struct ImageAverages {
  int senren = 0;
  int chimei = 0;
  int manzoku = 0;
};

// `StaffShuukei`: the company's staff against what its stores need.
// Head counts in 64 bits: fifty stores of two head counts each near the int32 limit add up.
struct StaffSummary {
  int64_t men = 0;
  int64_t women = 0;
  int64_t total = 0;
  int need = 0;
  int64_t averageMen = 0;  // per store in use
  int64_t averageWomen = 0;
  int64_t averageTotal = 0;
  int averageNeed = 0;
  int menShare = 0;  // per cent of all staff
  int womenShare = 0;
  Money moral;  // average over the stores that employ anybody
  Money skill;
};

// The stores' last closed month added up.
struct CompanySums {
  ByKind<Money> uriage{};
  ByKind<Money> arari{};
  Money operatingRunning;
  int64_t operatingPromotion = 0;       // thousands of yen
  Money operating;                      // running + promotion
  std::array<Money, 15> maintenance{};  // the twelve items, machines, building and the total
  std::array<int64_t, 4> personnel{};   // salaries, education, welfare, total (thousands of yen)
  Money netProfit;
  ByKind<Money> profitRate{};  // per cent, four decimals
  ByKind<int> occupancy{};     // whole per cent
};

// Records in use and the machines they stand for (ten a record), by type and kind.
struct MachineTally {
  std::array<int, kMachineTypeCount> records{};
  std::array<int, kMachineTypeCount> machines{};
  int pachinkoRecords = 0;
  int pachinkoMachines = 0;
  int slotRecords = 0;
  int slotMachines = 0;
  int totalRecords = 0;
  int totalMachines = 0;
  void add(const Tddai& d);
};

// The warehouse records that a purchase filled: numbers first .. first + count - 1.
struct PurchasedRecords {
  int first = 0;
  int count = 0;
};

class tkaichou {
 public:
  explicit tkaichou(tworld& world);
  tkaichou(const tkaichou&) = delete;
  tkaichou& operator=(const tkaichou&) = delete;

  tworld& world() const { return *world_; }

  // Fields, in declaration order.
  Name ownername;
  Name kaishaname;
  uint8_t sihon = 0;
  Money sikin;
  int32_t karisuma = 1;
  int32_t chisei = 1;
  int32_t tousotu = 1;
  int32_t kantei = 1;
  bool jinjizumi = false;
  bool datuzei = false;
  Money datuzeiruikei;
  uint8_t souko = 0;
  int32_t eigyoujikan = 0;
  int32_t eigyounissuu = 0;
  Money zeibikirieki;
  Money shotokuzei;
  Money pachinkozei;
  Money datuzeigaku;
  BlockMarks baishuuzumi{};
  BlockMarks baikyakuzumi{};
  BlockMarks koujizumi{};
  std::array<Tddai, kWarehouseRecords> dai{};  // records 1..1000 at indices 0..999
  std::array<Ttempo, kStoreSlots> tempo{};     // slots 1..50 at indices 0..49
  Tbackup backup;
  // Not saved: staff were hired this month (hiring is once a month; the month's reset clears it).
  bool koyouzumi = false;

  // Every change of cash goes through here; it tells the port so that the caption follows.
  void SetSikin(Money amount);
  // Pays when cash is strictly greater than the amount; a negative amount is refused.
  bool Shiharai(int64_t amount);
  bool Shiharai(Money amount);

  // Quality setters: clamp to 1..100.
  void SetKarisuma(int64_t v);
  void SetChisei(int64_t v);
  void SetTousotu(int64_t v);
  void SetKantei(int64_t v);

  // Slot n (1..50) and warehouse record n (1..1000).
  Ttempo& slot(int n) { return tempo[n - 1]; }
  const Ttempo& slot(int n) const { return tempo[n - 1]; }
  Tddai& record(int n) { return dai[n - 1]; }
  const Tddai& record(int n) const { return dai[n - 1]; }

  // Stores. Slot numbers are 1-based; 0 means none.
  StoreCounts TempoKazu() const;
  int AkiTempo() const;
  int TempoAt(int row, int column) const;  // 1 when no store stands there
  int StoreOn(int row, int column) const;  // 0 when no store stands there
  int64_t SoushisanKeisan(int month) const;
  ImageAverages ImageHeikin() const;
  StaffSummary StaffShuukei(int hours, int month) const;
  CompanySums StoreSums() const;
  MachineTally StoreMachineTally() const;
  MachineTally WarehouseMachineTally() const;

  // Warehouse. Record numbers are 1-based; 0 means none.
  int SoukoYouryou() const;
  int SoukoAki() const;
  int AkiDai();
  PurchasedRecords DaiKounyuu(const tdai& model, int count, int month, int32_t unitPriceYen);
  bool SoukoKaichikuKanou() const;
  int DaiKensuu(const tdai& model) const;

  // Sorting: slots and records in use first, in their earlier order.
  void TempoSort();
  void DaiSort();

  // The month's accounts (accounting.cpp): every store's business step before the customers
  // are shared out, the closing once they have played, and the month's history.
  void GetsumatsuMae(BlockGrid& blocks, int hours, int columns, int rows, uint16_t flags, int month,
                     int days);
  void Kessan(int hours, int month, uint16_t flags, int taxRate);
  // The company's part of the closing: the taxes on the stores' summed net profit and the
  // change of cash.
  void CloseAccounts(uint16_t flags, int taxRate);
  void Rireki(const BlockGrid& blocks, int month);

  // The clean-up that opens a new month (month_after.cpp).
  void GetsumatsuGo();

 private:
  tworld* world_;
};

}  // namespace gm
