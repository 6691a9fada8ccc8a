// The company manager's store list.
#include "ui/company_store_list_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "company/advice_text.h"
#include "company/company.h"
#include "shell/advice_marks.h"
#include "shell/picture_book.h"
#include "ui/figure_text.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr const char* kHeaders[] = {QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "店舗名"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "診断"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "状態"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "規模"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "区画"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "台数"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "ｽﾀｯﾌ"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "客数"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "売上"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "粗利益"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "純利益"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "利益率"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "客付き"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "洗練度"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "知名度"),
                                    QT_TRANSLATE_NOOP("gm::CompanyStoreListPage", "満足度")};

// A number with its sort key, right-aligned; a loss in red.
void number(SortKeyItem* row, int column, const QString& text, qlonglong key, bool red = false) {
  row->setText(column, text);
  row->setSortKey(column, key);
  row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  if (red) row->setForeground(column, QColor(0xc0, 0, 0));
}

// The worst finding's mark and how many findings want doing, sorted by the worst; the first
// finding as the tooltip.
void markAdvice(SortKeyItem* row, const tworld& world, int slot) {
  const AdviceList advice = DiagnoseStore(world, slot);
  int wanting = 0;
  for (const Advice& a : advice)
    if (a.severity >= AdviceSeverity::Caution) ++wanting;
  const AdviceSeverity worst = advice.worst();
  if (wanting > 0) {
    row->setText(CompanyStoreListPage::kAdvice,
                 qs(severityLabel(worst)) + QStringLiteral(" %1").arg(wanting));
    row->setForeground(CompanyStoreListPage::kAdvice, severityColour(worst));
  }
  row->setSortKey(CompanyStoreListPage::kAdvice, static_cast<qlonglong>(worst) * 100 + wanting);
  row->setToolTip(CompanyStoreListPage::kAdvice, qs(adviceSummary(world, advice)));
}

void showCompanyAdvice(QLabel* label, const tworld& world) {
  const AdviceList advice = DiagnoseCompany(world);
  label->setText(CompanyStoreListPage::tr("経営診断：%1").arg(qs(adviceSummary(world, advice))));
  const AdviceSeverity worst = advice.worst();
  label->setStyleSheet(
      worst >= AdviceSeverity::Caution
          ? QStringLiteral("QLabel { color: %1; }").arg(severityColour(worst).name())
          : QString());
}

}  // namespace

CompanyStoreListPage::CompanyStoreListPage(QWidget* parent) : QWidget(parent) {
  QStringList headers;
  for (const char* h : kHeaders) headers << tr(h);
  list_ = new ListPanel(QStringLiteral("tempolist"), QStringLiteral("kscolumns"),
                        QStringLiteral("temposort"), headers, this);
  list_->tree()->setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(list_->tree(), &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    emit storeOpened(item->data(kName, Qt::UserRole).toInt());
  });

  const std::array<QString, kCommandCount> captions = {
      tr("利益率(&R)"),     tr("営業形態(&E)"), tr("交換率(&C)"), tr("ﾓｰﾆﾝｸﾞ(&M)"),
      tr("販促予算(&H)"),   tr("人件費(&N)"),   tr("工作(&D)"),   tr("新台初期値(&Y)"),
      tr("ｼﾞｮﾌﾞｽﾄﾘｰﾑ(&W)"), tr("店舗ﾃﾞｰﾀ(&T)"), tr("全選択(&A)"), tr("項目(&V)"),
      tr("入替(&I)")};
  const std::array<const char*, kCommandCount> names = {
      "riritubtn", "keitaibtn",  "kankinbtn", "morningbtn", "hansokubtn",
      "jinkenbtn", "kousakubtn", "defbtn",    "jobbtn",     "tempodatabtn",
      "allselbtn", "koumokubtn", "irekaebtn"};
  // The bulk orders on the first two rows (five and four, so that the manager fits beside the
  // map on a laptop's screen), the list's own commands on the third.
  auto* orders = new QGridLayout;
  auto* own = new QHBoxLayout;
  for (int c = 0; c < kCommandCount; ++c) {
    buttons_[c] = new QPushButton(captions[c], this);
    buttons_[c]->setObjectName(QLatin1String(names[c]));
    buttons_[c]->setAutoDefault(false);
    connect(buttons_[c], &QPushButton::clicked, this, [this, c] { emit commandChosen(c); });
    if (c <= kJobStream)
      orders->addWidget(buttons_[c], c / 5, c % 5);
    else
      own->addWidget(buttons_[c]);
  }
  orders->setColumnStretch(5, 1);
  own->addStretch(1);
  buttons_[kPersonnelCosts]->setToolTip(tr("選択中の店舗の給与、教育費、福利厚生費"));
  buttons_[kJobStream]->setToolTip(tr("選択中の店舗の設定画面を順に開きます"));

  companyAdvice_ = new QLabel(this);
  companyAdvice_->setObjectName(QStringLiteral("shindanlabel"));
  companyAdvice_->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(companyAdvice_);
  layout->addWidget(list_, 1);
  layout->addLayout(orders);
  layout->addLayout(own);
}

