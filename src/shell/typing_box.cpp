// The typing text box.
#include "shell/typing_box.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QTextOption>

#include "base/text.h"
#include "base/translation.h"

namespace gm {

namespace {
bool isSpace(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x3000); }
bool isBreak(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

// The text as the layout reads it, character for character the same length so that typed
// positions carry over: every line break becomes a line separator, and the first half of "\r\n"
// an invisible zero-width space.
QString layoutText(const QString& text) {
  QString out = text;
  for (qsizetype i = 0; i < out.size(); ++i) {
    if (out[i] == QLatin1Char('\r') && i + 1 < out.size() && out[i + 1] == QLatin1Char('\n'))
      out[i] = QChar(0x200B);
    else if (isBreak(out[i]))
      out[i] = QChar::LineSeparator;
  }
  return out;
}
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
    if (continueMark_) {
      blinkOn_ = !blinkOn_;
      update();
    }
    if (isVisible()) emit idle();
  });
}

void TypingBox::reset() {
  step_.stop();
  idle_.stop();
  typing_ = false;
  text_.clear();
  shown_ = 0;
  layoutWidth_ = -1;
  update();
}

void TypingBox::setText(const QString& text) {
  reset();
  // Typed text turns full width in Japanese only; another language keeps its own letters.
  text_ = catalogueIsJapanese() ? QString::fromStdString(toFullWidth(text.toStdString())) : text;
  layoutWidth_ = -1;
}

void TypingBox::setContinueMark(bool on) {
  continueMark_ = on;
  blinkOn_ = true;
  update();
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

QRect TypingBox::textArea() const { return contentsRect().adjusted(5, 5, -5, -5); }

void TypingBox::layOut(QTextLayout& l, int width) const {
  // A full-width character takes one kCell-wide cell, as the box has always typed; the letter
  // spacing makes up what the font's own advance lacks.
  QFont f = font();
  f.setPixelSize(kCell - 2);
  const qreal advance = QFontMetricsF(f).horizontalAdvance(QChar(0x3042));
  f.setLetterSpacing(QFont::AbsoluteSpacing, kCell - advance);

  QTextOption option;
  // Qt's line breaking follows the Unicode rules, which keep closing marks and small kana off
  // the start of a line and opening marks off its end; a run with no break at all (a long
  // number) is still cut where it must be.
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  l.setFont(f);
  l.setText(layoutText(text_));
  l.setTextOption(option);
  l.beginLayout();
  for (int row = 0;; ++row) {
    QTextLine line = l.createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    // Baselines keep the 17-pixel rows whatever the font's own line height is.
    line.setPosition(QPointF(0, row * kCell + (kCell - 2) - line.ascent()));
  }
  l.endLayout();
}

int TypingBox::columnsFor(int boxWidth) const {
  // The frame and the text's margin take the same room whatever the box's size.
  return qMax(1, (boxWidth - (width() - textArea().width())) / kCell);
}

QTextLayout& TypingBox::layout() {
  const int width = columnsFor(this->width()) * kCell;
  if (width == layoutWidth_) return layout_;
  layoutWidth_ = width;
  layOut(layout_, width);
  return layout_;
}

int TypingBox::rowsFor(int boxWidth) const {
  QTextLayout l;
  layOut(l, columnsFor(boxWidth) * kCell);
  return l.lineCount();
}

int TypingBox::heightForRows(int rows) const {
  return rows * kCell + (height() - textArea().height());
}

int TypingBox::firstShownRow() {
  // While a text longer than the box types, the lines move up so that the line being typed
  // stays in sight; the typed text is then read as it comes, never below the box's edge.
  QTextLayout& l = layout();
  const int visible = qMax(1, textArea().height() / kCell);
  int current = 0;
  for (int i = 0; i < l.lineCount(); ++i)
    if (l.lineAt(i).textStart() < qMax(shown_, 1)) current = i;
  return qMax(0, current - visible + 1);
}

QStringList TypingBox::lines() {
  QStringList out;
  QTextLayout& l = layout();
  for (int i = 0; i < l.lineCount(); ++i) {
    const QTextLine line = l.lineAt(i);
    QString s = text_.mid(line.textStart(), line.textLength());
    while (!s.isEmpty() && (isBreak(s.back()) || s.back() == QChar(0x200B))) s.chop(1);
    out << s;
  }
  return out;
}

void TypingBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (shown_ <= 0) return;
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  const QRect area = textArea();
  if (continueMarkShown() && blinkOn_) {
    QFont f = font();
    f.setPixelSize(kCell - 4);
    p.setFont(f);
    p.drawText(QRect(area.right() - kCell, area.bottom() - kCell, kCell, kCell), Qt::AlignCenter,
               QStringLiteral("▼"));
  }
  QTextLayout& l = layout();
  p.setClipRect(area);
  const int first = firstShownRow();
  const QPointF origin = area.topLeft() - QPointF(0, first * kCell);
  for (int i = first; i < l.lineCount(); ++i) {
    const QTextLine line = l.lineAt(i);
    if (line.textStart() >= shown_) break;
    if (line.textStart() + line.textLength() <= shown_) {
      line.draw(&p, origin);
      continue;
    }
    // The line being typed: only its characters so far.
    p.save();
    const qreal x = line.cursorToX(shown_);
    p.setClipRect(QRectF(origin.x(), origin.y() + line.y(), x, kCell * 2).toAlignedRect() & area);
    line.draw(&p, origin);
    p.restore();
    break;
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
