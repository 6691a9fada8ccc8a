// The message dialog.
#include "shell/message_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/options.h"
#include "base/text.h"
#include "base/translation.h"
#include "shell/form_placement.h"
#include "shell/picture_book.h"
#include "shell/placement_rules.h"
#include "shell/qt_text.h"
#include "shell/typing_box.h"
#include "world/world.h"

namespace gm {

std::string messageBody(std::string_view presidentName, std::string_view text) {
  if (presidentName.empty()) return std::string(text);
  // English puts the name on a line of its own, as a letter does, so that the sentence after it
  // begins with its capital.
  const std::string prefix =
      QCoreApplication::translate("message_dialog", "%1、").arg(qs(presidentName)).toStdString();
  return cutToShiftJisBytes(prefix, 50) + std::string(text);
}

QString cashLine(Money cash) {
  return QCoreApplication::translate("message_dialog", "資金  %1")
      .arg(QString::fromStdString(formatGrouped(cash)));
}

Tkakunin::Tkakunin(const PictureBook& pictures, QWidget* parent)
    : QDialog(parent), pictures_(pictures) {
  setObjectName(QStringLiteral("kakunin"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* faceColumn = new QVBoxLayout;
  for (int f = 0; f < 6; ++f) {
    faces_[f] = new QLabel(this);
    faces_[f]->setPixmap(pictures_.face(f, kFaceSize));
    faces_[f]->setFixedSize(kFaceSize, kFaceSize);
    faces_[f]->hide();
    faceColumn->addWidget(faces_[f]);
  }
  faceColumn->addStretch();

  box_ = new TypingBox(this);
  box_->setMinimumSize(TypingBox::kCell * 22 + 12, TypingBox::kCell * kMinimumRows + 12);
  box_->setFocusPolicy(Qt::NoFocus);
  connect(box_, &TypingBox::flowStarted, this,
          [this] { box_->setDelay(options_ ? options_->waittime : Options().waittime); });

  cash_ = new QLabel(this);
  ok_ = new QPushButton(tr("了解(&R)"), this);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
  ok_->installEventFilter(this);
  cancel_->installEventFilter(this);

  auto* top = new QHBoxLayout;
  top->addLayout(faceColumn);
  top->addWidget(box_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cash_);
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);

  placement_ = new FormPlacement(this, QStringLiteral("kakunin"));
  // Until a placement is stored, the dialog appears over the middle of the main window.
  placement_->setFirstPlace([this](QSize frame) {
    const QWidget* over = repaintTarget_ ? repaintTarget_ : this;
    const QRect screen = screenAreaOf(over);
    return centredOver(frame, repaintTarget_ ? frameOf(repaintTarget_) : screen, screen);
  });
}

Tkakunin::~Tkakunin() = default;

int Tkakunin::visibleFace() const {
  for (int f = 0; f < 6; ++f)
    if (!faces_[f]->isHidden()) return f;
  return -1;
}

bool Tkakunin::ShowMessageDialog(const QString& title, const QString& text, bool showCash,
                                 bool confirm, int face) {
  for (QLabel* l : faces_) l->hide();
  if (face >= 0 && face < 6) faces_[face]->show();
  // Full-width captions belong to Japanese; another language keeps its own letters.
  setWindowTitle(catalogueIsJapanese() ? QString::fromStdString(toFullWidth(title.toStdString()))
                                       : title);

  box_->reset();
  const std::string president = world_ ? world_->kaichou.ownername.str() : std::string();
  box_->setText(QString::fromStdString(messageBody(president, text.toStdString())));
  fitBoxToText();

  cash_->setText(world_ ? cashLine(world_->kaichou.sikin) : QString());
  cash_->setVisible(showCash);

  confirm_ = confirm;
  ok_->setText(confirm ? tr("実行(&R)") : tr("了解(&R)"));
  cancel_->setVisible(confirm);

  ok_->setFocus();
  const bool answer = exec() == QDialog::Accepted;
  box_->reset();
  if (repaintTarget_) repaintTarget_->repaint();
  return answer;
}

void Tkakunin::fitBoxToText() {
  // The box grows with the text, so that the whole message is in sight before its buttons are
  // answered (a long president's name alone can push a question into a sixth line); a text
  // taller than the screen can hold scrolls as it types.
  // Until the dialog has been laid out once, the box stands at its minimum width.
  const bool laidOut = testAttribute(Qt::WA_Resized);
  const int width = laidOut ? std::max(box_->width(), box_->minimumWidth()) : box_->minimumWidth();
  const int roomRows =
      (screenAreaOf(repaintTarget_ ? repaintTarget_ : this).height() - 160) / TypingBox::kCell;
  const int rows = std::clamp(box_->rowsFor(width), kMinimumRows, std::max(kMinimumRows, roomRows));
  box_->setMinimumHeight(box_->heightForRows(rows));
  if (layout()) layout()->activate();
  resize(laidOut ? std::max(this->width(), minimumSizeHint().width()) : sizeHint().width(),
         minimumSizeHint().height());
}

void Tkakunin::reject() {
  // Esc (or the window's close button) means "cancel" only where there is something to cancel;
  // a notice is simply acknowledged.
  if (confirm_)
    QDialog::reject();
  else
    accept();
}

void Tkakunin::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  box_->start();
}

bool Tkakunin::eventFilter(QObject* watched, QEvent* event) {
  // Enter, Space or a click on a button while the text is still being typed shows the rest of
  // it; only the next one presses the button. A player who hurries past the typing must not
  // answer a question he has not read.
  if (box_->isTyping()) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        box_->finish();
        return true;
      }
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      box_->finish();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void Tkakunin::mousePressEvent(QMouseEvent* event) {
  // A click anywhere on the dialog does what a click on the text does.
  if (event->button() == Qt::LeftButton) box_->finish();
  QDialog::mousePressEvent(event);
}

}  // namespace gm
