// The equipment page.
#include "ui/store_window_equipment.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/equipment_order.h"
#include "store/store.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {
constexpr int kItemRole = Qt::UserRole + 4;
}

StoreEquipmentPage::StoreEquipmentPage(QWidget* parent) : QWidget(parent) {
  const QString titles[2] = {tr("一般設備"), tr("特殊設備")};
  auto* layout = new QHBoxLayout(this);
  for (int kind = 0; kind < 2; ++kind) {
    auto* box = new QGroupBox(titles[kind], this);
    auto* grid = new QGridLayout(box);
    installed_[kind] = new QListWidget(box);
    offered_[kind] = new QListWidget(box);
    invest_[kind] = new QPushButton(tr("設備投資"), box);
    invest_[kind]->setAutoDefault(false);
    invest_[kind]->setEnabled(false);
    grid->addWidget(new QLabel(tr("導入済み"), box), 0, 0);
    grid->addWidget(installed_[kind], 1, 0);
    grid->addWidget(new QLabel(tr("導入可能（費用 千円）"), box), 2, 0);
    grid->addWidget(offered_[kind], 3, 0);
    grid->addWidget(invest_[kind], 4, 0, Qt::AlignRight);
    layout->addWidget(box);
    // The button follows the selection, not the current row: a mouse press makes the row
    // current before it selects it, so the current row alone would leave the button grey.
    connect(offered_[kind], &QListWidget::itemSelectionChanged, this,
            [this, kind] { invest_[kind]->setEnabled(chosenItem(kind) >= 0); });
    connect(invest_[kind], &QPushButton::clicked, this, [this, kind] {
      if (const int item = chosenItem(kind); item >= 0) emit investRequested(item);
    });
    connect(offered_[kind], &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit investRequested(item->data(kItemRole).toInt()); });
  }
}

int StoreEquipmentPage::chosenItem(int kind) const {
  const QListWidgetItem* item = offered_[kind]->currentItem();
  return item && item->isSelected() ? item->data(kItemRole).toInt() : -1;
}

void StoreEquipmentPage::clear() {
  for (int kind = 0; kind < 2; ++kind) {
    installed_[kind]->clear();
    offered_[kind]->clear();
    invest_[kind]->setEnabled(false);
  }
}

void StoreEquipmentPage::showStore(const tworld& world, const Ttempo& s) {
  clear();
  for (int n = 0; n < kEquipmentCount; ++n) {
    const EquipmentInfo& e = equipmentInfo(n);
    const int kind = e.special ? 1 : 0;
    QString name = qs(equipmentName(n));
    if (e.special) name += tr("  (%1階・%2台分)").arg(e.floor).arg(e.space);
    if (s.hasEquipment(n)) {
      installed_[kind]->addItem(name);
    } else if (equipmentOffered(s, n)) {
      auto* item = new QListWidgetItem(
          name + QStringLiteral("    ") + moneyText(EquipmentPrice(world, s, n)), offered_[kind]);
      item->setData(kItemRole, n);
    }
  }
}

}  // namespace gm
