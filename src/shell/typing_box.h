// The typing text box: types its text one character at a time, after turning it into
// full-width forms. The delay between characters follows option `waittime` (0..50, smaller is
// faster; each step is 2 ms); spaces appear without delay. A click (or Enter, where the owning
// window forwards it) finishes the typing at once, and once everything is shown it asks the owner
// to go on. The whole text is laid out before typing starts, so a word never jumps to the next
// line half-typed, and lines break as Japanese is set: no line begins with a closing mark or a
// small kana, and none ends with an opening mark.
#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QTimer>

namespace gm {

class TypingBox : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kCell = 17;  // every character takes a 17 x 17 pixel cell
  static constexpr int kMillisecondsPerStep = 2;

  explicit TypingBox(QWidget* parent = nullptr);

  // Empties the box and stops typing.
  void reset();
  // The text to type (UTF-8), full-width conversion included; typing starts with start().
  void setText(const QString& text);
  void setDelay(int waittime);
  int delay() const { return delay_; }
  // Raises flowStarted (where owners set the delay) and starts typing.
  void start();
  // Shows the rest of the text at once.
  void finish();
  // What a click or Enter does: finish while typing, otherwise raise advanced().
  void advance();

  // With the mark on, a blinking "▼" at the box's foot says that a click (or Enter) goes on
  // once a text has been typed whole, as a button would.
  void setContinueMark(bool on);
  bool continueMarkShown() const { return continueMark_ && !typing_ && !text_.isEmpty(); }

  bool isTyping() const { return typing_; }
  const QString& fullText() const { return text_; }
  QString shownText() const { return text_.left(shown_); }

  // The text of each line as laid out in the box's present width (breaks included, the full
  // text whether or not it is typed yet).
  QStringList lines();

  // How many rows the whole text takes in a box of the given width, and the box height that
  // shows that many rows.
  int rowsFor(int boxWidth) const;
  int heightForRows(int rows) const;
  // The first row drawn: 0 unless the text has typed past the box's last row.
  int firstShownRow();

  QSize sizeHint() const override;

 signals:
  void flowStarted();
  void flowEnded();
  // Raised every 100 ms while the text is shown in full and the box waits for the player.
  void idle();
  void advanced();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void typeNext();
  void endFlow();
  // Lays the text out for the present width once; the layout stays until the text or the width
  // changes.
  QTextLayout& layout();
  void layOut(QTextLayout& l, int width) const;
  int columnsFor(int boxWidth) const;
  QRect textArea() const;

  QString text_;
  int shown_ = 0;
  int delay_ = 25;
  bool typing_ = false;
  QTextLayout layout_;
  int layoutWidth_ = -1;  // the width the layout was made for; -1: none yet
  bool continueMark_ = false;
  bool blinkOn_ = true;
  QTimer step_;
  QTimer idle_;
};

}  // namespace gm
