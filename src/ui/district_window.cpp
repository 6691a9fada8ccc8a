// The district overview: every figure is the world's own query; the window only lays them out.
#include "ui/district_window.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "store/machine.h"
#include "ui/screen_text.h"
#include "ui/scrolled_page.h"
#include "world/new_laws.h"
#include "world/world.h"

namespace gm {

namespace {

struct Figure {
  const char* name;
  const char* caption;
  const char* hint;
};

constexpr Figure kCityFigures[] = {
    {"cityName", QT_TRANSLATE_NOOP("gm::DistrictWindow", "市の名前"), nullptr},
    {"difficulty", QT_TRANSLATE_NOOP("gm::DistrictWindow", "難易度"), nullptr},
    {"blocks", QT_TRANSLATE_NOOP("gm::DistrictWindow", "区画数"), nullptr},
    {"population", QT_TRANSLATE_NOOP("gm::DistrictWindow", "総人口"), nullptr},
    {"density", QT_TRANSLATE_NOOP("gm::DistrictWindow", "人口の密集度"), nullptr},
    {"fans", QT_TRANSLATE_NOOP("gm::DistrictWindow", "潜在顧客"),
     QT_TRANSLATE_NOOP("gm::DistrictWindow", "ﾊﾟﾁﾝｺﾌｧﾝの人口")},
    {"fanRatio", QT_TRANSLATE_NOOP("gm::DistrictWindow", "ﾊﾟﾁﾝｺﾌｧﾝの割合"), nullptr},
    {"landPrice", QT_TRANSLATE_NOOP("gm::DistrictWindow", "地価平均"), nullptr},
    {"security", QT_TRANSLATE_NOOP("gm::DistrictWindow", "治安の良さ"), nullptr},
    {"unrest", QT_TRANSLATE_NOOP("gm::DistrictWindow", "市民感情"),
     QT_TRANSLATE_NOOP("gm::DistrictWindow", "高いほどパチンコ店への反感が強い")},
    {"development", QT_TRANSLATE_NOOP("gm::DistrictWindow", "開発度"), nullptr},
    {"housingPolicy", QT_TRANSLATE_NOOP("gm::DistrictWindow", "宅地開発"), nullptr},
    {"commercePolicy", QT_TRANSLATE_NOOP("gm::DistrictWindow", "商業奨励"), nullptr},
    {"businessPolicy", QT_TRANSLATE_NOOP("gm::DistrictWindow", "事業誘致"), nullptr},
    {"taxRate", QT_TRANSLATE_NOOP("gm::DistrictWindow", "税率"), nullptr},
    {"pachinkoTax", QT_TRANSLATE_NOOP("gm::DistrictWindow", "パチンコ税"), nullptr},
};

constexpr Figure kRuleFigures[] = {
    {"hourCut", QT_TRANSLATE_NOOP("gm::DistrictWindow", "組合の申し合わせにより自粛する時間"),
     nullptr},
    {"dailyHours", QT_TRANSLATE_NOOP("gm::DistrictWindow", "差し引き一日の営業時間"), nullptr},
    {"dayCut", QT_TRANSLATE_NOOP("gm::DistrictWindow", "組合の申し合わせにより自粛する日数"),
     nullptr},
    {"businessDays", QT_TRANSLATE_NOOP("gm::DistrictWindow", "差し引き一ヶ月の営業日数"), nullptr},
    {"monthlyHours", QT_TRANSLATE_NOOP("gm::DistrictWindow", "営業時間×営業日数"), nullptr},
    {"pachinkoLimit", QT_TRANSLATE_NOOP("gm::DistrictWindow", "パチンコ交換率の規制"), nullptr},
    {"slotLimit", QT_TRANSLATE_NOOP("gm::DistrictWindow", "スロット交換率の規制"), nullptr},
    {"disposal", QT_TRANSLATE_NOOP("gm::DistrictWindow", "台の廃棄"), nullptr},
};

constexpr int kPachinkoTaxPercent = 15;

QWidget* figurePage(QWidget* owner, const Figure* begin, const Figure* end, QFormLayout** form) {
  auto* page = new QWidget(owner);
  *form = new QFormLayout(page);
  for (const Figure* f = begin; f != end; ++f) {
    auto* value = new QLabel(page);
    value->setObjectName(QString::fromLatin1(f->name));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* caption = new QLabel(DistrictWindow::tr(f->caption), page);
    caption->setObjectName(QString::fromLatin1(f->name) + QStringLiteral("Caption"));
    if (f->hint) {
      caption->setToolTip(DistrictWindow::tr(f->hint));
      value->setToolTip(DistrictWindow::tr(f->hint));
    }
    (*form)->addRow(caption, value);
  }
  return page;
}

QTableWidget* table(QWidget* parent, const QStringList& headers, int rows) {
  auto* t = new QTableWidget(rows, headers.size(), parent);
  t->setHorizontalHeaderLabels(headers);
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  t->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  return t;
}

void setRow(QTableWidget* t, int row, const QString& caption, const QString& value) {
  auto* c = new QTableWidgetItem(caption);
  auto* v = new QTableWidgetItem(value);
  v->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  t->setItem(row, 0, c);
  t->setItem(row, 1, v);
}

QString percent(int v) { return QString::number(v) + QStringLiteral("%"); }

}  // namespace

QString districtCaption(int monthNumber) {
  const int m = CalendarMonth(monthNumber);
  return m == 6 || m == 12 ? DistrictWindow::tr("地区概略 ボーナスシーズン：")
                           : DistrictWindow::tr("地区概略");
}

QString exchangeLimitText(int index, bool slot) {
  const int top = slot ? 3 : 6;
  if (index >= top) return DistrictWindow::tr("なし");
  return qs(slot ? slotRateName(index) : pachinkoRateName(index));
}

DistrictWindow::DistrictWindow(TMain& main) : Tchikudata(main) {
  for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) label->hide();

