// The maker list.
#include "ui/maker_list_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/picture_book.h"
#include "store/maker.h"
#include "ui/column_fit.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

Tmakerichiran::Tmakerichiran(const tworld& world, const PictureBook* pictures, QWidget* parent)
    : QDialog(parent), world_(world), pictures_(pictures) {
  setWindowTitle(tr("メーカー一覧"));
  setObjectName(QStringLiteral("makerichiran"));

  list_ = new QTreeWidget(this);
  list_->setColumnCount(kColumnCount);
  list_->setHeaderLabels({tr("メーカー／台名"), tr("市場"), tr("取引"), tr("友好度"), tr("値引き"),
                          tr("機種"), tr("価格(千円)"), tr("在庫"), tr("販売期限")});
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->setMinimumSize(720, 360);

  auto* close = new QPushButton(tr("閉じる(&C)"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  refresh();
  widenToColumns(list_, list_, 720, 1300);
}

void Tmakerichiran::refresh() {
  list_->clear();
  const bool icons = pictures_ && world_.options().daiiconview;
  for (const Tmaker& m : world_.makers) {
    auto* row = new SortKeyItem(list_);
    row->setText(kColName, qs(m.name()));
    row->setData(kColName, Qt::UserRole, int{m.makerNo});
    row->setText(kColMarket, m.shijou ? tr("参入") : tr("未参入"));
    row->setText(kColTrading, m.torihiki ? tr("取引中") : tr("取引中止"));
    row->setText(kColFriendship, qs(friendshipText(m)));
    row->setText(kColDiscount, qs(discountText(m)));
    for (const tdai& d : m.models) {
      if (!d.onSale) continue;
      auto* model = new SortKeyItem(row);
      model->setText(kColName, qs(d.name.view()));
      model->setText(kColType, qs(machineTypeName(d.kishu)));
      if (icons)
        model->setIcon(kColType, QIcon(QPixmap::fromImage(pictures_->machineIcon(d.kishu))));
      model->setText(kColPrice, moneyText(int64_t{d.price}));
      model->setText(kColStock, moneyText(int64_t{d.zaiko}));
      model->setText(kColSaleEnd, dateText(d.saleEndMonth));
      for (int column : {kColPrice, kColStock})
        model->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    row->setExpanded(m.shijou);
  }
}

QTreeWidgetItem* Tmakerichiran::makerRow(int maker) const {
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->data(kColName, Qt::UserRole).toInt() == maker)
      return list_->topLevelItem(i);
  return nullptr;
}

}  // namespace gm
