// The seminar window.
#include "ui/seminar_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/qt_text.h"
#include "shell/typing_box.h"

namespace gm {

Tseminorform::Tseminorform(const SeminarOffer& offer, int waittime, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("経営者ｾﾐﾅｰ"));
  setObjectName(QStringLiteral("seminorform"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  prompt_ = new TypingBox(this);
  prompt_->setDelay(waittime);
  prompt_->setText(tr("どのセミナーに出席しますか？"));
  prompt_->setFocusPolicy(Qt::NoFocus);

  const std::array<QString, 4> captions = {tr("魅力"), tr("知性"), tr("統率力"), tr("鑑定眼")};
  const std::array<int, 4> qualities = {offer.karisuma, offer.chisei, offer.tousotu, offer.kantei};
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    values_[i] = new QLabel(QString::number(qualities[i]), this);
    values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gauges_[i] = new QProgressBar(this);
    gauges_[i]->setRange(0, 100);
    gauges_[i]->setValue(qualities[i]);
    gauges_[i]->setTextVisible(false);
    grid->addWidget(new QLabel(captions[i], this), i, 0);
    grid->addWidget(values_[i], i, 1);
    grid->addWidget(gauges_[i], i, 2);
  }
  grid->setColumnStretch(2, 1);

  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("seminorlist"));
  for (const std::string& course : offer.courses) list_->addItem(qs(course));
  list_->setCurrentRow(0);
  ok_ = new QPushButton(tr("決定(&R)"), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(grid);
  layout->addWidget(list_);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void Tseminorform::closeEvent(QCloseEvent* event) { event->ignore(); }

int Tseminorform::run() {
  list_->setFocus();
  QTimer::singleShot(0, prompt_, &TypingBox::start);
  exec();
  return list_->currentRow() < 0 ? 0 : list_->currentRow();
}

int askSeminarCourse(QWidget* parent, const SeminarOffer& offer, int waittime) {
  Tseminorform form(offer, waittime, parent);
  return form.run();
}

}  // namespace gm
