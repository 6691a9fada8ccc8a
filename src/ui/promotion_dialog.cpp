// The promotion dialog.
#include "ui/promotion_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

// The rows of the dialog: a promotion's caption, its choices (one or two boxes) and its cost.
struct Row {
  const char* caption;
  Promotion first;
  int second;  // a second box's promotion, -1 for none
  Thansokusettei::CostRow cost;
};
constexpr std::array<Row, 6> kRows = {{
    {QT_TRANSLATE_NOOP("gm::Thansokusettei", "イベント実施"), Promotion::Event, -1,
     Thansokusettei::kCostEvent},
    {QT_TRANSLATE_NOOP("gm::Thansokusettei", "ポケットティッシュ配布"), Promotion::Tissue, -1,
     Thansokusettei::kCostTissue},
    {QT_TRANSLATE_NOOP("gm::Thansokusettei", "ダイレクトメール"), Promotion::Mail, -1,
     Thansokusettei::kCostMail},
    {QT_TRANSLATE_NOOP("gm::Thansokusettei", "TVｺﾏｰｼｬﾙ"), Promotion::TvAgency,
     static_cast<int>(Promotion::TvSpot), Thansokusettei::kCostTv},
    {QT_TRANSLATE_NOOP("gm::Thansokusettei", "WWWｻｰﾊﾞｰ設置"), Promotion::Www, -1,
     Thansokusettei::kCostWww},
    {QT_TRANSLATE_NOOP("gm::Thansokusettei", "新聞広告"), Promotion::NewspaperSize,
     static_cast<int>(Promotion::NewspaperTerm), Thansokusettei::kCostNewspaper},
}};

std::array<uint8_t*, kPromotionCount> fields(Thansoku& h) {
  return {&h.event,  &h.tissue, &h.mail,          &h.tvAgency,
          &h.tvSpot, &h.www,    &h.newspaperSize, &h.newspaperTerm};
}

QLabel* costCell(QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

}  // namespace

Thansokusettei::Thansokusettei(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("販売促進予算変更"), QStringLiteral("hansokusettei"), parent),
      stores_(stores) {
  Thansoku start = stores.none() ? Thansoku{} : world.kaichou.slot(firstSlot(stores)).hansoku;
  const std::array<uint8_t*, kPromotionCount> now = fields(start);
  for (int p = 0; p < kPromotionCount; ++p) {
    boxes_[p] = new QComboBox(this);
    for (const PromotionChoice& c : promotionChoices(static_cast<Promotion>(p)))
      boxes_[p]->addItem(qs(promotionChoiceName(c)));
    boxes_[p]->setCurrentIndex(std::min<int>(*now[p], boxes_[p]->count() - 1));
  }
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("費用(千円)"), this), 0, 3);
  int line = 1;
  for (const Row& r : kRows) {
    grid->addWidget(new QLabel(tr(r.caption), this), line, 0);
    grid->addWidget(boxes_[static_cast<int>(r.first)], line, 1);
    if (r.second >= 0) grid->addWidget(boxes_[r.second], line, 2);
    costs_[r.cost] = costCell(this);
    grid->addWidget(costs_[r.cost], line, 3);
    ++line;
  }
  costs_[kCostTotal] = costCell(this);
  grid->addWidget(new QLabel(tr("合計"), this), line, 0);
  grid->addWidget(costs_[kCostTotal], line, 3);
  body()->addLayout(grid);
  if (stores.count() == 1) {
    const Ttempo& s = world.kaichou.slot(firstSlot(stores));
    const PromotionLimits limits = promotionLimits(s);
    body()->addWidget(
        new QLabel(tr("スタッフ %1人：ティッシュは「%2」、ＤＭは「%3」まで")
                       .arg(QString::number(s.staffTotal()),
                            qs(promotionChoiceName(Promotion::Tissue, limits.tissue)),
                            qs(promotionChoiceName(Promotion::Mail, limits.mail))),
                   this));
  }
  for (QComboBox* b : boxes_)
    connect(b, &QComboBox::currentIndexChanged, this, &Thansokusettei::choiceChanged);
  choiceChanged();
}

Thansoku Thansokusettei::choices() const {
  Thansoku h;
  const std::array<uint8_t*, kPromotionCount> f = fields(h);
  for (int p = 0; p < kPromotionCount; ++p)
    *f[p] = static_cast<uint8_t>(std::max(0, boxes_[p]->currentIndex()));
  return h;
}

void Thansokusettei::choiceChanged() {
  Thansoku h = choices();
  if (stores_.count() == 1 && limitToStaff(world(), world().kaichou.slot(firstSlot(stores_)), h)) {
    const QSignalBlocker quietTissue(boxes_[static_cast<int>(Promotion::Tissue)]);
    const QSignalBlocker quietMail(boxes_[static_cast<int>(Promotion::Mail)]);
    boxes_[static_cast<int>(Promotion::Tissue)]->setCurrentIndex(h.tissue);
    boxes_[static_cast<int>(Promotion::Mail)]->setCurrentIndex(h.mail);
  }
  const PromotionCosts c = promotionCost(world(), stores_, h);
  const std::array<int32_t, kCostRows> values = {c.event, c.tissue,    c.mail, c.tv,
                                                 c.www,   c.newspaper, c.total};
  for (int r = 0; r < kCostRows; ++r) costs_[r]->setText(moneyText(int64_t{values[r]}));
}

OrderOutcome Thansokusettei::runOrder() { return OrderPromotions(world(), stores_, choices()); }

}  // namespace gm
