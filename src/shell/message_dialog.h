// The message dialog (`Tkakunin`): every message, report and yes/no question of the game. The
// company's president addresses the player with one of six faces; the text is typed out, the
// cash line shows on request, and there are one ("了解(&R)") or two ("実行(&R)" and "取り消し(&N)")
// buttons.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "base/money.h"

class QLabel;
class QPushButton;

namespace gm {

class FormPlacement;
class PictureBook;
class TypingBox;
class tworld;
struct Options;

// The typed text: the president's name and "、" (cut together to 50 bytes) before the text, or
// the text alone when the name is empty.
std::string messageBody(std::string_view presidentName, std::string_view text);
// "資金  " and the cash in thousands of yen.
QString cashLine(Money cash);

class Tkakunin : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFaceSize = 64;
  static constexpr int kMinimumRows = 5;

  explicit Tkakunin(const PictureBook& pictures, QWidget* parent = nullptr);
  ~Tkakunin() override;

  // Where the president's name and the cash come from; none shows neither.
  void setWorld(const tworld* world) { world_ = world; }
  // The options that set the typing speed; none types at the default speed.
  void setOptions(const Options* options) { options_ = options; }
  // The window repainted at once after the dialog closes (the main window).
  void setRepaintTarget(QWidget* target) { repaintTarget_ = target; }

  // Shows the dialog modally; true exactly when it was closed with OK, so a one-button dialog
  // always answers true.
  bool ShowMessageDialog(const QString& title, const QString& text, bool showCash, bool confirm,
                         int face);

  // For tests and for windows that drive the dialog.
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  TypingBox* typingBox() const { return box_; }
  QLabel* cashLabel() const { return cash_; }
  int visibleFace() const;  // -1 when none shows

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void fitBoxToText();

  const PictureBook& pictures_;
  const tworld* world_ = nullptr;
  const Options* options_ = nullptr;
  QWidget* repaintTarget_ = nullptr;
  std::array<QLabel*, 6> faces_{};
  TypingBox* box_;
  QLabel* cash_;
  QPushButton* ok_;
  QPushButton* cancel_;
  FormPlacement* placement_;
  bool confirm_ = false;
};

}  // namespace gm