void CompanyStoreListPage::showStores(const tworld& world, const PictureBook* pictures) {
  const tkaichou& k = world.kaichou;
  QTreeWidget* tree = list_->tree();
  list_->beginFill();
  tree->clear();
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = k.slot(n);
    if (!s.used) continue;
    auto* row = new SortKeyItem(tree);
    row->setData(kName, Qt::UserRole, n);
    row->setText(kName, qs(s.name.view()));
    row->setSortKey(kName, n);  // the name column keeps the company's own order
    if (pictures) row->setIcon(kName, QIcon(QPixmap::fromImage(pictures->storeIcon(s.joutai))));
    row->setText(kState, qs(storeStateName(s.joutai)));
    row->setSortKey(kState, s.joutai);
    row->setText(kSize, qs(storeSizeName(s.kibo)));
    row->setSortKey(kSize, s.kibo);
    row->setText(kBlock, QStringLiteral("(%1, %2)").arg(s.blockX).arg(s.blockY));
    row->setSortKey(kBlock, qlonglong{s.blockY} * 100 + s.blockX);
    const MachineCounts m = s.machineCounts();
    number(row, kMachines, countFigure(m.allMachines), m.allMachines);
    number(row, kStaff, countFigure(s.staffTotal()), s.staffTotal());
    number(row, kCustomers, countFigure(s.kyaku[kTotal]), s.kyaku[kTotal]);
    number(row, kTakings, moneyFigure(s.uriage[kTotal]), s.uriage[kTotal].raw());
    number(row, kGrossProfit, moneyFigure(s.arari[kTotal]), s.arari[kTotal].raw(),
           s.arari[kTotal] < Money());
    const Money net = s.netProfit();
    number(row, kNetProfit, moneyFigure(net), net.raw(), net < Money());
    const Money rate = s.profitRates()[kTotal];
    number(row, kProfitRate, rateFigure(rate), rate.raw(), rate < Money());
    number(row, kAttendance, percentFigure(s.kadou[kTotal]), s.kadou[kTotal]);
    number(row, kRefinement, QString::number(s.senren), s.senren);
    number(row, kFame, QString::number(s.chimei), s.chimei);
    number(row, kSatisfaction, QString::number(s.manzoku), s.manzoku);
    markAdvice(row, world, n);
  }
  showCompanyAdvice(companyAdvice_, world);
  list_->endFill();
  const bool any = tree->topLevelItemCount() > 0;
  for (int c = 0; c < kCommandCount; ++c)
    if (c != kColumns) buttons_[c]->setEnabled(any);
}

StoreSelection CompanyStoreListPage::selection() const {
  StoreSelection s;
  for (const QVariant& key : list_->selectedKeys()) s |= selectSlot(key.toInt());
  return s;
}

int CompanyStoreListPage::chosenStore() const {
  const QTreeWidget* tree = list_->tree();
  if (const QTreeWidgetItem* current = tree->currentItem(); current && current->isSelected())
    return current->data(kName, Qt::UserRole).toInt();
  const QList<QVariant> keys = list_->selectedKeys();
  return keys.isEmpty() ? 0 : keys.front().toInt();
}

}  // namespace gm
