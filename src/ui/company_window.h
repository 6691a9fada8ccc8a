// The company manager ("ﾕﾆｵﾝﾏﾈｰｼﾞｬ", `Tkaishaform`) with its status page ("ｽﾃｰﾀｽ"): the
// president and his qualities, the capital, cash and assets, the stores by state, the warehouse,
// and the special manoeuvre's mark, with the manoeuvre's "変更(&K)"; and its warehouse page
// ("倉庫", ui/company_window_warehouse.h), which gives the warehouse's "改築(&K)" while the stores
// have outgrown it. The window's pop-up menu repeats the manoeuvre as "特殊工作(&K)".
#pragma once

#include <QString>
#include <array>

#include "shell/sub_windows.h"

class QLabel;
class QMenu;
class QTabWidget;

namespace gm {

class WarehousePage;
class tworld;

// The mark the status page and the results report show while the manoeuvre is on.
QString manoeuvreMark(const tworld& world);

class CompanyStatusPage : public QWidget {
  Q_OBJECT

 public:
  enum Field {
    kOwner,
    kCompany,
    kCapital,
    kCash,
    kAssets,
    kCharm,
    kIntelligence,
    kLeadership,
    kAppraisal,
    kStoreLimit,
    kStoresInUse,
    kStoresOpen,
    kStoresWaiting,
    kStoresBuilding,
    kStoresSuspended,
    kWarehouse,
    kWarehouseFree,
    kManoeuvre,
  };
  static constexpr int kFieldCount = kManoeuvre + 1;

  explicit CompanyStatusPage(QWidget* parent = nullptr);

  void showCompany(const tworld& world);
  QString text(Field f) const;
  QPushButton* manoeuvreButton() const { return manoeuvre_; }

 private:
  std::array<QLabel*, kFieldCount> values_{};
  QPushButton* manoeuvre_;
};

class CompanyWindow : public Tkaishaform {
  Q_OBJECT

 public:
  explicit CompanyWindow(TMain& main);

  void refresh() override;

  QTabWidget* pages() const { return pages_; }
  CompanyStatusPage* statusPage() const { return status_; }
  WarehousePage* warehousePage() const { return warehouse_; }
  QMenu* popupMenu() const { return popup_; }
  // "特殊工作(&K)" and "改築(&K)": the company's own orders.
  void switchManoeuvre();
  void rebuildWarehouse();
  // "廃棄(&D)" on the warehouse page's selection.
  void disposeSelected();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void openMachine(int record);

  QTabWidget* pages_;
  CompanyStatusPage* status_;
  WarehousePage* warehouse_;
  QMenu* popup_;
};

}  // namespace gm
