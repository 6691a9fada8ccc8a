// The city selection and company founding dialogs of the new-game order.
#include "shell/new_game_dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

#include "base/options.h"
#include "base/text.h"
#include "company/company.h"
#include "persist/city_file.h"
#include "persist/city_list.h"
#include "shell/qt_text.h"
#include "shell/typing_box.h"
#include "world/world.h"

namespace gm {

namespace {

QString q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A hint is written "short|long" as the game's hints are; the tooltip shows the short part.
void setHint(QWidget* w, const QString& h) {
  const qsizetype bar = h.indexOf(QLatin1Char('|'));
  w->setToolTip(bar < 0 ? h : h.left(bar));
  if (bar >= 0) w->setStatusTip(h.mid(bar + 1));
}

QProgressBar* gauge(QWidget* parent, int low, int high) {
  auto* g = new QProgressBar(parent);
  g->setRange(low, high);
  g->setTextVisible(false);
  g->setFixedHeight(14);
  return g;
}

// Names are stored as Shift-JIS: a character without a Shift-JIS form is refused as it is typed.
class ShiftJisValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return isShiftJisEncodable(input.toStdString()) ? Acceptable : Invalid;
  }
};

void connectDelay(TypingBox* box, const Options* options) {
  QObject::connect(box, &TypingBox::flowStarted, box, [box, options] {
    box->setDelay(options ? options->waittime : Options().waittime);
  });
}

constexpr int kNameCharacters = 48;
constexpr int kPromptRows = 4;  // the founding prompt's rows in Japanese

}  // namespace

// ---------------------------------------------------------------------------------------------
// Tnewform

Tnewform::Tnewform(const QString& folder, const Options* options, QWidget* parent)
    : QDialog(parent), folder_(folder), options_(options) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(tr("新規出店"));

  prompt_ = new TypingBox(this);
  prompt_->setMinimumSize(TypingBox::kCell * 24 + 12, TypingBox::kCell * 2 + 12);
  prompt_->setFocusPolicy(Qt::NoFocus);
  connectDelay(prompt_, options_);

  pmplist_ = new QListWidget(this);
  pmplist_->setObjectName(QStringLiteral("pmplist"));
  setHint(pmplist_, tr("出店する地区を選択"));
  pmplist_->setMinimumWidth(150);
  connect(pmplist_, &QListWidget::currentRowChanged, this, [this] { pmplistClick(); });

  auto* city = new QGroupBox(this);
  auto* grid = new QGridLayout(city);
  const std::array<QString, 5> captions = {tr("市の名前"), tr("規模"), tr("税率"), tr("営業時間"),
                                           tr("営業日数")};
  for (int i = 0; i < 5; ++i) {
    details_[i] = new QLabel(city);
    details_[i]->setMinimumWidth(120);
    grid->addWidget(new QLabel(captions[i], city), i, 0);
    grid->addWidget(details_[i], i, 1);
  }

  auto* policyBox = new QGroupBox(tr("市の開発方針"), this);
  setHint(policyBox, policyBox->title());
  auto* policyGrid = new QGridLayout(policyBox);
  const std::array<QString, 3> policyNames = {tr("宅地開発"), tr("商業奨励"), tr("事業誘致")};
  for (int i = 0; i < 3; ++i) {
    policies_[i] = gauge(policyBox, 0, 100);
    setHint(policies_[i], policyBox->title());
    policyGrid->addWidget(new QLabel(policyNames[i], policyBox), i, 0);
    policyGrid->addWidget(policies_[i], i, 1);
  }

  auto* rateBox = new QGroupBox(tr("交換率の規制"), this);
  auto* rateGrid = new QGridLayout(rateBox);
  for (int i = 0; i < 2; ++i) {
    details_[5 + i] = new QLabel(rateBox);
    rateGrid->addWidget(new QLabel(i == 0 ? tr("ﾊﾟﾁﾝｺ") : tr("ｽﾛｯﾄ"), rateBox), i, 0);
    rateGrid->addWidget(details_[5 + i], i, 1);
  }

  description_ = new TypingBox(this);
  description_->setMinimumSize(TypingBox::kCell * 14 + 12, TypingBox::kCell * 9 + 12);
  description_->setFocusPolicy(Qt::NoFocus);
  connectDelay(description_, options_);

  auto* difficultyBox = new QGroupBox(tr("難易度選択"), this);
  auto* difficultyRow = new QVBoxLayout(difficultyBox);
  novice_ = new QRadioButton(q(difficultyCaption(Difficulty::kNovice)), difficultyBox);
  setHint(novice_, q(difficultyHint(Difficulty::kNovice)));
  rivals_ = new QRadioButton(q(difficultyCaption(Difficulty::kRivals)), difficultyBox);
  setHint(rivals_, q(difficultyHint(Difficulty::kRivals)));
  novice_->setChecked(true);
  difficultyRow->addWidget(novice_);
  difficultyRow->addWidget(rivals_);

  ok_ = new QPushButton(tr("出店(&R)"), this);
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* middle = new QVBoxLayout;
  middle->addWidget(city);
  middle->addWidget(policyBox);
  middle->addWidget(rateBox);
  auto* right = new QVBoxLayout;
  right->addWidget(description_, 1);
  right->addWidget(difficultyBox);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  right->addLayout(buttons);
  auto* body = new QHBoxLayout;
  body->addWidget(pmplist_);
  body->addLayout(middle);
  body->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(body);
}

