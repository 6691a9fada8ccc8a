// The machine window.
#include "ui/machine_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>

#include "company/company.h"
#include "company/replacement_plan.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, MachineFacts::kRowCount> kCaptions = {
    QT_TRANSLATE_NOOP("gm::MachineWindow", "台名"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "機種"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "販売元ﾒｰｶｰ"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "設置場所"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "購入単価(円)"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "購入年月"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "有効期限"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "生産台数"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "性能"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "射幸性"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "ベース"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "洗練度"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "斬新さ"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "違法性"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "ﾓﾃﾞﾙﾏｼﾝ"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "営業形態"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "ﾓｰﾆﾝｸﾞ"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "利益率"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "営業時間"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "営業日数"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "稼動"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "客単価(円)"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "利益率実績"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "客付き"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "男性客"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "女性客"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "売上(千円)"),
    QT_TRANSLATE_NOOP("gm::MachineWindow", "粗利益(千円)")};

constexpr std::array<std::pair<MachineFacts::Row, const char*>, 6> kHints = {{
    {MachineFacts::kValidUntil, QT_TRANSLATE_NOOP("gm::MachineWindow", "入替可能な年月")},
    {MachineFacts::kIllegal, QT_TRANSLATE_NOOP("gm::MachineWindow", "不正なｹﾞｰﾑ性")},
    {MachineFacts::kCustomers, QT_TRANSLATE_NOOP("gm::MachineWindow", "一ヶ月の総動員数")},
    {MachineFacts::kGambling, QT_TRANSLATE_NOOP("gm::MachineWindow", "ｷﾞｬﾝﾌﾞﾙ性")},
    {MachineFacts::kPlay, QT_TRANSLATE_NOOP("gm::MachineWindow", "遊びやすさ")},
    {MachineFacts::kNovelty, QT_TRANSLATE_NOOP("gm::MachineWindow", "目新しさ")},
}};

QString shown(const char* text) { return QCoreApplication::translate("gm::MachineWindow", text); }

bool sameIsland(const Tddai& a, const Tddai& b) {
  return a.sameModel(b) && a.kounyuuMonth == b.kounyuuMonth;
}

}  // namespace

MachineFacts machineFacts(const Tddai& d, int month, const QString& place) {
  using F = MachineFacts;
  F f;
  auto set = [&](F::Row r, const QString& t) { f.text[r] = t; };
  set(F::kName, qs(d.name.view()));
  set(F::kType, qs(machineTypeName(d.kishu)));
  set(F::kMaker, qs(makerInfo(d.maker).name));
  set(F::kPlace, place);
  set(F::kUnitPrice, moneyText(int64_t{d.tanka}));
  set(F::kBought, dateText(d.kounyuuMonth) + QStringLiteral("  (") + ageText(d.monthsOwned(month)) +
                      QStringLiteral(")"));
  set(F::kValidUntil, dateText(d.yuukouMonth));
  set(F::kProduction, MachineWindow::tr("%1台").arg(moneyText(int64_t{d.shukka})));
  // Until the island has been played, the hall knows only what the maker published.
  const Ratings& r = d.virgin ? d.nominal : d.actual;
  set(F::kRatingsMark, d.virgin ? MachineWindow::tr("初見") : MachineWindow::tr("評価"));
  set(F::kGambling, QString::number(r[kGambling]));
  set(F::kPlay, QString::number(r[kPlay]));
  set(F::kRefinement, QString::number(r[kRefinement]));
  set(F::kNovelty, QString::number(r[kNovelty]));
  set(F::kIllegal, qs(illegalityText(d.ihou)));
  set(F::kModelMachine, d.modelMachine ? MachineWindow::tr("ﾓﾃﾞﾙﾏｼﾝ") : MachineWindow::tr("－"));
  set(F::kForm, qs(businessFormName(d.keitai)));
  set(F::kMorning,
      d.isPachinko() ? MachineWindow::tr("－") : MachineWindow::tr("%1台").arg(d.morning));
  set(F::kProfitRate, rateText(d.riritu));
  set(F::kHours, MachineWindow::tr("%1時間").arg(d.jikan));
  set(F::kDays, MachineWindow::tr("%1日").arg(d.nissuu));
  set(F::kCustomers, MachineWindow::tr("%1人").arg(moneyText(int64_t{d.kadou})));
  set(F::kPerCustomer, moneyText(d.kyakutan * 1000));
  set(F::kRealisedRate, rateText(d.ririJisseki));
  set(F::kAttendance, QString::number(d.attendance()) + QStringLiteral("%"));
  set(F::kMen, QString::number(d.kyakuDansei) + QStringLiteral("%"));
  set(F::kWomen, QString::number(d.kyakuZyosei) + QStringLiteral("%"));
  set(F::kSales, moneyText(d.sales()));
  set(F::kGrossProfit, moneyText(d.grossProfit()));
  return f;
}

