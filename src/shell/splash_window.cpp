// The splash window.
#include "shell/splash_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace gm {

SplashWindow::SplashWindow(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
  setAttribute(Qt::WA_QuitOnClose, false);
  setAttribute(Qt::WA_DeleteOnClose, false);
  const QSize size = picture_.size().expandedTo(QSize(400, 240));
  resize(size.width(), size.height() + 48);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  move(screen.center() - rect().center());
  shown_.start();
}

QStringList SplashWindow::texts() {
  return {QStringLiteral("Now Initializing..."), tr("ｹﾞｰﾑ中 F1ｷｰでﾍﾙﾌﾟを表示する事ができます")};
}

void SplashWindow::release() {
  const qint64 left = kLeastMilliseconds - shown_.elapsed();
  if (left <= 0) {
    close();
    return;
  }
  QTimer::singleShot(static_cast<int>(left), this, &QWidget::close);
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.drawImage(QPoint((width() - picture_.width()) / 2, 0), picture_);
  p.setPen(Qt::white);
  const QRect lines(0, height() - 48, width(), 48);
  const QStringList shown = texts();
  p.drawText(lines.adjusted(8, 4, -8, -24), Qt::AlignLeft | Qt::AlignVCenter, shown[0]);
  p.drawText(lines.adjusted(8, 24, -8, -4), Qt::AlignLeft | Qt::AlignVCenter, shown[1]);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace gm

#include <QSvgRenderer>

namespace gm {

QImage loadSplashPicture(const QString& file) {
  QSvgRenderer svg(file);
  if (!svg.isValid()) {
    QImage blank(400, 240, QImage::Format_ARGB32);
    blank.fill(QColor(0, 0, 64));
    return blank;
  }
  QImage img(svg.defaultSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  svg.render(&p);
  return img;
}

}  // namespace gm
