// The maker visit: lists, the maker's standing and the appraisal dialogue.
#include "ui/maker_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "base/options.h"
#include "shell/main_window.h"
#include "shell/picture_book.h"
#include "shell/typing_box.h"
#include "store/catalogue.h"
#include "store/maker.h"
#include "ui/column_fit.h"
#include "ui/maker_list_window.h"
#include "ui/purchase_dialog.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kSlotRole = Qt::UserRole + 2;

constexpr std::array<Tmakerform::Column, 4> kRatingColumns = {
    Tmakerform::kColGambling, Tmakerform::kColPlay, Tmakerform::kColRefinement,
    Tmakerform::kColNovelty};

}  // namespace

Tmakerform::Tmakerform(tworld& world, Options& options, const PictureBook* pictures,
                       QWidget* parent)
    : QDialog(parent), world_(world), options_(options), pictures_(pictures) {
  setWindowTitle(tr("新台購入"));
  setObjectName(QStringLiteral("makerform"));

  makers_ = new QListWidget(this);
  makers_->setMaximumWidth(160);
  friendship_ = new QLabel(this);
  discount_ = new QLabel(this);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(tr("メーカー"), this));
  left->addWidget(makers_, 1);
  left->addWidget(friendship_);
  left->addWidget(discount_);
  makerList_ = new QPushButton(tr("メーカー一覧(&L)"), this);
  left->addWidget(makerList_);

  models_ = new QTreeWidget(this);
  models_->setColumnCount(kColumnCount);
  models_->setHeaderLabels({tr("台名"), tr("機種"), tr("価格(千円)"), tr("生産台数"), tr("在庫"),
                            tr("販売期限"), tr("射幸性"), tr("ベース"), tr("洗練度"),
                            tr("斬新さ")});
  models_->setRootIsDecorated(false);
  models_->setSortingEnabled(true);
  models_->sortByColumn(-1, Qt::AscendingOrder);  // slot order until the player sorts
  models_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  models_->setMinimumWidth(640);

  talk_ = new TypingBox(this);
  skip_ = new QCheckBox(tr("鑑定ｽｷｯﾌﾟ(&S)"), this);
  skip_->setChecked(options_.kanteiskip);
  skip_->setToolTip(tr("未鑑定の台の評価を、鑑定の会話を省いてすぐに表示します"));
  // The talk waits for the player after every line; the button says so to a player who would
  // not think of clicking on the words.
  next_ = new QPushButton(tr("次へ(&N) ▼"), this);
  next_->setObjectName(QStringLiteral("nextbtn"));
  next_->setToolTip(tr("鑑定の会話を先へ進めます（会話をクリックしても進みます）"));
  next_->setAutoDefault(false);
  next_->hide();

  buy_ = new QPushButton(tr("購入(&B)"), this);
  buy_->setEnabled(false);
  buy_->setToolTip(tr("選んだ台を購入します"));
  close_ = new QPushButton(tr("閉じる(&C)"), this);
  for (QPushButton* b : {makerList_, buy_, close_}) b->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(skip_);
  buttons->addStretch(1);
  buttons->addWidget(next_);
  buttons->addWidget(buy_);
  buttons->addWidget(close_);

  auto* right = new QVBoxLayout;
  right->addWidget(models_, 1);
  right->addWidget(talk_);
  right->addLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);

  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  connect(makerList_, &QPushButton::clicked, this, &Tmakerform::showMakerList);
  connect(skip_, &QCheckBox::toggled, this, [this](bool on) { options_.kanteiskip = on; });
  connect(makers_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    chooseMaker(makers_->item(row)->data(kSlotRole).toInt());
  });
  connect(models_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    modelClicked(item->data(kColName, kSlotRole).toInt());
  });
  connect(talk_, &TypingBox::advanced, this, &Tmakerform::nextLine);
  connect(next_, &QPushButton::clicked, talk_, &TypingBox::advance);
  connect(models_, &QTreeWidget::currentItemChanged, this, [this] { updateBuyButton(); });
  connect(buy_, &QPushButton::clicked, this, &Tmakerform::buySelected);

  fillMakers();
  // Room for every column of the first maker's models, whatever language the headings speak.
  widenToColumns(models_, models_, 640, 1100);
}

Tmakerform::~Tmakerform() = default;

void Tmakerform::fillMakers() {
  makers_->clear();
  maker_ = -1;
  for (const Tmaker& m : world_.makers) {
    if (!m.shijou) continue;
    auto* item = new QListWidgetItem(qs(m.name()), makers_);
    item->setData(kSlotRole, int{m.makerNo});
  }
  if (makers_->count() > 0)
    makers_->setCurrentRow(0);  // chooses it
  else
    fillModels();
}

void Tmakerform::chooseMaker(int maker) {
  if (appraising() || maker < 0 || maker >= kMakerCount) return;
  maker_ = maker;
  for (int row = 0; row < makers_->count(); ++row)
    if (makers_->item(row)->data(kSlotRole).toInt() == maker && makers_->currentRow() != row) {
      const QSignalBlocker quiet(makers_);
      makers_->setCurrentRow(row);
    }
  fillModels();
}