Difficulty Tnewform::difficulty() const {
  return novice_->isChecked() ? Difficulty::kNovice : Difficulty::kRivals;
}

void Tnewform::fillList() {
  const QSignalBlocker quiet(pmplist_);
  pmplist_->clear();
  const CityList list = ListCityFiles(folder_.toStdString());
  for (const CityListEntry& e : list.cities) pmplist_->addItem(q(e.fileName));
  QStringList lines;
  for (const auto& [file, reason] : list.refused) lines << tr("%1：%2").arg(q(file), q(reason));
  refused_ = lines.join(QLatin1Char('\n'));
}

void Tnewform::showEvent(QShowEvent* event) {
  fillList();
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    // After the window has come up, as the first activation does.
    QTimer::singleShot(0, this, [this] { firstActivation(); });
  }
}

void Tnewform::firstActivation() {
  prompt_->reset();
  prompt_->setText(tr("出店する地区を選考してください。"));
  prompt_->start();
  if (pmplist_->count() > 0) {
    const QSignalBlocker quiet(pmplist_);
    pmplist_->setCurrentRow(0);
    pmplistClick();
  }
  // A city file the player copied in and cannot find in the list would otherwise be a mystery.
  if (!refused_.isEmpty() && warnOfRefusedCities)
    QMessageBox::warning(
        this, windowTitle(),
        tr("次の都市ファイルは読み込めないため、一覧に載せていません。\n\n%1").arg(refused_));
}

void Tnewform::pmplistClick() {
  QListWidgetItem* item = pmplist_->currentItem();
  if (!item) return;
  const QString path = folder_ + QLatin1Char('/') + item->text();
  if (!QFileInfo::exists(path)) return;
  CityReadResult r = ReadCityFile(path.toStdString());
  if (!r.ok) {
    QMessageBox::critical(this, windowTitle(), q(r.error));
    return;
  }
  chosenFile_ = path.toStdString();
  const CityDefinition& c = r.city;
  details_[0]->setText(q(c.name));
  details_[1]->setText(q(CitySizeClass(c.cells())));
  details_[2]->setText(tr("%1 ％").arg(c.taxRate));
  policies_[0]->setValue(c.housingPolicy);
  policies_[1]->setValue(c.commercePolicy);
  policies_[2]->setValue(c.businessPolicy);
  details_[3]->setText(tr("%1時間").arg(13 - c.unionHourCut));
  details_[4]->setText(tr("%1日").arg(30 - c.unionDayCut));
  details_[5]->setText(c.maxPachinkoRate == 6 ? tr("なし")
                                              : q(pachinkoRateName(c.maxPachinkoRate)));
  details_[6]->setText(c.maxSlotRate == 3 ? tr("なし") : q(slotRateName(c.maxSlotRate)));
  description_->reset();
  description_->setText(QCoreApplication::translate("cities", c.description.c_str()));
  description_->start();
}

// ---------------------------------------------------------------------------------------------
// Tmakekaichou

