// The two dialogs of the new-game order: the city selection (`Tnewform`, "新規出店"), which
// lists the city files of the data folder and shows the chosen city, and the company founding
// (`Tmakekaichou`, "会社設立"), where the player names the company and rolls the president's
// qualities and the capital.
#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <array>
#include <string>

#include "base/random.h"
#include "company/founding.h"
#include "company/new_game.h"
#include "world/city_definition.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace gm {

class TypingBox;
struct Options;

class Tnewform : public QDialog {
  Q_OBJECT

 public:
  // `folder` is where the city files lie (the data folder in the program).
  Tnewform(const QString& folder, const Options* options, QWidget* parent = nullptr);

  // The full path of the chosen city file; empty while none has been chosen.
  const std::string& chosenFile() const { return chosenFile_; }
  Difficulty difficulty() const;

  // Shows the selected list item's city (`pmplistClick`).
  void pmplistClick();

  // The city files left out of the list, one line each with the reason; empty when none. On the
  // first show a warning box lists them, unless `warnOfRefusedCities` is cleared (tests).
  const QString& refusedCities() const { return refused_; }
  static inline bool warnOfRefusedCities = true;

  QListWidget* pmplist() const { return pmplist_; }
  TypingBox* promptBox() const { return prompt_; }
  TypingBox* descriptionBox() const { return description_; }
  QRadioButton* noviceButton() const { return novice_; }
  QRadioButton* rivalsButton() const { return rivals_; }
  QPushButton* okButton() const { return ok_; }
  // The shown values: 0 name, 1 size class, 2 tax, 3 hours, 4 days, 5 pachinko limit, 6 slot
  // limit.
  QLabel* detail(int i) const { return details_[static_cast<std::size_t>(i)]; }
  QProgressBar* policyGauge(int i) const { return policies_[static_cast<std::size_t>(i)]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void fillList();
  void firstActivation();

  QString folder_;
  const Options* options_;
  std::string chosenFile_;
  QString refused_;
  bool activated_ = false;
  QListWidget* pmplist_;
  TypingBox* prompt_;
  TypingBox* description_;
  std::array<QLabel*, 7> details_{};
  std::array<QProgressBar*, 3> policies_{};
  QRadioButton* novice_;
  QRadioButton* rivals_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

class Tmakekaichou : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRollMilliseconds = 50;

  // Rolls draw from `generator`, the game's generator reseeded for this order.
  Tmakekaichou(Random& generator, const Options* options, QWidget* parent = nullptr);

  // The names as typed and the qualities and capital recorded when the rolling last stopped.
  FoundingChoice choice() const;
  bool isRolling() const { return timer_.isActive(); }

  // `setteibtn`: starts the rolling, or stops it and records what it shows.
  void setteibtnClick();
  // One roll: four qualities and the capital class.
  void roll();

  QLineEdit* nameEdit() const { return nameedit_; }
  QLineEdit* groupEdit() const { return groupedit_; }
  QPushButton* setteiButton() const { return setteibtn_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  TypingBox* promptBox() const { return prompt_; }
  // The gauges in the order shown: 統率力, 知性, 魅力, 鑑定眼.
  QProgressBar* qualityGauge(int i) const { return gauges_[static_cast<std::size_t>(i)]; }
  QLabel* qualityNumber(int i) const { return numbers_[static_cast<std::size_t>(i)]; }
  QLabel* capitalLabel() const { return capital_; }

 public slots:
  // While the qualities roll there is no leaving the dialog, by button or by key.
  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showRolled();
  void record();

  Random& generator_;
  const Options* options_;
  QTimer timer_;
  FoundingChoice rolled_;
  FoundingChoice chosen_;
  bool activated_ = false;
  bool promptDone_ = false;
  TypingBox* prompt_;
  QLineEdit* nameedit_;
  QLineEdit* groupedit_;
  std::array<QProgressBar*, 4> gauges_{};
  std::array<QLabel*, 4> numbers_{};
  QLabel* capital_;
  QPushButton* setteibtn_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace gm
