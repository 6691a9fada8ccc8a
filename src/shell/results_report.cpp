// The monthly results report.
#include "shell/results_report.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/qt_text.h"
#include "shell/results_advice.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

namespace {

struct RowDef {
  const char* label;
  int series;
  bool money;
};
// The rows in the order the report lists them, with their history series.
constexpr std::array<RowDef, kReportRows> kRows = {{
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "売上げ"), 1, true},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "粗利益"), 3, true},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "利益率"), 2, false},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "人件費"), 6, true},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "保守費"), 5, true},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "営業費"), 4, true},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "純利益"), 7, true},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "稼働率"), 8, false},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "洗練度"), 9, false},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "知名度"), 10, false},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "満足度"), 11, false},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "モラル"), 12, false},
    {QT_TRANSLATE_NOOP("gm::ResultsReportView", "スキル"), 13, false},
}};

const QColor kRed(Qt::red);

QTableWidgetItem* cell(const QString& s, bool right, bool red = false) {
  auto* item = new QTableWidgetItem(s);
  item->setFlags(Qt::ItemIsEnabled);
  item->setTextAlignment(right ? (Qt::AlignRight | Qt::AlignVCenter)
                               : (Qt::AlignLeft | Qt::AlignVCenter));
  if (red) item->setForeground(kRed);
  return item;
}

// The table asks for room for all its rows and columns, so that the longer labels of another
// language widen the window rather than hide the figures behind a scroll bar.
void askRoomForContents(QTableWidget* t) {
  QHeaderView* columns = t->horizontalHeader();
  columns->resizeSections(QHeaderView::ResizeToContents);
  const int frame = 2 * t->frameWidth();
  t->setMinimumSize(columns->length() + frame,
                    (columns->isHidden() ? 0 : columns->sizeHint().height()) +
                        t->verticalHeader()->length() + frame);
}

QTableWidget* makeTable(int columns, QWidget* parent) {
  auto* t = new QTableWidget(0, columns, parent);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->setFocusPolicy(Qt::NoFocus);
  t->verticalHeader()->setVisible(false);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return t;
}

}  // namespace

QString reportDate(int month) {
  if (month < 1) return QString();
  const YearMonth d = MonthToDate(month);
  return ResultsReportView::tr("%1年%2月").arg(QString::number(d.year), QString::number(d.month));
}

QString reportCaption(const tworld& world, int month) {
  const YearMonth d = MonthToDate(month);
  return ResultsReportView::tr("%1  %2年 %3月の実績報告書")
      .arg(qs(world.cityName.view()), QString::number(d.year), QString::number(d.month));
}

QString reportFigure(Money value) { return QString::fromStdString(formatGrouped(value)); }

ReportChange reportChange(Money thisMonth, Money lastMonth) {
  const int64_t change = (thisMonth - lastMonth).trunc();
  ReportChange c;
  c.text = QString::fromStdString(formatGrouped(change));
  if (change > 0) c.text.prepend(QLatin1Char('+'));
  c.negative = change < 0;
  return c;
}

std::array<ReportRow, kReportRows> reportRows(const Tbackup& history) {
  std::array<ReportRow, kReportRows> rows;
  for (int i = 0; i < kReportRows; ++i) {
    const Money now = history.at(kRows[i].series, 1);
    const Money before = history.at(kRows[i].series, 2);
    rows[i] = {ResultsReportView::tr(kRows[i].label),
               kRows[i].series,
               kRows[i].money,
               reportFigure(now),
               reportFigure(before),
               reportChange(now, before)};
  }
  return rows;
}

std::vector<CompanyLine> companyLines(const tworld& world) {
  const tkaichou& k = world.kaichou;
  std::vector<CompanyLine> lines;
  lines.push_back({ResultsReportView::tr("課税"), reportFigure(k.shotokuzei),
                   ResultsReportView::tr("純利益に対し課税された税金")});
  if (world.hasLaw(kLawPachinkoTax))
    lines.push_back({ResultsReportView::tr("パチンコ税"), reportFigure(k.pachinkozei), QString()});
  if (k.datuzei)
    lines.push_back({ResultsReportView::tr("Ｘ Ｘ Ｘ Ｘ"), reportFigure(k.datuzeigaku), QString()});
  lines.push_back({ResultsReportView::tr("経常利益"), reportFigure(k.zeibikirieki),
                   ResultsReportView::tr("純粋な儲け"), k.zeibikirieki < Money()});
  lines.push_back(
      {ResultsReportView::tr("資金"), reportFigure(k.sikin), ResultsReportView::tr("残り資金")});
  return lines;
}