  pages_ = new QTabWidget(this);
  QFormLayout* form = nullptr;
  pages_->addTab(
      scrolledPage(figurePage(this, std::begin(kCityFigures), std::end(kCityFigures), &form)),
      tr("概略"));

  QWidget* rules = figurePage(this, std::begin(kRuleFigures), std::end(kRuleFigures), &form);
  fees_ = table(rules, {tr("機種"), tr("台の廃棄料金  ： 10台当")}, kMachineTypeCount);
  fees_->setObjectName(QStringLiteral("feetable"));
  form->addRow(fees_);
  pages_->addTab(scrolledPage(rules), tr("営業規制"));

  kinds_ = table(this, {tr("区画の種類"), tr("区画数")}, 17);
  kinds_->setObjectName(QStringLiteral("kindtable"));
  pages_->addTab(kinds_, tr("区画"));

  auto* lawPage = new QWidget(this);
  auto* lawLayout = new QVBoxLayout(lawPage);
  laws_ = new QListWidget(lawPage);
  laws_->setObjectName(QStringLiteral("lawlist"));
  explanation_ = new QLabel(lawPage);
  explanation_->setObjectName(QStringLiteral("lawexplanation"));
  explanation_->setWordWrap(true);
  explanation_->setMinimumHeight(64);
  explanation_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  explanation_->setFrameShape(QFrame::StyledPanel);
  lawLayout->addWidget(new QLabel(tr("制定された法律"), lawPage));
  lawLayout->addWidget(laws_, 1);
  lawLayout->addWidget(explanation_);
  pages_->addTab(lawPage, tr("法律"));

  // Low on a small screen, the pages scroll or squeeze rather than push the window taller.
  pages_->setMinimumHeight(140);
  static_cast<QVBoxLayout*>(layout())->addWidget(pages_);
  connect(laws_, &QListWidget::currentRowChanged, this, &DistrictWindow::showExplanation);
  resize(420, 520);
}

QLabel* DistrictWindow::figure(const QString& name) const { return findChild<QLabel*>(name); }

