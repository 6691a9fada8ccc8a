// The company manager ("ﾕﾆｵﾝﾏﾈｰｼﾞｬ", `Tkaishaform`) with its six pages: the status page
// ("ｽﾃｰﾀｽ": the president and his qualities, the capital, cash and assets, the stores by state,
// the staff against their need with their morale and skill, the warehouse, and the special
// manoeuvre's mark, with the manoeuvre's "変更(&K)"), the budget
// ("予算"), the store list ("店舗一覧") with its commands over the selected stores, the warehouse
// ("倉庫", ui/company_window_warehouse.h, which gives the warehouse's "改築(&K)" while the stores
// have outgrown it), all installed machines ("全設置台データ") and the statistics ("統計"). The
// window's pop-up menu repeats the manoeuvre as "特殊工作(&K)" and the commands of the page shown.
#pragma once

#include <QString>
#include <array>

#include "shell/sub_windows.h"
#include "ui/list_layout.h"

class QLabel;
class QMenu;
class QTabWidget;

namespace gm {

class BudgetPage;
class CompanyMachinesPage;
class CompanyStoreListPage;
class StatsPage;
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
    kStaffMen,
    kStaffWomen,
    kStaffTotal,
    kStaffNeed,
    kStaffShortage,
    kStaffMoral,
    kStaffSkill,
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
  void rebuildLists() override;

  QTabWidget* pages() const { return pages_; }
  CompanyStatusPage* statusPage() const { return status_; }
  BudgetPage* budgetPage() const { return budget_; }
  CompanyStoreListPage* storeListPage() const { return stores_; }
  WarehousePage* warehousePage() const { return warehouse_; }
  CompanyMachinesPage* machinesPage() const { return machines_; }
  StatsPage* statsPage() const { return stats_; }
  // The pop-up menu: the manoeuvre, then the commands of the page shown and the window's orders,
  // the warehouse and the calculator.
  QMenu* popupMenu() const { return popup_; }
  void fillPopupMenu();
  // "特殊工作(&K)" and "改築(&K)": the company's own orders.
  void switchManoeuvre();
  void rebuildWarehouse();
  // "廃棄(&D)" on the warehouse page's selection.
  void disposeSelected();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void openMachine(int record);
  void storeListCommand(int command);
  void openStore(int slot);

  // Writes the layout as the window goes, while its pages still stand.
  WindowLayout layout_;
  QTabWidget* pages_;
  CompanyStatusPage* status_;
  BudgetPage* budget_;
  CompanyStoreListPage* stores_;
  WarehousePage* warehouse_;
  CompanyMachinesPage* machines_;
  StatsPage* stats_;
  QMenu* popup_;
};

}  // namespace gm
