// The promotion page.
#include "ui/store_window_promotion.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "store/promotions.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, 7> kRowNames = {
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "イベント実施"),
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "ポケットティッシュ配布"),
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "ダイレクトメール"),
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "TVｺﾏｰｼｬﾙ"),
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "WWWｻｰﾊﾞｰ設置"),
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "新聞広告"),
    QT_TRANSLATE_NOOP("gm::StorePromotionPage", "合計")};

QTableWidgetItem* cell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

QString choiceName(Promotion p, int choice) { return qs(promotionChoiceName(p, choice)); }

}  // namespace

StorePromotionPage::StorePromotionPage(QWidget* parent) : QWidget(parent) {
  grid_ = new QTableWidget(static_cast<int>(kRowNames.size()), 2, this);
  grid_->setObjectName(QStringLiteral("hansokugrid"));
  grid_->setHorizontalHeaderLabels({tr("内容"), tr("費用(千円)")});
  QStringList rows;
  for (const char* r : kRowNames) rows << tr(r);
  grid_->setVerticalHeaderLabels(rows);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  change_ = new QPushButton(tr("販促予算変更(&H)"), this);
  change_->setAutoDefault(false);
  change_->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(change_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  connect(change_, &QPushButton::clicked, this, [this] { emit changeRequested(); });
}

void StorePromotionPage::clear() {
  grid_->clearContents();
  change_->setEnabled(false);
}

void StorePromotionPage::showStore(const tworld& world, const Ttempo& s) {
  const Thansoku& h = s.hansoku;
  const PromotionCosts c = promotionCost(s, world.kaichou.chisei, world.kaichou.karisuma);
  const std::array<QString, 7> what = {
      choiceName(Promotion::Event, h.event),
      choiceName(Promotion::Tissue, h.tissue),
      choiceName(Promotion::Mail, h.mail),
      h.tvAgency == 0 ? choiceName(Promotion::TvAgency, 0)
                      : choiceName(Promotion::TvAgency, h.tvAgency) + QStringLiteral("  ") +
                            choiceName(Promotion::TvSpot, h.tvSpot),
      choiceName(Promotion::Www, h.www),
      h.newspaperSize == 0
          ? choiceName(Promotion::NewspaperSize, 0)
          : choiceName(Promotion::NewspaperSize, h.newspaperSize) + QStringLiteral("  ") +
                choiceName(Promotion::NewspaperTerm, h.newspaperTerm),
      QString()};
  const std::array<int32_t, 7> cost = {c.event, c.tissue,    c.mail, c.tv,
                                       c.www,   c.newspaper, c.total};
  for (int r = 0; r < 7; ++r) {
    grid_->setItem(r, 0, cell(what[r], false));
    grid_->setItem(r, 1, cell(moneyText(int64_t{cost[r]}), true));
  }
  change_->setEnabled(true);
}

}  // namespace gm
