// The company manager ("ﾕﾆｵﾝﾏﾈｰｼﾞｬ", `Tkaishaform`) with its status page ("ｽﾃｰﾀｽ"): the
// president and his qualities, the capital, cash and assets, the stores by state, the warehouse,
// and the special manoeuvre's mark. The page gives the manoeuvre's "変更(&K)" and, while the
// stores have outgrown the warehouse, its "改築(&K)"; the window's pop-up menu repeats the
// manoeuvre as "特殊工作(&K)".
#pragma once

#include <QString>
#include <array>

#include "shell/sub_windows.h"

class QLabel;
class QMenu;
class QTabWidget;

namespace gm {

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
  QPushButton* rebuildButton() const { return rebuild_; }

 private:
  std::array<QLabel*, kFieldCount> values_{};
  QPushButton* manoeuvre_;
  QPushButton* rebuild_;
};

class CompanyWindow : public Tkaishaform {
  Q_OBJECT

 public:
  explicit CompanyWindow(TMain& main);

  void refresh() override;

  CompanyStatusPage* statusPage() const { return status_; }
  QMenu* popupMenu() const { return popup_; }
  // "特殊工作(&K)" and "改築(&K)": the company's own orders.
  void switchManoeuvre();
  void rebuildWarehouse();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QTabWidget* pages_;
  CompanyStatusPage* status_;
  QMenu* popup_;
};

}  // namespace gm
