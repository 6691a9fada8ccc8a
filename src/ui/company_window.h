// The company manager ("ﾕﾆｵﾝﾏﾈｰｼﾞｬ", `Tkaishaform`): the company's name and cash over its pages,
// and below them the orders every window with orders has.
#pragma once

#include "shell/sub_windows.h"

class QTabWidget;

namespace gm {

class WarehousePage;

class CompanyWindow : public Tkaishaform {
  Q_OBJECT

 public:
  explicit CompanyWindow(TMain& main);

  void refresh() override;

  QTabWidget* pages() const { return pages_; }
  WarehousePage* warehousePage() const { return warehouse_; }

  // "廃棄(&D)" on the warehouse page's selection.
  void disposeSelected();

 private:
  void openMachine(int record);

  QTabWidget* pages_;
  WarehousePage* warehouse_;
};

}  // namespace gm
