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
      return QStringLiteral("人事");
    case AdviceRemedy::PersonnelCost:
      return QStringLiteral("人件費調整");
    case AdviceRemedy::Open:
      return QStringLiteral("開店");
    case AdviceRemedy::ExchangeRates:
      return QStringLiteral("交換率変更");
    case AdviceRemedy::Manipulations:
      return QStringLiteral("工作変更");
    case AdviceRemedy::ProfitRates:
      return QStringLiteral("利益率");
    case AdviceRemedy::Promotions:
      return QStringLiteral("販促予算変更");
    case AdviceRemedy::Replacement:
      return QStringLiteral("入替");
    case AdviceRemedy::MachinePurchase:
      return QStringLiteral("新台購入");
    case AdviceRemedy::Equipment:
      return QStringLiteral("設備");
    case AdviceRemedy::Construction:
      return QStringLiteral("区画データ");
    case AdviceRemedy::StoreList:
      return QStringLiteral("店舗一覧");
    case AdviceRemedy::CompanyManoeuvre:
      return QStringLiteral("特殊工作");
    case AdviceRemedy::None:
      break;
  }
  return QString();
}

QString adviceTabCaption(const AdviceList& advice) {
  int wanting = 0;
  for (const Advice& a : advice)
    if (a.severity >= AdviceSeverity::Caution) ++wanting;
  return wanting == 0 ? QStringLiteral("診断") : QStringLiteral("診断(%1)").arg(wanting);
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
  summary_->setText(advice_.empty()
                        ? name + QStringLiteral("について、特にご報告することはありません。")
                        : name + QStringLiteral("の経営診断です（") + dateText(world.month) +
                              QStringLiteral("）。重要なものから順にご報告します。"));
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
