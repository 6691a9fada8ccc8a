// The statistics page.
#include "ui/stats_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "company/company.h"
#include "store/store.h"
#include "ui/figure_grid.h"
#include "ui/figure_text.h"
#include "ui/history_graph.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

namespace {

enum class Unit { Money, Rate, Percent, Rating };

constexpr std::array<Unit, kHistorySeries> kUnits = {
    Unit::Money,  Unit::Money,  Unit::Rate,   Unit::Money,   Unit::Money,
    Unit::Money,  Unit::Money,  Unit::Money,  Unit::Percent, Unit::Rating,
    Unit::Rating, Unit::Rating, Unit::Rating, Unit::Rating};

// The series each chart can draw; the asset value starts switched off, as it dwarfs the rest.
constexpr std::array<int, 7> kResultSeries = {0, 1, 3, 4, 5, 6, 7};
constexpr std::array<int, 5> kAbilitySeries = {9, 10, 11, 12, 13};

const std::array<QColor, kHistorySeries> kColours = {
    QColor(0x80, 0x80, 0x80), QColor(0x1f, 0x5f, 0xbf), QColor(0x60, 0x60, 0x60),
    QColor(0x2a, 0x9d, 0x3a), QColor(0xe0, 0x8a, 0x00), QColor(0x8e, 0x44, 0xad),
    QColor(0x00, 0x99, 0x99), QColor(0xd0, 0x20, 0x20), QColor(0x60, 0x60, 0x60),
    QColor(0x1f, 0x5f, 0xbf), QColor(0xe0, 0x8a, 0x00), QColor(0x2a, 0x9d, 0x3a),
    QColor(0xd0, 0x20, 0x20), QColor(0x8e, 0x44, 0xad)};

QString figureOf(int series, Money v) {
  switch (kUnits[series]) {
    case Unit::Money:
      return moneyFigure(v);
    case Unit::Rate:
      return rateFigure(v);
    case Unit::Percent:
      return percentFigure(v.trunc());
    case Unit::Rating:
      return ratingFigure(v);
  }
  return {};
}

QString monthLabel(int monthNumber, bool withYear) {
  const YearMonth d = MonthToDate(monthNumber);
  return withYear ? StatsPage::tr("%1年%2月").arg(d.year).arg(d.month)
                  : StatsPage::tr("%1月").arg(d.month);
}

}  // namespace

QString seriesName(int series, bool company) {
  static constexpr std::array<const char*, kHistorySeries> kNames = {
      QT_TRANSLATE_NOOP("gm::StatsPage", "資産価値"), QT_TRANSLATE_NOOP("gm::StatsPage", "売上"),
      QT_TRANSLATE_NOOP("gm::StatsPage", "利益率"),   QT_TRANSLATE_NOOP("gm::StatsPage", "粗利益"),
      QT_TRANSLATE_NOOP("gm::StatsPage", "営業費"),   QT_TRANSLATE_NOOP("gm::StatsPage", "保守費"),
      QT_TRANSLATE_NOOP("gm::StatsPage", "人件費"),   QT_TRANSLATE_NOOP("gm::StatsPage", "純利益"),
      QT_TRANSLATE_NOOP("gm::StatsPage", "客付き"),   QT_TRANSLATE_NOOP("gm::StatsPage", "洗練度"),
      QT_TRANSLATE_NOOP("gm::StatsPage", "知名度"),   QT_TRANSLATE_NOOP("gm::StatsPage", "満足度"),
      QT_TRANSLATE_NOOP("gm::StatsPage", "ﾓﾗﾙ"),      QT_TRANSLATE_NOOP("gm::StatsPage", "ｽｷﾙ")};
  if (series == 0 && company) return StatsPage::tr("総資産");
  return QCoreApplication::translate("gm::StatsPage", kNames[series]);
}

HistoryView storeHistory(const tworld& world, const Ttempo& store) {
  HistoryView h;
  for (int s = 0; s < kHistorySeries; ++s) h.series[s] = store.historySummary(s);
  // A store's history is as long as its asset value has been recorded.
  h.months = h.series[0].months;
  h.lastMonth = world.month - 1;
  return h;
}

HistoryView companyHistory(const tworld& world) {
  HistoryView h;
  h.company = true;
  for (int s = 0; s < kHistorySeries; ++s) h.series[s] = world.kaichou.backup.summary(s);
  // Every closed month has pushed a value into each series, up to the twelve kept.
  h.months = std::clamp(world.month - 1, 0, kHistoryMonths);
  h.lastMonth = world.month - 1;
  return h;
}

