// The donation window (`Tkifuform`, "寄付"): how much the company gives the charity. The amount
// stays inside the core's limits as it is typed, the remaining cash follows it, and "決定(&R)"
// is the only way out (after its question while the confirmation option is on).
#pragma once

#include <QDialog>
#include <cstdint>

#include "base/money.h"

class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gm {

class Frontend;
class TypingBox;

class Tkifuform : public QDialog {
  Q_OBJECT

 public:
  // `port` asks the confirmation question, as every question of the game is asked.
  Tkifuform(Frontend& port, Money cash, QWidget* parent = nullptr);

  // Runs the window; the amount given, in thousands of yen.
  int64_t run();

  int64_t amount() const { return amount_; }
  QLineEdit* moneyEdit() const { return edit_; }
  QLabel* cashLabel() const { return cash_; }
  QLabel* remainingLabel() const { return remaining_; }
  QPushButton* okButton() const { return ok_; }

 public slots:
  // Neither Escape nor the window manager closes it: the charity waits for an answer.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void amountEdited(const QString& text);
  void decide();

  Frontend& port_;
  Money cashAmount_;
  int64_t amount_ = 0;
  TypingBox* prompt_;
  QLabel* cash_;
  QLabel* remaining_;
  QLineEdit* edit_;
  QPushButton* ok_;
};

// The donation window for the program's port.
int64_t askDonationAmount(QWidget* parent, Frontend& port, Money cash);

}  // namespace gm
