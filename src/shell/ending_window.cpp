// The victory ending window.
#include "shell/ending_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "base/frontend.h"
#include "shell/picture_book.h"
#include "shell/sound_player.h"
#include "shell/typing_box.h"

namespace gm {

namespace {
constexpr int kRevealTickMs = 30;
constexpr int kBoxRows = 9;  // the credits' eight lines and a spare
// The blinds open one after another from the top: band i starts at i x kStagger / (bands - 1)
// per mille of the reveal and needs kOpening per mille to open fully.
constexpr int kStagger = 400;
constexpr int kOpening = 600;
}  // namespace

QString endingCredits() {
  return QCoreApplication::translate("ending_window",
                                     "Ｇｉｎｄａｍａｙａ９７\n"
                                     "企画・制作　　銀玉工房\n"
                                     "プログラム　　穴守　釘太\n"
                                     "グラフィック　花村　ひかり\n"
                                     "音楽　　　　　玉響　鈴音\n"
                                     "協力　　　　　駅前通り商店会のみなさん\n"
                                     "　　　　　　　深夜喫茶「釘の木」\n"
                                     "最後まで遊んでくださったあなたに、心から感謝を。");
}

EndingPicture::EndingPicture(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

void EndingPicture::setProgress(int perMille) {
  progress_ = std::clamp(perMille, 0, 1000);
  update();
}

QSize EndingPicture::sizeHint() const {
  return picture_.isNull() ? QSize(480, 240) : picture_.size();
}

void EndingPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (progress_ > 0 && !picture_.isNull()) {
    const QSize size = picture_.size();
    const QPoint origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    const int bandHeight = (size.height() + kBands - 1) / kBands;
    for (int i = 0; i < kBands; ++i) {
      const int top = i * bandHeight;
      const int height = std::min(bandHeight, size.height() - top);
      if (height <= 0) break;
      const int start = i * kStagger / (kBands - 1);
      const int open = std::clamp((progress_ - start) * 1000 / kOpening, 0, 1000);
      const int shown = height * open / 1000;
      if (shown <= 0) continue;
      // Each blind opens from its middle outwards.
      const QRect source(0, top + (height - shown) / 2, size.width(), shown);
      p.drawImage(source.translated(origin), picture_, source);
    }
  }
  if (!painted_) {
    painted_ = true;
    emit firstPainted();
  }
}

void EndingPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QWidget::mousePressEvent(event);
}

Tendform::Tendform(const QString& text, const PictureBook& pictures, SoundPlayer& sound,
                   int waittime, QWidget* parent)
    : QDialog(parent), text_(text), sound_(sound), waittime_(waittime) {
  setWindowTitle(QStringLiteral("Gindamaya97"));
  setModal(true);
  picture_ = new EndingPicture(pictures.ending(), this);
  box_ = new TypingBox(this);
  box_->setMinimumSize(picture_->sizeHint().width(), TypingBox::kCell * kBoxRows + 12);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addWidget(picture_);
  layout->addWidget(box_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(picture_, &EndingPicture::firstPainted, this, &Tendform::begin);
  connect(picture_, &EndingPicture::clicked, this, &Tendform::advance);
  connect(box_, &TypingBox::flowStarted, this, [this] { box_->setDelay(waittime_); });
  connect(box_, &TypingBox::idle, this, [this] {
    if (titlePlayed_) return;
    titlePlayed_ = true;
    sound_.play(kCueTitle);
  });
  connect(box_, &TypingBox::advanced, this, &Tendform::advance);
  connect(box_, &TypingBox::flowEnded, this, [this] {
    // The box still has work to do after it reports the end; the next step starts after it.
    if (stage_ == Stage::Story)
      QTimer::singleShot(0, this, &Tendform::storyTyped);
    else if (stage_ == Stage::Credits)
      QTimer::singleShot(0, this, &Tendform::creditsTyped);
  });

  reveal_.setInterval(kRevealTickMs);
  connect(&reveal_, &QTimer::timeout, this, &Tendform::revealStep);
  hold_.setSingleShot(true);
  connect(&hold_, &QTimer::timeout, this, &QDialog::accept);
  connect(this, &QDialog::finished, this, [this] {
    reveal_.stop();
    hold_.stop();
    box_->reset();
    stage_ = Stage::Done;
  });
}

void Tendform::begin() {
  if (stage_ != Stage::Waiting) return;
  stage_ = Stage::Story;
  box_->setText(text_);
  box_->setFocus();
  box_->start();
}

void Tendform::advance() {
  switch (stage_) {
    case Stage::Waiting:
      begin();
      break;
    case Stage::Story:
    case Stage::Credits:
      box_->finish();
      break;
    case Stage::Reveal:
      revealStep_ = revealSteps_;
      revealStep();
      break;
    case Stage::Hold:
      accept();
      break;
    case Stage::Done:
      break;
  }
}

void Tendform::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    advance();
    return;
  }
  // The ending is not dismissed with Esc; clicks and Enter hurry it along instead.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void Tendform::storyTyped() {
  if (stage_ != Stage::Story) return;
  stage_ = Stage::Reveal;
  revealSteps_ = std::max(1, pace_.revealMilliseconds / kRevealTickMs);
  revealStep_ = 0;
  if (pace_.revealMilliseconds <= 0) {
    revealStep_ = revealSteps_;
    revealStep();
    return;
  }
  reveal_.start();
}

void Tendform::revealStep() {
  if (stage_ != Stage::Reveal) return;
  revealStep_ = std::min(revealStep_ + 1, revealSteps_);
  picture_->setProgress(revealStep_ * 1000 / revealSteps_);
  if (revealStep_ < revealSteps_) return;
  reveal_.stop();
  startCredits();
}

void Tendform::startCredits() {
  stage_ = Stage::Credits;
  box_->setText(endingCredits());
  box_->start();
}

void Tendform::creditsTyped() {
  if (stage_ != Stage::Credits) return;
  stage_ = Stage::Hold;
  hold_.start(std::max(0, pace_.holdMilliseconds));
}

void showEndingWindow(QWidget* parent, const QString& text, const PictureBook& pictures,
                      SoundPlayer& sound, int waittime) {
  Tendform window(text, pictures, sound, waittime, parent);
  window.adjustSize();
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) window.move(screen->availableGeometry().center() - window.rect().center());
  window.exec();
}

}  // namespace gm
