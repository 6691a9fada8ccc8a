// The store window's equipment page ("設備"): the general and the special equipment the store
// has, what it could still be fitted with at what price, and "設備投資" for each kind.
#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

namespace gm {

class Ttempo;
class tworld;

class StoreEquipmentPage : public QWidget {
  Q_OBJECT

 public:
  explicit StoreEquipmentPage(QWidget* parent = nullptr);

  void showStore(const tworld& world, const Ttempo& store);
  void clear();

  // Kind 0 general, 1 special.
  QListWidget* installedList(int kind) const { return installed_[kind]; }
  QListWidget* offeredList(int kind) const { return offered_[kind]; }
  QPushButton* investButton(int kind) const { return invest_[kind]; }
  // The item chosen in a kind's offered list, -1 for none.
  int chosenItem(int kind) const;

 signals:
  // "設備投資" was pressed with an item chosen.
  void investRequested(int item);

 private:
  QListWidget* installed_[2];
  QListWidget* offered_[2];
  QPushButton* invest_[2];
};

}  // namespace gm
