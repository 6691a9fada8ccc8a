// The warehouse "倉庫" (`Tstockform`): the machine records in stock (`dailist`: model, type,
// maker, month of purchase, the month until which it may still be installed, unit price, the
// illegality mark), the stock by type (ｽﾄｯｸされている台の内訳) and the room left. It only looks;
// the records are installed, replaced and disposed of through the orders that do so.
#pragma once

#include <QDialog>

#include "ui/list_layout.h"

class QLabel;
class QPushButton;

namespace gm {

class FigureGrid;
class PictureBook;
class SortKeyItem;
class Tddai;
class tworld;

// One machine record as a row of a machine list; the row's key is `record`. With `pictures`
// the row carries its type's icon.
void fillMachineRow(SortKeyItem* row, const Tddai& d, int record, const PictureBook* pictures);
// The columns of `fillMachineRow`.
QStringList machineRowHeaders();

class Tstockform : public QDialog {
  Q_OBJECT

 public:
  // `pictures` is null for a list without icons (the option `daiiconview` off).
  Tstockform(const tworld& world, const PictureBook* pictures, QWidget* parent = nullptr);

  ListPanel* dailist() const { return list_; }
  FigureGrid* stockGrid() const { return grid_; }
  QLabel* roomLabel() const { return room_; }

 private:
  WindowLayout layout_;
  ListPanel* list_;
  FigureGrid* grid_;
  QLabel* room_;
};

}  // namespace gm
