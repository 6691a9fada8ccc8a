// The victory ending (`Tendform`): shown once when every rival has left the city. The closing
// words are typed under a dark picture area; once they are typed the ending picture opens like
// a set of blinds, the closing credits are typed, and after a short hold the window closes by
// itself. A click on the box or the picture, or Enter, hurries the current step along.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>

namespace gm {

class PictureBook;
class SoundPlayer;
class TypingBox;

// The credits typed after the picture has opened.
QString endingCredits();

// The upper area: black until the reveal starts, then the picture band by band.
class EndingPicture : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBands = 12;

  EndingPicture(const QImage& picture, QWidget* parent = nullptr);
  // 0: nothing of the picture shows, 1000: all of it.
  void setProgress(int perMille);
  int progress() const { return progress_; }
  QSize sizeHint() const override;

 signals:
  void firstPainted();
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  int progress_ = 0;
  bool painted_ = false;
};

class Tendform : public QDialog {
  Q_OBJECT

 public:
  enum class Stage { Waiting, Story, Reveal, Credits, Hold, Done };

  // How long the steps that are not typing take; tests shorten them to nothing.
  struct Pace {
    int revealMilliseconds = 2400;
    int holdMilliseconds = 5000;
  };

  Tendform(const QString& text, const PictureBook& pictures, SoundPlayer& sound, int waittime,
           QWidget* parent = nullptr);

  void setPace(const Pace& pace) { pace_ = pace; }
  Stage stage() const { return stage_; }
  TypingBox* typingBox() const { return box_; }
  EndingPicture* picture() const { return picture_; }

  // Starts typing the closing words (the picture's first paint calls it; later calls are
  // ignored).
  void begin();
  // What a click or Enter does: finish the typing, open the picture at once, or close.
  void advance();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void storyTyped();
  void revealStep();
  void startCredits();
  void creditsTyped();

  QString text_;
  SoundPlayer& sound_;
  int waittime_;
  Pace pace_;
  Stage stage_ = Stage::Waiting;
  bool titlePlayed_ = false;
  EndingPicture* picture_;
  TypingBox* box_;
  QTimer reveal_;
  QTimer hold_;
  int revealStep_ = 0;
  int revealSteps_ = 1;
};

// Shows the ending modally, screen-centred, and returns once it has closed. `waittime` is the
// typing delay of option `waittime`.
void showEndingWindow(QWidget* parent, const QString& text, const PictureBook& pictures,
                      SoundPlayer& sound, int waittime = 25);

}  // namespace gm