MachineWindow::MachineWindow(TMain& main) : Tddaidata(main) {
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  for (int r = 0; r < MachineFacts::kRowCount; ++r) {
    auto* caption = new QLabel(shown(kCaptions[r]), this);
    values_[r] = new QLabel(this);
    values_[r]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, r % 14, (r / 14) * 2);
    grid->addWidget(values_[r], r % 14, (r / 14) * 2 + 1);
    for (const auto& [row, hint] : kHints)
      if (row == r) {
        caption->setToolTip(shown(hint));
        values_[r]->setToolTip(shown(hint));
      }
  }
  static_cast<QBoxLayout*>(layout())->addLayout(grid);
}

void MachineWindow::showWarehouseRecord(int record) {
  const tkaichou& k = world().kaichou;
  if (record < 1 || record > kWarehouseRecords || !k.record(record).used) return;
  where_ = Where::Warehouse;
  record_ = record;
  seen_ = k.record(record);
  refresh();
  showWindow();
}

void MachineWindow::showStoreIsland(int slot, int floor, int island) {
  const tkaichou& k = world().kaichou;
  if (slot < 1 || slot > kStoreSlots || !k.slot(slot).used || floor < 0 || floor >= kFloors ||
      island < 0 || island >= kIslandsPerFloor || !k.slot(slot).dai[floor][island].used)
    return;
  where_ = Where::Store;
  store_ = identityOf(k.slot(slot));
  floor_ = floor;
  island_ = island;
  seen_ = k.slot(slot).dai[floor][island];
  refresh();
  showWindow();
}

const Tddai* MachineWindow::locate() const {
  const tkaichou& k = world().kaichou;
  if (where_ == Where::Warehouse) {
    if (record_ >= 1 && record_ <= kWarehouseRecords && sameIsland(k.record(record_), seen_))
      return &k.record(record_);
    for (int n = 1; n <= kWarehouseRecords; ++n)
      if (sameIsland(k.record(n), seen_)) {
        record_ = n;
        return &k.record(n);
      }
    return nullptr;
  }
  if (where_ == Where::Store) {
    const int slot = findStore(k, store_);
    if (slot == 0) return nullptr;
    const Ttempo& s = k.slot(slot);
    if (floor_ <= s.kibo && sameIsland(s.dai[floor_][island_], seen_))
      return &s.dai[floor_][island_];
    for (int f = 0; f <= s.kibo && f < kFloors; ++f)
      for (int i = 0; i < kIslandsPerFloor; ++i)
        if (sameIsland(s.dai[f][i], seen_)) {
          floor_ = f;
          island_ = i;
          return &s.dai[f][i];
        }
  }
  return nullptr;
}

void MachineWindow::refresh() {
  const Tddai* d = locate();
  if (!d) {
    setSummary(QString());
    for (QLabel* l : values_) l->clear();
    return;
  }
  seen_ = *d;
  QString place = tr("本部の倉庫");
  if (where_ == Where::Store)
    place = qs(store_.name.view()) + QStringLiteral("  ") + qs(floorHallName(floor_));
  const MachineFacts f = machineFacts(*d, world().month, place);
  for (int r = 0; r < MachineFacts::kRowCount; ++r) values_[r]->setText(f.text[r]);
  setSummary(qs(d->name.view()));
}

bool MachineWindow::objectStillExists() const { return locate() != nullptr; }

void MachineWindow::worldReplaced() {
  where_ = Where::None;
  refresh();
}

}  // namespace gm
