// The store window ("店舗データ", `Ttempoform`) with its pages; it follows its store by name and
// block, so it keeps showing the same store after the company's slots have moved.
#pragma once

#include "shell/sub_windows.h"
#include "ui/store_window_status.h"

class QTabWidget;

namespace gm {

class StoreWindow : public Ttempoform {
  Q_OBJECT

 public:
  explicit StoreWindow(TMain& main);

  void showStore(int slot) override;
  void refresh() override;
  bool objectStillExists() const override;
  void worldReplaced() override;

  // The slot 1..50 of the store shown, 0 when it is gone.
  int shownSlot() const;
  StoreStatusPage* statusPage() const { return status_; }

 private:
  StoreIdentity shown_;
  bool hasStore_ = false;
  QTabWidget* pages_;
  StoreStatusPage* status_;
};

}  // namespace gm
