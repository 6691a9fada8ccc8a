// The typing text box.
#include "shell/typing_box.h"

#include <QKeyEvent>
#include <QPainter>

#include "base/text.h"

namespace gm {

namespace {
bool isSpace(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x3000); }
bool isBreak(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }
}  // namespace

TypingBox::TypingBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0, 0, 64));
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);
  step_.setSingleShot(true);
  connect(&step_, &QTimer::timeout, this, &TypingBox::typeNext);
  idle_.setInterval(100);
  connect(&idle_, &QTimer::timeout, this, [this] {
    if (isVisible()) emit idle();
  });
}

void TypingBox::reset() {
  step_.stop();
  idle_.stop();
  typing_ = false;
  text_.clear();
  shown_ = 0;
  update();
}

void TypingBox::setText(const QString& text) {
  reset();
  text_ = QString::fromStdString(toFullWidth(text.toStdString()));
}

void TypingBox::setDelay(int waittime) {
  delay_ = waittime < 0 ? 0 : (waittime > 50 ? 50 : waittime);
}

void TypingBox::start() {
  emit flowStarted();
  idle_.stop();
  shown_ = 0;
  typing_ = true;
  update();
  typeNext();
}

void TypingBox::finish() {
  if (!typing_) return;
  shown_ = static_cast<int>(text_.size());
  endFlow();
}

void TypingBox::advance() {
  if (typing_)
    finish();
  else
    emit advanced();
}

void TypingBox::typeNext() {
  if (!typing_) return;
  // One visible character per step; spaces and line breaks ride along with it.
  const int n = static_cast<int>(text_.size());
  while (shown_ < n && (isSpace(text_[shown_]) || isBreak(text_[shown_]))) ++shown_;
  if (shown_ < n) {
    shown_ += text_[shown_].isHighSurrogate() && shown_ + 1 < n ? 2 : 1;
    while (shown_ < n && (isSpace(text_[shown_]) || isBreak(text_[shown_]))) ++shown_;
  }
  update();
  if (shown_ >= n) {
    endFlow();
    return;
  }
  step_.start(delay_ * kMillisecondsPerStep);
}

void TypingBox::endFlow() {
  step_.stop();
  typing_ = false;
  update();
  emit flowEnded();
  idle_.start();
}

QSize TypingBox::sizeHint() const { return QSize(kCell * 20 + 12, kCell * 4 + 12); }

void TypingBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  QFont f = font();
  f.setPixelSize(kCell - 2);
  p.setFont(f);
  p.setPen(palette().color(QPalette::WindowText));
  const QRect area = contentsRect().adjusted(5, 5, -5, -5);
  const int columns = qMax(1, area.width() / kCell);
  int col = 0, row = 0;
  for (int i = 0; i < shown_; ++i) {
    const QChar c = text_[i];
    if (isBreak(c)) {
      // "\r\n" is one break.
      if (c == QLatin1Char('\r') && i + 1 < shown_ && text_[i + 1] == QLatin1Char('\n')) ++i;
      col = 0;
      ++row;
      continue;
    }
    if (col >= columns) {
      col = 0;
      ++row;
    }
    QString glyph(c);
    if (c.isHighSurrogate() && i + 1 < shown_) glyph += text_[++i];
    const QRect cell(area.left() + col * kCell, area.top() + row * kCell, kCell, kCell);
    p.drawText(cell, Qt::AlignCenter, glyph);
    ++col;
  }
}

void TypingBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) advance();
  QFrame::mousePressEvent(event);
}

void TypingBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    advance();
    return;
  }
  QFrame::keyPressEvent(event);
}

}  // namespace gm