void Tmakerform::fillModels() {
  models_->clear();
  talk_->reset();
  if (maker_ < 0) {
    friendship_->clear();
    discount_->clear();
    return;
  }
  const Tmaker& m = world_.makers[maker_];
  friendship_->setText(qs(friendshipText(m)));
  discount_->setText(qs(discountText(m)));
  for (int slot = 0; slot < static_cast<int>(m.models.size()); ++slot) {
    if (!m.models[slot].onSale) continue;
    auto* row = new SortKeyItem(models_);
    row->setData(kColName, kSlotRole, slot);
    fillModelRow(row, slot);
  }
  updateBuyButton();
}

void Tmakerform::fillModelRow(QTreeWidgetItem* item, int slot) {
  auto* row = static_cast<SortKeyItem*>(item);
  const tdai& d = world_.makers[maker_].models[slot];
  row->setText(kColName, qs(d.name.view()));
  row->setText(kColType, qs(machineTypeName(d.kishu)));
  row->setSortKey(kColType, d.kishu);
  if (pictures_ && world_.options().daiiconview)
    row->setIcon(kColType, QIcon(QPixmap::fromImage(pictures_->machineIcon(d.kishu))));
  row->setText(kColPrice, moneyText(int64_t{d.price}));
  row->setSortKey(kColPrice, d.price);
  row->setText(kColProduction, newModelRunLine(d.shukka).limited
                                   ? tr("%1台限定").arg(moneyText(int64_t{d.shukka}))
                                   : moneyText(int64_t{d.shukka}));
  row->setSortKey(kColProduction, d.shukka);
  row->setText(kColStock, moneyText(int64_t{d.zaiko}));
  row->setSortKey(kColStock, d.zaiko);
  row->setText(kColSaleEnd, dateText(d.saleEndMonth));
  row->setSortKey(kColSaleEnd, d.saleEndMonth);
  for (int r = 0; r < 4; ++r) {
    const int column = kRatingColumns[r];
    row->setText(column, d.unappraised ? tr("？") : QString::number(d.nominal[r]));
    row->setSortKey(column, listedRating(d, r));
    row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  for (int column : {kColPrice, kColProduction, kColStock})
    row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

int Tmakerform::selectedSlot() const {
  const QTreeWidgetItem* item = models_->currentItem();
  return item ? item->data(kColName, kSlotRole).toInt() : -1;
}

void Tmakerform::updateBuyButton() {
  // Only a model on sale of a maker who still trades with the company can be bought.
  const bool trading = maker_ >= 0 && world_.makers[maker_].torihiki;
  buy_->setEnabled(!appraising() && trading && selectedSlot() >= 0);
}

void Tmakerform::buySelected() {
  const int slot = selectedSlot();
  if (appraising() || maker_ < 0 || slot < 0) return;
  Tdaibuyform dialog(world_, maker_, slot, this);
  dialog.exec();
  fillModels();  // the stock, a sell-out and the friendship have changed
  if (QTreeWidgetItem* row = modelRow(slot)) models_->setCurrentItem(row);
}

QTreeWidgetItem* Tmakerform::modelRow(int slot) const {
  for (int i = 0; i < models_->topLevelItemCount(); ++i)
    if (models_->topLevelItem(i)->data(kColName, kSlotRole).toInt() == slot)
      return models_->topLevelItem(i);
  return nullptr;
}

void Tmakerform::modelClicked(int slot) {
  if (appraising() || maker_ < 0 || slot < 0 || slot >= 5) return;
  tdai& d = world_.makers[maker_].models[slot];
  if (!d.onSale || !d.unappraised) return;
  if (options_.kanteiskip) {
    appraise(d);
    if (QTreeWidgetItem* row = modelRow(slot)) fillModelRow(row, slot);
    return;
  }
  // The lists stay still while the appraiser talks, so the model cannot change under him.
  appraisingSlot_ = slot;
  dialogue_ = appraisalDialogue(d.nominal);
  line_ = 0;
  makers_->setEnabled(false);
  models_->setEnabled(false);
  next_->show();
  talk_->setContinueMark(true);
  updateBuyButton();
  talk_->setFocus();
  typeLine();
}

void Tmakerform::showMakerList() {
  Tmakerichiran list(world_, pictures_, this);
  list.exec();
}

void Tmakerform::typeLine() {
  talk_->setText(QString::fromStdString(dialogue_[line_]));
  talk_->setDelay(world_.options().waittime);
  talk_->start();
}

void Tmakerform::nextLine() {
  if (!appraising()) return;
  if (++line_ < kAppraisalLines) return typeLine();
  endDialogue(true);
}

void Tmakerform::endDialogue(bool appraised) {
  const int slot = appraisingSlot_;
  appraisingSlot_ = -1;
  next_->hide();
  talk_->setContinueMark(false);
  makers_->setEnabled(true);
  models_->setEnabled(true);
  updateBuyButton();
  if (!appraised || maker_ < 0) return;
  appraise(world_.makers[maker_].models[slot]);
  if (QTreeWidgetItem* row = modelRow(slot)) fillModelRow(row, slot);
}

void Tmakerform::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!cuePlaying_) {
    cuePlaying_ = true;
    world_.ui().playCue(kCueMaker);
  }
}

void Tmakerform::done(int result) {
  // Leaving in the middle of the dialogue leaves the model unappraised.
  if (appraising()) endDialogue(false);
  talk_->reset();
  if (cuePlaying_) {
    cuePlaying_ = false;
    world_.ui().playCue(kCueMain);
  }
  QDialog::done(result);
}

void runMakerVisit(TMain& main) {
  Tmakerform form(main.world(), main.options(), &main.pictures(), &main);
  form.exec();
}

}  // namespace gm
