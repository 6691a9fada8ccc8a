// The donation window.
#include "ui/donation_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include "base/frontend.h"
#include "shell/typing_box.h"
#include "ui/screen_text.h"
#include "world/donation.h"

namespace gm {

Tkifuform::Tkifuform(Frontend& port, Money cash, QWidget* parent)
    : QDialog(parent), port_(port), cashAmount_(cash) {
  setWindowTitle(tr("寄付"));
  setObjectName(QStringLiteral("kifuform"));
  // A title without a close button: the window ends only through its button.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  prompt_ = new TypingBox(this);
  prompt_->setDelay(port.options().waittime);
  prompt_->setText(tr("いくら寄付しますか？"));
  prompt_->setFocusPolicy(Qt::NoFocus);

  cash_ = new QLabel(tr("資金  %1").arg(moneyText(cash)), this);
  remaining_ = new QLabel(this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("moneyedit"));
  edit_->setMaxLength(16);
  edit_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,16}")), edit_));
  edit_->setAlignment(Qt::AlignRight);
  edit_->setToolTip(tr("寄付金額を入力"));
  edit_->setPlaceholderText(tr("寄付金額を入力"));
  ok_ = new QPushButton(tr("決定(&R)"), this);
  ok_->setDefault(true);

  auto* row = new QHBoxLayout;
  row->addWidget(edit_, 1);
  row->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  // The figures keep the game's own labels; the unit stands once above them.
  layout->addWidget(new QLabel(tr("（金額の単位：千円）"), this));
  layout->addWidget(cash_);
  layout->addWidget(remaining_);
  layout->addLayout(row);

  connect(edit_, &QLineEdit::textChanged, this, &Tkifuform::amountEdited);
  connect(ok_, &QPushButton::clicked, this, &Tkifuform::decide);
  amountEdited(QString());
}

void Tkifuform::amountEdited(const QString& text) {
  const int64_t typed = text.isEmpty() ? 0 : text.toLongLong();
  amount_ = limitDonation(typed, cashAmount_);
  // The edit shows the amount that will be given, whatever was typed beyond the limits.
  if (!text.isEmpty() && text != QString::number(amount_)) {
    const QSignalBlocker quiet(edit_);
    edit_->setText(QString::number(amount_));
  }
  remaining_->setText(tr("残り資金  %1").arg(moneyText(cashAmount_ - Money::fromInt(amount_))));
  ok_->setEnabled(amount_ > 0);
}

void Tkifuform::decide() {
  if (amount_ <= 0) return;
  if (port_.options().tellmsg &&
      !port_.message(tr("寄付").toStdString(), donationQuestion(amount_), true, true, kFaceNormal))
    return;
  accept();
}

void Tkifuform::closeEvent(QCloseEvent* event) { event->ignore(); }

int64_t Tkifuform::run() {
  edit_->setFocus();
  QTimer::singleShot(0, prompt_, &TypingBox::start);
  exec();
  return amount_;
}

int64_t askDonationAmount(QWidget* parent, Frontend& port, Money cash) {
  Tkifuform form(port, cash, parent);
  return form.run();
}

}  // namespace gm
