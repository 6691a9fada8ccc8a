// The store window's promotion page ("販促"): the promotions the store runs with what each costs
// a month, and "販促予算変更(&H)".
#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace gm {

class Ttempo;
class tworld;

class StorePromotionPage : public QWidget {
  Q_OBJECT

 public:
  explicit StorePromotionPage(QWidget* parent = nullptr);

  void showStore(const tworld& world, const Ttempo& store);
  void clear();

  QTableWidget* grid() const { return grid_; }
  QPushButton* changeButton() const { return change_; }

 signals:
  void changeRequested();

 private:
  QTableWidget* grid_;
  QPushButton* change_;
};

}  // namespace gm