StatsPage::StatsPage(QWidget* parent) : QWidget(parent) {
  QStringList rows;
  for (int s = 0; s < kHistorySeries; ++s) rows << seriesName(s, false);
  grid_ = new FigureGrid(rows, {}, this);
  grid_->setObjectName(QStringLiteral("rirekigrid"));
  // The history fills the page: its rows share the height a tall window gives them.
  grid_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grid_->verticalHeader()->setMinimumSectionSize(grid_->fontMetrics().height() + 4);
  graph_ = new HistoryGraph(this);

  auto boxRow = [this](const auto& series) {
    auto* row = new QWidget(this);
    auto* l = new QHBoxLayout(row);
    l->setContentsMargins(0, 0, 0, 0);
    for (int s : series) {
      boxes_[s] = new QCheckBox(seriesName(s, false), row);
      boxes_[s]->setChecked(s != 0);
      connect(boxes_[s], &QCheckBox::toggled, this, [this] { drawGraph(); });
      l->addWidget(boxes_[s]);
    }
    l->addStretch(1);
    return row;
  };
  resultsBoxes_ = boxRow(kResultSeries);
  abilityBoxes_ = boxRow(kAbilitySeries);

  auto* chart = new QWidget(this);
  auto* chartLayout = new QVBoxLayout(chart);
  chartLayout->setContentsMargins(0, 0, 0, 0);
  chartLayout->addWidget(graph_, 1);
  chartLayout->addWidget(resultsBoxes_);
  chartLayout->addWidget(abilityBoxes_);
  auto* gridHolder = new QWidget(this);
  auto* gridLayout = new QVBoxLayout(gridHolder);
  gridLayout->setContentsMargins(0, 0, 0, 0);
  gridLayout->addWidget(grid_, 1);
  stack_ = new QStackedWidget(this);
  stack_->addWidget(gridHolder);
  stack_->addWidget(chart);

  auto button = [this](const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
  };
  switch_ = button(tr("切替(&C)"), "kirikaebtn");
  results_ = button(tr("実績ｸﾞﾗﾌ(&J)"), "jissekigraphbtn");
  ability_ = button(tr("能力ｸﾞﾗﾌ(&P)"), "nouryokugraphbtn");
  average_ = button(tr("年間平均(&Y)"), "heikinbtn");
  connect(switch_, &QPushButton::clicked, this,
          [this] { setView(view_ == kGrid ? lastGraph_ : kGrid); });
  connect(results_, &QPushButton::clicked, this, [this] { setView(kResultsGraph); });
  connect(ability_, &QPushButton::clicked, this, [this] { setView(kAbilityGraph); });
  connect(average_, &QPushButton::clicked, this, [this] { setView(kYearlyAverage); });

  auto* commands = new QHBoxLayout;
  for (QPushButton* b : {switch_, results_, ability_, average_}) commands->addWidget(b);
  commands->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(stack_, 1);
  layout->addLayout(commands);
  setView(kGrid);
}

void StatsPage::setView(View view) {
  view_ = view;
  if (view != kGrid) lastGraph_ = view;
  stack_->setCurrentIndex(view == kGrid ? 0 : 1);
  resultsBoxes_->setVisible(view == kResultsGraph || view == kYearlyAverage);
  abilityBoxes_->setVisible(view == kAbilityGraph);
  drawGraph();
}

void StatsPage::clear() { showHistory(HistoryView{}); }

void StatsPage::showHistory(const HistoryView& h) {
  history_ = h;
  const int months = std::clamp(h.months, 0, kHistoryMonths);
  QStringList columns;
  for (int m = 1; m <= months; ++m) columns << monthLabel(h.lastMonth - (m - 1), true);
  columns << tr("平均");
  grid_->clearContents();
  grid_->setColumnCount(static_cast<int>(columns.size()));
  grid_->setHorizontalHeaderLabels(columns);
  grid_->setVerticalHeaderItem(0, new QTableWidgetItem(seriesName(0, h.company)));
  if (boxes_[0]) boxes_[0]->setText(seriesName(0, h.company));
  for (int s = 0; s < kHistorySeries; ++s) {
    const HistorySummary& sum = h.series[s];
    for (int m = 0; m < months; ++m)
      grid_->setFigure(s, m, figureOf(s, sum.values[m]), sum.values[m] < Money());
    grid_->setFigure(s, months, figureOf(s, sum.average), sum.average < Money());
  }
  grid_->fit();
  drawGraph();
}

void StatsPage::drawGraph() {
  if (view_ == kGrid) return;
  const int months = std::clamp(history_.months, 0, kHistoryMonths);
  if (months == 0) {
    graph_->showNothing(tr("まだ実績がありません。"));
    return;
  }
  const bool company = history_.company;
  if (view_ == kYearlyAverage) {
    std::vector<HistoryGraph::Bar> bars;
    for (int s : kResultSeries)
      if (boxes_[s]->isChecked())
        bars.push_back({seriesName(s, company), kColours[s], history_.series[s].average});
    graph_->showBars(tr("年間平均（千円）"), bars);
    if (bars.empty()) graph_->showNothing(tr("表示する項目を選んでください。"));
    return;
  }
  // Oldest month on the left; the year is written at January and at the first month.
  QStringList labels;
  for (int i = 0; i < months; ++i) {
    const int month = history_.lastMonth - (months - 1 - i);
    labels << monthLabel(month, i == 0 || MonthToDate(month).month == 1);
  }
  std::vector<HistoryGraph::Line> lines;
  const auto add = [&](int s) {
    if (!boxes_[s]->isChecked()) return;
    HistoryGraph::Line line{seriesName(s, company), kColours[s], {}};
    for (int i = 0; i < months; ++i) line.values[i] = history_.series[s].values[months - 1 - i];
    lines.push_back(line);
  };
  if (view_ == kResultsGraph)
    for (int s : kResultSeries) add(s);
  else
    for (int s : kAbilitySeries) add(s);
  if (lines.empty()) {
    graph_->showNothing(tr("表示する項目を選んでください。"));
    return;
  }
  graph_->showLines(labels, lines, view_ == kAbilityGraph);
}

}  // namespace gm
