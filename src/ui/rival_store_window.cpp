// The rival-store window.
#include "ui/rival_store_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>

#include "company/rivals.h"
#include "store/store.h"
#include "ui/figure_text.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, RivalStorePage::kFieldCount> kCaptions = {
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "経営"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "状態"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "規模"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "区画"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "築年数"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "洗練度"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "知名度"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "満足度"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "ﾓﾗﾙ"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "ｽｷﾙ"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "ﾊﾟﾁﾝｺの交換率"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "ｽﾛｯﾄの交換率"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "先月の実績(千円)"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "累計実績(千円)"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "累積赤字(千円)"),
    QT_TRANSLATE_NOOP("gm::RivalStorePage", "客数"),
};

QString stateText(int joutai) {
  // A rival record has no waiting state: state 0 is a record without a store.
  if (joutai == kRivalNone) return RivalStorePage::tr("－");
  return qs(storeStateName(joutai));
}

}  // namespace

RivalStoreIdentity identityOf(const TEntempo& s) { return {s.owner, s.blockRow, s.blockColumn}; }

int findRivalStore(const Tenkaichou& rivals, const RivalStoreIdentity& id) {
  for (int k = 1; k <= kRivalStoreSlots; ++k) {
    const TEntempo& t = rivals.Tenpo(k);
    if (t.used && t.owner == id.owner && t.blockRow == id.row && t.blockColumn == id.column)
      return k;
  }
  return 0;
}

RivalStorePage::RivalStorePage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setColumnStretch(1, 1);
  for (int f = 0; f < kFieldCount; ++f) {
    grid->addWidget(new QLabel(tr(kCaptions[f]), this), f, 0);
    values_[f] = new QLabel(this);
    values_[f]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(values_[f], f, 1);
  }
}

QString RivalStorePage::text(Field f) const { return values_[f]->text(); }

void RivalStorePage::clear() {
  for (QLabel* l : values_) l->clear();
}

void RivalStorePage::showStore(const tworld& world, const TEntempo& s) {
  auto set = [this](Field f, const QString& t) { values_[f]->setText(t); };
  set(kOwner, qs(rivalName(s.owner)));
  set(kState, stateText(s.joutai));
  set(kSize, qs(storeSizeName(s.kibo)));
  set(kBlock, QStringLiteral("(%1, %2)").arg(s.blockColumn).arg(s.blockRow));
  set(kAge, ageText(MonthToElapsed(s.age(world.month))));
  set(kRefinement, QString::number(s.senren));
  set(kFame, QString::number(s.chimei));
  set(kSatisfaction, QString::number(s.manzoku));
  set(kMorale, QString::number(s.moral));
  set(kSkill, QString::number(s.skill));
  set(kPachinkoRate, qs(pachinkoRateName(s.pkankin)));
  set(kSlotRate, qs(slotRateName(s.skankin)));
  set(kLastResult, moneyText(s.zengetsu));
  set(kTotalResult, moneyText(s.ruikei));
  set(kLosses, moneyText(s.akaji));
  set(kCustomers, tr("%1人").arg(countFigure(s.kyaku)));
}

RivalStoreWindow::RivalStoreWindow(TMain& main) : Tentempoform(main) {
  page_ = new RivalStorePage(this);
  layout()->addWidget(page_);
}

int RivalStoreWindow::shownRecord() const {
  return hasStore_ ? findRivalStore(world().rivals, shown_) : 0;
}

void RivalStoreWindow::showRivalStore(int record) {
  if (record >= 1 && record <= kRivalStoreSlots && world().rivals.Tenpo(record).used) {
    shown_ = identityOf(world().rivals.Tenpo(record));
    hasStore_ = true;
  }
  Tentempoform::showRivalStore(record);
}

void RivalStoreWindow::refresh() {
  const int record = shownRecord();
  if (record == 0)
    page_->clear();
  else
    page_->showStore(world(), world().rivals.Tenpo(record));
}

bool RivalStoreWindow::objectStillExists() const { return shownRecord() != 0; }

void RivalStoreWindow::worldReplaced() {
  hasStore_ = false;
  refresh();
}

}  // namespace gm
