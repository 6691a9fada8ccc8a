// The replacement plan dialog (`Tirekaeform`, "入替計画") of one store: the warehouse's islands on
// one side, a floor's islands on the other, "設置" and "撤去" between them, undo last first, the
// price of the plan so far, and its side list (`Tirekaesub`, "作業計画書"), whose visibility the
// option `subvisible` keeps.
#pragma once

#include <QDialog>
#include <memory>

#include "company/replacement_plan.h"
#include "ui/list_layout.h"
#include "ui/order_dialog.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace gm {

class ListPanel;
class PictureBook;

struct Options;

class Tirekaesub : public QDialog {
  Q_OBJECT

 public:
  explicit Tirekaesub(QWidget* parent);
  void showPlan(const ReplacementPlan& plan);
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

class Tirekaeform : public OrderDialog {
  Q_OBJECT

 public:
  // With `pictures` the machines carry their type's icon (the option `daiiconview`).
  Tirekaeform(tworld& world, Options& options, int slot, QWidget* parent = nullptr,
              const PictureBook* pictures = nullptr);
  ~Tirekaeform() override;

  const ReplacementPlan& plan() const { return *plan_; }
  QTreeWidget* warehouseList() const { return stock_; }
  QTreeWidget* floorList() const { return floorList_; }
  QComboBox* floorChoice() const { return floor_; }
  QPushButton* installButton() const { return install_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* undoButton() const { return undo_; }
  QPushButton* sheetButton() const { return sheetButton_; }
  QLabel* costLabel() const { return cost_; }
  Tirekaesub* sheet() const { return sheet_; }

  void install();
  void remove();
  void undo();
  void toggleSheet();

 protected:
  OrderOutcome runOrder() override;
  void showEvent(QShowEvent* event) override;

 private:
  void fill();
  void showSheet();

  Options& options_;
  const PictureBook* pictures_;
  // Writes the two lists' layouts as the dialog goes, while the lists still stand.
  WindowLayout layout_;
  std::unique_ptr<ReplacementPlan> plan_;
  ListPanel* stockPanel_;
  ListPanel* floorPanel_;
  QTreeWidget* stock_;
  QTreeWidget* floorList_;
  QComboBox* floor_;
  QPushButton* install_;
  QPushButton* remove_;
  QPushButton* undo_;
  QPushButton* sheetButton_;
  QLabel* cost_;
  Tirekaesub* sheet_;
};

// Opens the replacement plan of the store in slot 1..50; answers whether it was carried out.
bool runReplacement(QWidget* parent, tworld& world, Options& options, int slot,
                    const PictureBook* pictures = nullptr);

}  // namespace gm
