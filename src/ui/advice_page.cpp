// The advisor's page: one card a finding, in the order of importance.
#include "ui/advice_page.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "company/advice_text.h"
#include "shell/advice_marks.h"
#include "shell/qt_text.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

QString remedyCaption(AdviceRemedy remedy) {
  switch (remedy) {
    case AdviceRemedy::Personnel:
      return AdvicePage::tr("人事");
    case AdviceRemedy::PersonnelCost:
      return AdvicePage::tr("人件費調整");
    case AdviceRemedy::Open:
      return AdvicePage::tr("開店");
    case AdviceRemedy::ExchangeRates:
      return AdvicePage::tr("交換率変更");
    case AdviceRemedy::Manipulations:
      return AdvicePage::tr("工作変更");
    case AdviceRemedy::ProfitRates:
      return AdvicePage::tr("利益率");
    case AdviceRemedy::Promotions:
      return AdvicePage::tr("販促予算変更");
    case AdviceRemedy::Replacement:
      return AdvicePage::tr("入替");
    case AdviceRemedy::MachinePurchase:
      return AdvicePage::tr("新台購入");
    case AdviceRemedy::Equipment:
      return AdvicePage::tr("設備");
    case AdviceRemedy::Construction:
      return AdvicePage::tr("区画データ");
    case AdviceRemedy::StoreList:
      return AdvicePage::tr("店舗一覧");
    case AdviceRemedy::CompanyManoeuvre:
      return AdvicePage::tr("特殊工作");
    case AdviceRemedy::None:
      break;
  }
  return QString();
}

QString adviceTabCaption(const AdviceList& advice) {
  int wanting = 0;
  for (const Advice& a : advice)
    if (a.severity >= AdviceSeverity::Caution) ++wanting;
  return wanting == 0 ? AdvicePage::tr("診断") : AdvicePage::tr("診断(%1)").arg(wanting);
}

AdvicePage::AdvicePage(QWidget* parent) : QWidget(parent) {
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("shindanlabel"));
  summary_->setWordWrap(true);

  list_ = new QWidget;
  cards_ = new QVBoxLayout(list_);
  cards_->setContentsMargins(4, 4, 4, 4);
  cards_->addStretch(1);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("shindanlist"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::StyledPanel);
  scroll->setWidget(list_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(scroll, 1);
}

void AdvicePage::clear() {
  advice_ = AdviceList();
  buttons_.clear();
  // Everything but the closing stretch. A card goes once the event in hand is over: the order
  // its own button gave refreshes this page.
  while (cards_->count() > 1) {
    QLayoutItem* item = cards_->takeAt(0);
    item->widget()->hide();
    item->widget()->deleteLater();
    delete item;
  }
  summary_->clear();
}

void AdvicePage::showStore(const tworld& world, int slot) {
  clear();
  if (slot < 1 || slot > kStoreSlots || !world.kaichou.slot(slot).used) return;
  advice_ = DiagnoseStore(world, slot);
  const QString name = qs(world.kaichou.slot(slot).name.view());
  const YearMonth date = MonthToDate(world.month);
  summary_->setText(advice_.empty()
                        ? tr("%1について、特にご報告することはありません。").arg(name)
                        : tr("%1の経営診断です（%2年 %3月）。重要なものから順にご報告します。")
                              .arg(name, QString::number(date.year), QString::number(date.month)));
  for (const Advice& a : advice_) addFinding(world, a);
}

QPushButton* AdvicePage::remedyButton(int i) const {
  return i >= 0 && i < static_cast<int>(buttons_.size()) ? buttons_[i] : nullptr;
}

void AdvicePage::addFinding(const tworld& world, const Advice& a) {
  const AdviceText text = adviceText(world, a);
  auto* card = new QFrame(list_);
  card->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(card);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(2);

  auto* head = new QHBoxLayout;
  auto* mark = new QLabel(qs(severityLabel(a.severity)), card);
  const QColor colour = severityColour(a.severity);
  mark->setStyleSheet(QStringLiteral("QLabel { color: white; background: %1; padding: 1px 6px; }")
                          .arg(colour.name()));
  mark->setAlignment(Qt::AlignCenter);
  auto* headline = new QLabel(qs(text.headline), card);
  headline->setWordWrap(true);
  QFont bold = headline->font();
  bold.setBold(true);
  headline->setFont(bold);
  head->addWidget(mark, 0, Qt::AlignTop);
  head->addWidget(headline, 1);
  layout->addLayout(head);

  if (!text.reason.empty()) {
    auto* reason = new QLabel(qs(text.reason), card);
    reason->setWordWrap(true);
    layout->addWidget(reason);
  }

  QPushButton* button = nullptr;
  const QString caption = remedyCaption(a.remedy);
  if (!text.order.empty() || !caption.isEmpty()) {
    auto* foot = new QHBoxLayout;
    auto* order = new QLabel(qs(text.order), card);
    order->setWordWrap(true);
    order->setStyleSheet(QStringLiteral("QLabel { color: #004080; }"));
    foot->addWidget(order, 1);
    if (!caption.isEmpty()) {
      button = new QPushButton(caption, card);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, a] { emit remedyRequested(a); });
      foot->addWidget(button, 0, Qt::AlignBottom);
    }
    layout->addLayout(foot);
  }
  buttons_.push_back(button);
  cards_->insertWidget(cards_->count() - 1, card);
}

}  // namespace gm
