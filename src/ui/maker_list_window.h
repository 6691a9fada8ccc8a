// The maker list ("メーカー一覧", `Tmakerichiran`): every maker, whether it is in the market and
// trades with the company, the company's standing with it, and the models it has on sale.
#pragma once

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace gm {

class PictureBook;
class tworld;

class Tmakerichiran : public QDialog {
  Q_OBJECT

 public:
  enum Column {
    kColName,     // maker, or model under its maker
    kColMarket,   // in the market
    kColTrading,  // trading state
    kColFriendship,
    kColDiscount,
    kColType,
    kColPrice,
    kColStock,
    kColSaleEnd,
    kColumnCount
  };

  // `pictures` may be null: the list then goes without icons.
  Tmakerichiran(const tworld& world, const PictureBook* pictures, QWidget* parent = nullptr);

  // Shows the current figures again.
  void refresh();

  QTreeWidget* list() const { return list_; }
  // The row of maker 0..10.
  QTreeWidgetItem* makerRow(int maker) const;

 private:
  const tworld& world_;
  const PictureBook* pictures_;
  QTreeWidget* list_;
};

}  // namespace gm
