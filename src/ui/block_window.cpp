// The block window: the selected block's figures and its two land orders.
#include "ui/block_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/money.h"
#include "company/negotiation.h"
#include "shell/main_window.h"
#include "shell/map_rules.h"
#include "shell/picture_book.h"
#include "shell/qt_text.h"
#include "ui/construction_dialog.h"
#include "world/land_orders.h"
#include "world/world.h"

namespace gm {

namespace {

QString grouped(int64_t v) { return QString::fromStdString(formatGrouped(v)); }

// Rows of the window: the field of BlockFacts each shows, and its caption.
struct Row {
  const char* field;
  const char* caption;
  QString BlockFacts::*value;
};
const Row kRows[] = {
    {"kindName", QT_TRANSLATE_NOOP("gm::BlockWindow", "区画の種類"), &BlockFacts::kindName},
    {"owner", QT_TRANSLATE_NOOP("gm::BlockWindow", "区画の所有者"), &BlockFacts::owner},
    {"population", QT_TRANSLATE_NOOP("gm::BlockWindow", "区画の人口"), &BlockFacts::population},
    {"density", QT_TRANSLATE_NOOP("gm::BlockWindow", "人口の密集度"), &BlockFacts::density},
    {"fanRate", QT_TRANSLATE_NOOP("gm::BlockWindow", "ﾊﾟﾁﾝｺﾌｧﾝの割合"), &BlockFacts::fanRate},
    {"fans", QT_TRANSLATE_NOOP("gm::BlockWindow", "ﾊﾟﾁﾝｺﾌｧﾝの人口"), &BlockFacts::fans},
    {"landPrice", QT_TRANSLATE_NOOP("gm::BlockWindow", "区画の地価(千円)"), &BlockFacts::landPrice},
    {"security", QT_TRANSLATE_NOOP("gm::BlockWindow", "治安の良さ"), &BlockFacts::security},
    {"unrest", QT_TRANSLATE_NOOP("gm::BlockWindow", "区画の市民感情"), &BlockFacts::unrest},
    {"development", QT_TRANSLATE_NOOP("gm::BlockWindow", "開発レベル"), &BlockFacts::development},
};

// Only housing, shopping and office districts grow through levels.
bool hasLevels(int kind) { return kind == 21 || kind == 24 || kind == 25; }

}  // namespace

BlockFacts blockFacts(const tworld& world, int column, int row) {
  BlockFacts f;
  if (!world.onMap(row, column)) return f;
  const Tchip& b = world.block(row, column);
  f.kindName = qs(b.KindName());
  f.owner = qs(b.OwnerLabel(world.cityName.view(), world.kaichou.ownername.view()));
  f.population = BlockWindow::tr("%1人").arg(grouped(b.population));
  f.density = QString::number(b.Occupancy()) + QStringLiteral("%");
  f.fanRate = QString::number(b.fanRate) + QStringLiteral("%");
  f.fans = BlockWindow::tr("%1人").arg(grouped(b.FanCount()));
  f.landPrice = grouped(b.landPrice);
  f.security = QString::number(b.security);
  f.unrest = QString::number(b.unrest);
  f.development = hasLevels(b.kind) ? QString::number(b.DevelopmentLevel()) : QStringLiteral("--");
  return f;
}

BlockWindow::BlockWindow(TMain& main) : Tchipform(main) {
  for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) label->hide();

  picture_ = new QLabel(this);
  picture_->setFixedSize(PictureBook::kBlockSize, PictureBook::kBlockSize);
  auto* form = new QFormLayout;
  for (const Row& r : kRows) {
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(r.field));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr(r.caption), value);
  }
  auto* top = new QHBoxLayout;
  top->addWidget(picture_, 0, Qt::AlignTop);
  top->addLayout(form, 1);

  buy_ = new QPushButton(tr("買収"), this);
  sell_ = new QPushButton(tr("売却"), this);
  construct_ = new QPushButton(tr("工事"), this);
  construct_->setObjectName(QStringLiteral("koujibtn"));
  for (QPushButton* b : {buy_, sell_, construct_}) b->setAutoDefault(false);
  auto* orders = new QHBoxLayout;
  orders->addStretch(1);
  orders->addWidget(buy_);
  orders->addWidget(sell_);
  orders->addWidget(construct_);

  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addLayout(top);
  layout->addLayout(orders);

  connect(buy_, &QPushButton::clicked, this, &BlockWindow::buy);
  connect(sell_, &QPushButton::clicked, this, &BlockWindow::sell);
  connect(construct_, &QPushButton::clicked, this, &BlockWindow::construct);
}

QLabel* BlockWindow::figure(const QString& field) const {
  return findChild<QLabel*>(field, Qt::FindDirectChildrenOnly);
}

void BlockWindow::refresh() {
  const tworld& w = world();
  const BlockFacts facts = blockFacts(w, column(), row());
  for (const Row& r : kRows) figure(QString::fromLatin1(r.field))->setText(facts.*(r.value));
  if (w.onMap(row(), column())) {
    CellPicture pic = cellPicture(w, column(), row(), HighlightSet());
    pic.dimmed = false;
    picture_->setPixmap(QPixmap::fromImage(mainWindow().pictures().cell(pic)));
  } else {
    picture_->clear();
  }
}

void BlockWindow::buy() {
  tworld& w = world();
  if (!w.onMap(row(), column())) return;
  BuyLand(w, row(), column());
  refresh();
}

void BlockWindow::construct() {
  tworld& w = world();
  if (!w.onMap(row(), column())) return;
  if (runConstruction(this, w, row(), column())) {
    // A new, rebuilt or withdrawn store changes what the store window shows.
    if (Ttempoform* store = mainWindow().subWindows().tempoform; store && store->isVisible())
      store->refresh();
  }
  refresh();
}

void BlockWindow::sell() {
  tworld& w = world();
  if (!w.onMap(row(), column())) return;
  SellLand(w, row(), column());
  refresh();
}

}  // namespace gm