void DistrictWindow::refresh() {
  const tworld& w = world();
  setWindowTitle(districtCaption(w.month));
  const auto set = [this](const char* name, const QString& text) {
    if (QLabel* l = figure(QString::fromLatin1(name))) l->setText(text);
  };

  set("cityName", qs(w.cityName.view()));
  // The difficulty chosen for the game: without rivals nobody else comes into the city.
  set("difficulty", w.rivals.rivalNashi ? tr("新米店長") : tr("ライバル登場！"));
  figure(QStringLiteral("difficulty"))
      ->setToolTip(w.rivals.rivalNashi ? tr("他店舗は参入しません") : tr("他店舗が参入してきます"));
  set("blocks", moneyText(int64_t{w.CountOccupiedBlocks()}));
  set("population", tr("%1人").arg(moneyText(w.TotalPopulation())));
  set("density", percent(w.Density()));
  set("fans", tr("%1人").arg(moneyText(w.TotalFans())));
  set("fanRatio", percent(w.FanRatio()));
  set("landPrice", moneyText(int64_t{w.AverageLandPrice()}));
  set("security", QString::number(w.AverageSecurity()));
  set("unrest", QString::number(w.AverageUnrest()));
  set("development", percent(w.DevelopmentDegree()));
  set("housingPolicy", QString::number(w.housingPolicy));
  set("commercePolicy", QString::number(w.commercePolicy));
  set("businessPolicy", QString::number(w.businessPolicy));
  set("taxRate", percent(w.taxRate));
  // The pachinko tax exists only while its law is in force.
  const bool tax = w.hasLaw(kLawPachinkoTax);
  set("pachinkoTax", tax ? percent(kPachinkoTaxPercent) : QString());
  figure(QStringLiteral("pachinkoTax"))->setVisible(tax);
  figure(QStringLiteral("pachinkoTaxCaption"))->setVisible(tax);

  // Small counts take the singular or plural of the player's language.
  set("hourCut", tr("%n時間", nullptr, w.unionHourCut));
  set("dailyHours", tr("%n時間", nullptr, w.DailyHours()));
  set("dayCut", tr("%n日", nullptr, w.unionDayCut));
  set("businessDays", tr("%n日", nullptr, w.BusinessDays()));
  set("monthlyHours", tr("%1時間").arg(moneyText(int64_t{w.MonthlyHours()})));
  set("pachinkoLimit", exchangeLimitText(w.maxPachinkoRate, false));
  set("slotLimit", exchangeLimitText(w.maxSlotRate, true));
  set("disposal", w.disposalAccepted ? tr("受理中") : tr("停止中"));
  for (int t = 0; t < kMachineTypeCount; ++t)
    setRow(fees_, t, qs(machineTypeName(t)), moneyText(w.DisposalFee(t)));

  const KindCounts k = w.CountKinds();
  int row = 0;
  setRow(kinds_, row++, tr("全区画"), moneyText(int64_t{k.total}));
  setRow(kinds_, row++, tr("空き地（市民）"), moneyText(int64_t{k.vacantCitizens}));
  setRow(kinds_, row++, tr("空き地（我が社）"), moneyText(int64_t{k.vacantPlayer}));
  setRow(kinds_, row++, tr("空き地（他社）"), moneyText(int64_t{k.vacantRival}));
  setRow(kinds_, row++, tr("道路"), moneyText(int64_t{k.roads}));
  setRow(kinds_, row++, tr("駅"), moneyText(int64_t{k.stations}));
  setRow(kinds_, row++, tr("線路"), moneyText(int64_t{k.railways}));
  for (int i = 0; i < 10; ++i) {
    QString name = qs(blockKindName(19 + i));
    if (19 + i == 27) name = tr("%1（我が社）").arg(name);
    if (19 + i == 28) name = tr("%1（他社）").arg(name);
    setRow(kinds_, row++, name, moneyText(int64_t{k.buildings[i]}));
  }

  // The laws in force, keeping the player's selection when the list is rebuilt.
  const int selected = laws_->currentItem() ? laws_->currentItem()->data(Qt::UserRole).toInt() : -1;
  {
    const QSignalBlocker quiet(laws_);
    laws_->clear();
    for (int bit = 0; bit < kLawCount; ++bit) {
      if (!w.hasLaw(static_cast<uint16_t>(1u << bit))) continue;
      auto* item = new QListWidgetItem(qs(lawName(bit)), laws_);
      item->setData(Qt::UserRole, bit);
      if (bit == selected) laws_->setCurrentItem(item);
    }
  }
  showExplanation();
}

void DistrictWindow::showEvent(QShowEvent* event) {
  refresh();
  Tchikudata::showEvent(event);
}

void DistrictWindow::showExplanation() {
  const QListWidgetItem* item = laws_->currentItem();
  explanation_->setText(item ? qs(lawExplanation(item->data(Qt::UserRole).toInt())) : QString());
}

}  // namespace gm
