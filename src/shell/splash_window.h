// The splash window shown while the program starts: stay-on-top, centred, without a caption,
// with the splash picture and two lines of text. It stays at least one second.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QWidget>

namespace gm {

class SplashWindow : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(SplashWindow)

 public:
  static constexpr int kLeastMilliseconds = 1000;

  explicit SplashWindow(const QImage& picture);
  // Closes the window once it has been shown for at least a second.
  void release();
  // The two lines painted under the picture.
  static QStringList texts();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QElapsedTimer shown_;
};

}  // namespace gm

namespace gm {
// The splash picture, read before anything else of the game is loaded.
QImage loadSplashPicture(const QString& file);
}  // namespace gm