std::vector<ReportEntry> reportEntries(const tworld& world) {
  std::vector<ReportEntry> entries{{ResultsReportView::tr("全体"), 0}};
  for (int n = 1; n <= kStoreSlots; ++n)
    if (world.kaichou.slot(n).used) entries.push_back({qs(world.kaichou.slot(n).name.view()), n});
  return entries;
}

const Tbackup& reportHistory(const tworld& world, int slot) {
  return slot >= 1 && slot <= kStoreSlots ? world.kaichou.slot(slot).backup : world.kaichou.backup;
}

ResultsReportView::ResultsReportView(QWidget* parent) : QWidget(parent) {
  companyName_ = new QLabel(this);
  companyName_->setObjectName(QStringLiteral("kaishanamelb"));

  auto* whole = new QGroupBox(tr("全体収支(千円)"), this);
  company_ = makeTable(2, whole);
  company_->horizontalHeader()->setVisible(false);
  auto* wholeLayout = new QVBoxLayout(whole);
  wholeLayout->addWidget(company_);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("tempolist"));
  connect(list_, &QListWidget::currentRowChanged, this, &ResultsReportView::selectEntry);

  table_ = makeTable(4, this);
  table_->setObjectName(QStringLiteral("jissekigrid"));

  auto* left = new QVBoxLayout;
  left->addWidget(companyName_);
  left->addWidget(whole);
  left->addWidget(list_, 1);
  advice_ = new QListWidget(this);
  advice_->setObjectName(QStringLiteral("shindanlist"));
  advice_->setWordWrap(true);
  advice_->setMaximumHeight(110);
  auto* figures = new QHBoxLayout;
  figures->addLayout(left);
  figures->addWidget(table_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(figures, 1);
  layout->addWidget(advice_);
  setMinimumSize(620, 400);
}

void ResultsReportView::load(const tworld& world, int month) {
  world_ = &world;
  companyName_->setText(qs(world.kaichou.kaishaname.view()));

  const std::vector<CompanyLine> lines = companyLines(world);
  company_->setRowCount(static_cast<int>(lines.size()));
  for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
    QTableWidgetItem* label = cell(lines[r].label, false);
    label->setToolTip(lines[r].hint);
    company_->setItem(r, 0, label);
    company_->setItem(r, 1, cell(lines[r].value, true, lines[r].negative));
  }

  table_->setHorizontalHeaderLabels({QString(), tr("今月\n%1").arg(reportDate(month)),
                                     tr("先月\n%1").arg(reportDate(month - 1)), tr("増減")});

  entries_ = reportEntries(world);
  {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const ReportEntry& e : entries_) list_->addItem(e.name);
  }
  list_->setCurrentRow(0);
  selectEntry(0);

  showAdviceLines(advice_, world);
}

void ResultsReportView::selectEntry(int row) {
  if (!world_ || row < 0 || row >= static_cast<int>(entries_.size())) return;
  const std::array<ReportRow, kReportRows> rows =
      reportRows(reportHistory(*world_, entries_[row].slot));
  table_->setRowCount(kReportRows);
  for (int r = 0; r < kReportRows; ++r) {
    table_->setItem(r, 0,
                    cell(rows[r].money ? tr("%1(千円)").arg(rows[r].label) : rows[r].label, false));
    table_->setItem(r, 1, cell(rows[r].thisMonth, true));
    table_->setItem(r, 2, cell(rows[r].lastMonth, true));
    table_->setItem(r, 3, cell(rows[r].change.text, true, rows[r].change.negative));
  }
  askRoomForContents(table_);
}

ResultsReportWindow::ResultsReportWindow(TMain& main) : Tjissekiform(main) {
  view_ = new ResultsReportView(this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("閉じる(&C)"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout()->addWidget(view_);
  layout()->addWidget(buttons);
}

void ResultsReportWindow::showReport(int month, const QString&, uint16_t) {
  setWindowTitle(reportCaption(world(), month));
  view_->load(world(), month);
  exec();
}

}  // namespace gm
