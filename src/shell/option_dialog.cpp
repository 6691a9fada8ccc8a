// The option dialog's pages.
#include "shell/option_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/language.h"

namespace gm {

namespace {
QVBoxLayout* addPage(QTabWidget* pages, const QString& caption) {
  auto* page = new QWidget(pages);
  auto* layout = new QVBoxLayout(page);
  pages->addTab(page, caption);
  return layout;
}
}  // namespace

QCheckBox* Toptionform::addCheck(QVBoxLayout* page, const QString& caption, bool Options::*option) {
  auto* box = new QCheckBox(caption);
  box->setChecked(base_.*option);
  page->addWidget(box);
  checks_.emplace_back(box, option);
  return box;
}

Toptionform::Toptionform(const Options& current, QWidget* parent)
    : QDialog(parent), base_(current) {
  setWindowTitle(tr("運営設定"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  pages_ = new QTabWidget(this);

  QVBoxLayout* general = addPage(pages_, tr("一般操作"));
  // Labelled in both languages, so that a player who cannot read the one shown finds it.
  language_ = new QComboBox;
  for (const QString& code : availableLanguages()) language_->addItem(languageName(code), code);
  language_->setCurrentIndex(std::max(0, language_->findData(currentLanguage())));
  auto* languageRow = new QFormLayout;
  languageRow->addRow(QStringLiteral("言語 / Language"), language_);
  general->addLayout(languageRow);
  addCheck(general, tr("確認のメッセージを表示する"), &Options::tellmsg);
  addCheck(general, tr("ヒントを表示する"), &Options::showhint);
  addCheck(general, tr("音楽を演奏する"), &Options::playmusic);
  addCheck(general, tr("タイトル画面を演出付きで表示する"), &Options::titleview);
  addCheck(general, tr("開始時に資料を開く"), &Options::defopen);
  addCheck(general, tr("地図にスクロールバーを表示する"), &Options::showscrollbar);
  addCheck(general, tr("鑑定ｽｷｯﾌﾟ(&S)"), &Options::kanteiskip);
  addCheck(general, tr("入替計画で作業計画書を表示する"), &Options::subvisible);
  addCheck(general, tr("月末に自動で記録する"), &Options::autosave);

  auto* speedBox = new QGroupBox(tr("メッセージの速さ"));
  auto* speedRow = new QHBoxLayout(speedBox);
  speed_ = new QSlider(Qt::Horizontal);
  speed_->setRange(0, 50);
  speed_->setValue(base_.waittime);
  speed_->setTickPosition(QSlider::TicksBelow);
  speed_->setTickInterval(5);
  speedRow->addWidget(new QLabel(tr("速")));
  speedRow->addWidget(speed_, 1);
  speedRow->addWidget(new QLabel(tr("遅")));
  general->addWidget(speedBox);

  auto* dragBox = new QGroupBox(tr("右ドラッグでの地図の動き"));
  auto* dragRow = new QHBoxLayout(dragBox);
  follow_ = new QRadioButton(tr("牽引(&K)"));
  reverse_ = new QRadioButton(tr("逆進(&G)"));
  (base_.coming ? follow_ : reverse_)->setChecked(true);
  dragRow->addWidget(follow_);
  dragRow->addWidget(reverse_);
  general->addWidget(dragBox);
  general->addStretch();

  QVBoxLayout* views = addPage(pages_, tr("各種資料"));
  addCheck(views, tr("地図を常に手前に表示する"), &Options::allmapfront);
  addCheck(views, tr("地区概略を常に手前に表示する"), &Options::chikudatafront);
  addCheck(views, tr("区画データを常に手前に表示する"), &Options::chipformfront);
  addCheck(views, tr("店舗データを常に手前に表示する"), &Options::tempoformfront);
  addCheck(views, tr("台データを常に手前に表示する"), &Options::ddaidatafront);
  addCheck(views, tr("ﾕﾆｵﾝﾏﾈｰｼﾞｬを常に手前に表示する"), &Options::kaishaformfront);
  addCheck(views, tr("他店舗ﾃﾞｰﾀを常に手前に表示する"), &Options::entempoformfront);
  addCheck(views, tr("店舗の一覧にアイコンを表示する"), &Options::tempoiconview);
  addCheck(views, tr("台の一覧にアイコンを表示する"), &Options::daiiconview);
  views->addStretch();

  QVBoxLayout* reports = addPage(pages_, tr("報告事項"));
  addCheck(reports, tr("営業停止終了"), &Options::teisiokhoukoku);
  addCheck(reports, tr("工事終了"), &Options::koujiokhoukoku);
  addCheck(reports, tr("新台の発表と発売"), &Options::sindaihoukoku);
  addCheck(reports, tr("新台の販売終了"), &Options::urikirehoukoku);
  addCheck(reports, tr("他社の出店工事"), &Options::openhoukoku);
  addCheck(reports, tr("他店舗の開店"), &Options::kaitenhoukoku);
  addCheck(reports, tr("他店舗の閉店"), &Options::closehoukoku);
  addCheck(reports, tr("従業員の退職"), &Options::taishokuhoukoku);
  addCheck(reports, tr("毎月の実績報告書"), &Options::jissekihoukoku);
  addCheck(reports, tr("ボーナスシーズン"), &Options::bonushoukoku);
  addCheck(reports, tr("新卒者の採用"), &Options::nyuushahoukoku);
  addCheck(reports, tr("毎月のリサーチ"), &Options::reserchhoukoku);
  addCheck(reports, tr("実績報告書に店舗の診断を添える"), &Options::shindanhoukoku);
  reports->addStretch();

  auto* ok = new QPushButton(tr("決定(&R)"));
  auto* cancel = new QPushButton(tr("取り消し(&N)"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
}

QString Toptionform::language() const { return language_->currentData().toString(); }

QCheckBox* Toptionform::checkBox(bool Options::*option) const {
  for (const auto& [box, field] : checks_)
    if (field == option) return box;
  return nullptr;
}

Options Toptionform::values() const {
  Options o = base_;
  for (const auto& [box, field] : checks_) o.*field = box->isChecked();
  o.waittime = speed_->value();
  o.coming = follow_->isChecked();
  return o;
}

}  // namespace gm
