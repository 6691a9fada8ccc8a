// The machine window (`Tddaidata`, "台データ"): one machine record in full, from the warehouse or
// from a store's floor. It follows the island it was opened on when the warehouse is sorted or the
// store's slot moves, and shows nothing once the island has gone.
#pragma once

#include <QString>
#include <array>

#include "shell/sub_windows.h"
#include "store/machine.h"
#include "ui/store_window_status.h"

class QLabel;

namespace gm {

// The texts of one machine record, by row of the window.
struct MachineFacts {
  enum Row {
    kName,
    kType,
    kMaker,
    kPlace,
    kUnitPrice,
    kBought,
    kValidUntil,
    kProduction,
    kRatingsMark,
    kGambling,
    kPlay,
    kRefinement,
    kNovelty,
    kIllegal,
    kModelMachine,
    kForm,
    kMorning,
    kProfitRate,
    kHours,
    kDays,
    kCustomers,
    kPerCustomer,
    kRealisedRate,
    kAttendance,
    kMen,
    kWomen,
    kSales,
    kGrossProfit,
    kRowCount
  };
  std::array<QString, kRowCount> text;
};
// `place` is how the window names where the island stands.
MachineFacts machineFacts(const Tddai& d, int month, const QString& place);

class MachineWindow : public Tddaidata {
  Q_OBJECT

 public:
  explicit MachineWindow(TMain& main);

  // Opens the window on warehouse record 1..1000, or on a store's island (slot 1..50, floor
  // 0..4, island 0..9).
  void showWarehouseRecord(int record);
  void showStoreIsland(int slot, int floor, int island);

  void refresh() override;
  bool objectStillExists() const override;
  void worldReplaced() override;

  QLabel* row(MachineFacts::Row r) const { return values_[r]; }

 private:
  // Where the island stands now, found again from what the window last saw of it.
  const Tddai* locate() const;

  enum class Where { None, Warehouse, Store } where_ = Where::None;
  mutable int record_ = 0;
  StoreIdentity store_;
  mutable int floor_ = 0;
  mutable int island_ = 0;
  Tddai seen_;
  std::array<QLabel*, MachineFacts::kRowCount> values_{};
};

}  // namespace gm
