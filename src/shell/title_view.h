// The black title area shown while no game runs. With option `titleview` the title picture is
// revealed in falling slats, otherwise it is drawn stretched at once. The first paint raises
// firstPainted (the main window starts the title music there).
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

namespace gm {

class TitleView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kRevealMilliseconds = 1600;

  TitleView(const QImage& title, bool reveal, QWidget* parent = nullptr);
  bool painted() const { return painted_; }
  bool revealing() const { return tick_.isActive(); }

 signals:
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage title_;
  bool reveal_;
  bool painted_ = false;
  QElapsedTimer clock_;
  QTimer tick_;
};

}  // namespace gm