Tmakekaichou::Tmakekaichou(Random& generator, const Options* options, QWidget* parent)
    : QDialog(parent), generator_(generator), options_(options) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowTitle(tr("会社設立"));

  prompt_ = new TypingBox(this);
  prompt_->setMinimumSize(TypingBox::kCell * 22 + 12, TypingBox::kCell * kPromptRows + 12);
  prompt_->setFocusPolicy(Qt::NoFocus);
  connectDelay(prompt_, options_);
  connect(prompt_, &TypingBox::flowEnded, this, [this] {
    if (promptDone_) return;
    promptDone_ = true;
    setteibtn_->setEnabled(true);
    if (!isRolling()) setteibtnClick();
  });

  auto makeEdit = [this](const char* name, const QString& hint, const QString& proposed) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromUtf8(name));
    setHint(e, hint);
    e->setMaxLength(kNameCharacters);
    e->setValidator(new ShiftJisValidator(e));
    e->setText(proposed);
    return e;
  };
  nameedit_ = makeEdit("nameedit", tr("代表者の名前を入力"), qs(defaultPresidentName()));
  groupedit_ = makeEdit("groupedit", tr("会社の名前を入力"), qs(defaultCompanyName()));
  auto* names = new QGridLayout;
  names->addWidget(new QLabel(tr("代表者名"), this), 0, 0);
  names->addWidget(nameedit_, 0, 1);
  names->addWidget(new QLabel(tr("会社名"), this), 1, 0);
  names->addWidget(groupedit_, 1, 1);

  auto* qualities = new QGroupBox(tr("資質"), this);
  auto* grid = new QGridLayout(qualities);
  struct Quality {
    QString name;
    QString hint;
  };
  const std::array<Quality, 4> shown = {{{tr("統率力"), tr("部下を統率する能力")},
                                         {tr("知性"), tr("代表者の知的水準")},
                                         {tr("魅力"), tr("代表者の人望")},
                                         {tr("鑑定眼"), tr("台を見分ける力")}}};
  for (int i = 0; i < 4; ++i) {
    gauges_[i] = gauge(qualities, 1, 100);
    setHint(gauges_[i], shown[i].hint);
    numbers_[i] = new QLabel(qualities);
    numbers_[i]->setMinimumWidth(30);
    numbers_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(shown[i].name, qualities), i, 0);
    grid->addWidget(gauges_[i], i, 1);
    grid->addWidget(numbers_[i], i, 2);
  }
  capital_ = new QLabel(qualities);
  setHint(capital_, tr("最初の手持ち資金"));
  grid->addWidget(new QLabel(tr("資本金"), qualities), 4, 0);
  grid->addWidget(capital_, 4, 1, 1, 2);

  setteibtn_ = new QPushButton(tr("能力設定(&V)"), this);
  setteibtn_->setObjectName(QStringLiteral("setteibtn"));
  setHint(setteibtn_, tr("能力を変更"));
  connect(setteibtn_, &QPushButton::clicked, this, [this] { setteibtnClick(); });
  ok_ = new QPushButton(tr("決定(&R)"), this);
  ok_->setDefault(true);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  timer_.setInterval(kRollMilliseconds);
  connect(&timer_, &QTimer::timeout, this, [this] { roll(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(setteibtn_);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(names);
  layout->addWidget(qualities);
  layout->addLayout(buttons);

  roll();
  record();
  // Nothing is decided before the qualities have rolled: until the prompt has typed and the
  // rolling starts, neither "決定" nor the roll button has anything to do.
  ok_->setEnabled(false);
  setteibtn_->setEnabled(false);
}

void Tmakekaichou::roll() {
  RollFoundingQualities(generator_, rolled_);
  showRolled();
}

void Tmakekaichou::showRolled() {
  const std::array<int, 4> values = {rolled_.tousotu, rolled_.chisei, rolled_.karisuma,
                                     rolled_.kantei};
  for (int i = 0; i < 4; ++i) {
    gauges_[i]->setValue(values[i]);
    numbers_[i]->setText(QString::number(values[i]));
  }
  capital_->setText(q(gm::capitalLabel(rolled_.sihon)));
}

void Tmakekaichou::record() {
  chosen_.tousotu = gauges_[0]->value();
  chosen_.chisei = gauges_[1]->value();
  chosen_.karisuma = gauges_[2]->value();
  chosen_.kantei = gauges_[3]->value();
  chosen_.sihon = rolled_.sihon;
}

void Tmakekaichou::setteibtnClick() {
  if (isRolling()) {
    timer_.stop();
    setteibtn_->setText(tr("能力設定(&V)"));
    ok_->setEnabled(true);
    cancel_->setEnabled(true);
    record();
  } else {
    setteibtn_->setText(tr("ストップ(&V)"));
    ok_->setEnabled(false);
    cancel_->setEnabled(false);
    timer_.start();
  }
}

FoundingChoice Tmakekaichou::choice() const {
  FoundingChoice c = chosen_;
  c.presidentName = nameedit_->text().toStdString();
  c.companyName = groupedit_->text().toStdString();
  return c;
}

void Tmakekaichou::accept() {
  if (!isRolling()) QDialog::accept();
}

void Tmakekaichou::reject() {
  if (!isRolling()) QDialog::reject();
}

void Tmakekaichou::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    QTimer::singleShot(0, this, [this] {
      prompt_->reset();
      prompt_->setText(
          tr("会社を設立します。会社名、代表者名を入力し、能力設定ボタンで代表者の資質"
             "と資本金を設定してください。"));
      // A language that needs more rows than the Japanese gets them: the prompt is read whole.
      const int rows = prompt_->rowsFor(prompt_->width());
      if (rows > kPromptRows) {
        prompt_->setMinimumHeight(prompt_->heightForRows(rows));
        adjustSize();
      }
      prompt_->start();
    });
  }
}

}  // namespace gm
