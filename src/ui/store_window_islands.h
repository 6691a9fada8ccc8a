// The store window's island page ("個別調整"): the island list `dailist` of one floor or of every
// floor (several islands may be selected; a double click opens the machine window; a click on a
// heading sorts), the up and down buttons of the selected islands' profit rate, business form and
// morning service, and "全選択(&A)", "項目(&V)", "台データ(&T)", "更新(&D)", "入替(&I)" and
// "切替(&C)".
#pragma once

#include <QWidget>
#include <vector>

#include "base/money.h"
#include "store/island_settings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace gm {

class ListPanel;
class PictureBook;
class Ttempo;
class tworld;

class StoreIslandsPage : public QWidget {
  Q_OBJECT

 public:
  enum Column {
    kColPlace,
    kColName,
    kColType,
    kColRate,
    kColForm,
    kColMorning,
    kColCustomers,
    kColAttendance,
    kColSales,
    kColBought,
    kColValidUntil,
    kColumnCount
  };
  enum Button {
    kRateUp,
    kRateDown,
    kFormUp,
    kFormDown,
    kMorningUp,
    kMorningDown,
    kSelectAll,
    kMachineData,
    kRefresh,
    kReplace,
    kSwitchFloor,
    kColumns,
    kButtonCount
  };

  explicit StoreIslandsPage(QWidget* parent = nullptr);

  // Fills the list, keeping the selection of the islands that are still there; with `pictures`
  // each island carries its machine type's icon (the option `daiiconview`).
  void showStore(const tworld& world, const Ttempo& store, const PictureBook* pictures = nullptr);
  void clear();

  QTreeWidget* dailist() const { return list_; }
  ListPanel* dailistPanel() const { return panel_; }
  QPushButton* button(Button b) const { return buttons_[b]; }
  QComboBox* stepChoice() const { return step_; }
  QLabel* floorLabel() const { return floorLabel_; }
  // 0 every floor, 1..5 that floor.
  int shownFloor() const { return floor_; }
  // The step of the profit-rate buttons: 10, 1 or 0.1 per cent.
  Money rateStep() const;
  std::vector<IslandPosition> selectedIslands() const;
  void selectIslands(const std::vector<IslandPosition>& islands);

 signals:
  void rateStepped(Money step);
  void formStepped(int step);
  void morningStepped(int step);
  void machineRequested(int floor, int island);
  void replacementRequested();
  void refreshRequested();

 private:
  void switchFloor();

  ListPanel* panel_;
  QTreeWidget* list_;
  QComboBox* step_;
  QLabel* floorLabel_;
  QPushButton* buttons_[kButtonCount];
  int floor_ = 0;
  int floors_ = 1;
};

}  // namespace gm
