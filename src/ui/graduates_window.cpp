// The entry window.
#include "ui/graduates_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "company/hiring.h"
#include "shell/typing_box.h"

namespace gm {

Tsaiyouform::Tsaiyouform(PersonnelSession& session, const GraduateOffer& offer, int waittime,
                         QWidget* parent)
    : QDialog(parent), session_(session), offer_(offer) {
  setWindowTitle(tr("入社"));
  setObjectName(QStringLiteral("saiyouform"));

  prompt_ = new TypingBox(this);
  prompt_->setDelay(waittime);
  prompt_->setText(tr("何名を採用しますか？"));

  auto spin = [this](int most, const char* name) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, most);
    box->setValue(most);  // everybody who applied, unless the player says otherwise
    box->setSuffix(tr(" 名"));
    box->setAlignment(Qt::AlignRight);
    return box;
  };
  men_ = spin(offer.men, "saiyoumen");
  women_ = spin(offer.women, "saiyouwomen");
  total_ = new QLabel(this);
  total_->setAlignment(Qt::AlignRight);

  auto* figures = new QFormLayout;
  figures->addRow(tr("希望者"),
                  new QLabel(tr("男性 %1名  女性 %2名").arg(offer.men).arg(offer.women), this));
  figures->addRow(tr("ﾓﾗﾙ"), new QLabel(QString::number(offer.moral), this));
  figures->addRow(tr("ｽｷﾙ"), new QLabel(QString::number(offer.skill), this));
  figures->addRow(tr("男性"), men_);
  figures->addRow(tr("女性"), women_);
  figures->addRow(tr("合計"), total_);

  ok_ = new QPushButton(tr("採用(&R)"), this);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(figures);
  layout->addLayout(buttons);

  connect(men_, &QSpinBox::valueChanged, this, &Tsaiyouform::showTotal);
  connect(women_, &QSpinBox::valueChanged, this, &Tsaiyouform::showTotal);
  connect(ok_, &QPushButton::clicked, this, &Tsaiyouform::order);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  showTotal();
}

void Tsaiyouform::showTotal() { total_->setText(tr("%1名").arg(men_->value() + women_->value())); }

void Tsaiyouform::order() {
  men_->interpretText();
  women_->interpretText();
  if (men_->value() + women_->value() == 0) return reject();
  if (TakeInGraduates(session_, offer_, men_->value(), women_->value())) {
    taken_ = true;
    accept();
  }
}

bool Tsaiyouform::run() {
  taken_ = false;
  QTimer::singleShot(0, prompt_, &TypingBox::start);
  exec();
  return taken_;
}

}  // namespace gm
