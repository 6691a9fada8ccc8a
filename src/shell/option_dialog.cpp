// The option dialog's pages.
#include "shell/option_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

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
  setWindowTitle(QStringLiteral("運営設定"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  pages_ = new QTabWidget(this);

  QVBoxLayout* general = addPage(pages_, QStringLiteral("一般操作"));
  addCheck(general, QStringLiteral("確認のメッセージを表示する"), &Options::tellmsg);
  addCheck(general, QStringLiteral("ヒントを表示する"), &Options::showhint);
  addCheck(general, QStringLiteral("音楽を演奏する"), &Options::playmusic);
  addCheck(general, QStringLiteral("タイトル画面を演出付きで表示する"), &Options::titleview);
  addCheck(general, QStringLiteral("開始時に資料を開く"), &Options::defopen);
  addCheck(general, QStringLiteral("地図にスクロールバーを表示する"), &Options::showscrollbar);
  addCheck(general, QStringLiteral("鑑定ｽｷｯﾌﾟ(&S)"), &Options::kanteiskip);
  addCheck(general, QStringLiteral("入替計画で作業計画書を表示する"), &Options::subvisible);
  addCheck(general, QStringLiteral("月末に自動で記録する"), &Options::autosave);

  auto* speedBox = new QGroupBox(QStringLiteral("メッセージの速さ"));
  auto* speedRow = new QHBoxLayout(speedBox);
  speed_ = new QSlider(Qt::Horizontal);
  speed_->setRange(0, 50);
  speed_->setValue(base_.waittime);
  speed_->setTickPosition(QSlider::TicksBelow);
  speed_->setTickInterval(5);
  speedRow->addWidget(new QLabel(QStringLiteral("速")));
  speedRow->addWidget(speed_, 1);
  speedRow->addWidget(new QLabel(QStringLiteral("遅")));
  general->addWidget(speedBox);

  auto* dragBox = new QGroupBox(QStringLiteral("右ドラッグでの地図の動き"));
  auto* dragRow = new QHBoxLayout(dragBox);
  follow_ = new QRadioButton(QStringLiteral("牽引(&K)"));
  reverse_ = new QRadioButton(QStringLiteral("逆進(&G)"));
  (base_.coming ? follow_ : reverse_)->setChecked(true);
  dragRow->addWidget(follow_);
  dragRow->addWidget(reverse_);
  general->addWidget(dragBox);
  general->addStretch();

  QVBoxLayout* views = addPage(pages_, QStringLiteral("各種資料"));
  addCheck(views, QStringLiteral("地図を常に手前に表示する"), &Options::allmapfront);
  addCheck(views, QStringLiteral("地区概略を常に手前に表示する"), &Options::chikudatafront);
  addCheck(views, QStringLiteral("区画データを常に手前に表示する"), &Options::chipformfront);
  addCheck(views, QStringLiteral("店舗データを常に手前に表示する"), &Options::tempoformfront);
  addCheck(views, QStringLiteral("台データを常に手前に表示する"), &Options::ddaidatafront);
  addCheck(views, QStringLiteral("ﾕﾆｵﾝﾏﾈｰｼﾞｬを常に手前に表示する"), &Options::kaishaformfront);
  addCheck(views, QStringLiteral("他店舗ﾃﾞｰﾀを常に手前に表示する"), &Options::entempoformfront);
  addCheck(views, QStringLiteral("店舗の一覧にアイコンを表示する"), &Options::tempoiconview);
  addCheck(views, QStringLiteral("台の一覧にアイコンを表示する"), &Options::daiiconview);
  views->addStretch();

  QVBoxLayout* reports = addPage(pages_, QStringLiteral("報告事項"));
  addCheck(reports, QStringLiteral("営業停止終了"), &Options::teisiokhoukoku);
  addCheck(reports, QStringLiteral("工事終了"), &Options::koujiokhoukoku);
  addCheck(reports, QStringLiteral("新台の発表と発売"), &Options::sindaihoukoku);
  addCheck(reports, QStringLiteral("新台の販売終了"), &Options::urikirehoukoku);
  addCheck(reports, QStringLiteral("他社の出店工事"), &Options::openhoukoku);
  addCheck(reports, QStringLiteral("他店舗の開店"), &Options::kaitenhoukoku);
  addCheck(reports, QStringLiteral("他店舗の閉店"), &Options::closehoukoku);
  addCheck(reports, QStringLiteral("従業員の退職"), &Options::taishokuhoukoku);
  addCheck(reports, QStringLiteral("毎月の実績報告書"), &Options::jissekihoukoku);
  addCheck(reports, QStringLiteral("ボーナスシーズン"), &Options::bonushoukoku);
  addCheck(reports, QStringLiteral("新卒者の採用"), &Options::nyuushahoukoku);
  addCheck(reports, QStringLiteral("毎月のリサーチ"), &Options::reserchhoukoku);
  addCheck(reports, QStringLiteral("実績報告書に店舗の診断を添える"), &Options::shindanhoukoku);
  reports->addStretch();

  auto* ok = new QPushButton(QStringLiteral("決定(&R)"));
  auto* cancel = new QPushButton(QStringLiteral("取り消し(&N)"));
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
