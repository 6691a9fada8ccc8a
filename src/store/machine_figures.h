// The machine tables of the store and company screens, by machine type and by kind: what stands
// on the floors (islands, machines, business forms, morning service), the takings and profit of
// each type, and the average results of an island of each type. They are sums over islands, so
// a company's table is its stores' tables added together and then finished.
#pragma once

#include <array>

#include "base/money.h"
#include "store/machine.h"
#include "store/store.h"

namespace gm {

// One row of the tables: a machine type 0..9, or a kind (pachinko, slot, all).
struct MachineRow {
  int islands = 0;
  int machines = 0;            // ten an island
  std::array<int, 4> forms{};  // machines in each business form 0..3
  int morning = 0;             // morning-service machines (slot islands only)
  Money sales;                 // last month
  Money grossProfit;           // at the realised profit rates
  Money expectedGrossProfit;   // at the profit rates the player set
  Money profitRate;            // grossProfit / sales x 100, four decimals
  Money expectedProfitRate;    // expectedGrossProfit / sales x 100
  // Averages over the islands of the row (0 without islands), rounded half to even.
  Money averageRiritu;        // the set profit rate
  Money averageRealisedRate;  // the profit rate the island kept last month
  Money averageSalesPerMachineDay;
  Money averageGrossProfitPerMachineDay;
  Money averageSpendPerCustomer;  // 客単価
  int averageAttendance = 0;      // whole per cent, truncated

  // Sums kept until `finish` makes the rates and averages of them.
  Money sumRiritu, sumRealisedRate, sumSalesPerMachineDay, sumGrossPerMachineDay, sumSpend;
  int64_t sumAttendance = 0;
};

struct MachineTable {
  std::array<MachineRow, kMachineTypeCount> types{};
  ByKind<MachineRow> kinds{};

  // Adds one island (a record in use) to its type and kind rows and to the total.
  void add(const Tddai& island);
  // Adds every island the store plays (floors 0..kibo).
  void addStore(const Ttempo& store);
  // Works out the rates and averages from the sums; call once, after the last add.
  void finish();
};

MachineTable machineTable(const Ttempo& store);

}  // namespace gm
