// The company manager's warehouse page ("倉庫"): the machine records in stock (`dailist`, several
// may be selected, a double click opens the machine window), the stocked machines by type
// ("ｽﾄｯｸされている台の内訳"), the warehouse's size and room, and "台データ(&T)", "全選択(&A)",
// "項目(&V)", "改築(&K)" (shown only while the warehouse rebuild is offered) and "廃棄(&D)".
#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace gm {

class ListPanel;
class PictureBook;
class tworld;

class WarehousePage : public QWidget {
  Q_OBJECT

 public:
  enum Column {
    kColNumber,
    kColName,
    kColType,
    kColMaker,
    kColBought,
    kColValidUntil,
    kColUnitPrice,
    kColIllegal,
    kColModel,
    kColumnCount
  };

  explicit WarehousePage(QWidget* parent = nullptr);

  // With `pictures` each row carries its machine type's icon (the option `daiiconview`).
  void showWarehouse(const tworld& world, const PictureBook* pictures = nullptr);

  QTreeWidget* dailist() const { return list_; }
  ListPanel* dailistPanel() const { return panel_; }
  QTableWidget* stockGrid() const { return grid_; }
  QLabel* roomLabel() const { return room_; }
  QPushButton* machineButton() const { return machine_; }
  QPushButton* selectAllButton() const { return selectAll_; }
  QPushButton* columnsButton() const { return columns_; }
  QPushButton* disposeButton() const { return dispose_; }
  QPushButton* rebuildButton() const { return rebuild_; }
  // The selected records, 1..1000, in the order the list shows them.
  std::vector<int> selectedRecords() const;

 signals:
  void machineRequested(int record);
  void disposalRequested();
  void rebuildRequested();

 private:
  ListPanel* panel_;
  QTreeWidget* list_;
  QTableWidget* grid_;
  QLabel* room_;
  QPushButton* machine_;
  QPushButton* selectAll_;
  QPushButton* columns_;
  QPushButton* dispose_;
  QPushButton* rebuild_;
};

}  // namespace gm
