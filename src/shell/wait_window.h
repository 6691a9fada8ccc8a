// The wait window (`Twaitform`) shown while the month's block pass develops the city: the city
// name with "開発中．．．" and a gauge whose bar is the season's picture.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QImage>

class QLabel;

namespace gm {

class PictureBook;

// The gauge: 0..100 in steps of 10, the bar painted with a tiled picture.
class SeasonGauge : public QWidget {
 public:
  explicit SeasonGauge(QWidget* parent = nullptr);
  void setPicture(const QImage& picture);
  void setProgress(int progress);
  int progress() const { return progress_; }
  void step() { setProgress(progress_ + 10); }
  QSize sizeHint() const override { return QSize(300, 24); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  int progress_ = 0;
};

class Twaitform : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(Twaitform)

 public:
  explicit Twaitform(const PictureBook& pictures, QWidget* parent = nullptr);

  // Shows the window at the main window's top-left corner with the season of `month`.
  void Begin(const QString& cityName, int month, QWidget* mainWindow);
  void Step();
  // Hides the window and repaints the main window.
  void End();

  QString label() const;
  int progress() const { return gauge_->progress(); }

 private:
  const PictureBook& pictures_;
  QLabel* label_;
  SeasonGauge* gauge_;
  QWidget* mainWindow_ = nullptr;
};

}  // namespace gm
