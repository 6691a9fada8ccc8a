// The wait window of the month's block pass.
#include "shell/wait_window.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "shell/picture_book.h"
#include "world/calendar.h"

namespace gm {

SeasonGauge::SeasonGauge(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 20); }

void SeasonGauge::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void SeasonGauge::setProgress(int progress) {
  progress_ = qBound(0, progress, 100);
  update();
}

void SeasonGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const QRect inner = rect().adjusted(2, 2, -2, -2);
  const QRect bar(inner.left(), inner.top(), inner.width() * progress_ / 100, inner.height());
  if (!picture_.isNull())
    p.drawTiledPixmap(bar, QPixmap::fromImage(picture_.scaledToHeight(qMax(1, inner.height()),
                                                                      Qt::SmoothTransformation)));
  else
    p.fillRect(bar, QColor(0, 128, 255));
  p.setPen(Qt::gray);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

Twaitform::Twaitform(const PictureBook& pictures, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      pictures_(pictures) {
  setWindowTitle(QStringLiteral("Gindamaya97"));
  label_ = new QLabel(this);
  gauge_ = new SeasonGauge(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(gauge_);
  resize(340, 90);
}

void Twaitform::Begin(const QString& cityName, int month, QWidget* mainWindow) {
  mainWindow_ = mainWindow;
  label_->setText(tr("%1開発中．．．").arg(cityName));
  gauge_->setProgress(0);
  gauge_->setPicture(pictures_.season(SeasonOfMonth(month)));
  if (mainWindow) move(mainWindow->geometry().topLeft());
  show();
  repaint();
}

void Twaitform::Step() {
  gauge_->step();
  gauge_->repaint();
}

void Twaitform::End() {
  hide();
  if (mainWindow_) mainWindow_->repaint();
}

QString Twaitform::label() const { return label_->text(); }

}  // namespace gm
