// The title area and its reveal effect.
#include "shell/title_view.h"

#include <QPainter>

namespace gm {

namespace {
constexpr int kSlat = 8;        // height of one slat of the picture, in pixels
constexpr int kSlatTime = 300;  // how long one slat takes to open
}  // namespace

TitleView::TitleView(const QImage& title, bool reveal, QWidget* parent)
    : QWidget(parent), title_(title), reveal_(reveal) {
  setAutoFillBackground(false);
  tick_.setInterval(30);
  connect(&tick_, &QTimer::timeout, this, [this] {
    if (clock_.elapsed() >= kRevealMilliseconds) tick_.stop();
    update();
  });
}

void TitleView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const bool first = !painted_;
  painted_ = true;
  if (!reveal_) {
    p.drawImage(rect(), title_);
  } else {
    // The picture keeps its shape, centred and shrunk to fit if needed.
    QSize size = title_.size().expandedTo(QSize(1, 1));
    if (size.width() > width() || size.height() > height())
      size.scale(this->size().expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    if (first) {
      clock_.start();
      tick_.start();
    }
    const qint64 t = clock_.isValid() ? clock_.elapsed() : kRevealMilliseconds;
    const int slats = (target.height() + kSlat - 1) / kSlat;
    // Slats open one after another from the top, each growing downward, so the picture seems to
    // fall into place like a blind being let down.
    const double stagger = slats > 1 ? double(kRevealMilliseconds - kSlatTime) / (slats - 1) : 0;
    const double sy = double(title_.height()) / target.height();
    for (int i = 0; i < slats; ++i) {
      const double local = (t - i * stagger) / kSlatTime;
      if (local <= 0) break;
      const int top = i * kSlat;
      const int h = qMin(kSlat, target.height() - top);
      const int shown = local >= 1 ? h : qMax(1, int(h * local));
      const QRect dst(target.left(), target.top() + top, target.width(), shown);
      const QRectF src(0, top * sy, title_.width(), shown * sy);
      p.drawImage(dst, title_, src);
    }
  }
  if (first) emit firstPainted();
}

}  // namespace gm
